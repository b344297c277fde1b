// Runs a whole program on the headless backend from its first window, with scripted steps: each
// step runs once a window waits for input, and may push further steps before the rest. A run is
// bounded: what never happened is reported and the program is ended, so that a broken key fails the
// test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <vector>

#include "games/shared/GameWindow.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace testsupport {

// The virtual time a scripted program may run before it counts as hanging: far beyond any scripted
// game, and a few seconds of real time for a game loop that nothing ends.
inline constexpr std::int64_t ProgramTimeLimitMs = 120'000;

// Asks every game window to leave through its loop.
inline void QuitGames()
{
    for (platform::Form* form : platform::LoadedForms()) {
        if (auto* game = dynamic_cast<GameWindow*>(form)) {
            game->QuitGame = true;
        }
    }
}

// While a window waits for input: the games leave through their loops, and the window loaded last
// is unloaded unless it is a game's (a dialog, or the launcher once no game runs): a game window
// leaves by its loop, which runs below the wait.
inline void EndTopmostWindow()
{
    QuitGames();
    const std::vector<platform::Form*>& loaded = platform::LoadedForms();
    if (!loaded.empty() && dynamic_cast<GameWindow*>(loaded.back()) == nullptr) {
        loaded.back()->Unload();
    }
}

[[noreturn]] inline void GiveUp(const char* what)
{
    std::fprintf(stderr, "vandrel: scripted program: %s\n", what);
    std::abort();
}

// Runs the program until its last window unloads. A program still running after the last step is
// reported, and offered Esc, then the close request, then its windows are ended one by one; one
// that runs limitMs of virtual time without waiting for its next step is reported and its games
// are ended. Only a program that survives all of this ends the test program, with a message.
inline void RunProgramSteps(platform::Form& start, std::deque<std::function<void()>>& pending,
                            std::int64_t limitMs = ProgramTimeLimitMs)
{
    const std::size_t steps = pending.size();
    int endings = 0; // idle waits after the last step
    platform::headless::OnIdle([&] {
        if (!pending.empty()) {
            const auto step = pending.front();
            pending.pop_front();
            step();
            return;
        }
        ++endings;
        if (endings == 1) {
            if (!::testing::Test::HasFailure()) {
                ADD_FAILURE() << "the program still runs after the last step; Esc should end it";
            }
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
        } else if (endings == 2) {
            platform::headless::After(0).Close();
        } else if (endings <= 8) {
            EndTopmostWindow();
        } else {
            GiveUp("the program runs on although every window was asked to end");
        }
    });
    platform::headless::OnTimeLimit(limitMs, [&] {
        ADD_FAILURE() << "step " << steps - pending.size() + 1 << " of " << steps
                      << " never ran: the program still ran " << limitMs / 1000
                      << " s of virtual time after it started";
        pending.clear();
        QuitGames();
        platform::headless::OnTimeLimit(
            10'000, [] { GiveUp("a game runs on although it was asked to leave"); });
    });
    EXPECT_EQ(platform::RunProgram(start), 0);
    platform::headless::OnIdle(nullptr);
    platform::headless::OnTimeLimit(0, nullptr);
    EXPECT_TRUE(pending.empty()) << pending.size() << " steps never ran";
}

} // namespace testsupport
