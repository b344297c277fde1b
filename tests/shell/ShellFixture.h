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

inline std::string Setting(std::string_view section, std::string_view key)
{
    return platform::GetSetting(Common::AppName, section, key, "<absent>");
}

inline void Save(std::string_view section, std::string_view key, std::string_view value)
{
    platform::SaveSetting(Common::AppName, section, key, value);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        platform::headless::UseDevices(true);
        std::error_code ignored;
        std::filesystem::remove(platform::settings::FilePath(Common::AppName), ignored);
        platform::SetProgramFolderAsCurrent();
        ResetSharedState();
    }
};

} // namespace shelltest
