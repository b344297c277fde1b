// LupidoEditorForm: the lane editor. River and road lanes, logs and cars with a direction and a
// speed factor, flowers and bushes are placed with seven tools and removed one per click; the map
// is LupidoCommon's.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "editors/frame/EditorWindow.h"
#include "games/lupido/LupidoCommon.h"

class LupidoEditorForm : public editor::EditorWindow {
public:
    LupidoEditorForm();

    // The tools; active: selected (one at most). removeButton is the frame's.
    SpriteClass riversButton;
    SpriteClass roadsButton;
    SpriteClass logButton;
    SpriteClass carButton;
    SpriteClass flowerButton;
    SpriteClass bushButton;
    // Previous (left half) and next lane picture, each under its lane tool.
    SpriteClass riverVariantButton;
    SpriteClass roadVariantButton;
    SpriteClass leftDirButton;
    SpriteClass rightDirButton;
    // Lowers (left half) or raises the speed factor by 0.1.
    SpriteClass speedButton;

    std::int16_t RiverVariant = 0;
    std::int16_t RoadVariant = 0;
    std::int16_t TrafficDirection = 0; // of logs and cars to place: 0 right, 1 left
    double TrafficSpeed = 1.0;         // 0..10

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
    using Pictures = std::array<SpriteClass, LupidoCommon::LaneVariants>;

    void LoadModeGraphics();
    void FreeModeGraphics();
    void PlacePanel();
    void BuildGrid();
    void SelectTool(SpriteClass& tool);
    void ChooseLane(SpriteClass& tool, const Pictures& pictures, std::int16_t variant);
    void ChooseMover(SpriteClass& tool, const SpriteClass& picture);
    void StepVariant(std::int16_t& variant, const SpriteClass& button);
    void SwitchDirection();
    void StepSpeed();
    void ClickDesignArea();
    void AddElement(std::vector<SpriteClass>& entries);
    void RemoveAtPointer();
    void RefreshMapPictures();
    void DrawLane(const SpriteClass& lane, SpriteClass& top, SpriteClass& bottom);
    void DrawArrow(const SpriteClass& element, std::int32_t direction);
    void DrawMovers(const std::vector<SpriteClass>& movers, bool cars);
    void DrawBrush();
    void DrawPanel();
    void DrawSpeed();

    Pictures riverPictures;
    Pictures roadPictures;
    std::array<SpriteClass, 2> carPictures; // 0 drives right, 1 left
    SpriteClass riverTop;
    SpriteClass riverBottom;
    SpriteClass roadTop;
    SpriteClass roadBottom;
    SpriteClass logPicture;
    SpriteClass flowerPicture;
    SpriteClass bushPicture;
    SpriteClass leftDirPicture;
    SpriteClass rightDirPicture;
    SpriteClass rabbitMarker;
    std::array<SpriteClass, 2> largeRabbits;
};

// The program's one window.
LupidoEditorForm& TheLupidoEditorForm();
