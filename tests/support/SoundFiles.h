// Builders of small WAV and MIDI files for tests: the bytes are laid out here, next to the tests
// that read them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

using Bytes = std::vector<std::uint8_t>;

inline void PutLE(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline void PutBE(Bytes& out, std::uint32_t value, int size)
{
    for (int i = size - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline void PutTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

// A PCM WAVE file; sample(frame, channel) gives each 16-bit sample (8-bit files take its top byte).
inline Bytes WaveFile(std::uint32_t rate, std::uint32_t channels, std::uint32_t bits,
                      std::uint32_t frames,
                      const std::function<std::int16_t(std::uint32_t, std::uint32_t)>& sample = {})
{
    const std::uint32_t blockAlign = channels * bits / 8;
    const std::uint32_t dataBytes = frames * blockAlign;
    Bytes out;
    PutTag(out, "RIFF");
    PutLE(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLE(out, 16, 4);
    PutLE(out, 1, 2);
    PutLE(out, channels, 2);
    PutLE(out, rate, 4);
    PutLE(out, rate * blockAlign, 4);
    PutLE(out, blockAlign, 2);
    PutLE(out, bits, 2);
    PutTag(out, "data");
    PutLE(out, dataBytes, 4);
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        for (std::uint32_t channel = 0; channel < channels; ++channel) {
            const std::int16_t value = sample ? sample(frame, channel) : 0;
            if (bits == 8) {
                out.push_back(static_cast<std::uint8_t>((value >> 8) + 128));
            } else {
                PutLE(out, static_cast<std::uint16_t>(value), 2);
            }
        }
    }
    return out;
}

// A standard MIDI file of format 1 with the given tracks (event bytes without the chunk header).
inline Bytes MidiFile(std::uint16_t division, const std::vector<Bytes>& tracks)
{
    Bytes out;
    PutTag(out, "MThd");
    PutBE(out, 6, 4);
    PutBE(out, 1, 2);
    PutBE(out, static_cast<std::uint32_t>(tracks.size()), 2);
    PutBE(out, division, 2);
    for (const auto& track : tracks) {
        PutTag(out, "MTrk");
        PutBE(out, static_cast<std::uint32_t>(track.size()), 4);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace testsupport
