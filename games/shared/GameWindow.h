// GameWindow: what every game window shares: loading in one order, the loop started by a one-shot
// timer and its time base, the level map loaded by number with its fall-back to level 1, Esc and
// F1, the panel's stop and options buttons with their hover frames, the stop hint, the options
// dialog and the music after it, the game-over curtain, the high-score window, and leaving to the
// launcher (also by the close box). Each game adds its settings, pictures, sounds, input and rules.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "platform/Form.h"
#include "platform/Timer.h"
#include "toolkit/JoyStick.h"
#include "toolkit/MMedia.h"
#include "toolkit/SpriteClass.h"

// What loading a level's map came to.
enum class LevelLoad {
    Loaded,         // the level's own map
    WrappedToFirst, // the level's map failed, the level became 1 and level 1's map loaded
    Missing,        // neither map loaded: the game leaves after this pass
};

class GameWindow : public platform::Form {
public:
    // The loop: passes until QuitGame is set, then ExitToMenu. QuitGame is left as it was found, so
    // that a request made while the window loaded (no readable level 1) ends the loop before its
    // first pass. While the game stands still, a pass that found no event is followed by a wait
    // for one, which counts as no time.
    void RunGameLoop();
    // One pass: the rules, the frame, the screen, then the pending window events, whose handlers
    // only set fields for the next pass; true when there were any.
    bool RunPass();
    // Frees the game's pictures and sounds, shows the launcher and closes this window.
    void ExitToMenu();
    // F1 and the options button: the game's options dialog, modal; after OK the settings are read
    // again, the music starts from the beginning or stops, and ApplyOptions runs.
    void ShowOptions();

    // One pass of the game by its state, with the times of this pass and the one before (ms).
    virtual void UpdateGame(double aNow, double aLast) = 0;
    // Draws the whole window.
    virtual void DrawFrame() = 0;
    // Whether the game stands still until input arrives (paused): no pass would change the
    // picture or the game until then.
    virtual bool StandsStill() const { return false; }
    // Restarts the clocks of everything that moves or animates, so that no time passes for them
    // across a pause, a dialog or a blocking wait.
    virtual void ResetTimers() = 0;
    // Release what the window loaded.
    virtual void FreeGraphics() = 0;
    virtual void CloseSounds() = 0;
    // The game's settings, on loading and again after the options dialog's OK.
    virtual void ReadSettings() = 0;

    SpriteClass StopButton;
    SpriteClass OptionsButton;
    MMedia Music;      // started on loading when MusicOn, and again after the options dialog
    MMedia ClickSound; // Esc and F1, whatever FxOn
    JoyStick Stick;
    bool MusicOn = false;
    bool FxOn = false;
    bool QuitGame = false;
    double LastTime = 0; // GetTickMs of the pass before
    double NowTime = 0;  // GetTickMs of this pass
    bool HighScoreOn = false;

    // Off until the window has loaded; its first tick starts the loop.
    platform::Timer startLoopTimer{*this, 1, false};

protected:
    GameWindow();

    // The game's part of loading: its settings, pictures and sounds, in its own order.
    virtual void LoadGame() = 0;
    // The settings every game reads alike: its name for the high-score table, "Mode", "MusicOn"
    // and "FxOn" of its own section, "HighScore" and "PauseOnStop" of the launcher's.
    void ReadSharedSettings(std::string_view section);
    // A new game at level 1 (InitLevel with a new game and its map): on loading (loading true)
    // and after the curtain (false), which a game may set up differently.
    virtual void StartNewGame(bool loading) = 0;
    // The game's options dialog.
    virtual platform::Form& OptionsDialog() = 0;
    // After the options dialog's OK, once the settings are read and the music set: reloads what the
    // settings change and starts a new game.
    virtual void ApplyOptions() = 0;
    // Forgets the held keys and buttons: their releases went to a dialog, never to this window.
    virtual void ClearHeldInput() = 0;

    // Every game loads alike: BeginLoad, the game's LoadGame, the joystick, the music when on, a
    // new game, then the loop timer armed and the default pointer.
    void Form_Load() override;
    // The start of loading: a quit request and held input left from an earlier showing are
    // forgotten, no button is framed until the pointer moves, the window fills the screen or is
    // an 800 x 600 window "Vandrel", and its font is the status panel's.
    void BeginLoad();

    // Loads the map of a level of the running mode ("Maps\<game>\<mode>\<level>.map") with loadMap.
    // When that fails the level becomes 1 and level 1's map is loaded, also when the level was 1;
    // when that fails too, QuitGame is set. Each game applies its own rule to the answer.
    LevelLoad LoadLevelMap(std::string_view game, std::int16_t& level,
                           const std::function<bool(std::string_view path)>& loadMap);

    // Esc plays the click and asks to leave; F1 plays the click and shows the options. True when
    // the key was one of the two.
    bool HandleWindowKey(std::int16_t keyCode);
    // After a key's own action: true for Enter while the stop hint shows, which then leaves the
    // game when `leave` holds; the key does nothing more.
    bool StopHintEnter(std::int16_t keyCode, bool leave);
    // A press on the stop or options button acts as Esc or F1; true when it did.
    bool PressPanelButton(float x, float y);
    // Any joystick direction or button: a waiting game starts on it.
    bool AnyStickInput();

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
    // Every pass, with whether the game is in the state the hint belongs to (waiting; playing in a
    // game without a waiting state). In that state the hint runs out after its 5000 ms. The stop
    // button is framed while the pointer is on it, and while the hint lasts in that state: once
    // play starts, the hint frames it no more.
    void UpdateStopHint(bool hintState);

    // The shot a fire command takes: the first hidden one of shots, once more than 250 ms have
    // passed since lastShotTime (a GetTickMs value); nullptr otherwise. With a shot, one of the
    // three fire sounds, drawn at random, plays when FxOn.
    SpriteClass* TakeShot(std::span<SpriteClass> shots, std::int32_t lastShotTime,
                          std::array<MMedia, 3>& fireSounds) const;

    // At every level set-up that loads a map: the curtain at rest, hidden, just above the field.
    static void RaiseCurtain(SpriteClass& curtain);
    // One pass of game over under the curtain. Its first pass shows it falling from rest at 10 px/s
    // and plays lostGameSound when FxOn; each pass it gains 125 px/s per second. Once its top is
    // down the frame is shown, the game stands still for holdMs, the curtain hides, a qualifying
    // score goes to the high-score window and a new game starts with no time passed.
    void FallCurtain(SpriteClass& curtain, MMedia& lostGameSound, std::int32_t holdMs = 5000);

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

    bool stopUnderPointer = false; // the stop button's frame of the pointer
    bool stopHintFrame = false;    // the stop button's frame of the hint, as of the last pass
};
