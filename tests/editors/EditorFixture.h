// A fresh editor window for each test, on the headless backend in a temporary program folder of
// its own (the generated pictures and sounds linked in, empty map folders), with passes of its loop
// run one at a time, pointer input in client pixels, and message boxes answered and counted. The
// editors have no clock: every helper runs a bounded number of passes and fails, saying what never
// happened, instead of waiting for ever.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/Common.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "tests/support/GameWindowFixture.h"
#include "tests/support/TextFiles.h"

template <typename Editor> class EditorFixture : public ::testing::Test {
public:
    explicit EditorFixture(std::string gameFolder) : mapFolder(std::move(gameFolder)) {}

    void SetUp() override
    {
        platform::headless::Install();
        platform::headless::OnIdle([this] {
            ++messageBoxes;
            platform::headless::After(0).KeyPress(platform::vbKeyReturn);
        });
        testsupport::ResetSharedState();
        for (const char* mode : {"easy", "normal"}) {
            std::filesystem::create_directories(folder / "Maps" / mapFolder / mode);
        }
        for (const char* data : {"Gfx", "Sfx", "Music"}) {
            std::filesystem::create_directory_symlink(shipped / data, folder / data);
        }
        platform::SetProgramFolder(folder);
        platform::SetProgramFolderAsCurrent();
    }

    void TearDown() override
    {
        if (form.IsLoaded()) {
            form.QuitEditor = true;
            form.Unload();
        }
        platform::headless::OnIdle(nullptr);
        platform::SetProgramFolder(shipped);
        platform::SetProgramFolderAsCurrent();
    }

    // Shows the editor as its program does; the test runs its passes.
    void Show()
    {
        form.Show();
        form.startLoopTimer.SetEnabled(false);
        form.RunPass();
    }
    // Esc, then the loop runs to its end and closes the window.
    void Close()
    {
        Key(platform::vbKeyEscape);
        for (int pass = 1; pass < MaxPasses && !form.QuitEditor; ++pass) {
            form.RunPass();
        }
        ASSERT_TRUE(form.QuitEditor)
            << "Esc did not set the quit flag in " << MaxPasses << " passes";
        form.RunEditorLoop();
        ASSERT_FALSE(form.IsLoaded());
    }
    // A key press and the pass that handles it.
    void Key(std::int16_t keyCode)
    {
        platform::headless::After(0).KeyPress(keyCode);
        form.RunPass();
    }

    // The pointer moves there and a pass sees it.
    void Move(std::int32_t x, std::int32_t y)
    {
        platform::headless::After(0).MouseMove(x, y);
        form.RunPass();
        form.RunPass();
    }
    void Press(std::int32_t x, std::int32_t y)
    {
        Move(x, y);
        platform::headless::After(0).MouseDown(1, x, y);
        form.RunPass();
        form.RunPass();
    }
    void Release(std::int32_t x, std::int32_t y)
    {
        platform::headless::After(0).MouseUp(1, x, y);
        form.RunPass();
    }
    void Click(std::int32_t x, std::int32_t y)
    {
        Move(x, y);
        platform::headless::After(0).Click(1, x, y);
        form.RunPass();
    }
    // Clicks the middle of a sprite.
    void Click(const SpriteClass& sprite)
    {
        Click(platform::CLng(sprite.X) + sprite.width / 2,
              platform::CLng(sprite.Y) + sprite.Height / 2);
    }

    // Level 1 of the mode in force, as shipped, opened in the editor; the path it was opened from.
    std::filesystem::path OpenLevelOne()
    {
        const std::filesystem::path map = MapFile("level1", Common::gMode);
        std::filesystem::copy_file(shipped / "Maps" / mapFolder / Common::gMode / "1.map", map,
                                   std::filesystem::copy_options::overwrite_existing);
        platform::headless::AnswerFileDialog("level1");
        Click(form.openButton);
        return map;
    }

    // The tool on the panel shows its picture, and the panel colour where the picture has its key
    // colour (the outline on its top and left edges aside).
    void ExpectToolPreview(const SpriteClass& tool)
    {
        Move(400, 595); // no brush over the panel
        int keyed = 0;
        int wrong = 0;
        for (std::int32_t y = 1; y < tool.Height; ++y) {
            for (std::int32_t x = 1; x < tool.width; ++x) {
                const platform::Color picture = tool.GetDCPixel(x, y);
                const bool key = picture == tool.colorKey;
                keyed += key ? 1 : 0;
                wrong += platform::headless::ScreenPixel(platform::CLng(tool.X) + x,
                                                         platform::CLng(tool.Y) + y) !=
                                 (key ? platform::Rgb(197, 224, 157) : picture)
                             ? 1
                             : 0;
            }
        }
        EXPECT_GT(keyed, 0);
        EXPECT_EQ(wrong, 0);
    }

    // Every shipped map of the game, opened and saved again in the editor, gives the same bytes.
    void ExpectShippedMapsRoundTrip(const std::string& openTitle)
    {
        for (const char* mode : {"easy", "normal"}) {
            if (Common::gMode != mode) {
                platform::headless::After(0).KeyPress(platform::vbKeyM);
                form.RunPass();
            }
            for (const auto& entry :
                 std::filesystem::directory_iterator(shipped / "Maps" / mapFolder / mode)) {
                const std::filesystem::path& map = entry.path();
                SCOPED_TRACE(map.string());
                const std::string original = testsupport::ReadText(map);
                testsupport::WriteText(MapFile("original", mode), original);
                platform::headless::AnswerFileDialog("original");
                Click(form.openButton);
                EXPECT_EQ(form.Caption(), openTitle + MapFile("original", mode).string());
                platform::headless::AnswerFileDialog("copy");
                Click(form.saveButton);
                EXPECT_EQ(testsupport::ReadText(MapFile("copy", mode)), original);
            }
        }
        EXPECT_EQ(messageBoxes, 0);
    }

    // Level 1 played for a few passes in the game window, shown as the launcher shows it.
    template <typename Game, typename Check> static void PlayLevelOne(Check check)
    {
        Game game;
        game.Show();
        game.startLoopTimer.SetEnabled(false);
        for (int pass = 0; pass < 5; ++pass) {
            game.RunPass();
        }
        EXPECT_FALSE(game.QuitGame);
        check(game);
        game.FreeGraphics();
        game.CloseSounds();
        game.Unload();
    }

    // Kind, X, Y and visible of each map entry.
    using Entry = std::tuple<std::int32_t, double, double, bool>;
    static std::vector<Entry> Entries(const std::vector<SpriteClass>& sprites)
    {
        std::vector<Entry> entries;
        for (const SpriteClass& s : sprites) {
            entries.emplace_back(s.id, s.X, s.Y, s.visible);
        }
        return entries;
    }

    std::filesystem::path MapFile(const std::string& name, const std::string& mode = "easy") const
    {
        return folder / "Maps" / mapFolder / mode / (name + ".map");
    }

    // More passes than any scripted step needs.
    static constexpr int MaxPasses = 100;

    const std::string mapFolder;
    const std::filesystem::path shipped = platform::ProgramFolder();
    testsupport::OwnSettings settings;
    testsupport::TestFolder programFolder{"editor"};
    const std::filesystem::path folder = programFolder.Path();
    int messageBoxes = 0;
    Editor form;
};
