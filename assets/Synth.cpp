// Oscillators with smoothed edges, one-pole filters, envelopes and the WAV writer.
#include "assets/Synth.h"

#include <algorithm>
#include <cmath>

#include "assets/PictureFiles.h"
#include "assets/Random.h"

namespace assetgen {

namespace {

constexpr double TwoPi = 6.28318530717958647692;

// PolyBLEP: rounds the jump of a square or saw wave over one sample, so high tones do not alias.
double Blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Oscillate(Wave wave, double phase, double dt)
{
    switch (wave) {
    case Wave::Sine:
        return std::sin(TwoPi * phase);
    case Wave::Triangle:
        return 1.0 - 4.0 * std::abs(phase - 0.5);
    case Wave::Square: {
        double v = phase < 0.5 ? 1.0 : -1.0;
        v += Blep(phase, dt);
        v -= Blep(std::fmod(phase + 0.5, 1.0), dt);
        return v;
    }
    case Wave::Saw:
        return 2.0 * phase - 1.0 - Blep(phase, dt);
    }
    return 0.0;
}

void Put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<unsigned char>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(tag[i]));
    }
}

} // namespace

Sound::Sound(double seconds)
    : samples(static_cast<std::size_t>(std::lround(seconds * SampleRate)), 0.0)
{
}

void Sound::Mix(const Sound& other, double at, double gain)
{
    const auto start = static_cast<std::size_t>(std::lround(at * SampleRate));
    if (samples.size() < start + other.samples.size()) {
        samples.resize(start + other.samples.size(), 0.0);
    }
    for (std::size_t i = 0; i < other.samples.size(); ++i) {
        samples[start + i] += other.samples[i] * gain;
    }
}

Sound Tone(double seconds, const Curve& frequency, Wave wave, const Curve& loudness)
{
    Sound sound(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double dt = std::min(frequency(t) / SampleRate, 0.5);
        sound.samples[i] = Oscillate(wave, phase, dt) * loudness(t);
        phase += dt;
        phase -= std::floor(phase);
    }
    return sound;
}

Sound Noise(double seconds, std::uint64_t seed, const Curve& cutoff, const Curve& loudness)
{
    Sound sound(seconds);
    Random random(seed);
    for (double& s : sound.samples) {
        s = random.Range(-1.0, 1.0);
    }
    LowPass(sound, cutoff);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        sound.samples[i] *= loudness(static_cast<double>(i) / SampleRate);
    }
    return sound;
}

void LowPass(Sound& sound, const Curve& cutoff)
{
    double state = 0;
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const double fc =
            std::clamp(cutoff(static_cast<double>(i) / SampleRate), 10.0, SampleRate * 0.45);
        const double a = 1.0 - std::exp(-TwoPi * fc / SampleRate);
        state += a * (sound.samples[i] - state);
        sound.samples[i] = state;
    }
}

Curve Constant(double value)
{
    return [value](double) { return value; };
}

Curve Envelope(double attack, double hold, double release)
{
    return [=](double t) {
        if (t < attack) {
            return t / attack;
        }
        if (t < attack + hold) {
            return 1.0;
        }
        const double u = std::min((t - attack - hold) / release, 1.0);
        return (1.0 - u) * (1.0 - u);
    };
}

Curve Decay(double timeConstant)
{
    return [timeConstant](double t) { return std::exp(-t / timeConstant); };
}

Curve Glide(double from, double to, double seconds)
{
    return [=](double t) { return from * std::pow(to / from, std::min(t / seconds, 1.0)); };
}

Curve Vibrato(Curve base, double rate, double depth)
{
    return [=](double t) { return base(t) * (1.0 + depth * std::sin(TwoPi * rate * t)); };
}

Curve Product(Curve a, Curve b)
{
    return [=](double t) { return a(t) * b(t); };
}

double NoteHz(int midiKey)
{
    return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

bool WriteWav(const Sound& sound, const std::filesystem::path& path)
{
    std::vector<double> s = sound.samples;
    const std::size_t fade = std::min<std::size_t>(SampleRate / 200, s.size() / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(fade);
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    double peak = 0;
    for (double v : s) {
        peak = std::max(peak, std::abs(v));
    }
    const double gain = peak > 0 ? 0.5 / peak : 0.0; // -6 dBFS

    std::vector<unsigned char> out;
    const auto dataBytes = static_cast<unsigned>(s.size() * 2);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, SampleRate);
    Put32(out, SampleRate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (double v : s) {
        const long q = std::lround(v * gain * 32767.0);
        Put16(out, static_cast<unsigned>(static_cast<std::uint16_t>(static_cast<std::int16_t>(q))));
    }
    return WriteBytes(path, out);
}

} // namespace assetgen
