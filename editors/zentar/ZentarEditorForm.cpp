// The alien editor: the ship marker, the alien pictures of the mode and the grid of alien-sized
// cells on the sprite-map editor, with the alien map read and written through ZentarCommon.
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
constexpr editor::SpriteMap Map{zc::MapAliens, zc::MapBackground, zc::ClearMap, zc::LoadMap,
                                zc::SaveMap};

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

ZentarEditorForm::ZentarEditorForm() : SpriteMapEditor(Look, Map, zc::AlienTypeCount - 1, 72) {}

editor::KindSelector ZentarEditorForm::Selector()
{
    return {alienLeftButton, alienTool, alienRightButton};
}

std::span<SpriteClass> ZentarEditorForm::KindPictures()
{
    return zc::AlienPictures;
}

void ZentarEditorForm::LoadPictures()
{
    shipMarker.LoadDCImage("Gfx\\Zentar\\ship.gif", *this);
    shipMarker.X = 400 - platform::IntDiv(shipMarker.width, 2);
    shipMarker.Y = 480 - shipMarker.Height - 5;
}

void ZentarEditorForm::LoadModePictures()
{
    FreeKindPictures();
    for (std::size_t n = 0; n < zc::AlienPictures.size(); ++n) {
        zc::AlienPictures[n].LoadDCImage("Gfx\\Zentar\\" + Common::gMode + "\\alien" +
                                             (n < 10 ? "0" : "") + std::to_string(n) + ".gif",
                                         *this);
    }
}

// Rows of cells the size of alien type 0 (or the mode's size without its picture) from x 10, or
// from x 0 in mode "normal".
void ZentarEditorForm::BuildGrid()
{
    if (zc::AlienPictures[0].GetDC(0) == 0) {
        Cursor.width = ModeCellSize();
        Cursor.Height = ModeCellSize();
    }
    const bool normal = Common::gMode == "normal";
    BuildGridCells(normal ? 220 : 91, normal ? 0 : 10, 0, 800);
}
