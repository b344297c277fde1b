// ZentarEditorForm: the alien editor. Aliens of a chosen type are placed on a grid of cells the
// size of an alien, removed with the remove tool, and the map's background is chosen by number;
// the map is ZentarCommon's.
#pragma once

#include <span>

#include "editors/frame/SpriteMapEditor.h"

class ZentarEditorForm : public editor::SpriteMapEditor {
public:
    ZentarEditorForm();

    SpriteClass alienLeftButton;
    SpriteClass alienTool; // id: the selected alien type; active: the alien tool is selected
    SpriteClass alienRightButton;

private:
    editor::KindSelector Selector() override;
    std::span<SpriteClass> KindPictures() override;
    void LoadPictures() override;
    void LoadModePictures() override;
    void BuildGrid() override;
};

// The program's one window.
ZentarEditorForm& TheZentarEditorForm();
