// SpriteMapEditor: the editor of a map of sprites with a kind and a position and a background
// number, as the alien and rock maps are: the kind arrows around the tool that shows the chosen
// kind, the background arrows and number box, the remove tool, a grid the brush snaps to, placing
// over the first entry under the brush, and the map read and written by the game's map module. An
// entry of a kind without a picture shows as a marker of kind 0's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "editors/frame/EditorWindow.h"

namespace editor {

// The game's map module as its editor uses it.
struct SpriteMap {
    std::vector<SpriteClass>& entries; // id: the kind; never empty
    SpriteClass& background;           // id: the background number
    void (*clear)();
    bool (*load)(std::string_view path);
    bool (*save)(std::string_view path);
};

// The editor's own kind selector: the previous and next arrows and the tool between them (id: the
// chosen kind; active: the tool is selected).
struct KindSelector {
    SpriteClass& left;
    SpriteClass& tool;
    SpriteClass& right;
};

class SpriteMapEditor : public EditorWindow {
public:
    SpriteClass shipMarker; // where the game's ship starts, drawn over the map

protected:
    // Kinds run 0..lastKind; the selector's left arrow stands at x selectorX.
    SpriteMapEditor(const EditorLook& look, const SpriteMap& map, std::int32_t lastKind,
                    std::int32_t selectorX);

    virtual KindSelector Selector() = 0;
    // The picture of each kind, loaded and released by the editor.
    virtual std::span<SpriteClass> KindPictures() = 0;
    // At start: the ship marker and the pictures that do not change with the mode.
    virtual void LoadPictures() = 0;
    // In a new map, once the mode is set and before kind 0 is chosen.
    virtual void LoadModePictures() {}
    // Lays out gridCells and sizes the brush for the mode and the chosen kind.
    virtual void BuildGrid() = 0;
    // After an arrow chose another kind.
    virtual void KindStepped() {}

    void FreeKindPictures();

private:
    void LoadEditor() override;
    void FreeEditor() override;
    void TrackPointer() override;
    void DrawEditor() override;
    void NewMap(std::string_view mode) override;
    void ClearMap() override;
    void ClickEditor() override;
    bool ReadMapFile(std::string_view path) override;
    bool WriteMapFile(std::string_view path) override;

    void PlacePanel();
    void SelectKind(std::int32_t kind);
    void PlaceAtBrush();
    void DrawBrush();
    // An entry of a kind without a picture.
    void DrawMarker(const SpriteClass& entry);

    const SpriteMap map;
    const std::int32_t lastKind;
    const std::int32_t selectorX;
};

} // namespace editor
