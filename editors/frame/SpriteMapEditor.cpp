// The sprite-map editor: what the alien and rock editors share.
#include "editors/frame/SpriteMapEditor.h"

#include "common/Common.h"
#include "platform/Numbers.h"

namespace editor {

namespace {

constexpr platform::Color MarkerColour = platform::Rgb(255, 0, 0);

} // namespace

SpriteMapEditor::SpriteMapEditor(const EditorLook& editorLook, const SpriteMap& spriteMap,
                                 std::int32_t lastKindId, std::int32_t selectorLeft)
    : EditorWindow(editorLook), map(spriteMap), lastKind(lastKindId), selectorX(selectorLeft)
{
}

void SpriteMapEditor::LoadEditor()
{
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

    PlaceFileButtons(stopButton.X - saveButton.width - 36, 24);
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
    if (PointerY < PanelTop) {
        SnapCursor(true);
    }
}

void SpriteMapEditor::ClickEditor()
{
    if (ClickGridOrMode()) {
        return;
    }
    const KindSelector selector = Selector();
    if (PointerOn(selector.left)) {
        SelectKind(StepAround(selector.tool.id, -1, lastKind));
        KindStepped();
    } else if (PointerOn(selector.tool)) {
        SelectKind(selector.tool.id);
    } else if (PointerOn(selector.right)) {
        SelectKind(StepAround(selector.tool.id, 1, lastKind));
        KindStepped();
    } else if (PointerOn(backLeftButton)) {
        StepBackground(map.background, -1);
    } else if (PointerOn(backRightButton)) {
        StepBackground(map.background, 1);
    } else if (PointerOn(removeButton)) {
        SelectTool(removeButton, {&selector.tool, &removeButton});
        Cursor.SetSpriteDC(removeButton);
    } else if (PointerOn(clearButton)) {
        ClearMap();
    } else if (PointerY < PanelTop) {
        if (selector.tool.active) {
            PlaceAtBrush();
        } else {
            HideFirstHit(map.entries);
        }
    }
}

// The first entry the brush overlaps, hidden ones included, takes the new one; only when none
// does the map grow by one.
void SpriteMapEditor::PlaceAtBrush()
{
    for (std::size_t i = 0; i < map.entries.size(); ++i) {
        if (map.entries[i].SpriteCollision(Cursor)) {
            CopyCursorTo(map.entries[i]);
            return;
        }
    }
    CopyCursorTo(map.entries.emplace_back());
}

// The background picture covers the previous pass, so the window is not cleared first.
void SpriteMapEditor::DrawEditor()
{
    map.background.Draw(*this);
    for (const SpriteClass& entry : map.entries) {
        if (entry.visible && PictureOf(KindPictures(), entry.id) == nullptr) {
            DrawMarker(entry);
        } else {
            entry.DrawTransp(*this);
        }
    }
    shipMarker.DrawTransp(*this);
    if (PointerY < PanelTop) {
        DrawBrush();
    }
    DrawPanelBox();
    const KindSelector selector = Selector();
    selector.left.Draw(*this);
    DrawToolPreview(selector.tool);
    DrawOutline(selector.tool);
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

// A red box with its diagonals on the entry's rectangle.
void SpriteMapEditor::DrawMarker(const SpriteClass& entry)
{
    const double right = entry.X + entry.width - 1;
    const double bottom = entry.Y + entry.Height - 1;
    SetDrawWidth(2);
    Line(entry.X, entry.Y, right, bottom, MarkerColour, true);
    Line(entry.X, entry.Y, right, bottom, MarkerColour);
    Line(entry.X, bottom, right, entry.Y, MarkerColour);
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

// The visible entries of a kind with a picture take it. One of a kind without a picture (from a
// hand-edited file) gets the size of kind 0's picture instead, so that it shows as a marker, the
// remove tool can hit it, and it is saved as it came unless removed.
bool SpriteMapEditor::ReadMapFile(std::string_view path)
{
    if (!map.load(path)) {
        return false;
    }
    const SpriteClass& kindZero = KindPictures()[0];
    for (SpriteClass& entry : map.entries) {
        if (!entry.visible) {
            continue;
        }
        if (const SpriteClass* picture = PictureOf(KindPictures(), entry.id)) {
            entry.SetSpriteDC(*picture);
        } else {
            entry.width = kindZero.width;
            entry.Height = kindZero.Height;
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
