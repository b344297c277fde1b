// Runs a whole program on the headless backend from its first window, with scripted steps: each
// step runs once a window waits for input, and may push further steps before the rest.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"

namespace testsupport {

// A program still running after the last step is reported and told to leave with Esc.
inline void RunProgramSteps(platform::Form& start, std::deque<std::function<void()>>& pending)
{
    platform::headless::OnIdle([&] {
        if (pending.empty()) {
            ADD_FAILURE() << "the program still runs after the last step";
            platform::headless::After(0).KeyPress(platform::vbKeyEscape);
            return;
        }
        const auto step = pending.front();
        pending.pop_front();
        step();
    });
    EXPECT_EQ(platform::RunProgram(start), 0);
    platform::headless::OnIdle(nullptr);
    EXPECT_TRUE(pending.empty());
}

} // namespace testsupport
