// Tests of MMedia: the exact command strings, quoting of paths with blanks, device types, the
// closed object, restarts, waiting plays, separate contexts and error message boxes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/Clock.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Media.h"
#include "tests/support/SoundFiles.h"
#include "toolkit/GameUtil.h"
#include "toolkit/MMedia.h"

namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class MMediaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::headless::Install();
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("vandrel-mmedia-" + std::to_string(::getpid()));
        // 8 kHz mono 8-bit: 8000 frames last one second.
        testsupport::WriteFile(folder_ / "Sfx" / "click.wav",
                               testsupport::WaveFile(8000, 1, 8, 8000));
        testsupport::WriteFile(folder_ / "Sfx" / "big bang.wav",
                               testsupport::WaveFile(8000, 1, 8, 4000));
        fs::current_path(folder_);
        platform::headless::ClearMediaLog();
    }

    void TearDown() override
    {
        platform::headless::OnIdle(nullptr);
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static const Log& Sent() { return platform::headless::MediaLog(); }

    fs::path previous_;
    fs::path folder_;
};

} // namespace

TEST_F(MMediaTest, OpenSendsOneCommandWithThePathAsAliasAndTheTypeOfItsEnding)
{
    struct Case {
        std::string file;
        std::string command; // empty: nothing is sent
    };
    const Case cases[] = {
        {"Music\\menu.mid", "Open Music\\menu.mid ALIAS Music\\menu.mid TYPE Sequencer wait"},
        {"Music\\menu.MID", "Open Music\\menu.MID ALIAS Music\\menu.MID TYPE Sequencer wait"},
        {"Sfx\\click.wav", "Open Sfx\\click.wav ALIAS Sfx\\click.wav TYPE Waveaudio wait"},
        {"intro.Avi", "Open intro.Avi ALIAS intro.Avi TYPE AviVideo wait"},
        {"Sfx\\big bang.wav",
         "Open \"Sfx\\big bang.wav\" ALIAS \"Sfx\\big bang.wav\" TYPE Waveaudio wait"},
        {"Music\\menu.mp3", ""},
        {"id", ""},
    };
    for (const Case& c : cases) {
        platform::headless::ClearMediaLog();
        MMedia media;
        media.OpenMedia(c.file);
        if (c.command.empty()) {
            EXPECT_TRUE(Sent().empty()) << c.file;
            EXPECT_EQ(media.Filename(), "") << c.file;
        } else {
            EXPECT_EQ(Sent(), Log{c.command}) << c.file;
            EXPECT_EQ(media.Filename(), c.file);
        }
    }
}

TEST_F(MMediaTest, TheQuotedPathIsTheAliasOfEveryLaterCommand)
{
    MMedia media;
    media.OpenMedia("Sfx\\big bang.wav");
    platform::headless::ClearMediaLog();
    media.PlayMedia();
    EXPECT_EQ(media.Status(), "playing");
    media.PauseMedia();
    media.StopMedia();
    EXPECT_EQ(media.Length(), 500);
    media.CloseMedia();
    const std::string a = "\"Sfx\\big bang.wav\"";
    EXPECT_EQ(Sent(), (Log{"Seek " + a + " to 0", "Play " + a, "Status " + a + " mode",
                           "Pause " + a, "Stop " + a, "Set " + a + " time format milliseconds",
                           "Status " + a + " length", "Close " + a}));
}

TEST_F(MMediaTest, OpeningASecondFileClosesTheFirst)
{
    MMedia media;
    media.OpenMedia("Sfx\\click.wav");
    media.OpenMedia("Music\\menu.mp3"); // not supported: closes all the same
    media.OpenMedia("Sfx\\big bang.wav");
    EXPECT_EQ(Sent(), (Log{"Open Sfx\\click.wav ALIAS Sfx\\click.wav TYPE Waveaudio wait",
                           "Close Sfx\\click.wav",
                           "Open \"Sfx\\big bang.wav\" ALIAS \"Sfx\\big bang.wav\" TYPE "
                           "Waveaudio wait"}));
    EXPECT_EQ(media.Filename(), "Sfx\\big bang.wav");
}

TEST_F(MMediaTest, AClosedObjectAnswersZeroAndOnlySeekIsSent)
{
    MMedia media;
    EXPECT_EQ(media.Status(), "0");
    EXPECT_EQ(media.Length(), 0);
    EXPECT_EQ(media.Position(), 0.0f);
    media.CloseMedia();
    media.PlayMedia();
    media.StopMedia();
    media.PauseMedia();
    EXPECT_TRUE(Sent().empty());
    media.SeekMedia(12.5f);
    EXPECT_EQ(Sent(), Log{"Seek  to 12.5"});
}

TEST_F(MMediaTest, PlayRestartsFromTheBeginningAndStatusFollowsTheClock)
{
    MMedia media;
    media.OpenMedia("Sfx\\click.wav");
    EXPECT_EQ(media.Status(), "stopped");
    EXPECT_EQ(media.Length(), 1000);
    media.PlayMedia();
    platform::virtualclock::Advance(600);
    EXPECT_EQ(media.Status(), "playing");
    EXPECT_EQ(media.Position(), 600.0f);
    media.PlayMedia();
    EXPECT_EQ(media.Position(), 0.0f);
    platform::virtualclock::Advance(600);
    EXPECT_EQ(media.Status(), "playing");
    platform::virtualclock::Advance(400);
    EXPECT_EQ(media.Status(), "stopped");
    media.SetPosition(250);
    EXPECT_EQ(media.Position(), 250.0f);
}

TEST_F(MMediaTest, AWaitingPlayReturnsWhenTheSoundHasEnded)
{
    MMedia media;
    media.SetWait(true);
    media.OpenMedia("Sfx\\click.wav");
    platform::headless::ClearMediaLog();
    const std::int32_t before = GameUtil::GetTickMs();
    media.PlayMedia();
    EXPECT_EQ(GameUtil::GetTickMs() - before, 1000);
    EXPECT_EQ(media.Status(), "stopped");
    EXPECT_EQ(Sent()[1], "Play Sfx\\click.wav wait");
}

TEST_F(MMediaTest, TwoObjectsWithTheSameFileNeverStopEachOther)
{
    MMedia music;
    MMedia effect;
    music.OpenMedia("Sfx\\click.wav");
    effect.OpenMedia("Sfx\\click.wav");
    music.PlayMedia();
    effect.PlayMedia();
    effect.StopMedia();
    EXPECT_EQ(music.Status(), "playing");
    effect.CloseMedia();
    EXPECT_EQ(music.Status(), "playing");
    EXPECT_EQ(effect.Status(), "0");
}

TEST_F(MMediaTest, ErrorMessagesShowABoxPerFailedCommandOnlyWhenSwitchedOn)
{
    MMedia media;
    media.OpenMedia("Sfx\\missing.wav"); // fails quietly; the alias stays set
    EXPECT_EQ(media.Filename(), "Sfx\\missing.wav");
    media.PlayMedia(); // no box: error messages are off
    EXPECT_EQ(media.Length(), 0);

    std::int32_t boxes = 0;
    platform::headless::OnIdle([&] {
        ++boxes;
        platform::headless::After(0).KeyPress(platform::vbKeyReturn);
    });
    media.SetUseErrorMessages(true);
    media.PlayMedia(); // the seek and the play fail
    EXPECT_EQ(boxes, 2);
    media.OpenMedia("Music\\theme.mp3"); // the close is never checked; the type is
    EXPECT_EQ(boxes, 3);
    media.CloseMedia(); // sends nothing: nothing is open
    EXPECT_EQ(boxes, 3);
}
