// ColorDialog: the modal window in which the player mixes a plain background colour from red,
// green and blue, stored as "Red", "Green" and "Blue" in the calling game's settings section.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "toolkit/SpriteClass.h"

class ColorDialog : public platform::Form {
public:
    ColorDialog();

    // The settings section to read and write; the caller sets it before showing the dialog
    // modally. OK stores the three values and sets Common::gOptionsOk (when the disk refuses them,
    // a message says so and the dialog stays open); cancel and Esc clear it.
    std::string gameName;

    platform::PictureBox ColorPic; // the preview
    platform::PictureBox RedPic;
    platform::HScrollBar RedScroll;
    platform::PictureBox GreenPic;
    platform::HScrollBar GreenScroll;
    platform::PictureBox BluePic;
    platform::HScrollBar BlueScroll;
    SpriteClass CancelSprite;
    SpriteClass OkSprite;

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void PlaceControls();
    void ShowSettings();
    void ShowColor();
    std::int16_t StoredPart(std::string_view key, std::int16_t defaultValue) const;
};
