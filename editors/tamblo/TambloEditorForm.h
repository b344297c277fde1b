// TambloEditorForm: the maze editor. Tiles are painted from a palette of 18 onto the maze game's
// grid while a mouse button is held; the map is the grid of TambloCommon.
#pragma once

#include <array>
#include <string_view>

#include "editors/frame/EditorWindow.h"
#include "games/tamblo/TambloTiles.h"

class TambloEditorForm : public editor::EditorWindow {
public:
    TambloEditorForm();

    std::array<SpriteClass, tamblo::TileCount> Palette;
    bool MouseHeld = false;

protected:
    void LoadEditor() override;
    void FreeEditor() override;
    void TrackPointer() override;
    void DrawEditor() override;
    void NewMap(std::string_view mode) override;
    void ClearMap() override;
    void ClickEditor() override;
    bool ReadMapFile(std::string_view path) override;
    bool WriteMapFile(std::string_view path) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void LoadTileImages();
    void FreeTileImages();
    void PaintCell(SpriteClass& cell);
};

// The program's one window.
TambloEditorForm& TheTambloEditorForm();
