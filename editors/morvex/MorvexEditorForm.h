// MorvexEditorForm: the rock editor. Rocks of a chosen size are placed on a grid of cells the size
// of the rock, removed with the remove tool, and the map's background is chosen by number; the
// ship's start is marked in the middle of the field. The map is MorvexCommon's.
#pragma once

#include <array>
#include <span>

#include "editors/frame/SpriteMapEditor.h"

class MorvexEditorForm : public editor::SpriteMapEditor {
public:
    MorvexEditorForm();

    SpriteClass sizeLeftButton;
    SpriteClass rockTool; // id: the selected rock kind; active: the rock tool is selected
    SpriteClass sizeRightButton;
    // The picture of each rock kind: large, medium, small.
    std::array<SpriteClass, 3> rockPictures;

private:
    editor::KindSelector Selector() override;
    std::span<SpriteClass> KindPictures() override;
    void LoadPictures() override;
    void BuildGrid() override;
    void KindStepped() override;
};

// The program's one window.
MorvexEditorForm& TheMorvexEditorForm();
