// Reading media files once, and measuring WAV and MIDI files ourselves so that lengths are the same
// with or without an audio device.
#include "platform/MediaFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <utility>

#include "platform/Paths.h"

namespace platform {
namespace {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool Ok() const { return ok_; }

    std::uint32_t U8()
    {
        if (AtEnd()) {
            ok_ = false;
            return 0;
        }
        return bytes_[pos_++];
    }
    std::uint32_t Peek() const { return AtEnd() ? 0 : bytes_[pos_]; }
    std::uint32_t U16BE() { return (U8() << 8) | U8(); }
    std::uint32_t U32BE() { return (U16BE() << 16) | U16BE(); }
    std::uint32_t U16LE() { return U8() | (U8() << 8); }
    std::uint32_t U32LE() { return U16LE() | (U16LE() << 16); }
    // A MIDI variable-length quantity: at most four bytes of seven bits each.
    std::uint32_t Vlq()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t byte = U8();
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        ok_ = false;
        return value;
    }
    bool Tag(std::string_view tag)
    {
        for (const char c : tag) {
            if (U8() != static_cast<std::uint8_t>(c)) {
                ok_ = false;
            }
        }
        return ok_;
    }
    void Skip(std::size_t count)
    {
        if (count > Remaining()) {
            ok_ = false;
            pos_ = bytes_.size();
            return;
        }
        pos_ += count;
    }
    std::span<const std::uint8_t> Take(std::size_t count)
    {
        count = std::min(count, Remaining());
        const auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// Ticks beyond this are treated as this, so that tick x tempo products stay inside 64 bits.
constexpr std::int64_t MaxTicks = std::int64_t{1} << 32;
constexpr std::int64_t DefaultTempo = 500'000; // microseconds per quarter note

struct TempoChange {
    std::int64_t tick = 0;
    std::int64_t tempo = DefaultTempo;
};

// Reads one track's events; returns the tick of its last complete event. A track cut short ends at
// its last complete event, as a player would stop there.
std::int64_t ReadTrack(std::span<const std::uint8_t> track, std::vector<TempoChange>* tempos)
{
    ByteReader in(track);
    std::int64_t tick = 0;
    std::int64_t lastTick = 0;
    std::uint32_t running = 0;
    while (!in.AtEnd()) {
        tick = std::min(tick + in.Vlq(), MaxTicks);
        std::uint32_t status = in.Peek();
        if ((status & 0x80) != 0) {
            in.U8();
        } else if (running != 0) {
            status = running;
        } else {
            break;
        }
        if (status == 0xFF) {
            const std::uint32_t type = in.U8();
            const std::uint32_t length = in.Vlq();
            const auto data = in.Take(length);
            if (!in.Ok() || data.size() != length) {
                break;
            }
            if (type == 0x51 && length == 3) {
                const std::int64_t tempo = (std::int64_t{data[0]} << 16) | (data[1] << 8) | data[2];
                tempos->push_back({tick, tempo});
            }
            lastTick = tick;
            if (type == 0x2F) {
                break;
            }
        } else if (status == 0xF0 || status == 0xF7) {
            in.Skip(in.Vlq());
            running = 0;
        } else if (status >= 0xF0) {
            break;
        } else {
            running = status;
            const std::uint32_t kind = status & 0xF0;
            in.Skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
        }
        if (!in.Ok()) {
            break;
        }
        lastTick = tick;
    }
    return lastTick;
}

std::string_view ChunkName(std::span<const std::uint8_t> id)
{
    return {reinterpret_cast<const char*>(id.data()), id.size()};
}

// Sound and music files beyond this are none of ours and are refused like missing ones.
constexpr std::uintmax_t MaxFileSize = 64 * 1024 * 1024;

// A file is shared while some device has it open, and forgotten when none has.
struct CachedFile {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    std::weak_ptr<const MediaFile> file;
};

} // namespace

std::optional<std::int64_t> WaveLengthMs(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    if (!in.Tag("RIFF")) {
        return std::nullopt;
    }
    in.U32LE();
    if (!in.Tag("WAVE")) {
        return std::nullopt;
    }
    std::int64_t rate = 0;
    std::int64_t blockAlign = 0;
    std::optional<std::int64_t> dataBytes;
    while (in.Remaining() >= 8 && (rate == 0 || !dataBytes)) {
        const std::string_view name = ChunkName(in.Take(4));
        const std::uint32_t size = in.U32LE();
        if (name == "fmt " && size >= 16) {
            ByteReader fmt(in.Take(size));
            fmt.U16LE(); // format tag
            fmt.U16LE(); // channels
            rate = fmt.U32LE();
            fmt.U32LE(); // bytes per second
            blockAlign = fmt.U16LE();
        } else if (name == "data") {
            dataBytes = std::min<std::int64_t>(size, static_cast<std::int64_t>(in.Remaining()));
            in.Skip(std::min<std::size_t>(size, in.Remaining()));
        } else {
            in.Skip(std::min<std::size_t>(size, in.Remaining()));
        }
        if ((size & 1) != 0 && !in.AtEnd()) {
            in.Skip(1); // chunks are padded to an even size
        }
    }
    if (rate == 0 || blockAlign == 0 || !dataBytes) {
        return std::nullopt;
    }
    return *dataBytes / blockAlign * 1000 / rate;
}

std::optional<std::int64_t> MidiLengthMs(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    if (!in.Tag("MThd")) {
        return std::nullopt;
    }
    const std::uint32_t headerSize = in.U32BE();
    in.U16BE(); // format: every track counts from the start, whatever the format
    const std::uint32_t trackCount = in.U16BE();
    const std::uint32_t division = in.U16BE();
    if (!in.Ok() || headerSize < 6 || division == 0) {
        return std::nullopt;
    }
    in.Skip(headerSize - 6);

    std::vector<TempoChange> tempos;
    std::int64_t endTick = 0;
    for (std::uint32_t track = 0; track < trackCount && in.Remaining() >= 8; ++track) {
        const bool isTrack = ChunkName(in.Take(4)) == "MTrk"; // other chunks are skipped
        const std::uint32_t size = in.U32BE();
        const auto data = in.Take(size);
        if (isTrack) {
            endTick = std::max(endTick, ReadTrack(data, &tempos));
        }
    }

    if ((division & 0x8000) != 0) {
        // SMPTE time: frames per second (29 stands for 29.97) times ticks per frame.
        const std::int64_t framesPerSecond = 256 - (division >> 8);
        const std::int64_t ticksPerFrame = division & 0xFF;
        if (ticksPerFrame == 0) {
            return std::nullopt;
        }
        if (framesPerSecond == 29) {
            return endTick * 100'000 / (2997 * ticksPerFrame);
        }
        return endTick * 1000 / (framesPerSecond * ticksPerFrame);
    }

    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    std::int64_t total = 0; // microseconds x ticks per quarter note
    std::int64_t tick = 0;
    std::int64_t tempo = DefaultTempo;
    for (const auto& change : tempos) {
        if (change.tick >= endTick) {
            break;
        }
        total += (change.tick - tick) * tempo;
        tick = change.tick;
        tempo = change.tempo;
    }
    total += (endTick - tick) * tempo;
    return total / (std::int64_t{division} * 1000);
}

std::shared_ptr<const MediaFile> LoadMediaFile(std::string_view path, MediaKind kind,
                                               MediaFileError* error)
{
    static std::mutex lock;
    static std::map<std::string, CachedFile> cache;

    *error = MediaFileError::NotFound;
    std::error_code ec;
    const auto resolved = std::filesystem::absolute(ResolvePath(path), ec).lexically_normal();
    if (ec || !std::filesystem::is_regular_file(resolved, ec)) {
        return nullptr;
    }
    const auto size = std::filesystem::file_size(resolved, ec);
    const auto modified = std::filesystem::last_write_time(resolved, ec);
    if (ec) {
        return nullptr;
    }
    if (size > MaxFileSize) {
        std::cerr << "vandrel: media file " << resolved.string() << " is larger than "
                  << MaxFileSize << " bytes; not opened\n";
        return nullptr;
    }
    const std::string key = resolved.string();
    const std::scoped_lock guard(lock);
    if (auto found = cache.find(key);
        found != cache.end() && found->second.size == size && found->second.modified == modified) {
        if (auto shared = found->second.file.lock(); shared && shared->kind == kind) {
            *error = MediaFileError::None;
            return shared;
        }
    }

    auto file = std::make_shared<MediaFile>();
    file->key = key;
    file->kind = kind;
    file->bytes.resize(size);
    std::ifstream stream(resolved, std::ios::binary);
    stream.read(reinterpret_cast<char*>(file->bytes.data()), static_cast<std::streamsize>(size));
    if (!stream) {
        return nullptr;
    }
    const auto length =
        kind == MediaKind::Wave ? WaveLengthMs(file->bytes) : MidiLengthMs(file->bytes);
    if (!length) {
        *error = MediaFileError::Invalid;
        return nullptr;
    }
    file->lengthMs = *length;
    std::erase_if(cache, [](const auto& entry) { return entry.second.file.expired(); });
    cache[key] = CachedFile{size, modified, file};
    *error = MediaFileError::None;
    return file;
}

} // namespace platform
