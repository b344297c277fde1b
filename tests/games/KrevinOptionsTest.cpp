// The brick game's options dialog: what it shows of stored values, good and bad, and the keys
// its OK writes in their order. Cancel and Esc are the shared dialog's, tested with the others.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/krevin/KrevinOptions.h"
#include "platform/Input.h"
#include "tests/support/OptionsDialogFixture.h"

namespace {

class KrevinOptionsTest : public testsupport::OptionsDialogFixture<KrevinOptions> {
protected:
    KrevinOptionsTest() : OptionsDialogFixture("Krevin") {}
};

TEST_F(KrevinOptionsTest, OkWritesEveryKeyInOrderFromWhatTheDialogShows)
{
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> stored;
        std::vector<std::string> written; // PadSpeed, BallSpeed, Mode, MusicOn, FxOn, Background
    } cases[] = {
        {"an empty section shows the defaults", {}, {"110", "50", "easy", "1", "1", "3"}},
        {"speeds are brought into 20..300",
         {{"PadSpeed", "999"}, {"BallSpeed", "5"}},
         {"300", "20", "easy", "1", "1", "3"}},
        {"values that do not convert give the defaults",
         {{"PadSpeed", "fast"}, {"BallSpeed", ""}, {"MusicOn", "yes"}, {"Background", "sky"}},
         {"110", "50", "easy", "1", "1", "3"}},
        {"any non-zero switch is on, a background beyond 0..3 the level's own",
         {{"MusicOn", "2"}, {"FxOn", "0"}, {"Background", "7"}, {"Mode", "normal"}},
         {"110", "50", "easy", "1", "0", "3"}},
        {"stored values within range stay",
         {{"PadSpeed", "20"}, {"BallSpeed", "300"}, {"Background", "1"}},
         {"20", "300", "easy", "1", "1", "1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [key, value] : c.stored) {
            Save(key, value);
        }
        Run({[&] { ClickMiddle(platform::vbRightButton, dialog.OkSprite); }});
        const std::vector<std::string> keys = {"PadSpeed", "BallSpeed", "Mode",
                                               "MusicOn",  "FxOn",      "Background"};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(Stored(keys[i]), c.written[i]) << keys[i];
        }
        EXPECT_TRUE(Common::gOptionsOk);
        std::filesystem::remove(platform::settings::FilePath("Vandrel"));
    }
    Run({[&] { ClickMiddle(platform::vbLeftButton, dialog.OkSprite); }});
    EXPECT_EQ(KeysInFile(), (std::vector<std::string>{"PadSpeed", "BallSpeed", "Mode", "MusicOn",
                                                      "FxOn", "Background"}));
}

} // namespace
