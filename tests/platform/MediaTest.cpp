// The media interpreter on the headless backend: status on the virtual clock, the recorded command
// strings, waits, separate contexts, paths and errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "platform/Clock.h"
#include "platform/Media.h"
#include "platform/MediaFile.h"
#include "tests/support/SoundFiles.h"

namespace {

namespace fs = std::filesystem;
using platform::MediaContext;

class MediaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("vandrel-media-" + std::to_string(::getpid()));
        // 8 kHz mono 8-bit: 8000 frames are one second.
        testsupport::WriteFile(folder_ / "Sfx" / "click.wav",
                               testsupport::WaveFile(8000, 1, 8, 8000));
        testsupport::WriteFile(folder_ / "Sfx" / "big bang.wav",
                               testsupport::WaveFile(8000, 1, 8, 2000));
        // 480 ticks a quarter note at 500000 us: 0x96 0x40 = 2880 ticks = 3000 ms.
        testsupport::WriteFile(
            folder_ / "Music" / "Tune.mid",
            testsupport::MidiFile(480, {{0x00, 0x90, 0x3C, 0x64, 0x96, 0x40, 0x80, 0x3C, 0x00, 0x00,
                                         0xFF, 0x2F, 0x00}}));
        fs::current_path(folder_);
        platform::headless::ClearMediaLog();
    }

    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static std::string Send(MediaContext& context, const std::string& command)
    {
        std::string reply;
        const auto error = platform::mciSendStringA(context, command, &reply);
        return error == 0 ? reply : "error " + std::to_string(error);
    }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(MediaTest, StatusFollowsPlayPauseStopAndSeekOnTheClock)
{
    MediaContext media;
    const std::string a = "Sfx\\click.wav";
    EXPECT_EQ(Send(media, "Open " + a + " ALIAS " + a + " TYPE Waveaudio wait"), "");
    EXPECT_EQ(Send(media, "Set " + a + " time format milliseconds"), "");

    const struct {
        const char* command; // sent, if any, after the clock has advanced by advance ms
        std::int64_t advance;
        const char* mode;
        const char* position;
    } steps[] = {
        {"Seek {} to 0", 0, "stopped", "0"},
        {"Play {}", 0, "playing", "0"},
        {"", 400, "playing", "400"},
        {"Pause {}", 0, "paused", "400"},
        {"", 300, "paused", "400"},
        {"Play {}", 0, "playing", "400"}, // play after pause goes on where it was
        {"", 599, "playing", "999"},
        {"", 1, "stopped", "1000"},
        {"Play {}", 0, "stopped", "1000"}, // at the end nothing is left to play
        {"Seek {} to 0", 0, "stopped", "0"},
        {"Play {}", 0, "playing", "0"},
        {"Stop {}", 250, "stopped", "250"},
        {"", 500, "stopped", "250"},
        {"Seek {} to 750", 0, "stopped", "750"},
        {"Play {}", 0, "playing", "750"},
        {"Seek {} to 100", 100, "stopped", "100"}, // seeking stops the sound
    };
    for (const auto& step : steps) {
        std::string command = step.command;
        platform::virtualclock::Advance(step.advance);
        if (!command.empty()) {
            command.replace(command.find("{}"), 2, a);
            EXPECT_EQ(Send(media, command), "") << command;
        }
        EXPECT_EQ(Send(media, "Status " + a + " mode"), step.mode) << command;
        EXPECT_EQ(Send(media, "Status " + a + " position"), step.position) << command;
    }
    EXPECT_EQ(Send(media, "Status " + a + " length"), "1000");
    EXPECT_EQ(Send(media, "Close " + a), "");
    EXPECT_EQ(Send(media, "Status " + a + " mode"),
              "error " + std::to_string(platform::MCIERR_INVALID_DEVICE_NAME));
}

TEST_F(MediaTest, RecordsEveryCommandStringExactlyAsSent)
{
    MediaContext media;
    const std::vector<std::string> commands = {
        R"(Open "Sfx\big bang.wav" ALIAS "Sfx\big bang.wav" TYPE Waveaudio wait)",
        R"(Seek "Sfx\big bang.wav" to 0)",
        R"(Play "Sfx\big bang.wav")",
        R"(Status "Sfx\big bang.wav" mode)",
        "Status nothing mode",
        R"(Close "Sfx\big bang.wav")",
    };
    for (const auto& command : commands) {
        std::string reply;
        platform::mciSendStringA(media, command, &reply);
    }
    EXPECT_EQ(platform::headless::MediaLog(), commands);
}

TEST_F(MediaTest, PlayWaitAdvancesTheClockByWhatIsLeft)
{
    MediaContext media;
    const std::string a = "Music\\Tune.mid";
    ASSERT_EQ(Send(media, "Open " + a + " ALIAS " + a + " TYPE Sequencer wait"), "");
    EXPECT_EQ(Send(media, "Status " + a + " length"), "3000");

    const auto start = platform::NowMs();
    EXPECT_EQ(Send(media, "Play " + a + " wait"), "");
    EXPECT_EQ(platform::NowMs() - start, 3000);
    EXPECT_EQ(Send(media, "Status " + a + " mode"), "stopped");

    EXPECT_EQ(Send(media, "Seek " + a + " to 0"), "");
    EXPECT_EQ(Send(media, "Play " + a), "");
    platform::virtualclock::Advance(1200);
    const auto later = platform::NowMs();
    EXPECT_EQ(Send(media, "Play " + a + " wait"), "");
    EXPECT_EQ(platform::NowMs() - later, 1800);

    const auto end = platform::NowMs();
    EXPECT_EQ(Send(media, "Play " + a + " wait"), ""); // already at the end: returns at once
    EXPECT_EQ(platform::NowMs(), end);
}

TEST_F(MediaTest, TwoContextsOpeningOneFileNeverTouchEachOther)
{
    MediaContext first;
    MediaContext second;
    const std::string a = "Sfx\\click.wav";
    const std::string open = "Open " + a + " ALIAS " + a + " TYPE Waveaudio wait";
    ASSERT_EQ(Send(first, open), "");
    ASSERT_EQ(Send(second, open), "");
    EXPECT_EQ(Send(first, open), "error " + std::to_string(platform::MCIERR_DUPLICATE_ALIAS));

    EXPECT_EQ(Send(first, "Play " + a), "");
    platform::virtualclock::Advance(300);
    EXPECT_EQ(Send(second, "Play " + a), "");
    EXPECT_EQ(Send(second, "Stop " + a), "");
    EXPECT_EQ(Send(first, "Status " + a + " mode"), "playing");
    EXPECT_EQ(Send(first, "Status " + a + " position"), "300");

    EXPECT_EQ(Send(first, "Close " + a), "");
    EXPECT_EQ(Send(second, "Status " + a + " mode"), "stopped");
    EXPECT_EQ(Send(second, "Play " + a), "");
    EXPECT_EQ(Send(second, "Status " + a + " mode"), "playing");
}

TEST_F(MediaTest, AFileIsKeptWhileADeviceHasItOpenAndFreedAfterTheLastCloses)
{
    MediaContext first;
    MediaContext second;
    ASSERT_EQ(Send(first, "open Sfx\\click.wav alias one"), "");
    ASSERT_EQ(Send(second, "open sfx\\CLICK.WAV alias two"), "");
    platform::MediaFileError error = platform::MediaFileError::None;
    const std::weak_ptr<const platform::MediaFile> file =
        platform::LoadMediaFile("Sfx\\click.wav", platform::MediaKind::Wave, &error);
    ASSERT_FALSE(file.expired());
    EXPECT_EQ(Send(first, "close one"), "");
    EXPECT_FALSE(file.expired());
    EXPECT_EQ(Send(second, "close two"), "");
    EXPECT_TRUE(file.expired());
}

TEST_F(MediaTest, FindsFilesWithBackslashesInAnyLetterCase)
{
    MediaContext media;
    const struct {
        const char* file;
        const char* length;
    } cases[] = {
        {"sfx\\CLICK.WAV", "1000"},
        {"Music/tune.MID", "3000"},
        {"\"SFX\\Big Bang.wav\"", "250"},
    };
    for (const auto& c : cases) {
        const std::string a = c.file;
        EXPECT_EQ(Send(media, "open " + a + " alias " + a), "") << a;
        EXPECT_EQ(Send(media, "status " + a + " length"), c.length) << a;
        EXPECT_EQ(Send(media, "close " + a), "") << a;
    }
    const std::string absolute = (folder_ / "Sfx" / "click.wav").string();
    EXPECT_EQ(Send(media, "open " + absolute + " alias click"), "");
    EXPECT_EQ(Send(media, "STATUS CLICK LENGTH"), "1000");
}

TEST_F(MediaTest, FailuresAnswerCodesWithTexts)
{
    MediaContext media;
    ASSERT_EQ(Send(media, "open Sfx\\click.wav alias click"), "");
    testsupport::WriteFile(folder_ / "Video" / "intro.avi", testsupport::WaveFile(8000, 1, 8, 10));
    // A sound stretched to 50 GB (sparse: no disk used) is refused like a missing one, unread.
    testsupport::WriteFile(folder_ / "Sfx" / "huge.wav", testsupport::WaveFile(8000, 1, 8, 10));
    fs::resize_file(folder_ / "Sfx" / "huge.wav", std::uintmax_t{50} << 30);
    ::testing::internal::CaptureStderr();
    const struct {
        const char* command;
        std::uint32_t error;
    } cases[] = {
        {"open Sfx\\missing.wav alias m type Waveaudio", platform::MCIERR_FILE_NOT_FOUND},
        {"open Sfx\\huge.wav alias h type Waveaudio", platform::MCIERR_FILE_NOT_FOUND},
        {"open Video\\intro.avi alias v type AviVideo", platform::MCIERR_CANNOT_LOAD_DRIVER},
        {"open Music\\Tune.mid alias t type Waveaudio", platform::MCIERR_INVALID_FILE},
        {"open Sfx\\click.wav alias c type Cdaudio", platform::MCIERR_INVALID_DEVICE_NAME},
        {"open Music\\song.mp3 alias s", platform::MCIERR_INVALID_DEVICE_NAME},
        {"play nothing", platform::MCIERR_INVALID_DEVICE_NAME},
        {"seek click to 1001", platform::MCIERR_OUTOFRANGE},
        {"seek click to -1", platform::MCIERR_OUTOFRANGE},
        {"fade click", platform::MCIERR_UNRECOGNIZED_COMMAND},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::mciSendStringA(media, c.command, nullptr), c.error) << c.command;
        std::string text;
        EXPECT_TRUE(platform::mciGetErrorStringA(c.error, &text)) << c.command;
        EXPECT_FALSE(text.empty()) << c.command;
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U);
    std::string text = "old";
    EXPECT_FALSE(platform::mciGetErrorStringA(12345, &text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(Send(media, "seek click to end"), "");
    EXPECT_EQ(Send(media, "status click position"), "1000");
}

} // namespace
