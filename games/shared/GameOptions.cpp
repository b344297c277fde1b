// The shared part of the games' options dialogs.
#include "games/shared/GameOptions.h"

#include <algorithm>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"

namespace {

constexpr std::int32_t DialogWidth = 340;
constexpr std::int32_t DialogHeight = 420;

} // namespace

GameOptions::GameOptions(std::string_view section,
                         std::array<platform::OptionButton, 2>& modeOption,
                         platform::CheckBox& musicButton, platform::CheckBox& fxButton)
    : section_(section), modeOption_(modeOption), musicButton_(musicButton), fxButton_(fxButton)
{
    // Esc must reach the dialog whichever control has the focus.
    SetKeyPreview(true);
}

void GameOptions::SetUpWindow()
{
    SetBackColor(BackColour);
    SetIcon("gfx\\icon\\icon.ico");
    SetClientSize(DialogWidth, DialogHeight);
    SetCaption("Vandrel");
}

void GameOptions::LayOutButtonRow(std::int32_t top)
{
    for (std::size_t i = 0; i < modeOption_.size(); ++i) {
        modeOption_[i].SetIndex(static_cast<std::int16_t>(i));
        modeOption_[i].SetStyle(platform::ButtonStyle::Graphical);
    }
    musicButton_.SetStyle(platform::ButtonStyle::Graphical);
    fxButton_.SetStyle(platform::ButtonStyle::Graphical);
    modeOption_[0].SetPictureFile("Gfx\\Buttons\\easyModeButton.gif");
    modeOption_[0].Move(Gap, top, ButtonSize, ButtonSize);
    modeOption_[1].SetPictureFile("Gfx\\Buttons\\normalModeButton.gif");
    modeOption_[1].Move(modeOption_[0].Left() + modeOption_[0].Width() + Gap, top, ButtonSize,
                        ButtonSize);
    musicButton_.SetPictureFile("Gfx\\Buttons\\musicOffButton.gif");
    musicButton_.SetDownPictureFile("Gfx\\Buttons\\musicOnButton.gif");
    musicButton_.Move(modeOption_[1].Left() + modeOption_[1].Width() + Gap, top, ButtonSize,
                      ButtonSize);
    fxButton_.SetPictureFile("Gfx\\Buttons\\fxOffButton.gif");
    fxButton_.SetDownPictureFile("Gfx\\Buttons\\fxOnButton.gif");
    fxButton_.Move(musicButton_.Left() + musicButton_.Width() + Gap, top, ButtonSize, ButtonSize);
}

void GameOptions::PlaceCancelAndOk(std::int32_t y)
{
    CancelSprite.LoadDCImage("Gfx\\Buttons\\optionsStopButton.gif", *this);
    CancelSprite.X = modeOption_[0].Left();
    CancelSprite.Y = y;
    CancelSprite.DrawTransp(*this);
    OkSprite.LoadDCImage("Gfx\\Buttons\\optionsOkButton.gif", *this);
    OkSprite.X = fxButton_.Left();
    OkSprite.Y = y;
    OkSprite.DrawTransp(*this);
}

std::int16_t GameOptions::StoredSpeed(std::string_view key, std::int16_t fallback) const
{
    return std::clamp(GameSettings::ReadSpeed(Section(), key, fallback), SpeedMin, SpeedMax);
}

void GameOptions::ShowButtonRow()
{
    modeOption_[Common::gMode == "easy" ? 0 : 1].SetValue(true);
    musicButton_.SetValue(GameSettings::ReadBoolean(section_, "MusicOn", true)
                              ? platform::vbChecked
                              : platform::vbUnchecked);
    fxButton_.SetValue(GameSettings::ReadBoolean(section_, "FxOn", true) ? platform::vbChecked
                                                                         : platform::vbUnchecked);
}

void GameOptions::SaveButtonRow()
{
    platform::SaveSetting(GameSettings::App, section_, "Mode",
                          modeOption_[0].Value() ? "easy" : "normal");
    GameSettings::SaveBoolean(section_, "MusicOn", musicButton_.Value() != platform::vbUnchecked);
    GameSettings::SaveBoolean(section_, "FxOn", fxButton_.Value() != platform::vbUnchecked);
}

void GameOptions::Form_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    if (CancelSprite.IsUnder(px, py)) {
        Common::gOptionsOk = false;
        Unload();
    } else if (OkSprite.IsUnder(px, py)) {
        SaveSettings();
        Common::gOptionsOk = true;
        Unload();
    }
}

void GameOptions::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode != platform::vbKeyEscape) {
        return;
    }
    keyCode = 0;
    Form_MouseDown(platform::vbLeftButton, 0,
                   static_cast<float>(CancelSprite.X + platform::IntDiv(CancelSprite.width, 2)),
                   static_cast<float>(CancelSprite.Y + platform::IntDiv(CancelSprite.Height, 2)));
}

void GameOptions::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    if (unloadMode == platform::vbFormControlMenu) {
        Common::gOptionsOk = false;
    }
}

void GameOptions::Form_Unload(std::int16_t&)
{
    CancelSprite.CleanUp();
    OkSprite.CleanUp();
}
