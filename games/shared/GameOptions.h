// GameOptions: what the games' options dialogs share: the window (340 pixels wide, blue, no text),
// the row of mode, music and effects buttons, the row of background buttons of the games that have
// one, the cancel and OK pictures hit-tested on any mouse button, Esc as cancel, the close box as
// cancel, and the stored values as the bars show them.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "platform/CheckBox.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Gdi.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "toolkit/ColorDialog.h"
#include "toolkit/SpriteClass.h"

class GameOptions : public platform::Form {
public:
    SpriteClass CancelSprite;
    SpriteClass OkSprite;

    // The usual speed bar runs from 20 to 300 pixels per second.
    static constexpr std::int16_t SpeedMin = 20;
    static constexpr std::int16_t SpeedMax = 300;
    static constexpr std::int32_t Gap = 20;        // between neighbouring pictures and controls
    static constexpr std::int32_t ButtonSize = 60; // the picture buttons
    static constexpr std::int32_t ScrollWidth = 220;
    static constexpr platform::Color BackColour = platform::Rgb(57, 158, 255);

protected:
    // The section the dialog reads and writes, and its mode, music and effects buttons, which the
    // dialog creates in its own layout order (they are not constructed yet when this runs).
    GameOptions(std::string_view section, std::array<platform::OptionButton, 2>& modeOption,
                platform::CheckBox& musicButton, platform::CheckBox& fxButton);

    // Back colour, icon, caption, and a client area 340 pixels wide and clientHeight high.
    void SetUpWindow(std::int32_t clientHeight);
    // A setting's picture (from file) with its bar to the right.
    struct SettingRow {
        platform::PictureBox& picture;
        platform::HScrollBar& bar;
        std::string_view file;
    };
    // The rows in a column from the top: each picture pictureSize square at x 20, 20 below the one
    // before (the first at y 20), its bar 220 wide and barHeight high 20 to its right, their
    // bottoms level. Answers the bottom of the last picture.
    std::int32_t LayOutSettingRows(std::initializer_list<SettingRow> rows,
                                   std::int32_t pictureSize = 62, std::int32_t barHeight = 25);
    // A bar's range and steps.
    static void SetUpBar(platform::ScrollBar& bar, std::int16_t min, std::int16_t max,
                         std::int16_t smallChange, std::int16_t largeChange);
    // The mode, music and effects buttons in one row at the given top, 20 pixels apart from x 20.
    void LayOutButtonRow(std::int32_t top);
    // Cancel at the left of the button row and OK at the right, both at y, drawn once colour-keyed.
    void PlaceCancelAndOk(std::int32_t y);

    // A stored value as the bar shows it: one that is no number or below 1 is the default (as the
    // game reads it), any other is brought into the bar's own range.
    void ShowStored(platform::ScrollBar& bar, std::string_view key, std::int16_t fallback) const;
    // The bar's value as decimal text.
    void SaveBar(const platform::ScrollBar& bar, std::string_view key) const;
    // The mode shown is the running game's (gMode), not the stored one; music and effects as
    // stored.
    void ShowButtonRow();
    // "Mode", "MusicOn" and "FxOn", in this order.
    void SaveButtonRow();

    // The row of four background buttons, which the dialog declares in its own layout order:
    // grouped in the frame, drawn as pictures, and button 2 (the plain colour) opening the colour
    // dialog of this section on any mouse button's release, when the game has one. Called in the
    // dialog's constructor.
    void UseBackgroundRow(platform::Frame& frame, std::array<platform::OptionButton, 4>& buttons,
                          ColorDialog* colours);
    // The frame 20 below the button row, across the window and 60 high, each button with its
    // picture pictureFolder + "optionbg<n>.gif" under the button of its column. Answers the frame's
    // bottom.
    std::int32_t LayOutBackgroundRow(std::string_view pictureFolder);
    // Selects the stored "Background" (3 when missing); a stored value outside 0..3 selects
    // outOfRange, and with -1 no button, so that OK then leaves the key as it is.
    void ShowBackgroundRow(std::int16_t outOfRange);
    // "Background": the index of the selected button; nothing when none is.
    void SaveBackgroundRow();

    // Writes every key of the dialog, changed or not.
    virtual void SaveSettings() = 0;

    // A press of any button on the cancel picture cancels; on the OK picture it saves and confirms,
    // or, when the disk refuses the keys, says so and stays open.
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    // Esc is a press at the middle of the cancel picture.
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;

    std::string_view Section() const { return section_; }

private:
    std::string_view section_;
    std::array<platform::OptionButton, 2>& modeOption_;
    platform::CheckBox& musicButton_;
    platform::CheckBox& fxButton_;
    platform::Frame* backgroundFrame_ = nullptr;
    std::array<platform::OptionButton, 4>* backgroundButtons_ = nullptr;
};
