// Timers: ticks at their interval from any loop, no backlog after a late handler, restarts on
// enabling, no re-entrant tick while the handler runs, and none once the form has unloaded.
#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace platform {
namespace {

class PlainForm : public Form {
public:
    std::function<void()> onLoad;
    std::function<void(std::int16_t)> onKeyDown;

protected:
    void Form_Load() override
    {
        if (onLoad) {
            onLoad();
        }
    }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t) override
    {
        if (onKeyDown) {
            onKeyDown(keyCode);
        }
    }
};

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }
};

// Runs the form modally until `stop` ms, when a second timer unloads it.
void RunFor(PlainForm& form, std::int32_t stopMs)
{
    Timer stop(form, stopMs, true);
    stop.OnTimer = [&form] { form.Unload(); };
    form.Show(ShowMode::Modal);
}

TEST_F(TimerTest, TicksEveryIntervalCountedFromTheFormsLoading)
{
    PlainForm form;
    Timer timer(form, 100, true);
    std::vector<std::int64_t> ticks;
    timer.OnTimer = [&] { ticks.push_back(headless::Elapsed()); };
    RunFor(form, 450);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 300, 400}));
    EXPECT_FALSE(timer.Enabled()); // unloading the form disabled it
}

TEST_F(TimerTest, ALateHandlerGetsOneTickAndNoBacklog)
{
    PlainForm form;
    Timer timer(form, 100, true);
    std::vector<std::int64_t> ticks;
    timer.OnTimer = [&] {
        ticks.push_back(headless::Elapsed());
        if (ticks.size() == 1) {
            Sleep(350); // the window thread stands still for 350 ms
        }
    };
    RunFor(form, 700);
    // Due at 200 while the first handler ran until 450: one tick at 450, then every 100 ms.
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 450, 550, 650}));
}

TEST_F(TimerTest, EnablingAgainOrChangingTheIntervalStartsTheIntervalAnew)
{
    PlainForm form;
    Timer timer(form, 100, true);
    Timer control(form, 250, true);
    std::vector<std::int64_t> ticks;
    timer.OnTimer = [&] { ticks.push_back(headless::Elapsed()); };
    control.OnTimer = [&] {
        control.SetEnabled(false);
        timer.SetEnabled(false);
        timer.SetEnabled(true); // at 250: next tick at 350, not 300
    };
    RunFor(form, 400);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 350}));

    ticks.clear();
    timer.SetInterval(100);
    control.SetEnabled(true);
    control.OnTimer = [&] {
        control.SetEnabled(false);
        timer.SetInterval(40); // at 400 + 250: next tick 40 ms later
    };
    const std::int64_t start = headless::Elapsed();
    timer.SetEnabled(true);
    RunFor(form, 300);
    for (std::int64_t& tick : ticks) {
        tick -= start;
    }
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 200, 290}));
}

TEST_F(TimerTest, AGameLoopInsideATickGetsNoReentrantTickAndOtherTimersStillTick)
{
    PlainForm game;
    Timer startLoopTimer(game, 1, false);
    Timer clock(game, 100, true);
    game.onLoad = [&] { startLoopTimer.SetEnabled(true); };
    std::int32_t loopEntries = 0;
    std::int32_t clockTicks = 0;
    bool quit = false;
    clock.OnTimer = [&] { ++clockTicks; };
    // The loop keeps its timer enabled, so only the running flag keeps it from ticking again.
    startLoopTimer.OnTimer = [&] {
        ++loopEntries;
        while (!quit) {
            game.Refresh();
            DoEvents();
        }
        game.Unload();
    };
    game.onKeyDown = [&](std::int16_t) { quit = true; };
    headless::At(1000).KeyDown(vbKeyEscape);
    EXPECT_EQ(RunProgram(game), 0);
    EXPECT_EQ(loopEntries, 1);
    // Ticks at 100, 200, ... while the loop ran to about 1000 ms in frames of 16 ms.
    EXPECT_GE(clockTicks, 9);
    EXPECT_LE(clockTicks, 10);
}

TEST_F(TimerTest, TimersOfTheFormBelowTickWhileAModalFormIsOpen)
{
    PlainForm menu;
    PlainForm options;
    Timer oneButtonTimer(menu, 2000, true);
    std::vector<std::int64_t> ticks;
    oneButtonTimer.OnTimer = [&] { ticks.push_back(headless::Elapsed()); };
    menu.Show();
    Timer close(options, 5000, true);
    close.OnTimer = [&] { options.Unload(); };
    options.Show(ShowMode::Modal, &menu);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{2000, 4000}));
    menu.Unload();
}

TEST_F(TimerTest, ZeroIntervalOrAClosedFormNeverTicks)
{
    PlainForm form;
    Timer zero(form, 0, true);
    Timer closed(form, 10, true);
    std::int32_t ticks = 0;
    zero.OnTimer = [&] { ++ticks; };
    closed.OnTimer = [&] { ++ticks; };
    DoEvents();
    Sleep(100);
    DoEvents();
    EXPECT_EQ(ticks, 0); // form not loaded
    form.Show();
    closed.SetEnabled(false);
    Sleep(100);
    DoEvents();
    EXPECT_EQ(ticks, 0);
    form.Unload();
}

} // namespace
} // namespace platform
