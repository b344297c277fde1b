// The rock editor: the ship marker, the rock pictures and a grid of rock-sized cells per size on
// the sprite-map editor, with the rock map read and written through MorvexCommon.
#include "editors/morvex/MorvexEditorForm.h"

#include "games/morvex/MorvexCommon.h"
#include "platform/Numbers.h"

namespace {

namespace mc = MorvexCommon;

constexpr editor::EditorLook Look{"Morvex",
                                  "Morvex Editor",
                                  "Morvex Editor - <new>",
                                  "Morvex Editor - ",
                                  "Gfx\\Buttons\\clearButton.gif",
                                  true};
constexpr editor::SpriteMap Map{mc::MapRocks, mc::MapBackground, mc::ClearMap, mc::LoadMap,
                                mc::SaveMap};

// The grid of a rock size: cells as large as the rock, so many of them, rows from x firstX.
struct RockGrid {
    std::int32_t cell;
    std::size_t cells;
    std::int32_t firstX;
};
constexpr RockGrid LargeGrid{80, 60, 0};
constexpr RockGrid MediumGrid{60, 104, 10};
constexpr RockGrid SmallGrid{40, 240, 0};

} // namespace

MorvexEditorForm& TheMorvexEditorForm()
{
    static MorvexEditorForm form;
    return form;
}

MorvexEditorForm::MorvexEditorForm() : SpriteMapEditor(Look, Map, mc::Small, 60) {}

editor::KindSelector MorvexEditorForm::Selector()
{
    return {sizeLeftButton, rockTool, sizeRightButton};
}

std::span<SpriteClass> MorvexEditorForm::KindPictures()
{
    return rockPictures;
}

void MorvexEditorForm::LoadPictures()
{
    shipMarker.LoadDCImage("Gfx\\Morvex\\ship\\ship0.gif", *this);
    shipMarker.X = 400 - platform::IntDiv(shipMarker.width, 2);
    shipMarker.Y = 240 - platform::IntDiv(shipMarker.Height, 2);
    rockPictures[mc::Large].LoadDCImage("Gfx\\Morvex\\largeRock0.gif", *this);
    rockPictures[mc::Medium].LoadDCImage("Gfx\\Morvex\\mediumRock0.gif", *this);
    rockPictures[mc::Small].LoadDCImage("Gfx\\Morvex\\smallRock0.gif", *this);
}

// The grid does not depend on the mode; the brush takes the cell's size.
void MorvexEditorForm::BuildGrid()
{
    const RockGrid& grid = rockTool.id == mc::Large    ? LargeGrid
                           : rockTool.id == mc::Medium ? MediumGrid
                                                       : SmallGrid;
    Cursor.width = grid.cell;
    Cursor.Height = grid.cell;
    BuildGridCells(grid.cells, grid.firstX, 0, 800);
}

void MorvexEditorForm::KindStepped()
{
    BuildGrid();
}
