// MenuForm: the full-screen launcher: six game icons in two rows, an exit and an options hotspot,
// mouse, keys and the one-button scan; it hands the screen to a game and ends the program.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Form.h"
#include "platform/Timer.h"
#include "shell/LicenseSplash.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

class MenuForm : public platform::Form {
public:
    MenuForm();

    // Shows the window of launcher index 0 to 5 (Tamblo, Zentar, Lupido, Krevin, Morvex, Quadrel)
    // and closes the launcher. A game that is not registered launches nothing; one that closes
    // while it loads leaves the launcher as it was.
    void LaunchGame(std::int16_t index);
    // Launches the game of the first icon, in index order, that is active (under the pointer).
    void LaunchSelectedGame();
    // The global options dialog, modal; after OK the "Menu" settings are read again.
    void ShowOptions();
    // Restores display and desktop icons and closes the launcher: the program ends.
    void ExitProgram();
    void DrawMenu(std::int16_t x, std::int16_t y);

    // State that tests and the games' return read.
    std::int16_t ScanIndex() const { return scanIndex; }
    const SpriteClass& Icon(std::size_t index) const { return icons[index]; }
    bool MusicOption() const { return menuMusicOn; }
    bool FxOption() const { return menuFxOn; }
    const platform::Timer& OneButtonTimer() const { return gOneButtonTimer; }

    // Launcher layout.
    static constexpr std::int32_t IconLeft[3] = {50, 300, 550};
    static constexpr std::int32_t UpperRowCentre = 245;
    static constexpr std::int32_t LowerRowCentre = 445;
    static constexpr std::int32_t ScanIntervalMs = 2000;

protected:
    void Form_Initialize() override;
    void Form_Load() override;
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void OpenSounds();
    void CloseSounds();
    void ReadSettings();
    void LoadGraphics();
    void FreeGraphics();
    void BuildIconList();
    void DrawSelectionFrame(const SpriteClass& icon);
    void ScanStep();
    void LeaveProgram();
    void gOneButtonTimer_Timer();

    bool previousInstance = false;
    bool splashShown = false;

    SpriteClass background;
    SpriteClass exitHotspot;
    SpriteClass optionsHotspot;
    SpriteClass selectionFrame;
    SpriteClass innerFrame;
    std::array<SpriteClass, 6> icons;
    std::vector<SpriteClass*> iconList; // positions 1 to 6 of the scan are entries 0 to 5
    std::int16_t scanIndex = 0;

    bool menuMusicOn = false;
    bool menuFxOn = false;
    MMedia music;
    MMedia click;
    platform::Timer gOneButtonTimer{*this, ScanIntervalMs, false};

    LicenseSplash splash;
};

// The launcher object of the program, created at its first use; games show it when they leave.
MenuForm& TheMenuForm();
// Ends the program if the launcher is still shown and deletes the launcher object, so that the next
// TheMenuForm() creates one as a new process does (scan index 0, no icon selected, the splash to
// come): for running one program after another in a single process, as the tests do.
void DiscardMenuForm();
