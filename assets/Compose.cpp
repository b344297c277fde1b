// The composing rules: motifs on a rhythm grid of eighths, snapped to chord tones on strong beats.
#include "assets/Compose.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "assets/Midi.h"
#include "assets/Random.h"

namespace assetgen {

namespace {

constexpr int Beat = 480;
constexpr int Eighth = Beat / 2;
constexpr int Sixteenth = Beat / 4;
constexpr int Bar = Beat * 4;

constexpr int LeadChannel = 0;
constexpr int ArpeggioChannel = 1;
constexpr int PadChannel = 2;
constexpr int BassChannel = 3;

// Drum keys of the General MIDI percussion map.
constexpr int Kick = 36;
constexpr int SideStick = 37;
constexpr int Snare = 38;
constexpr int Clap = 39;
constexpr int LowTom = 45;
constexpr int ClosedHat = 42;
constexpr int OpenHat = 46;
constexpr int MidTom = 47;
constexpr int HighTom = 50;
constexpr int Crash = 49;
constexpr int Ride = 51;

// Melody notes on a grid of eighths within a span of bars; degree counts scale steps.
struct Note {
    int start;  // eighths from the start of the span
    int length; // eighths
    int degree;
};

// Rhythms of one bar in eighths: (start, length).
const std::vector<std::vector<std::pair<int, int>>> Rhythms = {
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}},
    {{0, 3}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 1}, {1, 1}, {2, 2}, {4, 1}, {5, 1}, {6, 2}},
    {{0, 2}, {2, 1}, {3, 1}, {4, 4}},
    {{0, 4}, {4, 2}, {6, 2}},
    {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}},
    {{0, 2}, {2, 2}, {4, 3}, {7, 1}},
    {{1, 1}, {2, 2}, {4, 2}, {6, 2}},
};

class Composer {
public:
    explicit Composer(const TuneStyle& s) : style(s), random(s.seed) {}

    std::vector<unsigned char> Compose();
    double Seconds() const;

private:
    int Semitones(int degree) const
    {
        static constexpr int Major[] = {0, 2, 4, 5, 7, 9, 11};
        static constexpr int Minor[] = {0, 2, 3, 5, 7, 8, 10};
        const int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
        const int step = degree - octave * 7;
        return octave * 12 + (style.minor ? Minor[step] : Major[step]);
    }
    static bool IsChordTone(int degree, int root)
    {
        const int d = ((degree - root) % 7 + 7) % 7;
        return d == 0 || d == 2 || d == 4;
    }
    static int NearestChordTone(int degree, int root)
    {
        for (int distance = 0; distance < 4; ++distance) {
            if (IsChordTone(degree - distance, root)) {
                return degree - distance;
            }
            if (IsChordTone(degree + distance, root)) {
                return degree + distance;
            }
        }
        return degree;
    }
    int Fit(int degree) const
    {
        while (degree > LeadHigh) {
            degree -= 7;
        }
        while (degree < LeadLow) {
            degree += 7;
        }
        return degree;
    }

    std::vector<Note> MelodyBar(int root, int& previous, bool ending, int barIndex);
    std::vector<Note> Shifted(const std::vector<Note>& motif, int shift,
                              const std::vector<int>& roots);
    const std::vector<Note>& Melody(char section);
    const std::vector<int>& Chords(char section) const;
    int Bars(char section) const { return section == 'I' ? 4 : section == 'O' ? 5 : 8; }

    void Lead(MidiTrack& track, int at, const std::vector<Note>& notes);
    void Harmony(MidiTrack& track, int at, int root, bool held, bool broken, bool last);
    void BassBar(MidiTrack& track, int at, int root, bool last);
    void DrumBar(MidiTrack& track, int at, char section, int barInSection, int sectionBars);
    int Velocity(int base) { return std::clamp(base + random.Int(-6, 6), 1, 127); }

    static constexpr int LeadLow = -3;
    static constexpr int LeadHigh = 10;

    const TuneStyle& style;
    Random random;
    std::map<char, std::vector<Note>> melodies;
    std::vector<int> ending;
};

std::vector<Note> Composer::MelodyBar(int root, int& previous, bool endingBar, int barIndex)
{
    std::vector<Note> notes;
    if (endingBar) {
        // Land on the chord's root, or its third, held for most of the bar.
        int target = NearestChordTone(previous, root);
        if (root == 0) {
            target = std::abs(previous - 7) < std::abs(previous) ? 7 : 0;
        }
        notes.push_back({barIndex * 8, 2,
                         Fit(NearestChordTone(previous + (target > previous ? 1 : -1), root))});
        notes.push_back({barIndex * 8 + 2, 6, Fit(target)});
        previous = notes.back().degree;
        return notes;
    }
    const auto& rhythm =
        Rhythms[static_cast<std::size_t>(random.Int(0, static_cast<int>(Rhythms.size()) - 1))];
    for (const auto& [start, length] : rhythm) {
        int degree = previous;
        if (start % 4 == 0) {
            // A leap to a chord tone, leaning back towards the middle of the range.
            const int pull = previous > 6 ? -1 : previous < 1 ? 1 : 0;
            degree = NearestChordTone(previous + random.Int(-3, 3) + pull, root);
        } else {
            static constexpr int Steps[] = {-1, 1, -1, 1, -2, 2, 0};
            degree = previous + Steps[random.Int(0, 6)];
        }
        if (degree > LeadHigh || degree < LeadLow) {
            degree = previous - (degree - previous);
        }
        degree = std::clamp(degree, LeadLow, LeadHigh);
        notes.push_back({barIndex * 8 + start, length, degree});
        previous = degree;
    }
    return notes;
}

std::vector<Note> Composer::Shifted(const std::vector<Note>& motif, int shift,
                                    const std::vector<int>& roots)
{
    std::vector<Note> out;
    for (Note n : motif) {
        n.degree += shift;
        const int root = roots[static_cast<std::size_t>(n.start / 8)];
        if (n.start % 4 == 0) {
            n.degree = NearestChordTone(n.degree, root);
        }
        n.degree = Fit(n.degree);
        out.push_back(n);
    }
    return out;
}

const std::vector<int>& Composer::Chords(char section) const
{
    switch (section) {
    case 'B':
        return style.chorus;
    case 'C':
        return style.bridge;
    case 'O':
        return ending;
    default:
        return style.verse;
    }
}

// A section's melody: a two-bar motif, repeated on the next chords, once more, then a cadence.
const std::vector<Note>& Composer::Melody(char section)
{
    auto found = melodies.find(section);
    if (found != melodies.end()) {
        return found->second;
    }
    const std::vector<int>& c = Chords(section);
    std::vector<Note> notes;
    int previous = random.Int(0, 4);
    if (section == 'O') {
        // The ending quotes the verse's motif, then settles on the home note.
        const std::vector<Note>& verse = Melody('A');
        for (const Note& n : verse) {
            if (n.start < 16) {
                notes.push_back(n);
            }
        }
        notes = Shifted(notes, c[0] - style.verse[0], {c[0], c[1]});
        previous = notes.back().degree;
        for (const Note& n : MelodyBar(c[2], previous, false, 2)) {
            notes.push_back(n);
        }
        for (const Note& n : MelodyBar(c[3], previous, true, 3)) {
            notes.push_back(n);
        }
        notes.push_back({32, 8, 7 * static_cast<int>(std::lround(previous / 7.0))});
        return melodies[section] = notes;
    }
    std::vector<Note> motif;
    for (int bar = 0; bar < 2; ++bar) {
        for (const Note& n : MelodyBar(c[static_cast<std::size_t>(bar)], previous, false, bar)) {
            motif.push_back(n);
        }
    }
    notes = motif;
    for (int pair = 1; pair < 3; ++pair) {
        const auto first = static_cast<std::size_t>(pair * 2);
        for (Note n : Shifted(motif, c[first] - c[0], {c[first], c[first + 1]})) {
            n.start += pair * 16;
            notes.push_back(n);
        }
    }
    previous = notes.back().degree;
    for (const Note& n : MelodyBar(c[6], previous, false, 6)) {
        notes.push_back(n);
    }
    for (const Note& n : MelodyBar(c[7], previous, true, 7)) {
        notes.push_back(n);
    }
    return melodies[section] = notes;
}

void Composer::Lead(MidiTrack& track, int at, const std::vector<Note>& notes)
{
    const int home = style.tonic + 12;
    for (const Note& n : notes) {
        const int accent = n.start % 4 == 0 ? 8 : 0;
        track.Note(at + n.start * Eighth, n.length * Eighth - 30, LeadChannel,
                   home + Semitones(n.degree), Velocity(88 + accent));
    }
}

void Composer::Harmony(MidiTrack& track, int at, int root, bool held, bool broken, bool last)
{
    // Chord tones placed around the home note, so the chords move little from bar to bar.
    std::vector<int> keys;
    for (int k = 0; k < 3; ++k) {
        int key = style.tonic + Semitones(root + 2 * k);
        while (key > style.tonic + 7) {
            key -= 12;
        }
        while (key < style.tonic - 5) {
            key += 12;
        }
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    if (held) {
        for (int key : keys) {
            track.Note(at, Bar - 20, PadChannel, key, Velocity(last ? 70 : 56));
        }
    }
    if (broken) {
        if (last) {
            for (int key : keys) {
                track.Note(at, Bar, ArpeggioChannel, key + 12, Velocity(70));
            }
            return;
        }
        static constexpr int Order[] = {0, 1, 2, 3, 2, 1, 2, 3};
        for (int i = 0; i < 8; ++i) {
            const int k = Order[i];
            const int key = (k == 3 ? keys[0] + 12 : keys[static_cast<std::size_t>(k)]) + 12;
            track.Note(at + i * Eighth, Eighth - 20, ArpeggioChannel, key,
                       Velocity(i % 2 == 0 ? 66 : 56));
        }
    }
}

void Composer::BassBar(MidiTrack& track, int at, int root, bool last)
{
    int key = style.tonic % 12 + 36 + Semitones(root);
    if (key > 47) {
        key -= 12;
    }
    const int fifth = key + 7;
    if (last) {
        track.Note(at, Bar, BassChannel, key, Velocity(96));
        return;
    }
    switch (style.groove) {
    case Groove::Gentle:
        track.Note(at, Beat * 2 - 20, BassChannel, key, Velocity(90));
        track.Note(at + Beat * 2, Beat - 20, BassChannel, fifth, Velocity(78));
        track.Note(at + Beat * 3, Beat - 20, BassChannel, key + 12, Velocity(74));
        break;
    case Groove::Bouncy:
        for (int i = 0; i < 8; ++i) {
            const int k = i == 7 ? fifth : (i % 2 == 0 ? key : key + 12);
            track.Note(at + i * Eighth, Eighth - 40, BassChannel, k,
                       Velocity(i % 2 == 0 ? 94 : 78));
        }
        break;
    case Groove::Spacey:
        for (int step : {0, 3, 6, 8, 11, 14}) {
            track.Note(at + step * Sixteenth, Sixteenth * 2 - 30, BassChannel,
                       step == 14 ? fifth : key, Velocity(step % 4 == 0 ? 96 : 80));
        }
        break;
    }
}

void Composer::DrumBar(MidiTrack& track, int at, char section, int barInSection, int sectionBars)
{
    auto hit = [&](int step, int key, int velocity) {
        track.Note(at + step * Sixteenth, Sixteenth, DrumChannel, key, Velocity(velocity));
    };
    if (section == 'O' && barInSection == sectionBars - 1) {
        hit(0, Kick, 110);
        hit(0, Crash, 110);
        return;
    }
    if (section == 'I' && barInSection < 2) {
        // The intro starts with time only, so the tune comes in softly.
        for (int s = 0; s < 16; s += 4) {
            hit(s, ClosedHat, s == 0 ? 60 : 42);
        }
        return;
    }
    if (barInSection == 0 && section != 'I') {
        hit(0, Crash, 96);
    }
    const bool fill = barInSection == sectionBars - 1;
    const bool lively = section == 'B';
    switch (style.groove) {
    case Groove::Gentle:
        hit(0, Kick, 88);
        hit(8, Kick, 80);
        if (lively) {
            hit(10, Kick, 70);
        }
        for (int s : {4, 12}) {
            hit(s, lively ? Snare : SideStick, lively ? 76 : 64);
        }
        for (int s = 0; s < 16; s += 2) {
            hit(s, ClosedHat, s % 4 == 0 ? 52 : 38);
        }
        break;
    case Groove::Bouncy:
        for (int s : {0, 6, 8}) {
            hit(s, Kick, 96);
        }
        for (int s : {4, 12}) {
            hit(s, Snare, 88);
            if (lively) {
                hit(s, Clap, 70);
            }
        }
        for (int s = 0; s < 14; s += 2) {
            hit(s, ClosedHat, s % 4 == 0 ? 64 : 48);
        }
        hit(14, OpenHat, 58);
        break;
    case Groove::Spacey:
        hit(0, Kick, 100);
        hit(10, Kick, 84);
        hit(8, Snare, 90);
        for (int s = 0; s < 16; ++s) {
            hit(s, lively && s % 2 == 0 ? Ride : ClosedHat, s % 4 == 0 ? 54 : 34);
        }
        break;
    }
    if (fill) {
        static constexpr int Toms[] = {HighTom, HighTom, MidTom, LowTom};
        for (int i = 0; i < 4; ++i) {
            hit(12 + i, Toms[i], 80 + i * 6);
        }
    }
}

std::vector<unsigned char> Composer::Compose()
{
    ending = {style.verse[0], style.verse[1], 3, 4, 0};
    MidiTrack conductor;
    conductor.Name(style.name);
    conductor.TimeSignature(0, 4, 4);
    conductor.Tempo(0, style.tempo);

    MidiTrack lead, harmony, bass, drums;
    lead.Program(0, LeadChannel, style.lead);
    lead.Control(0, LeadChannel, 7, 92);
    lead.Control(0, LeadChannel, 91, 50);
    if (style.arpeggio >= 0) {
        harmony.Program(0, ArpeggioChannel, style.arpeggio);
        harmony.Control(0, ArpeggioChannel, 7, 64);
        harmony.Control(0, ArpeggioChannel, 10, 40);
    }
    if (style.pad >= 0) {
        harmony.Program(0, PadChannel, style.pad);
        harmony.Control(0, PadChannel, 7, 60);
        harmony.Control(0, PadChannel, 10, 88);
        harmony.Control(0, PadChannel, 91, 70);
    }
    bass.Program(0, BassChannel, style.bass);
    bass.Control(0, BassChannel, 7, 88);
    drums.Control(0, DrumChannel, 7, 80);

    int at = 0;
    for (char section : style.plan) {
        const std::vector<int>& chords = Chords(section);
        const int bars = Bars(section);
        if (section != 'I') {
            Lead(lead, at, Melody(section));
        }
        for (int bar = 0; bar < bars; ++bar) {
            const int root =
                chords[static_cast<std::size_t>(bar % static_cast<int>(chords.size()))];
            const bool last = section == 'O' && bar == bars - 1;
            // The intro holds its chords; broken chords join with the tune.
            const bool held = style.pad >= 0;
            const bool broken = style.arpeggio >= 0 && (section != 'I' || !held);
            Harmony(harmony, at + bar * Bar, root, held, broken, last);
            if (!(section == 'I' && bar == 0)) {
                BassBar(bass, at + bar * Bar, root, last);
            }
            DrumBar(drums, at + bar * Bar, section, bar, bars);
        }
        if (section == 'O') {
            // Slow down into the last chord.
            conductor.Tempo(at + 3 * Bar, style.tempo * 0.92);
            conductor.Tempo(at + 3 * Bar + 2 * Beat, style.tempo * 0.84);
            conductor.Tempo(at + 4 * Bar, style.tempo * 0.75);
        }
        at += bars * Bar;
    }
    return MidiFileBytes({conductor, lead, harmony, bass, drums}, Beat, Beat);
}

double Composer::Seconds() const
{
    int bars = 0;
    for (char section : style.plan) {
        bars += Bars(section);
    }
    const double beat = 60.0 / style.tempo;
    // Every bar at tempo except the ending's last two, which slow down.
    return (bars - 2) * 4 * beat + (2 / 0.92 + 2 / 0.84) * beat + (4 + 1) / 0.75 * beat;
}

} // namespace

std::vector<unsigned char> ComposeTune(const TuneStyle& style)
{
    return Composer(style).Compose();
}

double TuneSeconds(const TuneStyle& style)
{
    return Composer(style).Seconds();
}

} // namespace assetgen
