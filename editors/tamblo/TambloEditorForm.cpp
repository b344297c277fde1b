// The maze editor: palette, painting on the grid, and the maze map read and written through
// TambloCommon.
#include "editors/tamblo/TambloEditorForm.h"

#include <string>

#include "common/Common.h"
#include "games/tamblo/TambloCommon.h"
#include "platform/Numbers.h"

namespace {

constexpr editor::EditorLook Look{"Tamblo",
                                  "Tamblo Editor",
                                  "TambloEditor - <new>",
                                  "TambloEditor - ",
                                  "Gfx\\Buttons\\clearbutton.gif",
                                  false};
constexpr std::int32_t PaletteSize = 40;
constexpr std::int32_t PaletteRow = 9;

constexpr platform::Color Black = platform::Rgb(0, 0, 0);

} // namespace

TambloEditorForm& TheTambloEditorForm()
{
    static TambloEditorForm form;
    return form;
}

TambloEditorForm::TambloEditorForm() : EditorWindow(Look) {}

void TambloEditorForm::LoadEditor()
{
    NewMap("easy");
    for (std::size_t n = 0; n < Palette.size(); ++n) {
        SpriteClass& entry = Palette[n];
        entry.LoadDCImage("Gfx\\Tamblo\\Normal\\Tiles\\" + std::to_string(n) + ".gif", *this);
        entry.width = PaletteSize;
        entry.Height = PaletteSize;
        const auto column = static_cast<std::int32_t>(n) % PaletteRow;
        entry.X = 12 + 52 * column;
        entry.Y = n < PaletteRow ? 495 : 550;
    }
    PlaceFileButtons(stopButton.X - saveButton.width - 24, 24);
    clearButton.X = modeButton.X - clearButton.width - 24;
    clearButton.Y = modeButton.Y;
    Cursor.id = 0;
    SetTitle(look.newMapTitle);
}

void TambloEditorForm::FreeEditor()
{
    FreeTileImages();
    for (SpriteClass& entry : Palette) {
        entry.CleanUp();
    }
}

void TambloEditorForm::LoadTileImages()
{
    FreeTileImages();
    const TambloCommon::CellSize size = TambloCommon::TileSize;
    for (std::size_t n = 0; n < TambloCommon::TileImages.size(); ++n) {
        SpriteClass& image = TambloCommon::TileImages[n];
        image.LoadDCImage(
            "Gfx\\Tamblo\\" + Common::gMode + "\\Tiles\\" + std::to_string(n) + ".gif", *this);
        image.width = size.Width;
        image.Height = size.Height;
    }
}

void TambloEditorForm::FreeTileImages()
{
    for (SpriteClass& image : TambloCommon::TileImages) {
        image.CleanUp();
    }
}

// The maze editor has no new-map step of its own: a mode switch keeps the title and the brush's
// tile and only lays out the new mode's empty grid.
void TambloEditorForm::NewMap(std::string_view mode)
{
    Common::gMode = mode;
    TambloCommon::SetTileSize();
    LoadTileImages();
    TambloCommon::BuildGrid();
    Cursor.width = TambloCommon::TileSize.Width;
    Cursor.Height = TambloCommon::TileSize.Height;
}

void TambloEditorForm::ClearMap()
{
    for (SpriteClass& cell : TambloCommon::Tiles) {
        cell.id = tamblo::FloorTile;
    }
}

// Painting runs here, once per pass while a button is held, on the first cell under the pointer:
// on an edge shared by two cells the lower-indexed one.
void TambloEditorForm::TrackPointer()
{
    TrackButtons({&clearButton});
    ShowBrush(TambloCommon::TileImages);
    Cursor.X = PointerX;
    Cursor.Y = PointerY;
    for (SpriteClass& cell : TambloCommon::Tiles) {
        if (PointerOn(cell)) {
            Cursor.X = cell.X;
            Cursor.Y = cell.Y;
            if (MouseHeld) {
                PaintCell(cell);
            }
            return;
        }
    }
}

// The player's start exists at most once: painting it moves it.
void TambloEditorForm::PaintCell(SpriteClass& cell)
{
    if (Cursor.id == tamblo::PlayerStartTile) {
        for (SpriteClass& other : TambloCommon::Tiles) {
            if (other.id == tamblo::PlayerStartTile) {
                other.id = tamblo::FloorTile;
            }
        }
    }
    cell.id = Cursor.id;
}

void TambloEditorForm::ClickEditor()
{
    if (const std::int32_t n = PaletteEntryUnder(Palette); n >= 0) {
        Cursor.id = n;
        Cursor.SetSpriteDC(TambloCommon::TileImages[static_cast<std::size_t>(n)]);
    } else if (!ClickGridOrMode() && PointerOn(clearButton)) {
        ClearToNewMap();
    }
}

void TambloEditorForm::DrawEditor()
{
    Cls();
    DrawPanelBox();
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    gridButton.Draw(*this);
    modeButton.Draw(*this);
    clearButton.Draw(*this);
    DrawPalette(Palette, Cursor.id);
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &gridButton, &clearButton});
    SetDrawWidth(1);
    for (const SpriteClass& cell : TambloCommon::Tiles) {
        if (const SpriteClass* picture = editor::PictureOf(TambloCommon::TileImages, cell.id)) {
            picture->DrawAt(*this, platform::CLng(cell.X), platform::CLng(cell.Y));
        }
        if (gridButton.active) {
            Line(cell.X, cell.Y, cell.X + cell.width, cell.Y + cell.Height, Black, true);
        }
    }
    Cursor.Draw(*this);
}

bool TambloEditorForm::ReadMapFile(std::string_view path)
{
    return TambloCommon::LoadMap(path);
}

bool TambloEditorForm::WriteMapFile(std::string_view path)
{
    return TambloCommon::SaveMap(path);
}

void TambloEditorForm::Form_MouseDown(std::int16_t, std::int16_t, float, float)
{
    MouseHeld = true;
}

void TambloEditorForm::Form_MouseUp(std::int16_t, std::int16_t, float, float)
{
    MouseHeld = false;
}
