// The event loop as a whole program uses it: a launcher with a modal splash, a game shown from a
// key handler whose loop runs inside a timer tick, a modal dialog opened from inside that loop,
// windows closing themselves from their own handlers, and the order in which everything happens.
#include "platform/Events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Timer.h"

namespace platform {
namespace {

std::vector<std::string> trace;

class Splash : public Form {
public:
    Splash()
    {
        startTimer.OnTimer = [this] { startTimer_Timer(); };
    }
    Timer startTimer{*this, 5000, true};

protected:
    void Form_Load() override
    {
        trace.push_back("Splash.Load");
        SetClientSize(400, 300);
    }
    void Form_Unload(std::int16_t&) override { trace.push_back("Splash.Unload"); }

private:
    void startTimer_Timer()
    {
        trace.push_back("Splash.Timer@" + std::to_string(headless::Elapsed()));
        startTimer.SetEnabled(false);
        Unload();
    }
};

class Options : public Form {
public:
    bool ok = false;

protected:
    void Form_Load() override
    {
        trace.push_back("Options.Load");
        SetClientSize(340, 420);
    }
    void Form_QueryUnload(std::int16_t&, std::int16_t unloadMode) override
    {
        trace.push_back("Options.QueryUnload" + std::to_string(unloadMode));
        if (unloadMode == vbFormControlMenu) {
            ok = false; // the close box cancels
        }
    }
    void Form_Unload(std::int16_t&) override { trace.push_back("Options.Unload"); }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        trace.push_back("Options.KeyDown" + std::to_string(keyCode));
        if (keyCode == vbKeyReturn) {
            ok = true;
            Unload();
        }
    }
};

class Menu;

class Game : public Form {
public:
    Game(Menu& menu, Options& options) : menu_(menu), options_(options)
    {
        startLoopTimer.OnTimer = [this] { startLoopTimer_Timer(); };
        clock.OnTimer = [this] { ++clockTicks; };
    }
    Timer startLoopTimer{*this, 1, false};
    Timer clock{*this, 100, true};
    std::int32_t passes = 0;
    std::int32_t clockTicks = 0;
    std::int32_t ticksDuringOptions = 0;

protected:
    void Form_Load() override
    {
        trace.push_back("Game.Load");
        startLoopTimer.SetEnabled(true);
    }
    void Form_Unload(std::int16_t&) override { trace.push_back("Game.Unload"); }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override;

private:
    void startLoopTimer_Timer();

    Menu& menu_;
    Options& options_;
    bool quitGame_ = false;
};

class Menu : public Form {
public:
    explicit Menu(Game* game = nullptr) : game_(game) {}
    void SetGame(Game& game) { game_ = &game; }

protected:
    void Form_Initialize() override { trace.push_back("Menu.Initialize"); }
    void Form_Load() override
    {
        trace.push_back("Menu.Load");
        if (!splashShown_) {
            splash_.Show(ShowMode::Modal, this);
            splashShown_ = true;
            trace.push_back("Menu.SplashClosed");
        }
    }
    void Form_Unload(std::int16_t&) override { trace.push_back("Menu.Unload"); }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        trace.push_back("Menu.KeyDown" + std::to_string(keyCode));
        if (keyCode == vbKeyReturn) { // LaunchGame
            game_->Show();
            trace.push_back("Menu.GameShown");
            Unload();
        } else if (keyCode == vbKeyEscape) { // ExitProgram
            Unload();
        }
    }

private:
    Game* game_;
    Splash splash_;
    bool splashShown_ = false;
};

void Game::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    trace.push_back("Game.KeyDown" + std::to_string(keyCode));
    if (keyCode == vbKeyEscape) {
        quitGame_ = true;
    } else if (keyCode == vbKeyF1) {
        const std::int32_t before = clockTicks;
        options_.Show(ShowMode::Modal, this);
        ticksDuringOptions = clockTicks - before;
        trace.push_back(std::string("Game.OptionsClosed ok=") + (options_.ok ? "1" : "0"));
    }
}

void Game::startLoopTimer_Timer()
{
    startLoopTimer.SetEnabled(false);
    trace.push_back("Game.LoopStarts");
    quitGame_ = false;
    while (!quitGame_) {
        ++passes;
        Refresh();
        DoEvents();
    }
    trace.push_back("Game.LoopEnds");
    menu_.Show(); // ExitToMenu
    Unload();
}

TEST(EventsTest, LauncherGameAndModalDialogFromInsideTheLoopRunInOrder)
{
    headless::Install();
    trace.clear();
    Options options;
    Menu menu;
    Game game(menu, options);
    menu.SetGame(game);

    headless::At(5500).KeyPress(vbKeyReturn); // launch the game
    headless::At(6000).KeyPress(vbKeyF1);     // options from inside the loop
    headless::At(6050).KeyPress(vbKeySpace);  // goes to the dialog
    headless::At(6500).Close();               // the dialog's close box
    headless::At(7000).KeyPress(vbKeyF1);
    headless::At(7100).KeyPress(vbKeyReturn); // OK this time
    headless::At(7500).KeyPress(vbKeyEscape); // leave the game
    headless::At(8000).KeyPress(vbKeyEscape); // leave the program

    EXPECT_EQ(RunProgram(menu), 0);
    const std::vector<std::string> expected{
        "Menu.Initialize",
        "Menu.Load",
        "Splash.Load",
        "Splash.Timer@5000",
        "Splash.Unload",
        "Menu.SplashClosed",
        "Menu.KeyDown13",
        "Game.Load",
        "Menu.GameShown",
        "Menu.Unload",
        "Game.LoopStarts",
        "Game.KeyDown112",
        "Options.Load",
        "Options.KeyDown32",
        "Options.QueryUnload0",
        "Options.Unload",
        "Game.OptionsClosed ok=0",
        "Game.KeyDown112",
        "Options.Load",
        "Options.KeyDown13",
        "Options.QueryUnload1",
        "Options.Unload",
        "Game.OptionsClosed ok=1",
        "Game.KeyDown27",
        "Game.LoopEnds",
        "Menu.Load", // no splash on the return from a game
        "Game.Unload",
        "Menu.KeyDown27",
        "Menu.Unload",
    };
    EXPECT_EQ(trace, expected);
    EXPECT_EQ(LoadedFormCount(), 0);
    EXPECT_EQ(headless::Elapsed(), 8000);
    // The game's own clock went on ticking under the dialog (100 ms period, 100 ms open).
    EXPECT_GE(game.ticksDuringOptions, 1);
    // About one pass per 16 ms frame while the game ran (5500 to 7500, less 600 ms of dialogs).
    EXPECT_GE(game.passes, (2000 - 600) / 16 - 2);
    EXPECT_LE(game.passes, (2000 - 600) / 16 + 2);
}

TEST(EventsTest, DoEventsDeliversOnlyWhatIsDueAndNeverWaits)
{
    headless::Install();
    class Counter : public Form {
    public:
        std::int32_t keys = 0;

    protected:
        void Form_KeyDown(std::int16_t&, std::int16_t) override { ++keys; }
    } form;
    form.Show();
    headless::At(100).KeyDown(vbKeyA);
    headless::At(200).KeyDown(vbKeyB);
    DoEvents();
    EXPECT_EQ(form.keys, 0);
    EXPECT_EQ(headless::Elapsed(), 0);
    for (int frame = 0; frame < 7; ++frame) {
        form.Refresh(); // 112 ms
    }
    DoEvents();
    EXPECT_EQ(form.keys, 1);
    form.Unload();
}

} // namespace
} // namespace platform
