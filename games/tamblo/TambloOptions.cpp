// The maze game's options dialog: a picture beside each setting, written to section "Tamblo" on OK.
#include "games/tamblo/TambloOptions.h"

#include <algorithm>

#include "games/shared/GameSettings.h"
#include "platform/Numbers.h"

namespace {

constexpr std::int32_t DialogHeight = 420;
constexpr std::int16_t SpeedStep = 5;
constexpr std::int32_t ButtonRowGap = 30; // between the last picture and the button row
constexpr std::int32_t ImageSize = 60;

const platform::FontSpec GhostCountFont{"Comic Sans MS", 12, true};

} // namespace

TambloOptions::TambloOptions() : GameOptions("Tamblo", modeOption, MusicButton, FxButton)
{
    const char* captions[] = {"0", "1", "2", "MAX"};
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        NumGhosts[i].SetIndex(static_cast<std::int16_t>(i));
        NumGhosts[i].SetContainer(&NumGhostsFrame);
        NumGhosts[i].SetCaption(captions[i]);
        NumGhosts[i].SetFont(GhostCountFont);
    }
    SetUpBar(TambloSpeedScroll, SpeedMin, SpeedMax, SpeedStep, SpeedStep);
    SetUpBar(GhostSpeedScroll, SpeedMin, SpeedMax, SpeedStep, SpeedStep);
    NumGhostsFrame.SetBorderStyle(platform::BorderStyle::None);
}

void TambloOptions::Form_Load()
{
    SetUpWindow(DialogHeight);
    LayOut();
    PlaceCancelAndOk(modeOption[0].Top() + modeOption[0].Height() + Gap);
    ShowSettings();
}

// Each control takes its place from the neighbour it follows, as the picture table lays them out:
// rows of 60-pixel pictures 20 apart, the bars beside them level with their bottoms, the button
// row 30 below the last picture.
void TambloOptions::LayOut()
{
    // The bars are half as high as the pictures.
    const std::int32_t bottom = LayOutSettingRows(
        {{TambloSpeedImage, TambloSpeedScroll, "Gfx\\Tamblo\\tambloSpeedImage.gif"},
         {GhostSpeedImage, GhostSpeedScroll, "Gfx\\Tamblo\\ghostSpeedImage.gif"}},
        ImageSize, platform::IntDiv(ImageSize, 2));

    NumGhostsImage.SetPictureFile("Gfx\\Tamblo\\maxNumGhostsImage.gif");
    NumGhostsImage.Move(Gap, bottom + Gap, ImageSize, ImageSize);
    const std::int32_t buttonLefts[] = {8, 48, 88, 128};
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        NumGhosts[i].Move(buttonLefts[i], 20, i + 1 < NumGhosts.size() ? 41 : 73, 30);
        NumGhosts[i].SetBackColor(BackColour);
    }
    const platform::OptionButton& last = NumGhosts.back();
    NumGhostsFrame.Move(TambloSpeedScroll.Left(), NumGhostsImage.Top(),
                        last.Left() + last.Width() + 8, NumGhostsImage.Height());
    NumGhostsFrame.SetBackColor(BackColour);

    LayOutButtonRow(NumGhostsImage.Top() + NumGhostsImage.Height() + ButtonRowGap);
}

void TambloOptions::ShowSettings()
{
    ShowStored(TambloSpeedScroll, "TambloSpeed", 50);
    ShowStored(GhostSpeedScroll, "GhostSpeed", 45);

    const std::int16_t ghosts = GameSettings::ReadInteger(Section(), "MaxNumGhosts", 20);
    for (platform::OptionButton& button : NumGhosts) {
        button.SetValue(false);
    }
    if (ghosts >= 0) {
        NumGhosts[static_cast<std::size_t>(std::min<std::int16_t>(ghosts, 3))].SetValue(true);
    }
    ShowButtonRow();
}

// Every key of the dialog, changed or not, in this order.
void TambloOptions::SaveSettings()
{
    SaveBar(TambloSpeedScroll, "TambloSpeed");
    SaveBar(GhostSpeedScroll, "GhostSpeed");
    for (std::size_t i = 0; i < NumGhosts.size(); ++i) {
        if (NumGhosts[i].Value()) {
            GameSettings::SaveInteger(Section(), "MaxNumGhosts", GhostCounts[i]);
        }
    }
    SaveButtonRow();
}
