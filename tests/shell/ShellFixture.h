// The starting point of every shell test: the headless backend and devices, an empty settings
// store, the program folder current, and the shared state at its zero values.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "common/Common.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Media.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "shell/HighScoreTable.h"
#include "toolkit/GameUtil.h"

namespace shelltest {

inline void ResetSharedState()
{
    Common::gFullScreen = false;
    Common::gOptionsOk = false;
    Common::gMode.clear();
    Common::gGameName.clear();
    Common::gScore = 0;
    Common::gOneButton = false;
    Common::gPauseOnStop = false;
    Common::gStopHint = false;
    Common::gStopHintUntil = 0;
    Common::gHighScores = {};
    Common::gHighScoreNames = {};
    GameUtil::gFontScale = 1;
}

// Whether the media log holds this command string.
inline bool MediaSent(std::string_view command)
{
    for (const std::string& sent : platform::headless::MediaLog()) {
        if (sent == command) {
            return true;
        }
    }
    return false;
}

inline std::string Setting(std::string_view section, std::string_view key)
{
    return platform::GetSetting(Common::AppName, section, key, "<absent>");
}

inline void Save(std::string_view section, std::string_view key, std::string_view value)
{
    platform::SaveSetting(Common::AppName, section, key, value);
}

// The desktop's own mode; the display also offers 800 x 600 at 32, 16 and 8 bits.
inline constexpr platform::DevMode DesktopMode{32, 1024, 768, 60, 0};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        platform::headless::SetDisplay(
            DesktopMode,
            {DesktopMode, {32, 800, 600, 60, 0}, {16, 800, 600, 60, 0}, {8, 800, 600, 60, 0}});
        platform::headless::UseDevices(true);
        platform::headless::ClearMediaLog();
        std::error_code ignored;
        std::filesystem::remove(platform::settings::FilePath(Common::AppName), ignored);
        platform::SetProgramFolderAsCurrent();
        ResetSharedState();
    }
};

} // namespace shelltest
