// The high-score window: layout, table, name entry with its two-step OK, Esc, reset.
#include "shell/HighScoreForm.h"

#include <string>

#include "common/Common.h"
#include "platform/Input.h"
#include "shell/HighScoreTable.h"
#include "shell/MenuSettings.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SettingsSave.h"
#include "toolkit/SpriteClass.h"

namespace {

constexpr double FontPoints = 36;
// Designed sizes of the OK button and the name box, from which the layout is computed.
constexpr std::int32_t OKButtonDesignWidth = 76;
constexpr std::int32_t NameBoxDesignHeight = 75;

} // namespace

HighScoreForm::HighScoreForm()
{
    OKButton.Click = [this](std::int16_t) { OKButton_Click(); };
    ResetButton.Click = [this](std::int16_t) { ResetButton_Click(); };
    NameBox.KeyDown = [this](std::int16_t, std::int16_t& keyCode, std::int16_t) {
        NameBox_KeyDown(keyCode);
    };
    // The name box has the focus when the window opens; the lists only show the table.
    NameBox.SetTabIndex(0);
    OKButton.SetTabIndex(1);
    ResetButton.SetTabIndex(2);
    NameList.SetTabStop(false);
    ScoreList.SetTabStop(false);
}

HighScoreForm& TheHighScoreForm()
{
    return platform::ProcessWindow<HighScoreForm>();
}

void HighScoreForm::Form_Load()
{
    if (Common::gFullScreen) {
        SetWindowState(platform::WindowState::Maximized);
    } else {
        SetClientSize(platform::ScreenWidth, platform::ScreenHeight);
        SetCaption("Vandrel");
    }
    SetIcon("Gfx\\icon\\icon.ico");
    SetKeyPreview(true);

    SpriteClass background;
    background.LoadDCImage("Gfx\\Menu\\highscoreBackground.jpg", *this);
    background.Draw(*this);
    background.CleanUp();

    // Lists show whole lines: the layout below them follows the height they report.
    const platform::FontSpec scaled{"Comic Sans MS", FontPoints * GameUtil::gFontScale, true};
    NameList.SetFont(scaled);
    NameList.Move(96, 30, 305, 406);
    ScoreList.SetFont(scaled);
    ScoreList.Move(NameList.Left() + NameList.Width(), NameList.Top(), 305, 406);

    OKButton.SetStyle(platform::ButtonStyle::Graphical);
    OKButton.SetPictureFile("Gfx\\Buttons\\nameOkButton.gif");
    OKButton.SetTop(NameList.Top() + NameList.Height() + 30);
    OKButton.SetLeft(ScoreList.Left() + ScoreList.Width() - OKButtonDesignWidth);
    OKButton.SetHeight(NameBoxDesignHeight);
    OKButton.SetWidth(OKButton.Height());

    ResetButton.SetStyle(platform::ButtonStyle::Graphical);
    ResetButton.SetPictureFile("Gfx\\Buttons\\resetScoresButton.gif");
    ResetButton.Move(NameList.Left(), OKButton.Top(), OKButton.Height(), OKButton.Width());
    ResetButton.SetVisible(false);

    NameBox.SetFont(scaled);
    NameBox.SetMaxLength(NameLength);
    NameBox.SetText("");
    NameBox.Move(NameList.Left(), OKButton.Top(), OKButton.Left() - NameList.Left() - 10,
                 NameBoxDesignHeight);

    OpenSounds();
    ReadSettings();
    Common::LoadHighScores();
    ShowScores();
    if (musicOn) {
        music.PlayMedia();
    }
}

void HighScoreForm::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    // The close box leaves as Esc does, storing nothing.
    if (unloadMode == platform::vbFormControlMenu) {
        CloseSounds();
    }
}

void HighScoreForm::OpenSounds()
{
    music.OpenMedia("Music\\menu.mid");
    click.OpenMedia("Sfx\\click.wav");
}

void HighScoreForm::CloseSounds()
{
    music.CloseMedia();
    click.CloseMedia();
}

void HighScoreForm::ReadSettings()
{
    NameBox.SetVisible(true);
    musicOn = MenuSettings::Boolean("MusicOn", true);
    fxOn = MenuSettings::Boolean("FxOn", true);
}

void HighScoreForm::ShowScores()
{
    NameList.Clear();
    ScoreList.Clear();
    for (std::size_t index = Common::HighScoreCount; index-- > 0;) {
        NameList.AddItem(Common::gHighScoreNames[index]);
        ScoreList.AddItem(std::to_string(Common::gHighScores[index]));
    }
}

void HighScoreForm::CloseForm()
{
    CloseSounds();
    Unload();
}

void HighScoreForm::OKButton_Click()
{
    if (fxOn) {
        click.PlayMedia();
    }
    // An entry is pending while the name box shows.
    if (!NameBox.Visible()) {
        CloseForm();
        return;
    }
    if (NameBox.Text().empty()) {
        NameBox.SetFocus();
        return;
    }
    if (!Common::AddHighScore(NameBox.Text(), Common::gScore)) {
        // The table as it is on disk; the name stays for another try.
        ShowScores();
        SettingsSave::ShowFailure();
        return;
    }
    NameBox.SetVisible(false);
    ResetButton.SetVisible(true);
    ShowScores();
}

void HighScoreForm::NameBox_KeyDown(std::int16_t& keyCode)
{
    if (keyCode == platform::vbKeyReturn) {
        keyCode = 0;
        OKButton_Click();
    }
}

void HighScoreForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    if (keyCode == platform::vbKeyEscape) {
        if (fxOn) {
            click.PlayMedia();
        }
        CloseForm();
    }
}

void HighScoreForm::ResetButton_Click()
{
    const bool reset = Common::ResetHighScores();
    Common::LoadHighScores();
    ShowScores();
    if (!reset) {
        SettingsSave::ShowFailure();
    }
}
