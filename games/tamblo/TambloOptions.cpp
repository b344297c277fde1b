// The maze game's options dialog: a picture beside each setting, written to section "Tamblo" on OK.
#include "games/tamblo/TambloOptions.h"

#include <algorithm>
#include <string>

#include "common/Common.h"
#include "platform/Convert.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"

namespace {

constexpr const char* App = "Vandrel";
constexpr const char* Section = "Tamblo";

constexpr std::int16_t SpeedMin = 20;
constexpr std::int16_t SpeedMax = 300;
constexpr std::int16_t SpeedStep = 5;

constexpr std::int32_t Gap = 20;       // between a picture and the next row or control
constexpr std::int32_t ButtonGap = 30; // between the last picture and the button row
constexpr std::int32_t ImageSize = 60;
constexpr std::int32_t ScrollWidth = 220;

const platform::Color BackColour = platform::Rgb(57, 158, 255);
const platform::FontSpec GhostCountFont{"Comic Sans MS", 12, true};

// A stored speed as the scroll bars show it: one that is no number or below 1 is the default (as
// the game reads it), and any other is brought into the bars' range.
std::int16_t StoredSpeed(const char* key, std::int16_t fallback)
{
    std::int16_t speed = platform::ToInt16(platform::GetSetting(App, Section, key, ""), fallback);
    if (speed < 1) {
        speed = fallback;
    }
    return std::clamp(speed, SpeedMin, SpeedMax);
}

bool StoredSwitch(const char* key)
{
    return platform::ToBoolean(platform::GetSetting(App, Section, key, "1"), true);
}

} // namespace

TambloOptions::TambloOptions()
{
    const char* captions[] = {"0", "1", "2", "MAX"};
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        NumGhosts[i].SetIndex(static_cast<std::int16_t>(i));
        NumGhosts[i].SetContainer(&NumGhostsFrame);
        NumGhosts[i].SetCaption(captions[i]);
        NumGhosts[i].SetFont(GhostCountFont);
    }
    for (std::size_t i = 0; i < modeOption.size(); ++i) {
        modeOption[i].SetIndex(static_cast<std::int16_t>(i));
        modeOption[i].SetStyle(platform::ButtonStyle::Graphical);
    }
    MusicButton.SetStyle(platform::ButtonStyle::Graphical);
    FxButton.SetStyle(platform::ButtonStyle::Graphical);
    for (platform::ScrollBar* scroll : {static_cast<platform::ScrollBar*>(&TambloSpeedScroll),
                                        static_cast<platform::ScrollBar*>(&GhostSpeedScroll)}) {
        scroll->SetMin(SpeedMin);
        scroll->SetMax(SpeedMax);
        scroll->SetSmallChange(SpeedStep);
        scroll->SetLargeChange(SpeedStep);
    }
    NumGhostsFrame.SetBorderStyle(platform::BorderStyle::None);
    // Esc must reach the dialog whichever control has the focus.
    SetKeyPreview(true);
}

void TambloOptions::Form_Load()
{
    SetBackColor(BackColour);
    SetIcon("gfx\\icon\\icon.ico");
    SetClientSize(340, 420);
    SetCaption("Vandrel");
    LayOut();

    CancelSprite.LoadDCImage("Gfx\\Buttons\\optionsStopButton.gif", *this);
    CancelSprite.X = modeOption[0].Left();
    CancelSprite.Y = modeOption[0].Top() + modeOption[0].Height() + Gap;
    CancelSprite.DrawTransp(*this);
    OkSprite.LoadDCImage("Gfx\\Buttons\\optionsOkButton.gif", *this);
    OkSprite.X = FxButton.Left();
    OkSprite.Y = CancelSprite.Y;
    OkSprite.DrawTransp(*this);

    ShowSettings();
}

// Each control takes its place from the neighbour it follows, as the picture table lays them out:
// rows of 60-pixel pictures 20 apart, the bars beside them level with their bottoms, the button
// row 30 below the last picture.
void TambloOptions::LayOut()
{
    TambloSpeedImage.SetPictureFile("Gfx\\Tamblo\\tambloSpeedImage.gif");
    TambloSpeedImage.Move(Gap, Gap, ImageSize, ImageSize);
    const std::int32_t scrollHeight = platform::IntDiv(TambloSpeedImage.Height(), 2);
    const std::int32_t scrollLeft = TambloSpeedImage.Left() + TambloSpeedImage.Width() + Gap;
    TambloSpeedScroll.Move(scrollLeft,
                           TambloSpeedImage.Top() + TambloSpeedImage.Height() - scrollHeight,
                           ScrollWidth, scrollHeight);

    GhostSpeedImage.SetPictureFile("Gfx\\Tamblo\\ghostSpeedImage.gif");
    GhostSpeedImage.Move(Gap, TambloSpeedImage.Top() + TambloSpeedImage.Height() + Gap, ImageSize,
                         ImageSize);
    GhostSpeedScroll.Move(scrollLeft,
                          GhostSpeedImage.Top() + GhostSpeedImage.Height() - scrollHeight,
                          ScrollWidth, scrollHeight);

    NumGhostsImage.SetPictureFile("Gfx\\Tamblo\\maxNumGhostsImage.gif");
    NumGhostsImage.Move(Gap, GhostSpeedImage.Top() + GhostSpeedImage.Height() + Gap, ImageSize,
                        ImageSize);
    const std::int32_t buttonLefts[] = {8, 48, 88, 128};
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        NumGhosts[i].Move(buttonLefts[i], 20, i + 1 < NumGhosts.size() ? 41 : 73, 30);
        NumGhosts[i].SetBackColor(BackColour);
    }
    const platform::OptionButton& last = NumGhosts.back();
    NumGhostsFrame.Move(scrollLeft, NumGhostsImage.Top(), last.Left() + last.Width() + 8,
                        NumGhostsImage.Height());
    NumGhostsFrame.SetBackColor(BackColour);

    const std::int32_t buttonTop = NumGhostsImage.Top() + NumGhostsImage.Height() + ButtonGap;
    modeOption[0].SetPictureFile("Gfx\\Buttons\\easyModeButton.gif");
    modeOption[0].Move(Gap, buttonTop, ImageSize, ImageSize);
    modeOption[1].SetPictureFile("Gfx\\Buttons\\normalModeButton.gif");
    modeOption[1].Move(modeOption[0].Left() + modeOption[0].Width() + Gap, buttonTop, ImageSize,
                       ImageSize);
    MusicButton.SetPictureFile("Gfx\\Buttons\\musicOffButton.gif");
    MusicButton.SetDownPictureFile("Gfx\\Buttons\\musicOnButton.gif");
    MusicButton.Move(modeOption[1].Left() + modeOption[1].Width() + Gap, buttonTop, ImageSize,
                     ImageSize);
    FxButton.SetPictureFile("Gfx\\Buttons\\fxOffButton.gif");
    FxButton.SetDownPictureFile("Gfx\\Buttons\\fxOnButton.gif");
    FxButton.Move(MusicButton.Left() + MusicButton.Width() + Gap, buttonTop, ImageSize, ImageSize);
}

void TambloOptions::ShowSettings()
{
    TambloSpeedScroll.SetValue(StoredSpeed("TambloSpeed", 50));
    GhostSpeedScroll.SetValue(StoredSpeed("GhostSpeed", 45));

    const std::int16_t ghosts =
        platform::ToInt16(platform::GetSetting(App, Section, "MaxNumGhosts", "20"), 20);
    for (platform::OptionButton& button : NumGhosts) {
        button.SetValue(false);
    }
    if (ghosts >= 0) {
        NumGhosts[static_cast<std::size_t>(std::min<std::int16_t>(ghosts, 3))].SetValue(true);
    }

    // The mode shown is the running game's, not the stored one.
    modeOption[Common::gMode == "easy" ? 0 : 1].SetValue(true);
    MusicButton.SetValue(StoredSwitch("MusicOn") ? platform::vbChecked : platform::vbUnchecked);
    FxButton.SetValue(StoredSwitch("FxOn") ? platform::vbChecked : platform::vbUnchecked);
}

// Every key of the dialog, changed or not, in this order.
void TambloOptions::SaveSettings()
{
    platform::SaveSetting(App, Section, "TambloSpeed", std::to_string(TambloSpeedScroll.Value()));
    platform::SaveSetting(App, Section, "GhostSpeed", std::to_string(GhostSpeedScroll.Value()));
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        if (NumGhosts[i].Value()) {
            platform::SaveSetting(App, Section, "MaxNumGhosts", std::to_string(GhostCounts[i]));
        }
    }
    platform::SaveSetting(App, Section, "Mode", modeOption[0].Value() ? "easy" : "normal");
    platform::SaveSetting(App, Section, "MusicOn", MusicButton.Value() != 0 ? "1" : "0");
    platform::SaveSetting(App, Section, "FxOn", FxButton.Value() != 0 ? "1" : "0");
}

void TambloOptions::Form_MouseDown(std::int16_t, std::int16_t, float x, float y)
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

void TambloOptions::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode != platform::vbKeyEscape) {
        return;
    }
    keyCode = 0;
    Form_MouseDown(platform::vbLeftButton, 0,
                   static_cast<float>(CancelSprite.X + platform::IntDiv(CancelSprite.width, 2)),
                   static_cast<float>(CancelSprite.Y + platform::IntDiv(CancelSprite.Height, 2)));
}

// The close box cancels, as the cancel picture does.
void TambloOptions::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    if (unloadMode == platform::vbFormControlMenu) {
        Common::gOptionsOk = false;
    }
}

void TambloOptions::Form_Unload(std::int16_t&)
{
    CancelSprite.CleanUp();
    OkSprite.CleanUp();
}
