// Media files as the media interpreter sees them: the bytes of a WAV or MIDI file and its length,
// read once per file and shared by every device that opens it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class MediaKind { Wave, Midi };

struct MediaFile {
    std::string key; // the resolved path: the same file always has the same key
    MediaKind kind = MediaKind::Wave;
    std::int64_t lengthMs = 0;
    std::vector<std::uint8_t> bytes;
};

// Length of a RIFF WAVE file in milliseconds (whole frames of the data chunk, truncated); nothing
// when the bytes are not a WAVE file with a usable format chunk.
std::optional<std::int64_t> WaveLengthMs(std::span<const std::uint8_t> bytes);

// Length of a standard MIDI file in milliseconds, from its tempo map up to the last event of its
// longest track; nothing when the header is not a MIDI header.
std::optional<std::int64_t> MidiLengthMs(std::span<const std::uint8_t> bytes);

enum class MediaFileError { None, NotFound, Invalid };

// Reads the file at a program path ("Sfx\click.wav"; either separator, any letter case) as the
// given kind; a file over 64 MB is refused as NotFound. A file is read and measured once while
// anyone holds it: a later open of the same unchanged file shares it, and it is freed when the
// last holder lets it go.
std::shared_ptr<const MediaFile> LoadMediaFile(std::string_view path, MediaKind kind,
                                               MediaFileError* error);

} // namespace platform
