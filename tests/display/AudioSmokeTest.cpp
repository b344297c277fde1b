// Real mixing through SDL's disk audio driver: a WAV and a MIDI piece played at once both reach the
// written audio, MIDI pieces sound beside a piece that holds the music stream, and the device is
// closed while silent and opened again for the next sound. The driver writes at the pace of real
// time, so the tests wait (boundedly) for what it has written, and measure nothing by the clock.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "platform/Clock.h"
#include "platform/Media.h"
#include "tests/support/SoundFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr int Rate = 44100; // the output runs at 44.1 kHz, 16-bit stereo

// The samples written so far; none before the device has made its file.
std::vector<std::int16_t> ReadSamples(const fs::path& path)
{
    std::error_code error;
    const auto size = fs::file_size(path, error);
    if (error) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::int16_t> samples(size / 2);
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

std::size_t FirstSound(const std::vector<std::int16_t>& samples, std::size_t from = 0)
{
    std::size_t start = from;
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

bool DeviceOpen()
{
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}

// A MIDI piece of piano notes of half a second each (480 ticks at 480 a beat and 120 beats a
// minute), then silence up to totalTicks; no keys make a silent piece.
testsupport::Bytes Notes(const std::vector<std::uint8_t>& keys, std::uint32_t totalTicks)
{
    testsupport::Bytes track = {0x00, 0xC0, 0x00};
    for (const std::uint8_t key : keys) {
        track.insert(track.end(), {0x00, 0x90, key, 0x70, 0x83, 0x60, 0x80, key, 0x00});
    }
    std::uint32_t rest = totalTicks - 480 * static_cast<std::uint32_t>(keys.size());
    testsupport::Bytes delta{static_cast<std::uint8_t>(rest & 0x7F)};
    while ((rest >>= 7) != 0) {
        delta.insert(delta.begin(), static_cast<std::uint8_t>(0x80 | (rest & 0x7F)));
    }
    track.insert(track.end(), delta.begin(), delta.end());
    track.insert(track.end(), {0xFF, 0x2F, 0x00});
    return testsupport::MidiFile(480, {track});
}

class AudioSmokeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("vandrel-audio-" + std::to_string(::getpid()));
        output_ = folder_ / "output.raw";
        fs::create_directories(folder_);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        platform::virtualclock::Enable(false);
        platform::headless::UseMedia(false);
    }
    // The device closes a second after the last sound; the next test's output is a file of its
    // own only once it has.
    void TearDown() override
    {
        for (int tries = 0; tries < 100 && DeviceOpen(); ++tries) {
            platform::Sleep(50);
        }
        EXPECT_FALSE(DeviceOpen()) << "the device stays open while silent";
        fs::remove_all(folder_);
    }

    std::string Write(const std::string& name, const testsupport::Bytes& bytes) const
    {
        testsupport::WriteFile(folder_ / name, bytes);
        return (folder_ / name).string();
    }
    static std::string Send(platform::MediaContext& context, const std::string& command)
    {
        std::string reply;
        const auto error = platform::mciSendStringA(context, command, &reply);
        return error == 0 ? reply : "error " + std::to_string(error);
    }
    // The driver's thread may lag behind on a busy machine: waits until the output is ready, or
    // five seconds have passed, and answers it.
    std::vector<std::int16_t>
    SamplesOnce(const std::function<bool(const std::vector<std::int16_t>&)>& ready) const
    {
        auto samples = ReadSamples(output_);
        for (int tries = 0; tries < 100 && !ready(samples); ++tries) {
            platform::Sleep(50);
            samples = ReadSamples(output_);
        }
        return samples;
    }
    // ... once it holds the given number of frames from its first sound on.
    std::vector<std::int16_t> SamplesOnceWritten(std::size_t frames) const
    {
        return SamplesOnce(
            [frames](const auto& samples) { return SoundWritten(samples) >= frames; });
    }

    fs::path folder_;
    fs::path output_;
};

TEST_F(AudioSmokeTest, WaveAndMidiPlayingAtOnceBothReachTheOutput)
{
    // A loud 440 Hz tone of 0.3 s, and four piano notes of 0.25 s each (240 ticks at 480 a beat).
    const std::string beep =
        Write("beep.wav", testsupport::WaveFile(Rate, 1, 16, Rate * 3 / 10, [](auto frame, auto) {
                  const double t = static_cast<double>(frame) / Rate;
                  return static_cast<std::int16_t>(24000 * std::sin(2 * M_PI * 440 * t));
              }));
    testsupport::Bytes notes = {0x00, 0xC0, 0x00};
    for (const std::uint8_t key : {60, 64, 67, 72}) {
        const testsupport::Bytes note = {0x00, 0x90, key, 0x70, 0x81, 0x70, 0x80, key, 0x00};
        notes.insert(notes.end(), note.begin(), note.end());
    }
    notes.insert(notes.end(), {0x00, 0xFF, 0x2F, 0x00});
    const std::string tune = Write("tune.mid", testsupport::MidiFile(480, {notes}));

    std::vector<std::int16_t> samples;
    {
        platform::MediaContext music;
        platform::MediaContext effect;
        ASSERT_EQ(Send(music, "open " + tune + " alias tune type Sequencer wait"), "");
        ASSERT_EQ(Send(effect, "open " + beep + " alias beep type Waveaudio wait"), "");
        EXPECT_EQ(Send(music, "status tune length"), "1000");
        EXPECT_EQ(Send(music, "play tune"), "");
        EXPECT_EQ(Send(effect, "play beep wait"), "");
        EXPECT_EQ(Send(music, "play tune wait"), "");
        EXPECT_EQ(Send(music, "status tune mode"), "stopped");
        // The tune rings on after its end until closed: a second of sound in all.
        samples = SamplesOnceWritten(Rate);
    }

    const std::size_t start = FirstSound(samples);
    ASSERT_LT(start, samples.size()) << "the output is silent";
    const std::size_t perSecond = 2 * Rate;
    const double both = Rms(samples, start, start + perSecond / 4);
    const double tuneAlone = Rms(samples, start + perSecond / 2, start + perSecond * 9 / 10);
    EXPECT_GT(both, 10000) << "the tone is missing";
    EXPECT_GT(tuneAlone, 200) << "the tune is missing after the tone";
}

TEST_F(AudioSmokeTest, MidiPiecesSoundBesideAPieceThatHoldsTheMusicStream)
{
    // Twenty silent seconds, too long to be decoded when opened: this piece takes the stream. A
    // jingle of two notes, short enough to be decoded at once; and a long piece whose notes fill
    // its first four seconds, which has to wait for a decode, the stream being taken.
    const std::string music = Write("music.mid", Notes({}, 19200));
    const std::string jingle = Write("jingle.mid", Notes({72, 76}, 960));
    const std::string song = Write("song.mid", Notes({60, 62, 64, 65, 67, 69, 71, 72}, 19200));

    platform::MediaContext musicPlayer;
    platform::MediaContext jinglePlayer;
    platform::MediaContext songPlayer;
    ASSERT_EQ(Send(musicPlayer, "open " + music + " alias music type Sequencer wait"), "");
    ASSERT_EQ(Send(jinglePlayer, "open " + jingle + " alias jingle type Sequencer wait"), "");
    ASSERT_EQ(Send(songPlayer, "open " + song + " alias song type Sequencer wait"), "");
    EXPECT_EQ(Send(musicPlayer, "status music length"), "20000");
    EXPECT_EQ(Send(musicPlayer, "play music"), "");

    // On a busy machine the jingle may still be decoding at its first play, and then sounds from
    // where its clock has got to by then: the play looked at is the second.
    EXPECT_EQ(Send(jinglePlayer, "play jingle wait"), "");
    EXPECT_EQ(Send(jinglePlayer, "stop jingle"), "");
    const std::size_t jingleFrom = ReadSamples(output_).size() + Rate / 2;
    EXPECT_EQ(Send(jinglePlayer, "seek jingle to start"), "");
    EXPECT_EQ(Send(jinglePlayer, "play jingle wait"), "");
    auto samples = SamplesOnce([jingleFrom](const auto& written) {
        return FirstSound(written, jingleFrom) + Rate < written.size();
    });
    std::size_t start = FirstSound(samples, jingleFrom);
    ASSERT_LT(start, samples.size()) << "the jingle is silent";
    EXPECT_GT(Rms(samples, start, start + Rate / 2), 200) << "the jingle is missing";

    // Closing the jingle silences its ring-out: what sounds from here on is the song.
    EXPECT_EQ(Send(jinglePlayer, "close jingle"), "");
    const std::size_t songFrom = ReadSamples(output_).size() + Rate / 2;
    EXPECT_EQ(Send(songPlayer, "play song"), "");
    // Half a second of the song (which waits for its decode) once it sounds.
    samples = SamplesOnce([songFrom](const auto& written) {
        return FirstSound(written, songFrom) + Rate < written.size();
    });
    EXPECT_EQ(Send(songPlayer, "status song mode"), "playing");
    EXPECT_EQ(Send(musicPlayer, "status music mode"), "playing");
    start = FirstSound(samples, songFrom);
    ASSERT_LT(start, samples.size()) << "the song never sounded beside the music";
    EXPECT_GT(Rms(samples, start, start + Rate / 2), 200) << "the song is missing";
}

TEST_F(AudioSmokeTest, TheDeviceClosesWhileSilentAndOpensAgainForTheNextSound)
{
    // A tone of two seconds.
    const std::string tone =
        Write("tone.wav", testsupport::WaveFile(Rate, 1, 16, Rate * 2, [](auto frame, auto) {
                  const double t = static_cast<double>(frame) / Rate;
                  return static_cast<std::int16_t>(24000 * std::sin(2 * M_PI * 440 * t));
              }));
    platform::MediaContext media;
    ASSERT_EQ(Send(media, "open " + tone + " alias tone type Waveaudio wait"), "");
    EXPECT_EQ(Send(media, "play tone"), "");
    EXPECT_EQ(Send(media, "pause tone"), "");
    // A silent device closes after a second; a paused sound keeps it while it writes more.
    const std::size_t paused = ReadSamples(output_).size();
    SamplesOnce([paused](const auto& written) { return written.size() > paused + 3 * Rate; });
    EXPECT_TRUE(DeviceOpen()) << "a paused sound lost its device";

    EXPECT_EQ(Send(media, "stop tone"), "");
    for (int tries = 0; tries < 100 && DeviceOpen(); ++tries) {
        platform::Sleep(50);
    }
    ASSERT_FALSE(DeviceOpen()) << "the device stays open while silent";

    // The play opens the device again, and the tone reaches its new output.
    EXPECT_EQ(Send(media, "seek tone to start"), "");
    EXPECT_EQ(Send(media, "play tone"), "");
    EXPECT_TRUE(DeviceOpen());
    const auto samples = SamplesOnceWritten(Rate / 4);
    const std::size_t start = FirstSound(samples);
    ASSERT_LT(start, samples.size()) << "the tone never reached the device opened again";
    EXPECT_GT(Rms(samples, start, start + Rate / 2), 10000);
}

} // namespace
