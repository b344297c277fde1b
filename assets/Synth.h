// Sound effects made from oscillators, noise, filters and envelopes, written as 16-bit PCM WAV.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace assetgen {

inline constexpr int SampleRate = 44100;

// A curve over time in seconds: a frequency, a loudness, a filter cut-off.
using Curve = std::function<double(double)>;

class Sound {
public:
    explicit Sound(double seconds = 0);
    std::vector<double> samples;

    double Seconds() const { return static_cast<double>(samples.size()) / SampleRate; }
    // Adds another sound starting `at` seconds in, scaled by gain; the sound grows to hold it.
    void Mix(const Sound& other, double at = 0, double gain = 1);
};

enum class Wave { Sine, Triangle, Square, Saw };

// A tone whose frequency (Hz) and loudness follow curves over its length.
Sound Tone(double seconds, const Curve& frequency, Wave wave, const Curve& loudness);
// White noise through a low-pass filter whose cut-off (Hz) follows a curve.
Sound Noise(double seconds, std::uint64_t seed, const Curve& cutoff, const Curve& loudness);
void LowPass(Sound& sound, const Curve& cutoff);

Curve Constant(double value);
// Rises over `attack`, stays for `hold`, falls smoothly to silence over `release`.
Curve Envelope(double attack, double hold, double release);
// Starts at 1 and falls exponentially with the given time constant.
Curve Decay(double timeConstant);
// From `from` to `to` over `seconds` along an exponential path (for pitches), then stays.
Curve Glide(double from, double to, double seconds);
// A curve wobbling around `base` by a share `depth` at `rate` Hz.
Curve Vibrato(Curve base, double rate, double depth);
Curve Product(Curve a, Curve b);

double NoteHz(int midiKey);

// Fades the first and last 5 ms, sets the peak to -6 dBFS and writes mono 16-bit PCM at 44.1 kHz.
bool WriteWav(const Sound& sound, const std::filesystem::path& path);

} // namespace assetgen
