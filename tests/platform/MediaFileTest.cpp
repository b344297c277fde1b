// Lengths of WAV and MIDI files measured from their own headers and tempo maps.
#include <gtest/gtest.h>

#include <optional>

#include "platform/MediaFile.h"
#include "tests/support/SoundFiles.h"

namespace {

using testsupport::Bytes;
using testsupport::MidiFile;
using testsupport::WaveFile;

TEST(MediaFileTest, WaveLengthIsWholeFramesOfTheDataChunk)
{
    Bytes padded = WaveFile(44100, 1, 16, 22050);
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0}; // odd size, one pad byte
    padded.insert(padded.begin() + 12, list.begin(), list.end());
    Bytes truncated = WaveFile(44100, 1, 16, 22050);
    truncated.resize(44 + 8820); // the data chunk claims 44100 bytes; 4410 frames are there
    Bytes noFormat = WaveFile(8000, 1, 8, 100);
    noFormat.erase(noFormat.begin() + 12, noFormat.begin() + 36);
    Bytes notRiff = WaveFile(8000, 1, 8, 100);
    notRiff[3] = 'X';

    const struct {
        const char* name;
        Bytes bytes;
        std::optional<std::int64_t> length;
    } cases[] = {
        {"44.1 kHz mono 16-bit, half a second", WaveFile(44100, 1, 16, 22050), 500},
        {"8 kHz stereo 8-bit", WaveFile(8000, 2, 8, 12000), 1500},
        {"partial millisecond truncated", WaveFile(11025, 2, 16, 100), 9},
        {"odd chunk before the format", padded, 500},
        {"data cut short", truncated, 100},
        {"no format chunk", noFormat, std::nullopt},
        {"not RIFF", notRiff, std::nullopt},
        {"empty", Bytes{}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::WaveLengthMs(c.bytes), c.length) << c.name;
    }
}

TEST(MediaFileTest, MidiLengthFollowsTheTempoMapToTheLastEvent)
{
    const Bytes endOfTrack = {0x00, 0xFF, 0x2F, 0x00};
    auto track = [&](Bytes events) {
        events.insert(events.end(), endOfTrack.begin(), endOfTrack.end());
        return events;
    };
    // Delta times: 0x83 0x60 = 480 ticks (a quarter note at division 480), 0x87 0x40 = 960.
    const Bytes twoQuarters = track({0x00, 0x90, 0x3C, 0x64, 0x87, 0x40, 0x80, 0x3C, 0x00});
    const Bytes tempoHalved = track({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,       // 500000 us
                                     0x83, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, // 250000 us
                                     0x83, 0x60, 0x90, 0x3C, 0x00});
    const Bytes slowConductor = track({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}); // 1 s a beat
    const Bytes oneQuarter = track({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00});
    const Bytes runningStatus = track({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x3C, 0x00, 0x83, 0x60,
                                       0x3E, 0x64, 0x83, 0x60, 0x3E, 0x00});
    const Bytes fourQuarters = track({0x00, 0xC0, 0x05, 0x8F, 0x00, 0x90, 0x3C, 0x64});
    const Bytes cutShort = {0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00, 0x83, 0x60, 0x90};
    const Bytes sysex = track({0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x83, 0x60, 0xB0, 0x07, 0x64});
    const Bytes smpteSecond = track({0x87, 0x68, 0x90, 0x3C, 0x64}); // 1000 ticks
    Bytes noDivision = MidiFile(480, {twoQuarters});
    noDivision[12] = 0;
    noDivision[13] = 0;
    Bytes notMidi = MidiFile(480, {twoQuarters});
    notMidi[3] = 'x';

    const struct {
        const char* name;
        Bytes bytes;
        std::optional<std::int64_t> length;
    } cases[] = {
        {"default tempo, two quarter notes", MidiFile(480, {twoQuarters}), 1000},
        {"tempo change halfway", MidiFile(480, {tempoHalved}), 750},
        {"conductor track's tempo rules the others", MidiFile(480, {slowConductor, oneQuarter}),
         1000},
        {"running status", MidiFile(480, {runningStatus}), 1500},
        {"longest track wins", MidiFile(480, {oneQuarter, fourQuarters}), 2000},
        {"track cut inside an event", MidiFile(480, {cutShort}), 500},
        {"system exclusive and controller", MidiFile(480, {sysex}), 500},
        {"SMPTE 25 frames of 40 ticks", MidiFile(0xE728, {smpteSecond}), 1000},
        {"division 0", noDivision, std::nullopt},
        {"not MThd", notMidi, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::MidiLengthMs(c.bytes), c.length) << c.name;
    }
}

} // namespace
