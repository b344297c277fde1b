// The map editors' panel buttons: open, save, grid, clear, remove, the two arrows and the small
// mode button, all 40 x 40 picture tiles in the look of the games' option buttons.
#include "assets/Catalog.h"
#include "assets/Style.h"

namespace assetgen {

namespace {

using namespace palette;

// A symbol with an ink edge around it.
void Symbol(Canvas& canvas, const Shape& shape, Color colour, double edge = 3)
{
    canvas.Fill(Grow(shape, edge), Ink);
    canvas.Fill(shape, colour);
}

// The open button is drawn colour-keyed: a tile whose rounded corners are the key.
Canvas OpenButton()
{
    Canvas canvas(40, 40);
    canvas.SetUnits(100);
    canvas.Fill(Rect(0, 0, 100, 100, 14), Ink);
    canvas.Fill(Rect(3.5, 3.5, 96.5, 96.5, 11),
                LinearGradient({0, 0}, {0, 100}, TileTop, Mix(TileTop, TileBottom, 0.8)));
    const Shape back = Union(Rect(14, 28, 44, 40, 3), Rect(14, 34, 82, 80, 4));
    Symbol(canvas, back, Darker(Gold, 0.15));
    const Shape front = Polygon({{22, 48}, {92, 48}, {80, 80}, {12, 80}});
    Symbol(canvas, front, Gold);
    Symbol(canvas, ArrowSymbol({64, 64}, {64, 10}, 11), Blue, 2.5);
    return canvas;
}

Canvas SaveButton()
{
    Canvas canvas = Tile(40);
    const Shape disk = Polygon({{16, 14}, {74, 14}, {86, 26}, {86, 86}, {16, 86}});
    Symbol(canvas, disk, Blue);
    canvas.Fill(Rect(30, 16, 66, 40, 3), White);
    canvas.Fill(Rect(54, 20, 62, 36, 1), Ink);
    canvas.Fill(Rect(26, 54, 76, 84, 3), White);
    for (double y : {62.0, 70.0, 78.0}) {
        canvas.Fill(Rect(32, y - 1.5, 70, y + 1.5), Grey);
    }
    return canvas;
}

Canvas GridButton()
{
    Canvas canvas = Tile(40);
    const Shape board = Rect(18, 18, 82, 82);
    canvas.Fill(board, Lighter(Green, 0.7));
    std::vector<Shape> lines{Outline(board, 2.5)};
    for (double at : {39.3, 60.7}) {
        lines.push_back(Rect(at - 2.5, 18, at + 2.5, 82));
        lines.push_back(Rect(18, at - 2.5, 82, at + 2.5));
    }
    canvas.Fill(Union(std::move(lines)), Ink);
    return canvas;
}

// A broom sweeping: the whole map is emptied.
Canvas ClearButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Capsule({76, 14}, {50, 52}, 5), Darker(Orange, 0.25));
    const Shape bristles = Polygon({{40, 46}, {62, 60}, {50, 88}, {16, 70}});
    Symbol(canvas, bristles, Gold);
    for (const auto& [a, b] : {std::pair<Vec, Vec>{{44, 58}, {30, 76}}, {{52, 64}, {40, 82}}}) {
        canvas.Fill(Capsule(a, b, 1.6), Darker(Gold, 0.35));
    }
    return canvas;
}

// A piece with a red cross over it: one piece goes.
Canvas RemoveButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Rect(22, 22, 78, 78, 8), Grey, 2.5);
    Symbol(canvas, CrossSymbol({50, 50}, 70), Red);
    return canvas;
}

Canvas ArrowButton(bool right)
{
    Canvas canvas = Tile(40);
    const Shape arrow =
        right ? ArrowSymbol({18, 50}, {84, 50}, 16) : ArrowSymbol({82, 50}, {16, 50}, 16);
    Symbol(canvas, arrow, Blue);
    return canvas;
}

} // namespace

void AddEditors(Catalog& catalog)
{
    AddKeyedGif(catalog, "Gfx/Buttons/openButton.gif", OpenButton);
    AddOpaqueGif(catalog, "Gfx/Buttons/saveButton.gif", [] { return SaveButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/gridButton.gif", [] { return GridButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/clearButton.gif", [] { return ClearButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/removeButton.gif", [] { return RemoveButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/leftButton.gif", [] { return ArrowButton(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/rightButton.gif", [] { return ArrowButton(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/easyModeButtonS.gif",
                 [] { return ModeButton(true, 40).Opaque(); });
}

} // namespace assetgen
