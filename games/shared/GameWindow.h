// GameWindow: what every game window shares: the loop started by a one-shot timer and its time
// base, the panel's stop and options buttons with their hover frames, the stop hint, the options
// dialog and the high-score window shown modally, and leaving to the launcher (also by the close
// box). Each game adds its settings, pictures, sounds, input and rules.
#pragma once

#include <cstdint>

#include "platform/Form.h"
#include "platform/Timer.h"
#include "toolkit/SpriteClass.h"

class GameWindow : public platform::Form {
public:
    // The loop: passes until QuitGame is set, then ExitToMenu. QuitGame is left as it was found, so
    // that a request made while the window loaded (no readable level 1) ends the loop before its
    // first pass.
    void RunGameLoop();
    // One pass: the rules, the frame, the screen, then the pending window events, whose handlers
    // only set fields for the next pass.
    void RunPass();
    // Frees the game's pictures and sounds, shows the launcher and closes this window.
    void ExitToMenu();

    // One pass of the game by its state, with the times of this pass and the one before (ms).
    virtual void UpdateGame(double aNow, double aLast) = 0;
    // Draws the whole window.
    virtual void DrawFrame() = 0;
    // Restarts the clocks of everything that moves or animates, so that no time passes for them
    // across a pause, a dialog or a blocking wait.
    virtual void ResetTimers() = 0;
    // Release what the window loaded.
    virtual void FreeGraphics() = 0;
    virtual void CloseSounds() = 0;

    SpriteClass StopButton;
    SpriteClass OptionsButton;
    bool QuitGame = false;
    double LastTime = 0; // GetTickMs of the pass before
    double NowTime = 0;  // GetTickMs of this pass
    bool HighScoreOn = false;

    // Off until the window has loaded; its first tick starts the loop.
    platform::Timer startLoopTimer{*this, 1, false};

protected:
    GameWindow();

    // Forgets the held keys and buttons: their releases went to a dialog, never to this window.
    virtual void ClearHeldInput() = 0;

    // The start of every game window's loading: a quit request and held input left from an earlier
    // showing are forgotten, and the window fills the screen or is an 800 x 600 window "Vandrel".
    void BeginLoad();

    // Loads the stop button at the left and the options button at the right of the panel, both
    // centred in the strip below the panel's border picture of the given height.
    void LoadPanelButtons(std::int32_t borderHeight);
    void FreePanelButtons();
    // Both buttons colour-keyed, and a 4-pixel blue frame around an active one.
    void DrawPanelButtons();
    // The key a press at (x, y) stands for: Esc on the stop button, F1 on the options button, else
    // 0.
    std::int16_t PanelButtonKey(float x, float y) const;

    // At a level start: the hint is on only when a running game restarts a level with "PauseOnStop"
    // on, for 5000 ms.
    void StartStopHint(bool newGame);
    // While waiting: the hint runs out, and the stop button is framed while it lasts.
    void UpdateStopHint();

    // Shows an options dialog modally, owned by this window; afterwards no time has passed for the
    // game and no input is held. Answers gOptionsOk.
    bool ShowOptionsDialog(platform::Form& dialog);
    // At game over: the high-score window, modal, when the score qualifies and "HighScore" is on.
    void ShowHighScoreIfQualifies();

    // Makes this pass's time "now", so that a blocking wait or a dialog counts as no time.
    void RestartTimeBase();
    // Milliseconds between the pass before and this one.
    double PassMs() const;

    // The close box leaves as Esc does, through the loop, which frees everything before unloading.
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override;
    // A button under the pointer is active (framed).
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;

private:
    void startLoopTimer_Timer();
};
