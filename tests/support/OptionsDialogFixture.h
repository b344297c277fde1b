// A game's options dialog on the headless backend with a settings folder of the test's own: the
// dialog shown modally while scripted steps click and type, and the stored keys read back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Common.h"
#include "platform/Form.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Settings.h"
#include "tests/support/GameWindowFixture.h"
#include "toolkit/SpriteClass.h"

namespace testsupport {

template <typename Dialog> class OptionsDialogFixture : public ::testing::Test {
protected:
    explicit OptionsDialogFixture(std::string section) : section_(std::move(section)) {}

    void SetUp() override
    {
        platform::headless::Install();
        ResetSharedState();
    }

    void TearDown() override { platform::headless::OnIdle(nullptr); }

    // Shows the dialog modally; each step runs once the dialog waits for input, and may script
    // some. A dialog still open after the last step is closed and reported.
    void Run(std::vector<std::function<void()>> steps)
    {
        std::deque<std::function<void()>> pending(steps.begin(), steps.end());
        platform::headless::OnIdle([&] {
            if (pending.empty()) {
                ADD_FAILURE() << "the dialog is still open after the last step";
                dialog.Unload();
                return;
            }
            const auto step = pending.front();
            pending.pop_front();
            step();
        });
        dialog.Show(platform::vbModal);
        platform::headless::OnIdle(nullptr);
        EXPECT_TRUE(pending.empty());
        EXPECT_FALSE(dialog.IsLoaded());
    }

    // Clicks a point of a form's client area with a button.
    static void Click(const platform::Form& form, std::int16_t button, std::int32_t x,
                      std::int32_t y)
    {
        platform::Point point{x, y};
        ASSERT_TRUE(platform::ClientToScreen(form, &point));
        platform::headless::After(0).Click(button, point.x, point.y);
    }
    void ClickMiddle(std::int16_t button, const SpriteClass& sprite)
    {
        Click(dialog, button, platform::CLng(sprite.X) + sprite.width / 2,
              platform::CLng(sprite.Y) + sprite.Height / 2);
    }

    void Save(std::string_view key, std::string_view value)
    {
        platform::SaveSetting("Vandrel", section_, key, value);
    }
    std::string Stored(std::string_view key)
    {
        return platform::GetSetting("Vandrel", section_, key, "(none)");
    }

    // The keys of the dialog's section in the order they stand in the settings file.
    std::vector<std::string> KeysInFile()
    {
        std::ifstream in(platform::settings::FilePath("Vandrel"));
        std::vector<std::string> keys;
        std::string line;
        bool inSection = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '[') {
                inSection = line.rfind("[" + section_ + "]", 0) == 0;
            } else if (inSection && line.find('=') != std::string::npos) {
                keys.push_back(line.substr(0, line.find('=')));
            }
        }
        return keys;
    }

    OwnSettings settings;
    Dialog dialog;

private:
    std::string section_;
};

} // namespace testsupport
