// The brick editor: the palette, placing, retyping and removing bricks on the mode's grid inside
// the walls, the background arrows, and the brick map read and written through KrevinCommon.
#include "editors/krevin/KrevinEditorForm.h"

#include <string>

#include "common/Common.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"

namespace {

namespace kc = KrevinCommon;

constexpr editor::EditorLook Look{"Krevin",
                                  "Krevin Editor",
                                  "KrevinEditor - <new>",
                                  "KrevinEditor - ",
                                  "Gfx\\Buttons\\clearButton.gif",
                                  false};
// The walls are 20 px thick; the field ends at the panel.
constexpr std::int32_t WallLeft = 20;
constexpr std::int32_t WallRight = 780;
constexpr std::int32_t WallTop = 20;
// The palette's first row holds types 0..5, its second 6..10.
constexpr std::size_t PaletteRow = 6;

} // namespace

KrevinEditorForm& TheKrevinEditorForm()
{
    static KrevinEditorForm form;
    return form;
}

KrevinEditorForm::KrevinEditorForm() : EditorWindow(Look) {}

void KrevinEditorForm::LoadEditor()
{
    NewMap("easy");
    for (std::size_t n = 0; n < Palette.size(); ++n) {
        Palette[n].LoadDCImage("Gfx\\Krevin\\Easy\\brick" + std::to_string(n) + ".gif", *this);
    }
    kc::MapBackground.id = 0;
    LoadBackground();
    for (std::size_t n = 0; n < Palette.size(); ++n) {
        SpriteClass& entry = Palette[n];
        entry.X = 12 + static_cast<std::int32_t>(n % PaletteRow) * (entry.width + 12);
        entry.Y = n < PaletteRow ? 495 : 550;
    }
    topBorder.LoadDCImage("Gfx\\Krevin\\topBorder.gif", *this);
    sideBorder.LoadDCImage("Gfx\\Krevin\\sideBorder.gif", *this);
    PlacePanel();
    Cursor.id = 0;
}

void KrevinEditorForm::PlacePanel()
{
    PlaceFileButtons(stopButton.X - 2 * saveButton.width - 12, 36);
    removeButton.LoadDCImage("Gfx\\Buttons\\removeBrickButton.gif", *this);
    const SpriteClass& last = Palette.back();
    removeButton.X = last.X + last.width + 12;
    removeButton.Y = last.Y;
    clearButton.X = modeButton.X - modeButton.width - 36;
    clearButton.Y = modeButton.Y;
    // The arrows stand above the clear button and meet on one column.
    LoadArrows(backLeftButton, backRightButton);
    backLeftButton.X = clearButton.X - platform::IntDiv(backLeftButton.width, 2);
    backLeftButton.Y = gridButton.Y;
    backRightButton.X = backLeftButton.X + backLeftButton.width;
    backRightButton.Y = gridButton.Y;
}

void KrevinEditorForm::FreeEditor()
{
    for (SpriteClass& entry : Palette) {
        entry.CleanUp();
    }
    kc::MapBackground.CleanUp();
    FreeBrickImages();
    for (SpriteClass* sprite : {&pad, &topBorder, &sideBorder}) {
        sprite->CleanUp();
    }
}

void KrevinEditorForm::LoadBrickImages()
{
    FreeBrickImages();
    for (std::size_t n = 0; n < kc::BrickPictures.size(); ++n) {
        kc::BrickPictures[n].LoadDCImage(
            "Gfx\\Krevin\\" + Common::gMode + "\\brick" + std::to_string(n) + ".gif", *this);
    }
}

void KrevinEditorForm::FreeBrickImages()
{
    for (SpriteClass& picture : kc::BrickPictures) {
        picture.CleanUp();
    }
}

// The pad at its starting place, for orientation only.
void KrevinEditorForm::LoadPad()
{
    pad.CleanUp();
    pad.LoadDCImage("Gfx\\Krevin\\" + Common::gMode + "\\pad.gif", *this);
    pad.X = 400 - platform::IntDiv(pad.width, 2);
    pad.Y = 480 - pad.Height - 5;
}

void KrevinEditorForm::LoadBackground()
{
    LoadMapBackground(kc::MapBackground);
}

// The background number, the chosen type, the remove mode and the grid switch stay.
void KrevinEditorForm::NewMap(std::string_view mode)
{
    Common::gMode = mode;
    const bool normal = Common::gMode == "normal";
    Cursor.width = normal ? 40 : 60;
    Cursor.Height = normal ? 20 : 30;
    kc::ClearBricks();
    kc::MapBricks[0].width = Cursor.width;
    kc::MapBricks[0].Height = Cursor.Height;
    SetTitle(look.newMapTitle);
    BuildGrid();
    LoadBrickImages();
    LoadPad();
}

// Every entry is removed; the array keeps its length, so a click where a brick was brings that
// entry back.
void KrevinEditorForm::ClearMap()
{
    for (SpriteClass& brick : kc::MapBricks) {
        brick.id = -1;
    }
}

// Rows of cells of the brick size between the side walls, from y 20: 12 x 13 of 60 x 30 from x
// 40, or 19 x 21 of 40 x 20 from x 20 in mode "normal".
void KrevinEditorForm::BuildGrid()
{
    const bool normal = Common::gMode == "normal";
    BuildGridCells(normal ? 399 : 156, normal ? 20 : 40, WallTop, WallRight);
}

// The brick hangs from the pointer by its top-left corner, or sits on the first cell under the
// pointer while the grid is shown.
void KrevinEditorForm::TrackPointer()
{
    TrackButtons({&clearButton, &backLeftButton, &backRightButton});
    ShowBrush(kc::BrickPictures);
    Cursor.X = PointerX;
    Cursor.Y = PointerY;
    if (gridButton.active && PointerY < editor::PanelTop) {
        SnapCursor(false);
    }
}

void KrevinEditorForm::ClickEditor()
{
    if (const std::int32_t type = PaletteEntryUnder(Palette); type >= 0) {
        Cursor.id = type;
        Cursor.SetDC(kc::BrickPictures[static_cast<std::size_t>(type)].GetDC(-1));
        removeButton.active = false;
        return;
    }
    if (PointerOn(removeButton)) {
        removeButton.active = !removeButton.active;
        if (removeButton.active) {
            Cursor.id = -1;
            Cursor.SetDC(0);
        }
        return;
    }
    if (PointerOn(clearButton)) {
        ClearToNewMap();
        return;
    }
    // On the column where the arrows meet both act, and the number ends where it was.
    if (PointerOn(backLeftButton)) {
        StepBackground(kc::MapBackground, -1);
    }
    if (PointerOn(backRightButton)) {
        StepBackground(kc::MapBackground, 1);
    }
    if (!ClickGridOrMode() && PointerY < editor::PanelTop) {
        ClickField();
    }
}

// Remove mode takes every entry under the point, removed ones included; otherwise a click on an
// entry retypes and moves it, and a click on none purges duplicates or places a brick.
void KrevinEditorForm::ClickField()
{
    if (removeButton.active) {
        for (SpriteClass& brick : kc::MapBricks) {
            if (PointerOn(brick)) {
                brick.id = -1;
            }
        }
    } else if (!ReplaceBrick()) {
        PlaceBrick();
    }
}

// The first entry under the point, removed ones and slot 0 included, takes the brush's type and
// place, which must lie inside the walls as a placed brick's must.
bool KrevinEditorForm::ReplaceBrick()
{
    if (gridButton.active) {
        SnapCursor(false);
    }
    for (SpriteClass& brick : kc::MapBricks) {
        if (PointerOn(brick)) {
            if (InsideWalls()) {
                CopyCursorTo(brick);
            }
            return true;
        }
    }
    return RemoveDuplicates();
}

// Of the bricks at one place only the lowest-indexed stays; true when any was removed.
bool KrevinEditorForm::RemoveDuplicates()
{
    bool removed = false;
    for (const SpriteClass& kept : kc::MapBricks) {
        for (SpriteClass& other : kc::MapBricks) {
            if (&other != &kept && kept.id != -1 && other.id != -1 && other.X == kept.X &&
                other.Y == kept.Y) {
                other.id = -1;
                removed = true;
            }
        }
    }
    return removed;
}

// A new entry at the end, on the cell under the pointer (the pointer itself with the grid hidden
// or where no cell lies), when it lies inside the walls; a refusal is silent.
void KrevinEditorForm::PlaceBrick()
{
    if (gridButton.active) {
        SnapCursor(false);
    } else {
        Cursor.X = PointerX;
        Cursor.Y = PointerY;
    }
    if (InsideWalls()) {
        CopyCursorTo(kc::MapBricks.emplace_back());
    }
}

// The brush may touch the walls and the panel's top line, not cross them.
bool KrevinEditorForm::InsideWalls() const
{
    return Cursor.X >= WallLeft && Cursor.X + Cursor.width <= WallRight && Cursor.Y >= WallTop &&
           Cursor.Y + Cursor.Height <= editor::PanelTop;
}

// The panel comes before the map here, so bricks cover the grid lines, the pad lies over the
// bricks and the brush over everything; each pass paints over the last.
void KrevinEditorForm::DrawEditor()
{
    kc::MapBackground.Draw(*this);
    sideBorder.DrawAt(*this, 0, 0);
    sideBorder.DrawAt(*this, 800 - sideBorder.width, 0);
    topBorder.DrawAt(*this, 0, 0);
    DrawPanelBox();
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    removeButton.Draw(*this);
    clearButton.DrawTransp(*this);
    backLeftButton.DrawTransp(*this);
    backRightButton.DrawTransp(*this);
    gridButton.Draw(*this);
    modeButton.Draw(*this);
    DrawPalette(Palette, Cursor.id);
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &removeButton, &clearButton,
                       &backLeftButton, &backRightButton, &gridButton});
    DrawGridCells(gridCells);
    for (const SpriteClass& brick : kc::MapBricks) {
        const SpriteClass* picture = editor::PictureOf(kc::BrickPictures, brick.id);
        if (picture != nullptr && picture->GetDC(-1) != 0) {
            platform::BitBlt(hDC(), platform::CLng(brick.X), platform::CLng(brick.Y), brick.width,
                             brick.Height, picture->GetDC(-1), 0, 0, platform::SRCCOPY);
        }
    }
    pad.DrawTransp(*this);
    Cursor.Draw(*this);
}

// A file that cannot be read leaves nothing of itself, its background number included.
bool KrevinEditorForm::ReadMapFile(std::string_view path)
{
    const std::int32_t background = kc::MapBackground.id;
    const bool read = kc::LoadMap(path);
    if (!read) {
        kc::MapBackground.id = background;
    }
    LoadBackground();
    return read;
}

bool KrevinEditorForm::WriteMapFile(std::string_view path)
{
    return kc::SaveMap(path);
}
