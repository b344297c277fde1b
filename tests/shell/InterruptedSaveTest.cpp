// Saves killed at random moments: a child process places high scores and imports option sets in a
// loop until it is killed with SIGKILL; every kill must leave a whole table and a whole option set.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <poll.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/OptionSetFile.h"
#include "tests/shell/ShellFixture.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int Trials = 30;
constexpr int PollLimitMs = 20000;

// Two option sets that differ in every line and both convert.
OptionSetFile::Values OptionSet(bool second)
{
    OptionSetFile::Values values;
    const auto& entries = OptionSetFile::Entries();
    for (std::size_t line = 0; line < entries.size(); ++line) {
        switch (entries[line].kind) {
        case OptionSetFile::Kind::Mode:
            values[line] = second ? "normal" : "easy";
            break;
        case OptionSetFile::Kind::Boolean:
            values[line] = second ? "True" : "False";
            break;
        case OptionSetFile::Kind::Number:
            values[line] = std::to_string((second ? 200 : 100) + line);
            break;
        }
    }
    return values;
}

std::string Name(std::int32_t score)
{
    return "n" + std::to_string(score);
}

// Places ever higher scores, above those of earlier trials, and imports the two option sets by
// turns; one byte on the pipe after each round. Never returns.
[[noreturn]] void SaveForEver(int progress, int trial)
{
    Common::LoadHighScores();
    for (std::int32_t round = 0;; ++round) {
        std::int32_t score = 1000 * (trial + 1) + round;
        Common::AddHighScore(Name(score), score);
        OptionSetFile::Store(OptionSet(round % 2 == 0));
        if (::write(progress, "r", 1) != 1) {
            ::_exit(1);
        }
    }
}

// Waits for one byte from the child, within the time limit.
bool NextRound(int progress)
{
    pollfd ready{progress, POLLIN, 0};
    char byte = 0;
    return ::poll(&ready, 1, PollLimitMs) == 1 && ::read(progress, &byte, 1) == 1;
}

class InterruptedSaveTest : public shelltest::ShellTest {};

TEST_F(InterruptedSaveTest, AKilledSaveLeavesAWholeTableAndOptionsAllOldOrAllNew)
{
    Common::gGameName = "Tamblo";
    for (std::size_t index = 0; index < Common::HighScoreCount; ++index) {
        const std::int32_t score = Common::DefaultHighScore(index);
        shelltest::Save("Tamblo", Common::HighScoreKey(index), std::to_string(score));
        shelltest::Save("Tamblo", Common::HighScoreNameKey(index), Name(score));
    }
    ASSERT_TRUE(OptionSetFile::Store(OptionSet(false)));

    std::mt19937 random(13);
    for (int trial = 0; trial < Trials; ++trial) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            SaveForEver(pipe[1], trial);
        }
        ::close(pipe[1]);
        // A few whole rounds, then a kill at a random point of the next one: spin for a random
        // part of the time a round takes.
        const int rounds = 1 + static_cast<int>(random() % 3);
        const auto start = Clock::now();
        bool running = true;
        for (int round = 0; round < rounds && running; ++round) {
            running = NextRound(pipe[0]);
        }
        const auto roundTime = (Clock::now() - start) / rounds;
        const auto killAt = Clock::now() + roundTime * (random() % 1000) / 1000;
        while (Clock::now() < killAt) {
        }
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(pipe[0]);
        ASSERT_TRUE(running) << "trial " << trial << ": the child stopped saving";
        ASSERT_TRUE(WIFSIGNALED(status)) << "trial " << trial;

        Common::LoadHighScores();
        for (std::size_t index = 0; index < Common::HighScoreCount; ++index) {
            EXPECT_EQ(Common::gHighScoreNames[index], Name(Common::gHighScores[index]))
                << "trial " << trial << ", entry " << index;
            if (index > 0) {
                EXPECT_LT(Common::gHighScores[index - 1], Common::gHighScores[index])
                    << "trial " << trial << ", entry " << index;
            }
        }
        const OptionSetFile::Values stored = OptionSetFile::StoredValues();
        EXPECT_TRUE(stored == OptionSet(false) || stored == OptionSet(true)) << "trial " << trial;
    }

    // The next save clears away what the killed saves left.
    shelltest::Save("Menu", "MusicOn", "1");
    const fs::path folder = platform::settings::FilePath(Common::AppName).parent_path();
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename().string().rfind(".vandrel.ini.", 0), std::string::npos)
            << entry.path();
    }
}

} // namespace
