// The high-score table: defaults of an empty section, the qualifying test, and where a new entry
// lands (below equal scores, at most once, the lowest falling out).
#include "shell/HighScoreTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/shell/ShellFixture.h"

namespace {

using shelltest::Save;
using shelltest::Setting;
using Scores = std::array<std::int32_t, 6>;

class HighScoreTableTest : public shelltest::ShellTest {
protected:
    void StoreTable(const std::string& game, const Scores& scores)
    {
        for (std::size_t i = 0; i < scores.size(); ++i) {
            Save(game, "Highscore" + std::to_string(i), std::to_string(scores[i]));
            Save(game, "HighscoreName" + std::to_string(i), "P" + std::to_string(i));
        }
    }
};

TEST_F(HighScoreTableTest, AnEmptySectionLoadsTheDefaultTableWithDefaultNames)
{
    Common::gGameName = "Tamblo";
    Common::LoadHighScores();
    EXPECT_EQ(Common::gHighScores, (Scores{10, 20, 30, 40, 50, 60}));
    for (const std::string& name : Common::gHighScoreNames) {
        EXPECT_TRUE(name == "Mirel" || name == "Tobrik") << name;
    }
    EXPECT_EQ(Setting("Tamblo", "Highscore0"), "<absent>"); // loading writes nothing
}

TEST_F(HighScoreTableTest, AScoreThatIsNotANumberLoadsAsItsDefault)
{
    Common::gGameName = "Zentar";
    StoreTable("Zentar", {1, 2, 3, 4, 5, 6});
    Save("Zentar", "Highscore2", "lots");
    Save("Zentar", "Highscore4", "");
    Common::LoadHighScores();
    EXPECT_EQ(Common::gHighScores, (Scores{1, 2, 30, 4, 50, 6}));
    EXPECT_EQ(Common::gHighScoreNames[3], "P3");
}

TEST_F(HighScoreTableTest, OnlyAScoreAboveAStoredOneQualifies)
{
    StoreTable("Krevin", {100, 200, 300, 400, 500, 600});
    const struct {
        const char* game;
        std::int32_t score;
        bool qualifies;
    } cases[] = {
        {"Tamblo", 10, false},  {"Tamblo", 11, true},  {"Tamblo", -1, false},
        {"Krevin", 100, false}, {"Krevin", 101, true}, {"Krevin", 60, false},
    };
    // The table loaded last (another game's) plays no part.
    Common::gGameName = "Tamblo";
    Common::LoadHighScores();
    for (const auto& c : cases) {
        EXPECT_EQ(Common::IsHighScore(c.score, c.game), c.qualifies) << c.game << " " << c.score;
    }
    EXPECT_EQ(Common::gHighScores, (Scores{10, 20, 30, 40, 50, 60}));
}

TEST_F(HighScoreTableTest, ANewEntryLandsBelowEqualScoresAndTheLowestFallsOut)
{
    const struct {
        std::int32_t score;
        Scores expected;
        std::size_t newIndex;
    } cases[] = {
        {30, {20, 30, 30, 40, 50, 60}, 1},
        {1000, {20, 30, 40, 50, 60, 1000}, 5},
        {11, {11, 20, 30, 40, 50, 60}, 0},
        {60, {20, 30, 40, 50, 60, 60}, 4},
    };
    for (const auto& c : cases) {
        StoreTable("Lupido", {10, 20, 30, 40, 50, 60});
        Common::gGameName = "Lupido";
        Common::LoadHighScores();
        std::int32_t score = c.score;
        Common::AddHighScore("Neu", score);
        EXPECT_EQ(score, -1);
        EXPECT_EQ(Common::gHighScores, c.expected) << c.score;
        EXPECT_EQ(Common::gHighScoreNames[c.newIndex], "Neu") << c.score;
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(Setting("Lupido", "Highscore" + std::to_string(i)),
                      std::to_string(c.expected[i]));
        }
    }
}

TEST_F(HighScoreTableTest, AScoreThatBeatsNothingPlacesNothingAndKeepsTheCallersScore)
{
    StoreTable("Morvex", {10, 20, 30, 40, 50, 60});
    Common::gGameName = "Morvex";
    Common::LoadHighScores();
    std::int32_t score = 10;
    Common::AddHighScore("Neu", score);
    EXPECT_EQ(score, 10);
    EXPECT_EQ(Common::gHighScores, (Scores{10, 20, 30, 40, 50, 60}));
    EXPECT_EQ(Common::gHighScoreNames,
              (std::array<std::string, 6>{"P0", "P1", "P2", "P3", "P4", "P5"}));
}

TEST_F(HighScoreTableTest, AnEntryIsPlacedOnceEvenAboveScoresBelowMinusOne)
{
    // After a placement the score being placed reads -1, which beats these stored scores again.
    StoreTable("Quadrel", {-9, -8, -7, -6, -5, -4});
    Common::gGameName = "Quadrel";
    Common::LoadHighScores();
    std::int32_t score = -6;
    Common::AddHighScore("Neu", score);
    EXPECT_EQ(score, -1);
    EXPECT_EQ(Common::gHighScores, (Scores{-8, -7, -6, -6, -5, -4}));
    EXPECT_EQ(Common::gHighScoreNames,
              (std::array<std::string, 6>{"P1", "P2", "Neu", "P3", "P4", "P5"}));
}

} // namespace
