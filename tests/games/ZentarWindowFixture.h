// A fresh Zentar window for each test: a clean settings store, the window loaded on the headless
// backend with its loop timer held back, and helpers to place aliens and to run passes by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>

#include "common/Common.h"
#include "games/zentar/ZentarCommon.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/Media.h"
#include "platform/Settings.h"
#include "toolkit/GameUtil.h"

class ZentarWindowFixture : public ::testing::Test {
protected:
    struct AlienAt {
        std::int32_t type = 0;
        double x = 0;
        double y = 0;
        bool visible = true;
    };

    void SetUp() override
    {
        platform::headless::Install();
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
        Common::gFullScreen = false;
        Common::gStopHint = false;
        GameUtil::SetRandomState(7);
    }

    void TearDown() override
    {
        if (form.IsLoaded()) {
            form.FreeGraphics();
            form.CloseSounds();
            form.Unload();
        }
    }

    static void Save(const char* section, const char* key, const char* value)
    {
        platform::SaveSetting("Vandrel", section, key, value);
    }

    // Loads the window as the launcher would, without letting its loop start.
    void LoadWindow()
    {
        form.Load();
        form.startLoopTimer.SetEnabled(false);
        platform::headless::ClearMediaLog();
    }

    // Shows the window as the launcher does, without letting its loop start.
    void ShowWindow()
    {
        form.Show();
        form.startLoopTimer.SetEnabled(false);
        platform::headless::ClearMediaLog();
    }

    // Delivers a key press (or release) to the shown window.
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

    // Replaces the level's aliens (as a map with these aliens would) and sets the level up again.
    void PlaceAliens(std::initializer_list<AlienAt> aliens)
    {
        namespace zc = ZentarCommon;
        zc::MapAliens.clear();
        for (const AlienAt& at : aliens) {
            SpriteClass alien;
            alien.id = at.type;
            alien.X = at.x;
            alien.Y = at.y;
            zc::MapAliens.push_back(alien);
        }
        form.PrepareLevelGraphics();
        form.AlienStarts = zc::MapAliens;
        for (std::size_t i = 0; i < zc::MapAliens.size(); ++i) {
            zc::MapAliens[i].visible = aliens.begin()[i].visible;
        }
        form.InitLevel(false, false);
    }

    // One pass of the rules after ms milliseconds, as the loop runs it (without drawing).
    void Pass(std::int32_t ms)
    {
        platform::virtualclock::Advance(ms);
        form.LastTime = form.NowTime;
        form.NowTime = GameUtil::GetTickMs();
        form.UpdateGame(form.NowTime, form.LastTime);
    }

    void Start()
    {
        form.NowTime = GameUtil::GetTickMs();
        form.StartGame();
    }

    ZentarForm& form = TheZentarForm();
};
