// Building MIDI events and writing them as a Standard MIDI file.
#include "assets/Midi.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

unsigned char Byte(int v)
{
    return static_cast<unsigned char>(v & 0xFF);
}

void PutVariable(std::vector<unsigned char>& out, unsigned value)
{
    unsigned char buffer[5];
    int n = 0;
    buffer[n++] = static_cast<unsigned char>(value & 0x7F);
    while ((value >>= 7) != 0) {
        buffer[n++] = static_cast<unsigned char>((value & 0x7F) | 0x80);
    }
    while (n > 0) {
        out.push_back(buffer[--n]);
    }
}

void Put32(std::vector<unsigned char>& out, unsigned v)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
    }
}

} // namespace

void MidiTrack::Name(const std::string& name)
{
    std::vector<unsigned char> bytes{0xFF, 0x03, Byte(static_cast<int>(name.size()))};
    bytes.insert(bytes.end(), name.begin(), name.end());
    events.push_back({0, 1, bytes});
}

void MidiTrack::Tempo(int tick, double beatsPerMinute)
{
    const auto micro = static_cast<int>(std::lround(60000000.0 / beatsPerMinute));
    events.push_back(
        {tick, 1, {0xFF, 0x51, 0x03, Byte(micro >> 16), Byte(micro >> 8), Byte(micro)}});
}

void MidiTrack::TimeSignature(int tick, int beats, int noteValue)
{
    int power = 0;
    while ((1 << power) < noteValue) {
        ++power;
    }
    events.push_back({tick, 1, {0xFF, 0x58, 0x04, Byte(beats), Byte(power), 24, 8}});
}

void MidiTrack::Program(int tick, int channel, int program)
{
    events.push_back({tick, 1, {Byte(0xC0 | channel), Byte(program)}});
}

void MidiTrack::Control(int tick, int channel, int controller, int value)
{
    events.push_back({tick, 1, {Byte(0xB0 | channel), Byte(controller), Byte(value)}});
}

void MidiTrack::Note(int tick, int length, int channel, int key, int velocity)
{
    events.push_back(
        {tick, 2, {Byte(0x90 | channel), Byte(key), Byte(std::clamp(velocity, 1, 127))}});
    events.push_back({tick + length, 0, {Byte(0x80 | channel), Byte(key), 0}});
}

int MidiTrack::EndTick() const
{
    int end = 0;
    for (const MidiEvent& e : events) {
        end = std::max(end, e.tick);
    }
    return end;
}

std::vector<unsigned char> MidiFileBytes(const std::vector<MidiTrack>& tracks, int ticksPerBeat,
                                         int tail)
{
    std::vector<unsigned char> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(Byte(static_cast<int>(tracks.size()) >> 8));
    out.push_back(Byte(static_cast<int>(tracks.size())));
    out.push_back(Byte(ticksPerBeat >> 8));
    out.push_back(Byte(ticksPerBeat));
    int end = 0;
    for (const MidiTrack& track : tracks) {
        end = std::max(end, track.EndTick());
    }
    for (const MidiTrack& track : tracks) {
        std::vector<MidiEvent> events = track.events;
        std::stable_sort(events.begin(), events.end(), [](const MidiEvent& a, const MidiEvent& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<unsigned char> chunk;
        int last = 0;
        for (const MidiEvent& e : events) {
            PutVariable(chunk, static_cast<unsigned>(e.tick - last));
            chunk.insert(chunk.end(), e.bytes.begin(), e.bytes.end());
            last = e.tick;
        }
        PutVariable(chunk, static_cast<unsigned>(end + tail - last));
        chunk.insert(chunk.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        Put32(out, static_cast<unsigned>(chunk.size()));
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace assetgen
