// Real mixing through SDL's disk audio driver: a WAV and a MIDI piece played at once must both
// reach the written audio.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/Clock.h"
#include "platform/Media.h"
#include "tests/support/SoundFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr int Rate = 44100; // the output runs at 44.1 kHz, 16-bit stereo

std::vector<std::int16_t> ReadSamples(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::int16_t> samples(fs::file_size(path) / 2);
    in.read(reinterpret_cast<char*>(samples.data()),
            static_cast<std::streamsize>(samples.size() * 2));
    return samples;
}

double Rms(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    double sum = 0;
    to = std::min(to, samples.size());
    for (std::size_t i = from; i < to; ++i) {
        const double sample = samples[i];
        sum += sample * sample;
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0;
}

std::size_t FirstSound(const std::vector<std::int16_t>& samples)
{
    std::size_t start = 0;
    while (start < samples.size() && std::abs(samples[start]) < 100) {
        ++start;
    }
    return start;
}

// Frames written from the first sound on.
std::size_t SoundWritten(const std::vector<std::int16_t>& samples)
{
    return (samples.size() - std::min(samples.size(), FirstSound(samples))) / 2;
}

TEST(AudioSmokeTest, WaveAndMidiPlayingAtOnceBothReachTheOutput)
{
    const fs::path folder =
        fs::temp_directory_path() / ("vandrel-audio-" + std::to_string(::getpid()));
    const fs::path output = folder / "output.raw";
    // A loud 440 Hz tone of 0.3 s, and four piano notes of 0.25 s each (240 ticks at 480 a beat).
    testsupport::WriteFile(folder / "beep.wav",
                           testsupport::WaveFile(Rate, 1, 16, Rate * 3 / 10, [](auto frame, auto) {
                               const double t = static_cast<double>(frame) / Rate;
                               return static_cast<std::int16_t>(24000 *
                                                                std::sin(2 * M_PI * 440 * t));
                           }));
    testsupport::Bytes notes = {0x00, 0xC0, 0x00};
    for (const std::uint8_t key : {60, 64, 67, 72}) {
        const testsupport::Bytes note = {0x00, 0x90, key, 0x70, 0x81, 0x70, 0x80, key, 0x00};
        notes.insert(notes.end(), note.begin(), note.end());
    }
    notes.insert(notes.end(), {0x00, 0xFF, 0x2F, 0x00});
    testsupport::WriteFile(folder / "tune.mid", testsupport::MidiFile(480, {notes}));

    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    platform::virtualclock::Enable(false);
    platform::headless::UseMedia(false);

    {
        platform::MediaContext music;
        platform::MediaContext effect;
        const std::string tune = (folder / "tune.mid").string();
        const std::string beep = (folder / "beep.wav").string();
        ASSERT_EQ(platform::mciSendStringA(
                      music, "open " + tune + " alias tune type Sequencer wait", nullptr),
                  0U);
        ASSERT_EQ(platform::mciSendStringA(
                      effect, "open " + beep + " alias beep type Waveaudio wait", nullptr),
                  0U);
        std::string length;
        platform::mciSendStringA(music, "status tune length", &length);
        EXPECT_EQ(length, "1000");
        EXPECT_EQ(platform::mciSendStringA(music, "play tune", nullptr), 0U);
        EXPECT_EQ(platform::mciSendStringA(effect, "play beep wait", nullptr), 0U);
        EXPECT_EQ(platform::mciSendStringA(music, "play tune wait", nullptr), 0U);
        std::string mode;
        platform::mciSendStringA(music, "status tune mode", &mode);
        EXPECT_EQ(mode, "stopped");
        // The tune rings on after its end until closed. The driver's thread may lag behind the
        // clock on a busy machine: wait until a second of sound has reached the file.
        for (int tries = 0; tries < 100 && SoundWritten(ReadSamples(output)) < Rate; ++tries) {
            platform::Sleep(50);
        }
    }

    const auto samples = ReadSamples(output);
    const std::size_t start = FirstSound(samples);
    ASSERT_LT(start, samples.size()) << "the output is silent";
    const std::size_t perSecond = 2 * Rate;
    const double both = Rms(samples, start, start + perSecond / 4);
    const double tuneAlone = Rms(samples, start + perSecond / 2, start + perSecond * 9 / 10);
    EXPECT_GT(both, 10000) << "the tone is missing";
    EXPECT_GT(tuneAlone, 200) << "the tune is missing after the tone";
    fs::remove_all(folder);
}

} // namespace
