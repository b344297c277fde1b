// The global options dialog: layout, the "Menu" section, OK and cancel, option set files.
#include "shell/MenuOptions.h"

#include <string>

#include "common/Common.h"
#include "platform/AtomicFile.h"
#include "platform/Convert.h"
#include "platform/FileDialog.h"
#include "platform/Input.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "shell/MenuSettings.h"
#include "shell/OptionSetFile.h"
#include "toolkit/SettingsSave.h"

namespace {

constexpr platform::Color DialogBack = platform::Rgb(57, 158, 255);
constexpr std::int32_t ButtonSize = 60;
constexpr std::int32_t Gap = 20;
constexpr std::int32_t FirstRowTop = Gap;
constexpr std::int32_t SecondRowTop = FirstRowTop + ButtonSize + Gap;

// A check box shows a key that reads as the small integer 1.
std::int16_t CheckValue(std::string_view key, std::int16_t fallback)
{
    const std::int16_t value =
        platform::ToInt16(MenuSettings::Value(key, std::to_string(fallback)), fallback);
    return value == 1 ? platform::vbChecked : platform::vbUnchecked;
}

void SetPictureButton(platform::ButtonControl& button, std::int32_t left, std::int32_t top,
                      std::string_view picture, std::string_view downPicture = {})
{
    button.SetStyle(platform::ButtonStyle::Graphical);
    button.SetBackColor(DialogBack);
    button.Move(left, top, ButtonSize, ButtonSize);
    button.SetPictureFile(picture);
    if (!downPicture.empty()) {
        button.SetDownPictureFile(downPicture);
    }
}

// The record of both file dialogs: one filter entry, no proposed name, the program folder.
platform::OpenFileName OptionSetDialog(platform::Form& owner)
{
    platform::OpenFileName ofn;
    ofn.hwndOwner = &owner;
    ofn.lpstrFilter = std::string("Maps (*.vdl)\0*.vdl\0", 20);
    ofn.lpstrFile = std::string(1, '\0') + std::string(259, ' ');
    ofn.lpstrInitialDir = platform::ProgramFolder().string() + "\\";
    ofn.lpstrDefExt = "vdl";
    return ofn;
}

std::string UpToNul(const std::string& text)
{
    return text.substr(0, text.find('\0'));
}

} // namespace

MenuOptions::MenuOptions()
{
    modeOption[0].SetIndex(0);
    modeOption[1].SetIndex(1);
    LoadButton.Click = [this](std::int16_t) { LoadButton_Click(); };
    SaveButton.Click = [this](std::int16_t) { SaveButton_Click(); };
}

MenuOptions& TheMenuOptions()
{
    return platform::ProcessWindow<MenuOptions>();
}

void MenuOptions::Form_Load()
{
    SetClientSize(500, 180);
    SetBackColor(DialogBack);
    SetIcon("gfx\\icon\\icon.ico");
    SetCaption("Vandrel");
    SetKeyPreview(true);

    // First row: each control 20 pixels right of the one before; the second row below it.
    std::int32_t left = Gap;
    SetPictureButton(modeOption[0], left, FirstRowTop, "Gfx\\Buttons\\oneButton.gif");
    left += ButtonSize + Gap;
    SetPictureButton(modeOption[1], left, FirstRowTop, "Gfx\\Buttons\\twoButtons.gif");
    left += ButtonSize + Gap;
    SetPictureButton(MusicButton, left, FirstRowTop, "Gfx\\Buttons\\musicOffButton.gif",
                     "Gfx\\Buttons\\musicOnButton.gif");
    SetPictureButton(LoadButton, left, SecondRowTop, "Gfx\\Buttons\\importButton.gif");
    left += ButtonSize + Gap;
    SetPictureButton(FxButton, left, FirstRowTop, "Gfx\\Buttons\\fxOffButton.gif",
                     "Gfx\\Buttons\\fxOnButton.gif");
    SetPictureButton(SaveButton, left, SecondRowTop, "Gfx\\Buttons\\exportButton.gif");
    left += ButtonSize + Gap;
    SetPictureButton(HighScoreButton, left, FirstRowTop, "Gfx\\Buttons\\highscoreOffButton.gif",
                     "Gfx\\Buttons\\highscoreOnButton.gif");
    left += ButtonSize + Gap;
    SetPictureButton(PauseOnStopButton, left, FirstRowTop, "Gfx\\Buttons\\pauseOnStopOffButton.gif",
                     "Gfx\\Buttons\\pauseOnStopOnButton.gif");

    CancelSprite.LoadDCImage("Gfx\\Buttons\\optionsStopButton.gif", *this);
    CancelSprite.X = modeOption[0].Left();
    CancelSprite.Y = SecondRowTop;
    OkSprite.LoadDCImage("Gfx\\Buttons\\optionsOkButton.gif", *this);
    OkSprite.X = PauseOnStopButton.Left();
    OkSprite.Y = SecondRowTop;
    CancelSprite.DrawTransp(*this);
    OkSprite.DrawTransp(*this);

    ShowSettings();
    platform::SetCursorPos(PointerX, PointerY);
}

void MenuOptions::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    // The close box cancels, so that an OK left by an earlier dialog does not count.
    if (unloadMode == platform::vbFormControlMenu) {
        Common::gOptionsOk = false;
    }
}

void MenuOptions::Form_Unload(std::int16_t&)
{
    CancelSprite.CleanUp();
    OkSprite.CleanUp();
}

void MenuOptions::ShowSettings()
{
    const bool oneButton = MenuSettings::Boolean("OneButton", false);
    modeOption[0].SetValue(oneButton);
    modeOption[1].SetValue(!oneButton);
    MusicButton.SetValue(CheckValue("MusicOn", 1));
    FxButton.SetValue(CheckValue("FxOn", 1));
    HighScoreButton.SetValue(CheckValue("HighScore", 0));
    PauseOnStopButton.SetValue(CheckValue("PauseOnStop", 0));
}

bool MenuOptions::SaveSettings()
{
    return SettingsSave::Save([this] {
        MenuSettings::Save("OneButton", platform::BooleanText(modeOption[0].Value()));
        MenuSettings::Save("MusicOn", std::to_string(MusicButton.Value()));
        MenuSettings::Save("FxOn", std::to_string(FxButton.Value()));
        MenuSettings::Save("HighScore", std::to_string(HighScoreButton.Value()));
        MenuSettings::Save("PauseOnStop", std::to_string(PauseOnStopButton.Value()));
    });
}

void MenuOptions::Form_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    if (CancelSprite.IsUnder(px, py)) {
        Common::gOptionsOk = false;
        Unload();
    } else if (OkSprite.IsUnder(px, py) && SaveSettings()) {
        Common::gOptionsOk = true;
        Unload();
    }
}

void MenuOptions::Form_KeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    if (keyCode == platform::vbKeyEscape) {
        Form_MouseDown(platform::vbLeftButton, shift,
                       static_cast<float>(CancelSprite.X + CancelSprite.width / 2),
                       static_cast<float>(CancelSprite.Y + CancelSprite.Height / 2));
    }
}

void MenuOptions::LoadButton_Click()
{
    platform::OpenFileName ofn = OptionSetDialog(*this);
    if (platform::GetOpenFileNameA(&ofn)) {
        ImportSettings(UpToNul(ofn.lpstrFile));
    }
    platform::SetProgramFolderAsCurrent();
}

void MenuOptions::SaveButton_Click()
{
    platform::OpenFileName ofn = OptionSetDialog(*this);
    if (platform::GetSaveFileNameA(&ofn)) {
        ExportSettings(UpToNul(ofn.lpstrFile));
    }
    platform::SetProgramFolderAsCurrent();
}

void MenuOptions::ExportSettings(std::string_view path)
{
    if (!SaveSettings()) {
        return;
    }
    if (!OptionSetFile::Write(path)) {
        platform::MsgBox("The options could not be saved to " + std::string(path) + ": " +
                             platform::LastWriteFailure().reason + ".",
                         platform::vbOKOnly | platform::vbExclamation);
    }
}

void MenuOptions::ImportSettings(std::string_view path)
{
    OptionSetFile::Lines lines{};
    const auto values = OptionSetFile::Read(path, &lines);
    std::string refusal;
    if (!values) {
        refusal = "The options could not be read from " + std::string(path);
    } else if (const auto refused = OptionSetFile::FirstRefused(*values)) {
        const OptionSetFile::Entry& entry = OptionSetFile::Entries()[*refused];
        refusal = "The options could not be read from " + std::string(path) + ": \"" +
                  std::string(entry.key) + "\" of \"" + std::string(entry.section) + "\" on line " +
                  std::to_string(lines[*refused]) + " holds a value that cannot be used";
    } else if (!OptionSetFile::Store(*values)) {
        SettingsSave::ShowFailure();
        return;
    }
    if (!refusal.empty()) {
        platform::MsgBox(refusal + "; nothing was changed.",
                         platform::vbOKOnly | platform::vbExclamation);
        return;
    }
    ShowSettings();
}
