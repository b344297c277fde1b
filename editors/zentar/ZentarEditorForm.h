// ZentarEditorForm: the alien editor. Aliens of a chosen type are placed on a grid of cells the
// size of an alien, removed with the remove tool, and the map's background is chosen by number;
// the map is ZentarCommon's.
#pragma once

#include <string_view>
#include <vector>

#include "editors/frame/EditorWindow.h"

class ZentarEditorForm : public editor::EditorWindow {
public:
    ZentarEditorForm();

    SpriteClass alienLeftButton;
    SpriteClass alienTool; // id: the selected alien type; active: the alien tool is selected
    SpriteClass alienRightButton;
    SpriteClass shipMarker;

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
    void LoadAlienImages();
    void FreeAlienImages();
    void LoadBackground();
    void RefreshMapPictures();
    void SelectAlienType(std::int32_t type);
    void PlaceAlien(std::vector<SpriteClass>& entries);
    void BuildGrid();
};

// The program's one window.
ZentarEditorForm& TheZentarEditorForm();
