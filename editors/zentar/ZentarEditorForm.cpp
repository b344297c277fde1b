// The alien editor: the type and background arrows, placing and removing aliens on the grid, and
// the alien map read and written through ZentarCommon.
#include "editors/zentar/ZentarEditorForm.h"

#include <string>

#include "common/Common.h"
#include "games/zentar/ZentarCommon.h"
#include "platform/Numbers.h"

namespace {

namespace zc = ZentarCommon;

constexpr editor::EditorLook Look{"Zentar",
                                  "Zentar Editor",
                                  "Zentar Editor - <new>",
                                  "Zentar Editor - ",
                                  "Gfx\\Buttons\\clearButton.gif",
                                  true};
constexpr std::int32_t LastAlienType = zc::AlienTypeCount - 1;

// The cell size of a mode, also the grid's when the alien picture of type 0 is missing.
std::int32_t ModeCellSize()
{
    return Common::gMode == "normal" ? 40 : 60;
}

} // namespace

ZentarEditorForm& TheZentarEditorForm()
{
    static ZentarEditorForm form;
    return form;
}

ZentarEditorForm::ZentarEditorForm() : EditorWindow(Look) {}

void ZentarEditorForm::LoadEditor()
{
    NewMap("easy");
    shipMarker.LoadDCImage("Gfx\\Zentar\\ship.gif", *this);
    shipMarker.X = 400 - platform::IntDiv(shipMarker.width, 2);
    shipMarker.Y = 480 - shipMarker.Height - 5;

    LoadArrows(alienLeftButton, alienRightButton);
    LoadArrows(backLeftButton, backRightButton);
    alienLeftButton.X = 72;
    alienLeftButton.Y = 545 - platform::IntDiv(alienLeftButton.Height, 2);
    alienTool.X = alienLeftButton.X + alienLeftButton.width + 12;
    alienTool.Y = 545 - platform::IntDiv(alienTool.Height, 2);
    alienRightButton.X = alienTool.X + alienTool.width + 12;
    alienRightButton.Y = alienLeftButton.Y;
    backLeftButton.X = alienRightButton.X + alienRightButton.width + 48;
    backLeftButton.Y = alienLeftButton.Y;
    backNumberBox.width = 50;
    backNumberBox.Height = 40;
    backNumberBox.X = backLeftButton.X + backLeftButton.width + 12;
    backNumberBox.Y = backLeftButton.Y;
    backRightButton.X = backNumberBox.X + 50 + 12;
    backRightButton.Y = alienLeftButton.Y;

    PlaceFileButtons(stopButton.X - saveButton.width - 36, 24);
    removeButton.LoadDCImage("Gfx\\Buttons\\removeButton.gif", *this);
    removeButton.X = gridButton.X - gridButton.width - 24;
    removeButton.Y = gridButton.Y;
    clearButton.X = modeButton.X - modeButton.width - 24;
    clearButton.Y = modeButton.Y;
}

void ZentarEditorForm::FreeEditor()
{
    FreeAlienImages();
    for (SpriteClass* sprite :
         {&zc::MapBackground, &shipMarker, &alienLeftButton, &alienRightButton, &backLeftButton,
          &backRightButton, &removeButton}) {
        sprite->CleanUp();
    }
}

void ZentarEditorForm::LoadAlienImages()
{
    FreeAlienImages();
    for (std::size_t n = 0; n < zc::AlienPictures.size(); ++n) {
        zc::AlienPictures[n].LoadDCImage("Gfx\\Zentar\\" + Common::gMode + "\\alien" +
                                             (n < 10 ? "0" : "") + std::to_string(n) + ".gif",
                                         *this);
    }
}

void ZentarEditorForm::FreeAlienImages()
{
    for (SpriteClass& picture : zc::AlienPictures) {
        picture.CleanUp();
    }
}

void ZentarEditorForm::LoadBackground()
{
    LoadMapBackground(zc::MapBackground);
}

void ZentarEditorForm::RefreshMapPictures()
{
    for (SpriteClass& alien : zc::MapAliens) {
        const SpriteClass* picture = editor::PictureOf(zc::AlienPictures, alien.id);
        if (alien.visible && picture != nullptr) {
            alien.SetSpriteDC(*picture);
        }
    }
    LoadBackground();
}

void ZentarEditorForm::NewMap(std::string_view mode)
{
    zc::ClearMap();
    SetTitle(look.newMapTitle);
    Common::gMode = mode;
    zc::MapBackground.id = 0;
    LoadBackground();
    LoadAlienImages();
    SelectAlienType(0);
    // Without the picture the brush keeps the mode's size, so that the grid still has its cells.
    if (zc::AlienPictures[0].GetDC(0) == 0) {
        Cursor.width = ModeCellSize();
        Cursor.Height = ModeCellSize();
    }
    alienTool.Y = 545 - platform::IntDiv(alienTool.Height, 2);
    alienTool.X = 154 - platform::IntDiv(alienTool.width, 2);
    BuildGrid();
}

// Rows of cells the brush's size from x 10 (0 in mode "normal") that end at or before x 800.
void ZentarEditorForm::BuildGrid()
{
    const bool normal = Common::gMode == "normal";
    BuildGridCells(normal ? 220 : 91, normal ? 0 : 10, 0, 800);
}

void ZentarEditorForm::ClearMap()
{
    zc::ClearMap();
    zc::MapBackground.id = 0;
    LoadBackground();
}

// The alien tool with the given type, shown by the tool and carried by the brush.
void ZentarEditorForm::SelectAlienType(std::int32_t type)
{
    SelectTool(alienTool, {&alienTool, &removeButton});
    alienTool.id = type;
    alienTool.SetSpriteDC(zc::AlienPictures[static_cast<std::size_t>(type)]);
    Cursor.SetSpriteDC(alienTool);
    Cursor.id = type;
}

// The brush snaps to the last cell under the pointer: on a shared edge the cell to the right or
// below. Where no cell lies under the pointer it stays on cell 0.
void ZentarEditorForm::TrackPointer()
{
    TrackButtons(
        {&clearButton, &alienLeftButton, &alienRightButton, &backLeftButton, &backRightButton});
    Cursor.X = gridCells[0].X;
    Cursor.Y = gridCells[0].Y;
    if (PointerY < editor::PanelTop) {
        SnapCursor(true);
    }
}

void ZentarEditorForm::ClickEditor()
{
    if (ClickGridOrMode()) {
        return;
    }
    if (PointerOn(alienLeftButton)) {
        SelectAlienType(editor::StepAround(alienTool.id, -1, LastAlienType));
    } else if (PointerOn(alienTool)) {
        SelectAlienType(alienTool.id);
    } else if (PointerOn(alienRightButton)) {
        SelectAlienType(editor::StepAround(alienTool.id, 1, LastAlienType));
    } else if (PointerOn(backLeftButton)) {
        StepBackground(zc::MapBackground, -1);
    } else if (PointerOn(backRightButton)) {
        StepBackground(zc::MapBackground, 1);
    } else if (PointerOn(removeButton)) {
        SelectTool(removeButton, {&alienTool, &removeButton});
        const std::int32_t type = Cursor.id;
        Cursor.SetSpriteDC(removeButton);
        Cursor.id = type;
    } else if (PointerOn(clearButton)) {
        ClearMap();
    } else if (PointerY < editor::PanelTop) {
        if (alienTool.active) {
            PlaceAlien(zc::MapAliens);
        } else {
            HideFirstHit(zc::MapAliens);
        }
    }
}

// The first entry the brush overlaps, hidden ones included, takes the new alien; only when none
// does the map grow by one.
void ZentarEditorForm::PlaceAlien(std::vector<SpriteClass>& entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].SpriteCollision(Cursor)) {
            CopyCursorTo(entries[i]);
            return;
        }
    }
    CopyCursorTo(entries.emplace_back());
}

// The background picture covers the previous pass, so the window is not cleared first.
void ZentarEditorForm::DrawEditor()
{
    zc::MapBackground.Draw(*this);
    for (const SpriteClass& alien : zc::MapAliens) {
        alien.DrawTransp(*this);
    }
    shipMarker.DrawTransp(*this);
    if (PointerY < editor::PanelTop) {
        if (removeButton.active) {
            const SpriteClass& cell = gridCells[0];
            Cursor.DrawTranspAt(*this,
                                platform::CLng(Cursor.X + platform::IntDiv(cell.width, 2) -
                                               platform::IntDiv(Cursor.width, 2)),
                                platform::CLng(Cursor.Y + platform::IntDiv(cell.Height, 2) -
                                               platform::IntDiv(Cursor.Height, 2)));
        } else {
            Cursor.DrawTransp(*this);
        }
    }
    DrawPanelBox();
    alienLeftButton.Draw(*this);
    alienTool.Draw(*this);
    DrawOutline(alienTool);
    alienRightButton.Draw(*this);
    backLeftButton.Draw(*this);
    DrawNumberBox(backNumberBox, zc::MapBackground.id);
    backRightButton.Draw(*this);
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    for (const SpriteClass* button : {&removeButton, &clearButton, &gridButton, &modeButton}) {
        button->Draw(*this);
    }
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &removeButton, &alienLeftButton,
                       &alienTool, &alienRightButton, &backLeftButton, &backRightButton,
                       &clearButton, &gridButton});
    DrawGridCells(gridCells);
}

bool ZentarEditorForm::ReadMapFile(std::string_view path)
{
    if (!zc::LoadMap(path)) {
        return false;
    }
    RefreshMapPictures();
    return true;
}

bool ZentarEditorForm::WriteMapFile(std::string_view path)
{
    return zc::SaveMap(path);
}
