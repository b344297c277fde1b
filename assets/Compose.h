// Tunes composed by rule from a style and a seed: a chord plan, a lead melody built from a
// repeated motif, broken chords or held chords, a bass line, drums, and a slowing final cadence.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

enum class Groove { Gentle, Bouncy, Spacey };

struct TuneStyle {
    std::string name;
    std::uint64_t seed = 1;
    double tempo = 110; // beats per minute, four beats to the bar
    int tonic = 60;     // MIDI key of the home note
    bool minor = false;
    // General MIDI programs, counted from 0; -1 leaves the part out.
    int lead = 0;
    int arpeggio = -1;
    int pad = -1;
    int bass = 32;
    Groove groove = Groove::Gentle;
    // Chord roots as scale degrees (0 is the home chord), one per bar, eight bars each.
    std::vector<int> verse;
    std::vector<int> chorus;
    std::vector<int> bridge;
    // Sections in order: I intro (4 bars), A verse, B chorus, C bridge, O ending (5 bars).
    std::string plan = "IAABAO";
};

std::vector<unsigned char> ComposeTune(const TuneStyle& style);
// The tune's length in seconds, ritardando included.
double TuneSeconds(const TuneStyle& style);

} // namespace assetgen
