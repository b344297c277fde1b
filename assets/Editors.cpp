// The map editors' panel buttons: open, save, grid, clear, the remove tools, the two arrows, the
// small mode button and the Lupido editor's tools, picture tiles in the look of the option buttons.
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

// A tile half as high as it is wide: the small steppers under the Lupido editor's tools.
Canvas HalfTile()
{
    Canvas canvas(40, 20, Ink);
    canvas.SetUnits(100);
    canvas.Fill(Rect(4, 4, 96, 46, 6),
                LinearGradient({0, 0}, {0, 50}, TileTop, Mix(TileTop, TileBottom, 0.8)));
    return canvas;
}

// Previous on the left half, next on the right half.
Canvas ChangeAmountButton()
{
    Canvas canvas = HalfTile();
    Symbol(canvas, Polygon({{12, 25}, {34, 12}, {34, 38}}), Blue, 2.5);
    Symbol(canvas, Polygon({{88, 25}, {66, 12}, {66, 38}}), Blue, 2.5);
    return canvas;
}

// Slower on the left, faster on the right; the editor prints the factor in the middle.
Canvas SpeedButton()
{
    Canvas canvas = HalfTile();
    Symbol(canvas, Rect(8, 22, 26, 28, 1), Red, 2.5);
    Symbol(canvas, Union(Rect(74, 22, 92, 28, 1), Rect(80, 16, 86, 34, 1)), Green, 2.5);
    return canvas;
}

// Water with two waves.
Canvas RiversButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Rect(14, 20, 86, 80, 6), 0x3C8DE8, 2.5);
    for (double y : {40.0, 60.0}) {
        canvas.Fill(
            Polyline({{22, y}, {34, y - 6}, {46, y}, {58, y - 6}, {70, y}, {78, y - 4}}, 2.4),
            White);
    }
    return canvas;
}

// Tarmac with a dashed middle line.
Canvas RoadsButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Rect(14, 20, 86, 80, 6), 0x5A5E6B, 2.5);
    for (double x : {20.0, 44.0, 68.0}) {
        canvas.Fill(Rect(x, 47, x + 13, 53, 1.5), White);
    }
    return canvas;
}

Canvas LogButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Rect(12, 36, 88, 64, 14), 0x94622F);
    canvas.Fill(Capsule({24, 45}, {62, 45}, 1.6), 0x6A4220);
    canvas.Fill(Capsule({30, 55}, {70, 55}, 1.6), 0x6A4220);
    canvas.Fill(Grow(Ellipse({78, 50}, 6, 12), 1.5), Ink);
    canvas.Fill(Ellipse({78, 50}, 6, 12), 0xE2B77A);
    return canvas;
}

// A small car seen from the side.
Canvas CarButton()
{
    Canvas canvas = Tile(40);
    const Shape body = Union(Rect(14, 46, 86, 68, 8), Rect(30, 30, 68, 52, 8));
    Symbol(canvas, body, Red, 2.5);
    canvas.Fill(Rect(36, 35, 48, 47, 2), 0xBFE4FF);
    canvas.Fill(Rect(52, 35, 63, 47, 2), 0xBFE4FF);
    for (double x : {30.0, 70.0}) {
        canvas.Fill(Circle({x, 70}, 9), Ink);
        canvas.Fill(Circle({x, 70}, 4), Grey);
    }
    return canvas;
}

Canvas FlowerButton()
{
    Canvas canvas = Tile(40);
    std::vector<Shape> leaves;
    for (int i = 0; i < 5; ++i) {
        leaves.push_back(Circle(OnEllipse({50, 50}, 18, 18, -90 + i * 72.0), 13));
    }
    Symbol(canvas, Union(leaves), 0xB07CFF);
    Symbol(canvas, Circle({50, 50}, 9), Gold, 2.5);
    return canvas;
}

Canvas BushButton()
{
    Canvas canvas = Tile(40);
    const Shape bush = Union({Circle({32, 56}, 18), Circle({52, 42}, 22), Circle({70, 58}, 16),
                              Rect(18, 56, 84, 80, 10)});
    Symbol(canvas, bush, 0x3FA848);
    for (const Vec berry : {Vec{38, 50}, Vec{62, 62}, Vec{58, 34}}) {
        canvas.Fill(Circle(berry, 4.5), Red);
    }
    return canvas;
}

// A brick with a red cross over it.
Canvas RemoveBrickButton()
{
    Canvas canvas = Tile(40);
    Symbol(canvas, Rect(14, 34, 86, 66, 3), 0xC8553A, 2.5);
    canvas.Fill(Rect(48, 34, 52, 66), Lighter(Grey, 0.4));
    Symbol(canvas, CrossSymbol({50, 50}, 70), Red);
    return canvas;
}

// Four blocks with a red cross over them.
Canvas RemoveBlocksButton()
{
    Canvas canvas = Tile(40);
    const Color blocks[] = {Gold, Green, Blue, Orange};
    for (int i = 0; i < 4; ++i) {
        const double x = 20 + (i % 2) * 31;
        const double y = 20 + (i / 2) * 31;
        Symbol(canvas, Rect(x, y, x + 29, y + 29, 4), blocks[i], 2.5);
    }
    Symbol(canvas, CrossSymbol({50, 50}, 70), Red);
    return canvas;
}

// The direction arrow drawn on logs and cars, keyed so the lane shows around it.
Canvas DirectionArrow(bool right)
{
    Canvas canvas(20, 20);
    canvas.SetUnits(100);
    const Shape arrow =
        right ? ArrowSymbol({14, 50}, {88, 50}, 24) : ArrowSymbol({86, 50}, {12, 50}, 24);
    Symbol(canvas, arrow, White, 7);
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
    AddOpaqueGif(catalog, "Gfx/Buttons/removeBrickButton.gif",
                 [] { return RemoveBrickButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/removeBlocksButton.gif",
                 [] { return RemoveBlocksButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/riversButton.gif", [] { return RiversButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/roadsButton.gif", [] { return RoadsButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/logButton.gif", [] { return LogButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/carButton.gif", [] { return CarButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/changeAmountButton.gif",
                 [] { return ChangeAmountButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/speedButton.gif", [] { return SpeedButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Lupido/flowerButton.gif", [] { return FlowerButton().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Lupido/bushButton.gif", [] { return BushButton().Opaque(); });
    AddKeyedGif(catalog, "Gfx/Lupido/leftDir.gif", [] { return DirectionArrow(false); });
    AddKeyedGif(catalog, "Gfx/Lupido/rightDir.gif", [] { return DirectionArrow(true); });
}

} // namespace assetgen
