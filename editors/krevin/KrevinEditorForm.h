// KrevinEditorForm: the brick editor. Bricks of a type chosen from a palette of eleven are placed
// on the mode's brick grid inside the walls, retyped and moved by a click on them, removed in
// remove mode; the map and its background number are KrevinCommon's.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "editors/frame/EditorWindow.h"
#include "games/krevin/KrevinCommon.h"

class KrevinEditorForm : public editor::EditorWindow {
public:
    KrevinEditorForm();

    // The easy pictures of the eleven brick types, in both modes; Cursor's id is the chosen one
    // (-1 in remove mode and after it until a type is chosen).
    std::array<SpriteClass, KrevinCommon::BrickTypeCount> Palette;
    // removeButton's active flag is the remove mode.

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

private:
    void LoadBrickImages();
    void FreeBrickImages();
    void LoadPad();
    void LoadBackground();
    void PlacePanel();
    void BuildGrid();
    void ClickField();
    bool ReplaceBrick();
    bool RemoveDuplicates();
    void PlaceBrick();
    bool InsideWalls() const;

    SpriteClass topBorder;
    SpriteClass sideBorder;
    SpriteClass pad;
};

// The program's one window.
KrevinEditorForm& TheKrevinEditorForm();
