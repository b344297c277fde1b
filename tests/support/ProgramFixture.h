// A whole program run headless from one of its windows: the steps of a test run one by one
// whenever a window waits for input, the launcher's scan can be walked to an icon, and the media
// commands sent can be looked up afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Common.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/ScriptedProgram.h"
#include "toolkit/GameUtil.h"

namespace testsupport {

// Whether the media command was sent since the test began.
inline bool MediaSent(std::string_view command)
{
    for (const std::string& sent : platform::headless::MediaLog()) {
        if (sent == command) {
            return true;
        }
    }
    return false;
}

class ProgramFixture : public ::testing::Test {
protected:
    // The stops of the launcher's scan: its icons and its buttons, with room to spare.
    static constexpr int ScanLength = 12;

    void SetUp() override
    {
        platform::headless::Install();
        ResetSharedState();
        platform::headless::UseDevices(true);
        platform::headless::ClearMediaLog();
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
        platform::SetProgramFolderAsCurrent();
        Common::gFullScreen = false;
        Common::gStopHint = false;
        GameUtil::SetRandomState(11);
    }

    // Runs the program from the given window; each step runs once a window waits for input, and
    // may add steps before the rest. Bounded as RunProgramSteps is.
    void RunProgram(platform::Form& start, std::vector<std::function<void()>> steps,
                    std::int64_t limitMs = ProgramTimeLimitMs)
    {
        pending.assign(steps.begin(), steps.end());
        RunProgramSteps(start, pending, limitMs);
    }

    // Space scans on until the launcher's icon of the given index is selected (the scan goes on
    // where an earlier showing left it), then the rest of the steps run. Two rounds of the scan
    // at most: then the steps are dropped and the program ended.
    void ScanTo(std::size_t index, int pressesLeft = 2 * ScanLength)
    {
        if (!TheMenuForm().Icon(index).active) {
            if (pressesLeft == 0) {
                ADD_FAILURE() << "the launcher's scan never selected icon " << index;
                pending.clear();
                return;
            }
            platform::headless::After(0).KeyPress(platform::vbKeySpace);
            pending.push_front([this, index, pressesLeft] { ScanTo(index, pressesLeft - 1); });
            return;
        }
        if (!pending.empty()) {
            const auto step = pending.front();
            pending.pop_front();
            step();
        }
    }

    static void Click(const platform::Form& form, std::int32_t x, std::int32_t y)
    {
        platform::Point point{x, y};
        ASSERT_TRUE(platform::ClientToScreen(form, &point));
        platform::headless::After(0).Click(platform::vbLeftButton, point.x, point.y);
    }

    std::deque<std::function<void()>> pending;
};

} // namespace testsupport
