// MenuOptions: the modal global options dialog of the launcher: one- or two-button play, music,
// effects, the high-score window, the stop hint, and export and import of option set files.
// Its result is Common::gOptionsOk: True after OK, False after cancel, Esc or the close box.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Form.h"
#include "platform/OptionButton.h"
#include "toolkit/SpriteClass.h"

class MenuOptions : public platform::Form {
public:
    MenuOptions();

    // The controls from section "Menu" / to section "Menu"; a save the disk refused is reported
    // in a message and gives false.
    void ShowSettings();
    bool SaveSettings();
    // Option set files: export stores the dialog's choices first; import stores all 38 values
    // read in one write, or, when the file cannot give them all, one does not convert to what its
    // key holds (the message names its key and line) or the disk refuses, nothing.
    void ExportSettings(std::string_view path);
    void ImportSettings(std::string_view path);

    // Where Form_Load moves the pointer, in screen coordinates.
    static constexpr std::int32_t PointerX = 400;
    static constexpr std::int32_t PointerY = 350;

    std::array<platform::OptionButton, 2> modeOption{platform::OptionButton(*this),
                                                     platform::OptionButton(*this)};
    platform::CheckBox MusicButton{*this};
    platform::CheckBox FxButton{*this};
    platform::CheckBox HighScoreButton{*this};
    platform::CheckBox PauseOnStopButton{*this};
    platform::CommandButton LoadButton{*this};
    platform::CommandButton SaveButton{*this};
    SpriteClass CancelSprite;
    SpriteClass OkSprite;

protected:
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_Unload(std::int16_t& cancel) override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void LoadButton_Click();
    void SaveButton_Click();
};

// The launcher's options dialog, created at its first use.
MenuOptions& TheMenuOptions();
