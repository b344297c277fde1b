// EditorWindow: the window every map editor is: start, the loop without a clock, the close box and
// the Esc and M keys, the stop, open, save, grid and mode buttons, the title rule, the panel, the
// pointer, and helpers several editors share (map background, arrows, number box, tool choice).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileDialog.h"
#include "platform/Form.h"
#include "platform/LineControl.h"
#include "platform/Timer.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

namespace editor {

// What sets one editor's frame apart from the others.
struct EditorLook {
    std::string_view game;         // its folder under "Maps\"
    std::string_view startTitle;   // caption while it loads
    std::string_view newMapTitle;  // caption of a new, empty map
    std::string_view openTitle;    // caption of an opened map, followed by the file name
    std::string_view clearPicture; // its clear button's picture; empty where it has none
    bool clicks = false; // a click sound on every click, the green back colour, bold 12-point text
};

inline constexpr std::int16_t PanelTop = 480;

class EditorWindow : public platform::Form {
public:
    // Passes until the quit flag is set, then closes the window. The flag is not cleared here, so a
    // close request that came while the window loaded ends the loop before its first pass. Nothing
    // in an editor moves by itself: after a pass that found no event the loop waits for one.
    void RunEditorLoop();
    // One pass: the pointer, the picture, the screen, then the pending window events; true when
    // there were any.
    bool RunPass();
    // The caption, set only on a screen wider than 800 pixels.
    void SetTitle(std::string_view text);

    bool QuitEditor = false;
    // The pointer in client pixels, as the last pass or click read it.
    std::int16_t PointerX = 0;
    std::int16_t PointerY = 0;

    SpriteClass Cursor; // the brush: it only shares pictures
    std::vector<SpriteClass> gridCells;
    SpriteClass stopButton;
    SpriteClass saveButton;
    SpriteClass openButton;
    SpriteClass gridButton; // active: the grid is shown
    SpriteClass modeButton;
    SpriteClass clearButton;
    // Of the editors that have them: the remove tool (active: selected), and the background
    // number's arrows and box.
    SpriteClass removeButton;
    SpriteClass backLeftButton;
    SpriteClass backNumberBox;
    SpriteClass backRightButton;
    MMedia clickSound;
    platform::LineControl designLine{*this};
    platform::Timer startLoopTimer{*this, 1, false};

protected:
    explicit EditorWindow(const EditorLook& look);

    // The editor's own part of loading: its pictures, its empty map in mode "easy", its panel.
    virtual void LoadEditor() = 0;
    // Releases what LoadEditor loaded.
    virtual void FreeEditor() = 0;
    virtual void TrackPointer() = 0;
    virtual void DrawEditor() = 0;
    // Starts an empty map in the given mode (M and the mode button, with the other mode).
    virtual void NewMap(std::string_view mode) = 0;
    // Empties the map as the clear button does.
    virtual void ClearMap() = 0;
    // A click on none of stop, open and save: the editor's own buttons, then the design area.
    virtual void ClickEditor() = 0;
    // Reads a map file into the map module and brings the pictures up to date; false when the
    // file could not be read completely.
    virtual bool ReadMapFile(std::string_view path) = 0;
    // Writes the map through the game's map module; false when the file could not be written.
    virtual bool WriteMapFile(std::string_view path) = 0;
    // Why the map may not be saved as it stands, shown instead of the save dialog; empty when it
    // may be saved.
    virtual std::string SaveRefusal() const { return {}; }

    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_Click() override;

    // The pointer's screen position in client pixels, into PointerX and PointerY.
    void ReadPointer();
    // Whether the pointer is on the sprite, edges included.
    bool PointerOn(const SpriteClass& sprite) const;
    // A click on the grid button shows or hides the grid, one on the mode button switches the
    // mode; false when it hit neither.
    bool ClickGridOrMode();
    // Once per pass: the pointer, the hover flags of stop, save, open and the given buttons, and
    // the pointer shape (the arrow over the panel, the crosshair over the design area).
    void TrackButtons(std::initializer_list<SpriteClass*> hoverButtons);
    // Stop at the panel's right end, centred on y 540; the other five loaded, to be placed by the
    // editor; the grid shown.
    void LoadFrameButtons();
    // The other mode's empty map, as M does.
    void SwitchMode();
    // The map emptied and the new-map title.
    void ClearToNewMap();

    // The panel's box and the black line along its top.
    void DrawPanelBox();
    // A blue frame around each active button, and around the mode button in mode "easy".
    void DrawActiveBorders(std::initializer_list<const SpriteClass*> buttons);
    // While the grid is shown: a black outline around every cell.
    void DrawGridCells(const std::vector<SpriteClass>& cells);
    // A white box with a black edge and the number centred in it.
    void DrawNumberBox(const SpriteClass& box, std::int32_t number);

    // Loads the background picture of the map's number (the holder's id).
    void LoadMapBackground(SpriteClass& background);
    // The background number one step on, wrapping past 0 and 26 (StepAround), and its picture
    // loaded.
    void StepBackground(SpriteClass& background, std::int32_t step);
    // The previous and next arrows.
    void LoadArrows(SpriteClass& left, SpriteClass& right);
    // Exactly the chosen tool of the given ones is active.
    static void SelectTool(SpriteClass& chosen, std::initializer_list<SpriteClass*> tools);
    // Save at (saveX, 498) with open 12 px under it; grid and mode `gap` px left of them.
    void PlaceFileButtons(std::int32_t saveX, std::int32_t gap);

    // `count` cells of the brush's size in rows from (x0, y0); a row ends before a cell would pass
    // x `right`, and the next one starts a brush height lower.
    void BuildGridCells(std::size_t count, std::int32_t x0, std::int32_t y0, std::int32_t right);
    // Moves the brush onto the grid cell under the pointer (edges included, so two cells may hold
    // it: the first in index order, or the last where lastWins); it stays where no cell does.
    void SnapCursor(bool lastWins);
    // Over the design area the brush shows the picture of its id, over the panel (or for an id
    // that names no picture) none; its size stays.
    void ShowBrush(std::span<const SpriteClass> pictures);
    // The index of the first palette entry under the pointer, or -1.
    std::int32_t PaletteEntryUnder(std::span<const SpriteClass> palette) const;
    // Each palette entry drawn and outlined on its own edges: the selected one in blue 4 px wide,
    // the others in black.
    void DrawPalette(std::span<const SpriteClass> palette, std::int32_t selected);
    // A black box, 1 px wide, on a sprite's own edges.
    void DrawOutline(const SpriteClass& sprite);
    // A tool's picture on the panel: its whole rectangle opaque, with the panel colour where the
    // picture has its key colour.
    void DrawToolPreview(const SpriteClass& tool);
    // A map entry takes the brush's place, id and picture and is shown.
    void CopyCursorTo(SpriteClass& entry) const;
    // Hides the first visible entry that the brush overlaps; false when there is none.
    bool HideFirstHit(std::vector<SpriteClass>& entries) const;

    const EditorLook look;

private:
    void startLoopTimer_Timer();
    void OpenMap();
    void SaveMap();
    platform::OpenFileName MapDialog();
};

// value + step: a step down that passes below 0 gives last, a step up that passes last gives 0; a
// value read out of that range steps by one like any other.
std::int32_t StepAround(std::int32_t value, std::int32_t step, std::int32_t last);
// The picture of an id read from a file or a palette; nullptr when the id names none.
const SpriteClass* PictureOf(std::span<const SpriteClass> pictures, std::int32_t id);

} // namespace editor
