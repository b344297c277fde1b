// The sprite-map editor: what the alien and rock editors share.
#include "editors/frame/SpriteMapEditor.h"

#include "common/Common.h"
#include "platform/Numbers.h"

namespace editor {

namespace {

constexpr platform::Color Black = platform::Rgb(0, 0, 0);

} // namespace

SpriteMapEditor::SpriteMapEditor(const EditorLook& editorLook, const SpriteMap& spriteMap,
                                 std::int32_t lastKindId, std::int32_t selectorLeft)
    : EditorWindow(editorLook), map(spriteMap), lastKind(lastKindId), selectorX(selectorLeft)
{
}

void SpriteMapEditor::LoadEditor()
{
    platform::FontSpec font = Font();
    font.points = 12;
    font.bold = true;
    SetFont(font);
    LoadPictures();
    NewMap("easy");
    PlacePanel();
}

void SpriteMapEditor::FreeEditor()
{
    FreeKindPictures();
    const KindSelector selector = Selector();
    for (SpriteClass* sprite : {&map.background, &shipMarker, &selector.left, &selector.right}) {
        sprite->CleanUp();
    }
}

void SpriteMapEditor::FreeKindPictures()
{
    for (SpriteClass& picture : KindPictures()) {
        picture.CleanUp();
    }
}

// The kind selector, then the background arrows around the number box, on one row at y 545; the
// buttons in two rows of three left of the stop button.
void SpriteMapEditor::PlacePanel()
{
    const KindSelector selector = Selector();
    LoadArrows(selector.left, selector.right);
    LoadArrows(backLeftButton, backRightButton);
    selector.left.X = selectorX;
    selector.left.Y = 545 - platform::IntDiv(selector.left.Height, 2);
    selector.tool.X = selector.left.X + selector.left.width + 12;
    selector.tool.Y = 545 - platform::IntDiv(selector.tool.Height, 2);
    selector.right.X = selector.tool.X + selector.tool.width + 12;
    selector.right.Y = selector.left.Y;
    backLeftButton.X = selector.right.X + selector.right.width + 48;
    backLeftButton.Y = selector.left.Y;
    backNumberBox.width = 50;
    backNumberBox.Height = 40;
    backNumberBox.X = backLeftButton.X + backLeftButton.width + 12;
    backNumberBox.Y = backLeftButton.Y;
    backRightButton.X = backNumberBox.X + 50 + 12;
    backRightButton.Y = selector.left.Y;

    saveButton.X = stopButton.X - saveButton.width - 36;
    saveButton.Y = 498;
    openButton.X = saveButton.X;
    openButton.Y = saveButton.Y + saveButton.Height + 12;
    gridButton.X = saveButton.X - gridButton.width - 24;
    gridButton.Y = saveButton.Y;
    modeButton.X = openButton.X - openButton.width - 24;
    modeButton.Y = openButton.Y;
    removeButton.LoadDCImage("Gfx\\Buttons\\removeButton.gif", *this);
    removeButton.X = gridButton.X - gridButton.width - 24;
    removeButton.Y = gridButton.Y;
    clearButton.X = modeButton.X - modeButton.width - 24;
    clearButton.Y = modeButton.Y;
}

void SpriteMapEditor::NewMap(std::string_view mode)
{
    ClearToNewMap();
    Common::gMode = mode;
    LoadModePictures();
    SelectKind(0);
    SpriteClass& tool = Selector().tool;
    tool.Y = 545 - platform::IntDiv(tool.Height, 2);
    tool.X = 154 - platform::IntDiv(tool.width, 2);
    BuildGrid();
}

void SpriteMapEditor::LayOutGrid(std::size_t cells, std::int32_t firstX)
{
    gridCells.assign(cells, SpriteClass{});
    const std::int32_t w = Cursor.width;
    const std::int32_t h = Cursor.Height;
    std::int32_t x = firstX;
    std::int32_t y = 0;
    for (SpriteClass& cell : gridCells) {
        cell.X = x;
        cell.Y = y;
        cell.width = w;
        cell.Height = h;
        x += w;
        if (x + w > 800) {
            x = firstX;
            y += h;
        }
    }
}

// The title, the mode, the tool and the kind stay.
void SpriteMapEditor::ClearMap()
{
    map.clear();
    map.background.id = 0;
    LoadMapBackground(map.background);
}

// The tool with the given kind selected, showing the kind's picture, which the brush carries.
void SpriteMapEditor::SelectKind(std::int32_t kind)
{
    SpriteClass& tool = Selector().tool;
    SelectTool(tool, {&tool, &removeButton});
    tool.id = kind;
    tool.SetSpriteDC(KindPictures()[static_cast<std::size_t>(kind)]);
    Cursor.SetSpriteDC(tool);
    Cursor.id = kind;
}

// The brush snaps to the last cell under the pointer: on a shared edge the cell to the right or
// below. Where no cell lies under the pointer it stays on cell 0.
void SpriteMapEditor::TrackPointer()
{
    const KindSelector selector = Selector();
    TrackButtons(
        {&clearButton, &selector.left, &selector.right, &backLeftButton, &backRightButton});
    Cursor.X = gridCells[0].X;
    Cursor.Y = gridCells[0].Y;
    if (PointerY >= PanelTop) {
        return;
    }
    for (const SpriteClass& cell : gridCells) {
        if (cell.IsUnder(PointerX, PointerY)) {
            Cursor.X = cell.X;
            Cursor.Y = cell.Y;
        }
    }
}

void SpriteMapEditor::ClickEditor()
{
    const auto under = [this](const SpriteClass& sprite) {
        return sprite.IsUnder(PointerX, PointerY);
    };
    const KindSelector selector = Selector();
    if (under(gridButton)) {
        gridButton.active = !gridButton.active;
    } else if (under(modeButton)) {
        SwitchMode();
    } else if (under(selector.left)) {
        SelectKind(StepAround(selector.tool.id, -1, lastKind));
        KindStepped();
    } else if (under(selector.tool)) {
        SelectKind(selector.tool.id);
    } else if (under(selector.right)) {
        SelectKind(StepAround(selector.tool.id, 1, lastKind));
        KindStepped();
    } else if (under(backLeftButton)) {
        StepBackground(map.background, -1);
    } else if (under(backRightButton)) {
        StepBackground(map.background, 1);
    } else if (under(removeButton)) {
        SelectTool(removeButton, {&selector.tool, &removeButton});
        Cursor.SetSpriteDC(removeButton);
    } else if (under(clearButton)) {
        ClearMap();
    } else if (PointerY < PanelTop) {
        if (selector.tool.active) {
            PlaceAtBrush();
        } else {
            RemoveFirstHit();
        }
    }
}

// The first entry the brush overlaps, hidden ones included, takes the new one; only when none
// does the map grow by one.
void SpriteMapEditor::PlaceAtBrush()
{
    for (std::size_t i = 0; i < map.entries.size(); ++i) {
        if (map.entries[i].SpriteCollision(Cursor)) {
            CopyCursorToEntry(i);
            return;
        }
    }
    map.entries.emplace_back();
    CopyCursorToEntry(map.entries.size() - 1);
}

void SpriteMapEditor::CopyCursorToEntry(std::size_t index)
{
    SpriteClass& entry = map.entries[index];
    entry.X = Cursor.X;
    entry.Y = Cursor.Y;
    entry.id = Cursor.id;
    entry.SetSpriteDC(Cursor);
    entry.visible = true;
}

bool SpriteMapEditor::RemoveFirstHit()
{
    for (SpriteClass& entry : map.entries) {
        if (entry.visible && entry.SpriteCollision(Cursor)) {
            entry.visible = false;
            return true;
        }
    }
    return false;
}

// The background picture covers the previous pass, so the window is not cleared first.
void SpriteMapEditor::DrawEditor()
{
    map.background.Draw(*this);
    for (const SpriteClass& entry : map.entries) {
        entry.DrawTransp(*this);
    }
    shipMarker.DrawTransp(*this);
    if (PointerY < PanelTop) {
        DrawBrush();
    }
    DrawPanelBox();
    const KindSelector selector = Selector();
    selector.left.Draw(*this);
    selector.tool.Draw(*this);
    Line(selector.tool.Left(), selector.tool.Top(), selector.tool.Right(), selector.tool.Bottom(),
         Black, true);
    selector.right.Draw(*this);
    backLeftButton.Draw(*this);
    DrawNumberBox(backNumberBox, map.background.id);
    backRightButton.Draw(*this);
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    for (const SpriteClass* button : {&removeButton, &clearButton, &gridButton, &modeButton}) {
        button->Draw(*this);
    }
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &removeButton, &selector.left,
                       &selector.tool, &selector.right, &backLeftButton, &backRightButton,
                       &clearButton, &gridButton});
    DrawGridCells(gridCells);
}

// The remove brush is centred in its cell; the kind's picture lies on the cell.
void SpriteMapEditor::DrawBrush()
{
    if (!removeButton.active) {
        Cursor.DrawTransp(*this);
        return;
    }
    const SpriteClass& cell = gridCells[0];
    Cursor.DrawTranspAt(*this,
                        platform::CLng(Cursor.X + platform::IntDiv(cell.width, 2) -
                                       platform::IntDiv(Cursor.width, 2)),
                        platform::CLng(Cursor.Y + platform::IntDiv(cell.Height, 2) -
                                       platform::IntDiv(Cursor.Height, 2)));
}

// The visible entries of a kind with a picture take it; others keep none.
bool SpriteMapEditor::ReadMapFile(std::string_view path)
{
    if (!map.load(path)) {
        return false;
    }
    for (SpriteClass& entry : map.entries) {
        const SpriteClass* picture = PictureOf(KindPictures(), entry.id);
        if (entry.visible && picture != nullptr) {
            entry.SetSpriteDC(*picture);
        }
    }
    LoadMapBackground(map.background);
    return true;
}

bool SpriteMapEditor::WriteMapFile(std::string_view path)
{
    return map.save(path);
}

} // namespace editor
