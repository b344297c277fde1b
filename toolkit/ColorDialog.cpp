// ColorDialog: layout, the stored colour on three scroll bars with a preview, and OK and cancel.
#include "toolkit/ColorDialog.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/Common.h"
#include "platform/Convert.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "toolkit/SettingsSave.h"

namespace {

constexpr std::int32_t ClientWidth = 340;
constexpr std::int32_t ClientHeight = 420;
constexpr std::int32_t Margin = 20;
constexpr std::int32_t Swatch = 60;
constexpr std::int32_t ScrollLeft = Margin + Swatch + Margin;
constexpr std::int32_t ScrollWidth = 220;
constexpr std::int32_t ScrollHeight = 25;
constexpr std::int16_t PartMax = 255;

// Red 0, green 130, blue 255: a medium blue.
constexpr std::int16_t DefaultRed = 0;
constexpr std::int16_t DefaultGreen = 130;
constexpr std::int16_t DefaultBlue = 255;

std::int32_t Bottom(const platform::Control& control)
{
    return control.Top() + control.Height();
}

void PlaceSwatch(platform::PictureBox& swatch, std::int32_t top, platform::Color color)
{
    swatch.Move(Margin, top, Swatch, Swatch);
    swatch.SetBackColor(color);
}

// A bar from 0 to 255 beside its swatch, bottoms aligned.
void PlaceBar(platform::HScrollBar& bar, const platform::PictureBox& swatch)
{
    bar.Move(ScrollLeft, Bottom(swatch) - ScrollHeight, ScrollWidth, ScrollHeight);
    bar.SetMin(0);
    bar.SetMax(PartMax);
}

} // namespace

ColorDialog::ColorDialog()
    : ColorPic(*this), RedPic(*this), RedScroll(*this), GreenPic(*this), GreenScroll(*this),
      BluePic(*this), BlueScroll(*this)
{
    for (platform::HScrollBar* bar : {&RedScroll, &GreenScroll, &BlueScroll}) {
        bar->Change = [this](std::int16_t) { ShowColor(); };
        bar->Scroll = [this](std::int16_t) { ShowColor(); };
    }
}

void ColorDialog::Form_Load()
{
    SetBackColor(platform::Rgb(57, 158, 255));
    SetIcon("gfx\\icon\\icon.ico");
    SetCaption("Vandrel");
    // Esc must reach the form while a scroll bar has the focus.
    SetKeyPreview(true);
    PlaceControls();
    ShowSettings();
}

void ColorDialog::PlaceControls()
{
    ColorPic.Move(Margin, Margin, 300, 73);
    PlaceSwatch(RedPic, Bottom(ColorPic) + Margin, platform::Rgb(255, 0, 0));
    PlaceBar(RedScroll, RedPic);
    PlaceSwatch(GreenPic, Bottom(RedPic) + Margin, platform::Rgb(0, 255, 0));
    PlaceBar(GreenScroll, GreenPic);
    PlaceSwatch(BluePic, Bottom(GreenPic) + Margin, platform::Rgb(0, 0, 255));
    PlaceBar(BlueScroll, BluePic);

    CancelSprite.LoadDCImage("Gfx\\Buttons\\optionsStopButton.gif", *this);
    OkSprite.LoadDCImage("Gfx\\Buttons\\optionsOkButton.gif", *this);
    CancelSprite.X = BluePic.Left();
    CancelSprite.Y = Bottom(BluePic) + Margin;
    OkSprite.X = BlueScroll.Left() + BlueScroll.Width() - OkSprite.width;
    OkSprite.Y = CancelSprite.Y;

    // The client area is 340 x 420, as the options dialog it opens over; it grows only if button
    // pictures taller than ours would reach past its bottom.
    const std::int32_t buttonsBottom = platform::CLng(
        std::max(CancelSprite.Y + CancelSprite.Height, OkSprite.Y + OkSprite.Height));
    SetClientSize(ClientWidth, std::max(ClientHeight, buttonsBottom));

    // Drawn once: the back buffer keeps them.
    CancelSprite.DrawTransp(*this);
    OkSprite.DrawTransp(*this);
}

std::int16_t ColorDialog::StoredPart(std::string_view key, std::int16_t defaultValue) const
{
    const std::string text =
        platform::GetSetting("Vandrel", gameName, key, std::to_string(defaultValue));
    const std::optional<double> value = platform::ParseDouble(text);
    if (!value) {
        return defaultValue;
    }
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(platform::CLng(*value), 0, PartMax));
}

void ColorDialog::ShowSettings()
{
    RedScroll.SetValue(StoredPart("Red", DefaultRed));
    GreenScroll.SetValue(StoredPart("Green", DefaultGreen));
    BlueScroll.SetValue(StoredPart("Blue", DefaultBlue));
    ShowColor();
}

void ColorDialog::ShowColor()
{
    ColorPic.SetBackColor(
        platform::Rgb(RedScroll.Value(), GreenScroll.Value(), BlueScroll.Value()));
}

void ColorDialog::Form_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t xPt = platform::CInt(x);
    const std::int16_t yPt = platform::CInt(y);
    if (CancelSprite.IsUnder(xPt, yPt)) {
        Common::gOptionsOk = false;
        Unload();
        return;
    }
    // A colour the disk refused is reported and the dialog stays open, to try again or cancel.
    if (OkSprite.IsUnder(xPt, yPt) && SettingsSave::Save([this] {
            platform::SaveSetting("Vandrel", gameName, "Red", std::to_string(RedScroll.Value()));
            platform::SaveSetting("Vandrel", gameName, "Green",
                                  std::to_string(GreenScroll.Value()));
            platform::SaveSetting("Vandrel", gameName, "Blue", std::to_string(BlueScroll.Value()));
        })) {
        Common::gOptionsOk = true;
        Unload();
    }
}

void ColorDialog::Form_KeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    if (keyCode != platform::vbKeyEscape) {
        return;
    }
    // Esc is a press at the centre of the cancel picture.
    Form_MouseDown(platform::vbLeftButton, shift,
                   static_cast<float>(CancelSprite.X + platform::IntDiv(CancelSprite.width, 2)),
                   static_cast<float>(CancelSprite.Y + platform::IntDiv(CancelSprite.Height, 2)));
}

void ColorDialog::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    // The close box is a way out like cancel: a True left by an earlier dialog must not stand.
    if (unloadMode == platform::vbFormControlMenu) {
        Common::gOptionsOk = false;
    }
}

void ColorDialog::Form_Unload(std::int16_t&)
{
    CancelSprite.CleanUp();
    OkSprite.CleanUp();
}
