// The shared part of the games' options dialogs.
#include "games/shared/GameOptions.h"

#include <string>

#include "common/Common.h"
#include "games/shared/GameSettings.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "toolkit/SettingsSave.h"

namespace {

constexpr std::int32_t DialogWidth = 340;
constexpr std::int16_t BackgroundCount = 4;
constexpr std::int16_t PlainColour = 2;

} // namespace

GameOptions::GameOptions(std::string_view section,
                         std::array<platform::OptionButton, 2>& modeOption,
                         platform::CheckBox& musicButton, platform::CheckBox& fxButton)
    : section_(section), modeOption_(modeOption), musicButton_(musicButton), fxButton_(fxButton)
{
    // Esc must reach the dialog whichever control has the focus.
    SetKeyPreview(true);
}

void GameOptions::SetUpWindow(std::int32_t clientHeight)
{
    SetBackColor(BackColour);
    SetIcon("gfx\\icon\\icon.ico");
    SetClientSize(DialogWidth, clientHeight);
    SetCaption("Vandrel");
}

void GameOptions::SetUpBar(platform::ScrollBar& bar, std::int16_t min, std::int16_t max,
                           std::int16_t smallChange, std::int16_t largeChange)
{
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetSmallChange(smallChange);
    bar.SetLargeChange(largeChange);
}

std::int32_t GameOptions::LayOutSettingRows(std::initializer_list<SettingRow> rows,
                                            std::int32_t pictureSize, std::int32_t barHeight)
{
    std::int32_t bottom = 0;
    for (const SettingRow& row : rows) {
        row.picture.SetPictureFile(row.file);
        row.picture.Move(Gap, bottom + Gap, pictureSize, pictureSize);
        bottom = row.picture.Top() + row.picture.Height();
        row.bar.Move(Gap + pictureSize + Gap, bottom - barHeight, ScrollWidth, barHeight);
    }
    return bottom;
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

void GameOptions::ShowStored(platform::ScrollBar& bar, std::string_view key,
                             std::int16_t fallback) const
{
    // The bar brings a value outside its range to its nearer end.
    bar.SetValue(GameSettings::ReadSpeed(Section(), key, fallback));
}

void GameOptions::SaveBar(const platform::ScrollBar& bar, std::string_view key) const
{
    GameSettings::SaveInteger(Section(), key, bar.Value());
}

void GameOptions::UseBackgroundRow(platform::Frame& frame,
                                   std::array<platform::OptionButton, 4>& buttons,
                                   ColorDialog* colours)
{
    backgroundFrame_ = &frame;
    backgroundButtons_ = &buttons;
    frame.SetBorderStyle(platform::BorderStyle::None);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].SetIndex(static_cast<std::int16_t>(i));
        buttons[i].SetContainer(&frame);
        buttons[i].SetStyle(platform::ButtonStyle::Graphical);
    }
    if (colours == nullptr) {
        return;
    }
    // Any button released on the plain colour opens the colour dialog, even when that choice was
    // already selected. Its result is not looked at: this dialog's own closing decides gOptionsOk.
    buttons[PlainColour].MouseUp = [this, colours](std::int16_t, std::int16_t, std::int16_t, float,
                                                   float) {
        colours->gameName = Section();
        colours->Show(platform::vbModal, this);
    };
}

std::int32_t GameOptions::LayOutBackgroundRow(std::string_view pictureFolder)
{
    platform::Frame& frame = *backgroundFrame_;
    frame.Move(0, modeOption_[0].Top() + modeOption_[0].Height() + Gap, ScaleWidth(), ButtonSize);
    frame.SetBackColor(BackColour);
    const platform::Control* columns[] = {&modeOption_[0], &modeOption_[1], &musicButton_,
                                          &fxButton_};
    for (std::size_t i = 0; i < backgroundButtons_->size(); ++i) {
        platform::OptionButton& button = (*backgroundButtons_)[i];
        button.SetPictureFile(std::string(pictureFolder) + "optionbg" + std::to_string(i) + ".gif");
        button.Move(columns[i]->Left(), 0, ButtonSize, ButtonSize);
    }
    return frame.Top() + frame.Height();
}

void GameOptions::ShowBackgroundRow(std::int16_t outOfRange)
{
    std::int16_t choice = GameSettings::ReadInteger(section_, "Background", 3);
    if (choice < 0 || choice >= BackgroundCount) {
        choice = outOfRange;
    }
    for (platform::OptionButton& button : *backgroundButtons_) {
        button.SetValue(false);
    }
    if (choice >= 0 && choice < BackgroundCount) {
        (*backgroundButtons_)[static_cast<std::size_t>(choice)].SetValue(true);
    }
}

void GameOptions::SaveBackgroundRow()
{
    for (std::size_t i = 0; i < backgroundButtons_->size(); ++i) {
        if ((*backgroundButtons_)[i].Value()) {
            GameSettings::SaveInteger(section_, "Background", static_cast<std::int32_t>(i));
        }
    }
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
    } else if (OkSprite.IsUnder(px, py) && SettingsSave::Save([this] { SaveSettings(); })) {
        // Every key of the dialog in one write: a kill leaves all old or all new, and a write the
        // disk refused is reported with the dialog left open.
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
