// The grammar of media command strings: case, quotes, keywords in any order, and the first error.
#include <gtest/gtest.h>

#include "platform/Media.h"
#include "platform/MediaCommand.h"

namespace {

using platform::MediaCommand;
using platform::MediaStatusItem;
using platform::MediaType;
using platform::MediaVerb;

TEST(MediaCommandTest, ReadsVerbDeviceAndKeywordsWithoutRegardToCase)
{
    MediaCommand command;
    ASSERT_EQ(
        platform::ParseMediaCommand(
            R"(Open "Music\my tune.mid" ALIAS "Music\my tune.mid" TYPE Sequencer wait)", &command),
        0U);
    EXPECT_EQ(command.verb, MediaVerb::Open);
    EXPECT_EQ(command.device, "Music\\my tune.mid");
    EXPECT_EQ(command.alias, "Music\\my tune.mid");
    EXPECT_EQ(command.type, MediaType::Sequencer);
    EXPECT_TRUE(command.wait);

    ASSERT_EQ(platform::ParseMediaCommand("oPEN a.wav type WAVEAUDIO alias click", &command), 0U);
    EXPECT_EQ(command.alias, "click");
    EXPECT_EQ(command.type, MediaType::Waveaudio);
    EXPECT_FALSE(command.wait);

    ASSERT_EQ(platform::ParseMediaCommand("SEEK Sfx\\x.wav TO 1500.5", &command), 0U);
    EXPECT_EQ(command.verb, MediaVerb::Seek);
    EXPECT_DOUBLE_EQ(command.seekTo, 1500.5);

    ASSERT_EQ(platform::ParseMediaCommand("status x  Position", &command), 0U);
    EXPECT_EQ(command.item, MediaStatusItem::Position);
    ASSERT_EQ(platform::ParseMediaCommand("Set x time format ms", &command), 0U);
    ASSERT_EQ(platform::ParseMediaCommand("play x WAIT", &command), 0U);
    EXPECT_TRUE(command.wait);
}

TEST(MediaCommandTest, AnswersTheErrorOfWhatItDoesNotUnderstand)
{
    const struct {
        const char* text;
        std::uint32_t error;
    } cases[] = {
        {"", platform::MCIERR_MISSING_COMMAND_STRING},
        {"   ", platform::MCIERR_MISSING_COMMAND_STRING},
        {"rewind x", platform::MCIERR_UNRECOGNIZED_COMMAND},
        {"play", platform::MCIERR_MISSING_DEVICE_NAME},
        {R"(open "Sfx\a b.wav alias x)", platform::MCIERR_NO_CLOSING_QUOTE},
        {"play x loudly", platform::MCIERR_UNRECOGNIZED_KEYWORD},
        {"open x.wav alias", platform::MCIERR_MISSING_STRING_ARGUMENT},
        {"seek x", platform::MCIERR_MISSING_PARAMETER},
        {"seek x to", platform::MCIERR_MISSING_PARAMETER},
        {"seek x to soon", platform::MCIERR_BAD_INTEGER},
        {"set x time format frames", platform::MCIERR_BAD_TIME_FORMAT},
        {"status x", platform::MCIERR_MISSING_PARAMETER},
        {"status x volume", platform::MCIERR_UNRECOGNIZED_KEYWORD},
        {"Open Sfx\\a b.wav ALIAS Sfx\\a b.wav", platform::MCIERR_UNRECOGNIZED_KEYWORD},
    };
    for (const auto& c : cases) {
        MediaCommand command;
        EXPECT_EQ(platform::ParseMediaCommand(c.text, &command), c.error) << c.text;
    }
}

} // namespace
