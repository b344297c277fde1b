// Tests of the shared public state: every variable starts at the zero value of its type, and the
// high-score table always has six entries.
#include <gtest/gtest.h>

#include "common/Common.h"

TEST(CommonTest, EveryVariableStartsAtItsZeroValue)
{
    EXPECT_FALSE(Common::gFullScreen);
    EXPECT_FALSE(Common::gOptionsOk);
    EXPECT_EQ(Common::gMode, "");
    EXPECT_EQ(Common::gGameName, "");
    EXPECT_EQ(Common::gScore, 0);
    EXPECT_FALSE(Common::gOneButton);
    EXPECT_FALSE(Common::gPauseOnStop);
    EXPECT_FALSE(Common::gStopHint);
    EXPECT_EQ(Common::gStopHintUntil, 0);
    ASSERT_EQ(Common::gHighScores.size(), 6u);
    ASSERT_EQ(Common::gHighScoreNames.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(Common::gHighScores[i], 0);
        EXPECT_EQ(Common::gHighScoreNames[i], "");
    }
}
