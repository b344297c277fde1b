// The lane editor: its tools and steppers, placing on the grid, removing under the brush, the
// map drawn as the game lays it out, and the map read and written through LupidoCommon.
#include "editors/lupido/LupidoEditorForm.h"

#include <algorithm>
#include <string>

#include "common/Common.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

namespace {

namespace lc = LupidoCommon;

constexpr editor::EditorLook Look{
    "Lupido", "Lupido Editor", "Lupido Editor - <new>", "Lupido Editor - ", "", true};
constexpr platform::Color Blue = platform::Rgb(0, 0, 255);
constexpr double SpeedStep = 0.1;
constexpr double MaxSpeed = 10;

// Puts a panel sprite 12 px right of the one before it in the tool row.
void PlaceRight(SpriteClass& sprite, const SpriteClass& before)
{
    sprite.X = before.X + before.width + 12;
    sprite.Y = before.Y;
}

// Puts a sprite 12 px under the one above it.
void PlaceBelow(SpriteClass& sprite, const SpriteClass& above)
{
    sprite.X = above.X;
    sprite.Y = above.Y + above.Height + 12;
}

} // namespace

LupidoEditorForm& TheLupidoEditorForm()
{
    static LupidoEditorForm form;
    return form;
}

LupidoEditorForm::LupidoEditorForm() : EditorWindow(Look) {}

void LupidoEditorForm::LoadEditor()
{
    SetIcon("Gfx\\Icon\\icon.ico");
    NewMap("easy");
    PlacePanel();
}

void LupidoEditorForm::PlacePanel()
{
    const auto load = [this](SpriteClass& sprite, std::string_view file) {
        sprite.LoadDCImage(file, *this);
    };
    load(riversButton, "Gfx\\Buttons\\riversButton.gif");
    riversButton.X = 12;
    riversButton.Y = 507;
    load(riverVariantButton, "Gfx\\Buttons\\changeAmountButton.gif");
    PlaceBelow(riverVariantButton, riversButton);
    load(roadsButton, "Gfx\\Buttons\\roadsButton.gif");
    PlaceRight(roadsButton, riversButton);
    load(roadVariantButton, "Gfx\\Buttons\\changeAmountButton.gif");
    PlaceBelow(roadVariantButton, roadsButton);
    load(logButton, "Gfx\\Buttons\\logButton.gif");
    PlaceRight(logButton, roadsButton);
    load(carButton, "Gfx\\Buttons\\carButton.gif");
    PlaceRight(carButton, logButton);
    load(flowerButton, "Gfx\\Lupido\\flowerButton.gif");
    PlaceRight(flowerButton, carButton);
    load(flowerPicture, "Gfx\\Lupido\\flower5.gif");
    load(bushButton, "Gfx\\Lupido\\bushButton.gif");
    PlaceRight(bushButton, flowerButton);
    load(bushPicture, "Gfx\\Lupido\\bush.gif");
    load(removeButton, "Gfx\\Buttons\\removeBrickButton.gif");
    PlaceRight(removeButton, bushButton);
    PlaceFileButtons(stopButton.X - 2 * saveButton.width - 12, 36);
    load(leftDirPicture, "Gfx\\Lupido\\leftDir.gif");
    load(rightDirPicture, "Gfx\\Lupido\\rightDir.gif");
    leftDirButton.SetSpriteDC(leftDirPicture);
    leftDirButton.X = logButton.Left();
    leftDirButton.Y = logButton.Y + logButton.Height + 12;
    rightDirButton.SetSpriteDC(rightDirPicture);
    rightDirButton.X = leftDirButton.Right();
    rightDirButton.Y = leftDirButton.Y;
    load(speedButton, "Gfx\\Buttons\\speedButton.gif");
    speedButton.X = carButton.X;
    speedButton.Y = carButton.Bottom() + 12;
}

void LupidoEditorForm::FreeEditor()
{
    FreeModeGraphics();
    for (SpriteClass* sprite :
         {&riversButton, &riverVariantButton, &roadsButton, &roadVariantButton, &logButton,
          &carButton, &flowerButton, &flowerPicture, &bushButton, &bushPicture, &leftDirPicture,
          &rightDirPicture, &speedButton}) {
        sprite->CleanUp();
    }
}

// The rabbit at its start and the two large rabbits at home, the lane, log and car pictures, all
// of the current mode.
void LupidoEditorForm::LoadModeGraphics()
{
    FreeModeGraphics();
    const std::string folder = "Gfx\\Lupido\\" + Common::gMode + "\\";
    rabbitMarker.LoadDCImage(folder + "rabbit0.gif", *this);
    rabbitMarker.X = 400 - platform::IntDiv(rabbitMarker.width, 2);
    rabbitMarker.Y = 480 - rabbitMarker.Height;
    const bool normal = Common::gMode == "normal";
    const std::int32_t p = normal ? 6 : 3;
    for (std::size_t k = 0; k < largeRabbits.size(); ++k) {
        SpriteClass& large = largeRabbits[k];
        large.LoadDCImage(folder + "largeRabbit" + std::to_string(k) + ".gif", *this);
        large.X = k == 0 ? p * large.width : 800 - (p + 1) * large.width;
        large.Y = normal ? 40 : 60;
    }
    for (std::size_t n = 0; n < riverPictures.size(); ++n) {
        riverPictures[n].LoadDCImage(folder + "river" + std::to_string(n) + ".gif", *this);
        roadPictures[n].LoadDCImage(folder + "road" + std::to_string(n) + ".gif", *this);
    }
    riverTop.LoadDCImage(folder + "riverTop.gif", *this);
    riverBottom.LoadDCImage(folder + "riverBottom.gif", *this);
    logPicture.LoadDCImage(folder + "log.gif", *this);
    roadTop.LoadDCImage(folder + "roadTop.gif", *this);
    roadBottom.LoadDCImage(folder + "roadBottom.gif", *this);
    for (std::size_t n = 0; n < carPictures.size(); ++n) {
        carPictures[n].LoadDCImage(folder + "car" + std::to_string(n) + ".gif", *this);
    }
}

void LupidoEditorForm::FreeModeGraphics()
{
    for (auto* pictures : {&riverPictures, &roadPictures}) {
        for (SpriteClass& picture : *pictures) {
            picture.CleanUp();
        }
    }
    for (auto* pictures : {&carPictures, &largeRabbits}) {
        for (SpriteClass& picture : *pictures) {
            picture.CleanUp();
        }
    }
    for (SpriteClass* picture :
         {&rabbitMarker, &riverTop, &riverBottom, &logPicture, &roadTop, &roadBottom}) {
        picture->CleanUp();
    }
}

// The lane pictures, direction and speed factor stay; no tool stays selected, and the brush, whose
// picture the new mode's pictures replace, shows none.
void LupidoEditorForm::NewMap(std::string_view mode)
{
    lc::ClearMap();
    SetTitle(look.newMapTitle);
    Common::gMode = mode;
    const std::int32_t size = Common::gMode == "normal" ? 40 : 60;
    Cursor.width = size;
    Cursor.Height = size;
    Cursor.SetDC(0);
    SelectTool(Cursor);
    LoadModeGraphics();
    BuildGrid();
}

void LupidoEditorForm::ClearMap()
{
    lc::ClearMap();
}

// Rows of cells the brush's size from x 10 (0 in mode "normal") down to y 480.
void LupidoEditorForm::BuildGrid()
{
    const bool normal = Common::gMode == "normal";
    BuildGridCells(normal ? 240 : 104, normal ? 0 : 10, 0, 800);
}

void LupidoEditorForm::SelectTool(SpriteClass& tool)
{
    EditorWindow::SelectTool(tool, {&riversButton, &roadsButton, &logButton, &carButton,
                                    &flowerButton, &bushButton, &removeButton});
}

// Flowers and bushes hang centred on the pointer; everything else snaps to the last grid cell
// holding the pointer, whether or not the grid is shown.
void LupidoEditorForm::TrackPointer()
{
    TrackButtons({});
    if (flowerButton.active || bushButton.active) {
        Cursor.X = PointerX - platform::IntDiv(Cursor.width, 2);
        Cursor.Y = PointerY - platform::IntDiv(Cursor.Height, 2);
        return;
    }
    Cursor.X = PointerX;
    Cursor.Y = PointerY;
    if (PointerY < editor::PanelTop) {
        SnapCursor(true);
    }
}

void LupidoEditorForm::ClickEditor()
{
    if (ClickGridOrMode()) {
        return;
    }
    if (PointerOn(riversButton)) {
        ChooseLane(riversButton, riverPictures, RiverVariant);
    } else if (PointerOn(riverVariantButton)) {
        StepVariant(RiverVariant, riverVariantButton);
        ChooseLane(riversButton, riverPictures, RiverVariant);
    } else if (PointerOn(logButton)) {
        ChooseMover(logButton, logPicture);
    } else if (PointerOn(roadsButton)) {
        ChooseLane(roadsButton, roadPictures, RoadVariant);
    } else if (PointerOn(roadVariantButton)) {
        StepVariant(RoadVariant, roadVariantButton);
        ChooseLane(roadsButton, roadPictures, RoadVariant);
    } else if (PointerOn(carButton)) {
        ChooseMover(carButton, carPictures[static_cast<std::size_t>(TrafficDirection)]);
    } else if (PointerOn(flowerButton)) {
        SelectTool(flowerButton);
        Cursor.SetSpriteDC(flowerPicture);
    } else if (PointerOn(bushButton)) {
        SelectTool(bushButton);
        Cursor.SetSpriteDC(bushPicture);
    } else if (PointerOn(removeButton)) {
        SelectTool(removeButton);
        Cursor.SetSpriteDC(removeButton);
    } else if (PointerOn(leftDirButton) || PointerOn(rightDirButton)) {
        SwitchDirection();
    } else if (PointerOn(speedButton)) {
        StepSpeed();
    } else if (PointerY < editor::PanelTop) {
        ClickDesignArea();
    }
}

void LupidoEditorForm::ChooseLane(SpriteClass& tool, const Pictures& pictures, std::int16_t variant)
{
    SelectTool(tool);
    Cursor.SetSpriteDC(pictures[static_cast<std::size_t>(variant)]);
    Cursor.id = variant;
}

// Logs and cars carry the direction in force.
void LupidoEditorForm::ChooseMover(SpriteClass& tool, const SpriteClass& picture)
{
    SelectTool(tool);
    Cursor.SetSpriteDC(picture);
    Cursor.id = TrafficDirection;
}

// Right of the button's middle steps up, on or left of it down, wrapping within the pictures.
void LupidoEditorForm::StepVariant(std::int16_t& variant, const SpriteClass& button)
{
    variant = static_cast<std::int16_t>(
        editor::StepAround(variant, PointerX > button.MiddleX() ? 1 : -1, lc::LaneVariants - 1));
}

// Either direction button switches to the other direction, also the button of the one in force.
void LupidoEditorForm::SwitchDirection()
{
    TrafficDirection = static_cast<std::int16_t>(1 - TrafficDirection);
    if (logButton.active || carButton.active) {
        Cursor.id = TrafficDirection;
    }
    if (carButton.active) {
        Cursor.SetSpriteDC(carPictures[static_cast<std::size_t>(TrafficDirection)]);
    }
}

// Plain steps of 0.1 without rounding to tenths; only the bounds 0 and 10 are exact.
void LupidoEditorForm::StepSpeed()
{
    if (PointerX > speedButton.MiddleX()) {
        TrafficSpeed = std::min(TrafficSpeed + SpeedStep, MaxSpeed);
    } else {
        TrafficSpeed = std::max(TrafficSpeed - SpeedStep, 0.0);
    }
}

// One placement or removal per click, at the brush as the last pass left it (lanes at x 0, the
// remove brush centred on the pointer); nothing stops a piece from lying over others.
void LupidoEditorForm::ClickDesignArea()
{
    if (riversButton.active) {
        AddElement(lc::MapRivers);
    } else if (roadsButton.active) {
        AddElement(lc::MapRoads);
    } else if (logButton.active) {
        AddElement(lc::MapLogs);
    } else if (carButton.active) {
        AddElement(lc::MapCars);
    } else if (flowerButton.active) {
        AddElement(lc::MapFlowers);
    } else if (bushButton.active) {
        AddElement(lc::MapBushes);
    } else if (removeButton.active) {
        RemoveAtPointer();
    }
}

// The first hidden entry takes the new element; only when there is none does the array grow.
void LupidoEditorForm::AddElement(std::vector<SpriteClass>& entries)
{
    const auto hidden = std::find_if(entries.begin(), entries.end(),
                                     [](const SpriteClass& entry) { return !entry.visible; });
    SpriteClass& entry = hidden != entries.end() ? *hidden : entries.emplace_back();
    CopyCursorTo(entry);
    entry.xMov = TrafficSpeed;
}

// One element at most: logs first, then cars, rivers, roads, flowers and bushes.
void LupidoEditorForm::RemoveAtPointer()
{
    for (std::vector<SpriteClass>* entries : {&lc::MapLogs, &lc::MapCars, &lc::MapRivers,
                                              &lc::MapRoads, &lc::MapFlowers, &lc::MapBushes}) {
        if (HideFirstHit(*entries)) {
            return;
        }
    }
}

void LupidoEditorForm::RefreshMapPictures()
{
    const auto share = [](std::vector<SpriteClass>& entries, auto pictureOf) {
        for (SpriteClass& entry : entries) {
            if (const SpriteClass* picture = pictureOf(entry); entry.visible && picture) {
                entry.SetSpriteDC(*picture);
            }
        }
    };
    share(lc::MapRivers,
          [this](const SpriteClass& e) { return editor::PictureOf(riverPictures, e.id); });
    share(lc::MapLogs, [this](const SpriteClass&) { return &logPicture; });
    share(lc::MapRoads,
          [this](const SpriteClass& e) { return editor::PictureOf(roadPictures, e.id); });
    share(lc::MapCars, [this](const SpriteClass& e) { return &carPictures[e.id == 0 ? 0 : 1]; });
    share(lc::MapFlowers, [this](const SpriteClass&) { return &flowerPicture; });
    share(lc::MapBushes, [this](const SpriteClass&) { return &bushPicture; });
}

bool LupidoEditorForm::ReadMapFile(std::string_view path)
{
    if (!lc::LoadMap(path)) {
        return false;
    }
    RefreshMapPictures();
    return true;
}

bool LupidoEditorForm::WriteMapFile(std::string_view path)
{
    return lc::SaveMap(path);
}

// The whole window each pass: the map as the game lays it out, the brush, the rabbits, then the
// panel, which covers whatever of the brush reaches below y 480.
void LupidoEditorForm::DrawEditor()
{
    Cls();
    for (const SpriteClass& river : lc::MapRivers) {
        if (river.visible) {
            DrawLane(river, riverTop, riverBottom);
        }
    }
    DrawMovers(lc::MapLogs, false);
    for (const SpriteClass& road : lc::MapRoads) {
        if (road.visible) {
            DrawLane(road, roadTop, roadBottom);
        }
    }
    DrawMovers(lc::MapCars, true);
    for (const auto& [entries, picture] :
         {std::pair{&lc::MapFlowers, &flowerPicture}, std::pair{&lc::MapBushes, &bushPicture}}) {
        for (const SpriteClass& entry : *entries) {
            if (entry.visible) {
                picture->DrawTranspAt(*this, platform::CLng(entry.X), platform::CLng(entry.Y));
            }
        }
    }
    DrawBrush();
    rabbitMarker.DrawTransp(*this);
    for (const SpriteClass& large : largeRabbits) {
        large.DrawTransp(*this);
    }
    DrawPanelBox();
    DrawPanel();
    DrawSpeed();
}

// A lane with its edge strips above and below it.
void LupidoEditorForm::DrawLane(const SpriteClass& lane, SpriteClass& top, SpriteClass& bottom)
{
    lane.Draw(*this);
    top.X = lane.X;
    top.Y = lane.Y - top.Height;
    top.Draw(*this);
    bottom.X = lane.X;
    bottom.Y = lane.Y + lane.Height;
    bottom.Draw(*this);
}

// The arrow of a direction (0 right, any other left), centred on an element.
void LupidoEditorForm::DrawArrow(const SpriteClass& element, std::int32_t direction)
{
    SpriteClass& arrow = direction != 0 ? leftDirPicture : rightDirPicture;
    arrow.X = element.MiddleX() - platform::IntDiv(arrow.width, 2);
    arrow.Y = element.MiddleY() - platform::IntDiv(arrow.Height, 2);
    arrow.DrawTransp(*this);
}

// Logs or cars with their arrows and speed factors: on a log 15 px in and a quarter down, on a
// car from 5 px left of its right edge at its top.
void LupidoEditorForm::DrawMovers(const std::vector<SpriteClass>& movers, bool cars)
{
    for (const SpriteClass& mover : movers) {
        if (!mover.visible) {
            continue;
        }
        mover.DrawTransp(*this);
        DrawArrow(mover, mover.id);
        CurrentX = cars ? mover.X + mover.width - 5 : mover.X + 15;
        CurrentY = cars ? mover.Y : mover.Y + platform::IntDiv(mover.Height, 4);
        Print(platform::PrintNumber(mover.xMov));
    }
}

void LupidoEditorForm::DrawBrush()
{
    if (removeButton.active) {
        Cursor.X = PointerX - platform::IntDiv(Cursor.width, 2);
        Cursor.Y = PointerY - platform::IntDiv(Cursor.Height, 2);
        Cursor.Draw(*this);
    } else if (riversButton.active || roadsButton.active) {
        Cursor.X = 0;
        if (riversButton.active) {
            DrawLane(Cursor, riverTop, riverBottom);
        } else {
            DrawLane(Cursor, roadTop, roadBottom);
        }
    } else if (logButton.active || carButton.active) {
        Cursor.DrawTransp(*this);
        DrawArrow(Cursor, Cursor.id);
    } else if (flowerButton.active || bushButton.active) {
        Cursor.DrawTransp(*this);
    }
}

// The panel sprites, the lane picture numbers (counted from 1), the blue frames of the hovered
// and chosen buttons and of the direction in force, and the grid.
void LupidoEditorForm::DrawPanel()
{
    const auto framed = [this](const SpriteClass& sprite) {
        sprite.Draw(*this);
        DrawOutline(sprite);
    };
    const auto numbered = [this](const SpriteClass& sprite, std::int32_t variant) {
        CurrentX = sprite.X;
        CurrentY = sprite.Y;
        Print(platform::PrintNumber(variant + 1));
    };
    framed(riversButton);
    numbered(riversButton, RiverVariant);
    framed(riverVariantButton);
    framed(roadsButton);
    numbered(roadsButton, RoadVariant);
    framed(roadVariantButton);
    framed(carButton);
    framed(logButton);
    stopButton.DrawTransp(*this);
    saveButton.Draw(*this);
    openButton.DrawTransp(*this);
    framed(flowerButton);
    framed(bushButton);
    removeButton.Draw(*this);
    gridButton.Draw(*this);
    modeButton.Draw(*this);
    leftDirButton.DrawTransp(*this);
    rightDirButton.DrawTransp(*this);
    framed(speedButton);
    DrawActiveBorders({&stopButton, &saveButton, &openButton, &flowerButton, &bushButton,
                       &removeButton, &gridButton, &riversButton, &roadsButton, &logButton,
                       &carButton});
    (TrafficDirection != 0 ? leftDirButton : rightDirButton).DrawBorder(Blue, *this);
    DrawGridCells(gridCells);
}

// The speed factor centred on its button in 6 points; the font stays so for the next pass's
// printed numbers.
void LupidoEditorForm::DrawSpeed()
{
    const std::string text = platform::PrintNumber(TrafficSpeed).substr(1);
    platform::FontSpec font = Font();
    font.points = 6;
    font.bold = true;
    SetFont(font);
    platform::Size extent;
    platform::GetTextExtentPoint32A(hDC(), text, &extent);
    CurrentX = speedButton.MiddleX() - platform::IntDiv(extent.cx, 2);
    CurrentY = speedButton.MiddleY() - platform::IntDiv(extent.cy, 2);
    Print(text);
}
