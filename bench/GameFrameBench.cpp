// GameFrameBench: each game plays 3000 frames of 16 ms on the headless backend with scripted input,
// and the time of every frame's update and drawing (not its present) is measured on the real
// clock; the median and the 99th percentile in microseconds are reported per game.
// A game joins by adding its GameEntry (its settings and its input for a frame) to Games().
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

#include "games/krevin/KrevinForm.h"
#include "games/lupido/LupidoForm.h"
#include "games/morvex/MorvexForm.h"
#include "games/quadrel/QuadrelForm.h"
#include "games/shared/GameWindow.h"
#include "games/tamblo/TambloForm.h"
#include "games/zentar/ZentarForm.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Headless.h"
#include "platform/HeadlessDevices.h"
#include "platform/Input.h"
#include "platform/Paths.h"
#include "platform/Settings.h"
#include "toolkit/GameUtil.h"

namespace {

constexpr int Frames = 3000;
constexpr std::int32_t FrameMs = 16;

struct BenchGame {
    const char* name;
    std::function<void()> start;          // settings, then the window shown and its loop held back
    std::function<void(int frame)> input; // scripts the input of a frame
    std::function<void()> update;         // timed: the rules and the drawing of one pass
    std::function<void()> rest;           // untimed: the present, the events, the end of the pass
    std::function<void()> stop;
};

// A game's entry: its settings stored, then the window shown as the launcher does with its loop
// held back; each frame the scripted input, the timed rules and drawing, and the untimed rest of
// the pass.
BenchGame GameEntry(const char* name, GameWindow& form, std::string_view section,
                    std::vector<std::pair<const char*, const char*>> settings,
                    std::function<void(int frame)> input)
{
    return {
        name,
        [&form, section, settings] {
            for (const auto& [key, value] : settings) {
                platform::SaveSetting("Vandrel", section, key, value);
            }
            form.Show();
            form.startLoopTimer.SetEnabled(false);
            form.LastTime = GameUtil::GetTickMs();
        },
        std::move(input),
        [&form] {
            form.NowTime = GameUtil::GetTickMs();
            form.UpdateGame(form.NowTime, form.LastTime);
            form.DrawFrame();
        },
        [&form] {
            form.Refresh();
            platform::DoEvents();
            form.LastTime = form.NowTime;
        },
        [&form] {
            form.FreeGraphics();
            form.CloseSounds();
            form.Unload();
        },
    };
}

// Tamblo in mode "easy" with every ghost: the figure holds one arrow until it stands against a
// wall, then takes another, and play starts again whenever a level, a life or a game begins.
BenchGame Tamblo()
{
    TambloForm& form = TheTambloForm();
    auto arrow = std::make_shared<int>(0);
    return GameEntry("Tamblo", form, "Tamblo",
                     {{"Mode", "easy"},
                      {"MaxNumGhosts", "20"},
                      {"TambloSpeed", "120"},
                      {"GhostSpeed", "90"},
                      {"FxOn", "1"},
                      {"MusicOn", "1"}},
                     [&form, arrow](int frame) {
                         const std::int16_t arrows[] = {platform::vbKeyRight, platform::vbKeyDown,
                                                        platform::vbKeyLeft, platform::vbKeyUp};
                         if (form.Player.xMov == 0 && form.Player.yMov == 0) {
                             *arrow = (*arrow + 1 + frame / 7 % 3) % 4;
                         }
                         for (int i = 0; i < 4; ++i) {
                             platform::headless::SetKeyState(arrows[i], i == *arrow);
                         }
                         if (form.GameMode == tamblo::GameMode::Waiting) {
                             platform::headless::After(0).KeyPress(platform::vbKeyF3);
                         }
                     });
}

// Zentar in mode "normal": the ship patrols by itself (Space) and fires every 20 frames; any
// waiting level or new game is started again at once.
BenchGame Zentar()
{
    ZentarForm& form = TheZentarForm();
    return GameEntry("Zentar", form, "Zentar",
                     {{"Mode", "normal"},
                      {"ShipSpeed", "150"},
                      {"AliensSpeed", "60"},
                      {"Background", "3"},
                      {"FxOn", "1"},
                      {"MusicOn", "1"}},
                     [&form](int frame) {
                         if (form.GameMode == zentar::GameMode::Waiting) {
                             platform::headless::After(0).KeyDown(platform::vbKeySpace);
                         }
                         if (frame % 20 == 0) {
                             platform::headless::After(0).KeyPress(platform::vbKeyUp);
                         }
                     });
}

// Lupido in mode "normal": the rabbit hops up a row every 70 frames and left every seventh time,
// so that it crosses, is hit, drowns and starts new games.
BenchGame Lupido()
{
    return GameEntry("Lupido", TheLupidoForm(), "Lupido",
                     {{"Mode", "normal"}, {"CarSpeed", "60"}, {"FxOn", "1"}, {"MusicOn", "1"}},
                     [](int frame) {
                         if (frame % 70 == 0) {
                             platform::headless::After(0).KeyPress(
                                 frame % 490 == 0 ? platform::vbKeyLeft : platform::vbKeyUp);
                         }
                     });
}

// Krevin in mode "easy" at high speeds: the pad chases the ball (Left or Right held towards it),
// which also serves any waiting ball at once.
BenchGame Krevin()
{
    KrevinForm& form = TheKrevinForm();
    return GameEntry(
        "Krevin", form, "Krevin",
        {{"Mode", "easy"},
         {"PadSpeed", "300"},
         {"BallSpeed", "200"},
         {"Background", "3"},
         {"FxOn", "1"},
         {"MusicOn", "1"}},
        [&form](int) {
            const bool left = form.Balls[0].MiddleX() < form.Pad.MiddleX();
            platform::headless::After(0).KeyUp(left ? platform::vbKeyRight : platform::vbKeyLeft);
            platform::headless::After(0).KeyDown(left ? platform::vbKeyLeft : platform::vbKeyRight);
        });
}

// Quadrel in mode "normal": every eight frames the piece moves, turns or drops, in a fixed
// round; a waiting level or new game is started again at once.
BenchGame Quadrel()
{
    QuadrelForm& form = TheQuadrelForm();
    return GameEntry("Quadrel", form, "Quadrel",
                     {{"Mode", "normal"},
                      {"FallSpeed", "80"},
                      {"MoveSpeed", "500"},
                      {"FxOn", "1"},
                      {"MusicOn", "1"}},
                     [&form](int frame) {
                         const std::int16_t keys[] = {platform::vbKeyLeft, platform::vbKeyUp,
                                                      platform::vbKeyRight, platform::vbKeyRight,
                                                      platform::vbKeyDown};
                         if (form.GameMode == quadrel::GameMode::Waiting || frame % 8 == 0) {
                             platform::headless::After(0).KeyPress(keys[frame / 8 % 5]);
                         }
                     });
}

// Morvex in mode "normal" with quick rocks: the ship turns all the time (Space held), thrusts
// for a third of every second and fires whenever it may (Enter held); play starts again
// whenever a level, a life or a game begins.
BenchGame Morvex()
{
    MorvexForm& form = TheMorvexForm();
    return GameEntry("Morvex", form, "Morvex",
                     {{"Mode", "normal"},
                      {"ShipSpeed", "150"},
                      {"RotateSpeed", "3"},
                      {"RockSpeed", "120"},
                      {"Background", "3"},
                      {"FxOn", "1"},
                      {"MusicOn", "1"}},
                     [&form](int frame) {
                         platform::headless::SetKeyState(platform::vbKeyReturn, true);
                         platform::headless::SetKeyState(platform::vbKeyUp, frame % 60 < 20);
                         if (form.GameMode == morvex::GameMode::Waiting) {
                             platform::headless::After(0).KeyDown(platform::vbKeySpace);
                         }
                     });
}

std::vector<BenchGame> Games()
{
    return {Tamblo(), Zentar(), Lupido(), Krevin(), Quadrel(), Morvex()};
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

} // namespace

int main()
{
    // Game time runs on the virtual clock, 16 ms a frame; only the frames' work is timed for real.
    platform::virtualclock::Enable(true);
    platform::virtualclock::SetFramePeriod(FrameMs);
    platform::headless::UseDevices(true);
    const auto config =
        std::filesystem::temp_directory_path() / ("vandrel-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    // The benchmark lies in build/bench, the games' data in build/bin.
    platform::SetProgramFolder(platform::ProgramFolder().parent_path() / "bin");
    platform::SetProgramFolderAsCurrent();

    for (BenchGame& game : Games()) {
        platform::headless::Install();
        GameUtil::SetRandomState(1);
        game.start();
        std::vector<double> micros;
        micros.reserve(Frames);
        for (int frame = 0; frame < Frames; ++frame) {
            game.input(frame);
            const auto begin = std::chrono::steady_clock::now();
            game.update();
            const auto end = std::chrono::steady_clock::now();
            micros.push_back(std::chrono::duration<double, std::micro>(end - begin).count());
            game.rest();
        }
        game.stop();
        std::printf("%-8s %d frames of %d ms: median %.1f us, 99th percentile %.1f us per frame\n",
                    game.name, Frames, FrameMs, Percentile(micros, 0.5), Percentile(micros, 0.99));
    }
    std::error_code ignored;
    std::filesystem::remove_all(config, ignored);
    return 0;
}
