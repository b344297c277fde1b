// HighScoreForm: the high-score window a game shows modally at game over: the six entries of the
// running game's table, best first, and a box for the new entry's name (OK stores it, OK again
// closes; Esc closes without storing; reset writes the default table).
#pragma once

#include <cstdint>

#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"
#include "toolkit/MMedia.h"

class HighScoreForm : public platform::Form {
public:
    HighScoreForm();

    // The longest name the box takes: what the 305-pixel list shows at its font.
    static constexpr std::int32_t NameLength = 12;

    platform::ListBox NameList{*this};
    platform::ListBox ScoreList{*this};
    platform::TextBox NameBox{*this};
    platform::CommandButton OKButton{*this};
    platform::CommandButton ResetButton{*this};

    bool MusicOption() const { return musicOn; }
    bool FxOption() const { return fxOn; }

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;

private:
    void OpenSounds();
    void CloseSounds();
    void ReadSettings();
    void ShowScores();
    void CloseForm();
    void OKButton_Click();
    void NameBox_KeyDown(std::int16_t& keyCode);
    void ResetButton_Click();

    bool musicOn = false;
    bool fxOn = false;
    MMedia music;
    MMedia click;
};

// The high-score window of the program. A game shows it at game over, when "HighScore" of section
// "Menu" is on and Common::IsHighScore(gScore, gGameName) holds:
//   TheHighScoreForm().Show(platform::vbModal, this);
HighScoreForm& TheHighScoreForm();
