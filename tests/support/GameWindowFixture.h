// A fresh game window for every test on the headless backend: a program folder and a settings
// folder of the test's own (the generated pictures and sounds linked in, maps written by the test
// or the shipped ones), the shared state reset, and passes, keys and clicks run by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unistd.h>

#include "common/Common.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Joystick.h"
#include "platform/Media.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "shell/MenuForm.h"
#include "tests/support/TextFiles.h"
#include "toolkit/GameUtil.h"

namespace testsupport {

// Makes a folder of its own for a test below the system's temporary folder, and removes it again.
class TestFolder {
public:
    explicit TestFolder(std::string_view kind)
    {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("vandrel-" + std::string(kind) + "-" + std::to_string(::getpid()) + "-" +
                 std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// While it lives, the settings are read from and written to an empty folder of their own.
class OwnSettings {
public:
    OwnSettings() : folder_("settings")
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        old_ = old != nullptr ? old : "";
        ::setenv("XDG_CONFIG_HOME", folder_.Path().c_str(), 1);
    }
    ~OwnSettings() { ::setenv("XDG_CONFIG_HOME", old_.c_str(), 1); }
    OwnSettings(const OwnSettings&) = delete;
    OwnSettings& operator=(const OwnSettings&) = delete;

private:
    TestFolder folder_;
    std::string old_;
};

// The shared state of the program as a fresh process has it, with a launcher object not yet made.
inline void ResetSharedState()
{
    DiscardMenuForm();
    Common::gFullScreen = false;
    Common::gOptionsOk = false;
    Common::gMode = "easy";
    Common::gGameName.clear();
    Common::gScore = 0;
    Common::gOneButton = false;
    Common::gPauseOnStop = false;
    Common::gStopHint = false;
    Common::gStopHintUntil = 0;
}

template <typename Window> class GameWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        ResetSharedState();
        GameUtil::SetRandomState(7);
        // The test's program folder: the generated data linked in, and no maps until it writes
        // some or takes the shipped ones.
        for (const char* data : {"Gfx", "Sfx", "Music"}) {
            std::filesystem::create_directory_symlink(platform::ProgramFolder() / data,
                                                      folder / data);
        }
        std::filesystem::create_directory(folder / "Maps");
        platform::SetCurrentDirectoryA(folder.string());
    }

    void TearDown() override
    {
        if (form.IsLoaded()) {
            form.FreeGraphics();
            form.CloseSounds();
            form.Unload();
        }
        platform::headless::OnIdle(nullptr);
        platform::headless::SetJoysticks({});
        platform::SetProgramFolderAsCurrent();
    }

    // A joystick plugged in, centred with no button held, for a window loaded after this; SetStick
    // moves it and holds its buttons (bits 1, 2, 4, 8) until the next call. Unplugged at the end.
    static void PlugInStick()
    {
        platform::headless::SetJoysticks(
            {{{"pad", 0, 65535, 0, 65535, 0, 0, 4, 2}, {32768, 32768, 0, 0}, false, false}});
    }
    static void SetStick(std::uint32_t x, std::uint32_t y, std::uint32_t buttons = 0)
    {
        platform::headless::Joystick(0).reading = {x, y, 0, buttons};
    }

    // The shipped maps instead of the test's own.
    void UseShippedMaps()
    {
        std::filesystem::remove_all(folder / "Maps");
        std::filesystem::create_directory_symlink(platform::ProgramFolder() / "Maps",
                                                  folder / "Maps");
    }

    // Writes the map file of a level of a game and mode.
    void WriteMap(std::string_view game, int level, const std::string& text,
                  std::string_view mode = "easy")
    {
        WriteText(folder / "Maps" / game / mode / (std::to_string(level) + ".map"), text);
    }

    static void Save(std::string_view section, std::string_view key, std::string_view value)
    {
        platform::SaveSetting("Vandrel", section, key, value);
    }
    static std::string Stored(std::string_view section, std::string_view key)
    {
        return platform::GetSetting("Vandrel", section, key, "(none)");
    }

    // Shows (or only loads) the window as the launcher does, without letting its loop start; the
    // passes are run by the test.
    void ShowWindow()
    {
        form.Show();
        HoldLoop();
    }
    void LoadWindow()
    {
        form.Load();
        HoldLoop();
    }

    // Moves the clock on until its 32-bit millisecond tick reads `tick`. The random numbers mix in
    // the tick, so a replay starts at one time as well as from one random state.
    static void SetClockTo(std::uint32_t tick)
    {
        const auto now = static_cast<std::uint32_t>(GameUtil::GetTickMs());
        platform::virtualclock::Advance(static_cast<std::uint32_t>(tick - now));
    }

    // One pass of the rules after ms milliseconds, as the loop runs it (without drawing).
    void Pass(std::int32_t ms)
    {
        platform::virtualclock::Advance(ms);
        form.LastTime = form.NowTime;
        form.NowTime = GameUtil::GetTickMs();
        form.UpdateGame(form.NowTime, form.LastTime);
    }

    // Whole passes of the loop: rules, frame, screen and events.
    void RunPass(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            form.RunPass();
        }
    }

    // Runs passes until done() holds; false when it still does not after maxPasses.
    bool PassUntil(const std::function<bool()>& done, int maxPasses = 3000)
    {
        for (int i = 0; i < maxPasses; ++i) {
            if (done()) {
                return true;
            }
            form.RunPass();
        }
        return done();
    }

    // Input delivered to the shown window at once.
    static void KeyDown(std::int16_t key)
    {
        platform::headless::After(0).KeyDown(key);
        platform::DoEvents();
    }
    static void KeyUp(std::int16_t key)
    {
        platform::headless::After(0).KeyUp(key);
        platform::DoEvents();
    }
    static void KeyPress(std::int16_t key)
    {
        platform::headless::After(0).KeyPress(key);
        platform::DoEvents();
    }
    // F1, and the game's options dialog, once it waits for input, closed after ms milliseconds in
    // it with OK (gOptionsOk true) or cancel.
    void AnswerOptions(std::int32_t ms, bool ok)
    {
        platform::headless::OnIdle([this, ms, ok] {
            platform::virtualclock::Advance(ms);
            Common::gOptionsOk = ok;
            form.Options.Unload();
        });
        KeyPress(platform::vbKeyF1);
        platform::headless::OnIdle(nullptr);
    }
    // Pointer input at a point of the window's client area.
    void Click(std::int16_t button, double x, double y)
    {
        const platform::Point at = OnScreen(x, y);
        platform::headless::After(0).Click(button, at.x, at.y);
        platform::DoEvents();
    }
    void MouseMove(double x, double y)
    {
        const platform::Point at = OnScreen(x, y);
        platform::headless::After(0).MouseMove(at.x, at.y);
        platform::DoEvents();
    }
    platform::Point OnScreen(double x, double y) const
    {
        platform::Point point{platform::CLng(x), platform::CLng(y)};
        EXPECT_TRUE(platform::ClientToScreen(form, &point));
        return point;
    }

    TestFolder programFolder{"game"};
    const std::filesystem::path& folder = programFolder.Path();
    OwnSettings settings;
    Window form;

private:
    // The loop timer stopped, and the time base set as the loop's start would set it.
    void HoldLoop()
    {
        form.startLoopTimer.SetEnabled(false);
        form.NowTime = GameUtil::GetTickMs();
        form.LastTime = form.NowTime;
        platform::headless::ClearMediaLog();
    }
};

} // namespace testsupport
