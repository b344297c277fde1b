// Standard MIDI files: tracks of timed events written as format 1 with General MIDI programs.
#pragma once

#include <string>
#include <vector>

namespace assetgen {

inline constexpr int DrumChannel = 9; // channel 10 of General MIDI

struct MidiEvent {
    int tick = 0;
    int order = 0; // at one tick: note ends first, then settings, then note starts
    std::vector<unsigned char> bytes;
};

class MidiTrack {
public:
    void Name(const std::string& name);
    void Tempo(int tick, double beatsPerMinute);
    void TimeSignature(int tick, int beats, int noteValue);
    void Program(int tick, int channel, int program);
    void Control(int tick, int channel, int controller, int value);
    void Note(int tick, int length, int channel, int key, int velocity);
    int EndTick() const;

    std::vector<MidiEvent> events;
};

// The file bytes: a format 1 header and one chunk per track, each ending `tail` ticks after its
// last event so that the last notes can ring out.
std::vector<unsigned char> MidiFileBytes(const std::vector<MidiTrack>& tracks, int ticksPerBeat,
                                         int tail);

} // namespace assetgen
