// QuadrelEditorForm: the falling-blocks editor. The piece templates of the mode lie at fixed places
// on the design area; a click paints the cell under the pointer with the chosen block or empties
// it with the remove tool. The map is QuadrelCommon's.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "editors/frame/EditorWindow.h"
#include "games/quadrel/QuadrelCommon.h"

class QuadrelEditorForm : public editor::EditorWindow {
public:
    QuadrelEditorForm();

    // Block pictures 0..5 of the current mode; the cells and the brush are drawn from them.
    std::array<SpriteClass, 6> BlockImages;
    // The palette shows the easy pictures in both modes; active marks the chosen block.
    std::array<SpriteClass, 6> Palette;
    SpriteClass background;

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
    std::string SaveRefusal() const override;

private:
    void LoadBlockImages();
    void FreeBlockImages();
    void SelectBlockTool(SpriteClass& tool, std::int32_t id);
    // The first cell under the point, of the first template that has one; nullptr when none.
    SpriteClass* CellAt(std::int16_t x, std::int16_t y);
    void DrawTemplate(const QuadrelCommon::PieceTemplate& pieceTemplate);
};

// The program's one window.
QuadrelEditorForm& TheQuadrelEditorForm();
