// Reading the declared size of GIF, JPEG, BMP and ICO files the way their decoders do, without
// decoding: the GIF screen (with its first image inside it), the JPEG frame header, the BMP info
// header, and the bitmap header of every icon entry.
#include "platform/PictureHeader.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

using Bytes = std::span<const std::uint8_t>;

bool Has(Bytes bytes, std::size_t at, std::size_t count)
{
    return at <= bytes.size() && count <= bytes.size() - at;
}

std::int64_t Le16(Bytes bytes, std::size_t at)
{
    return bytes[at] | (bytes[at + 1] << 8);
}

std::int64_t Be16(Bytes bytes, std::size_t at)
{
    return (bytes[at] << 8) | bytes[at + 1];
}

// A signed 32-bit little-endian number, as BMP headers hold their sizes.
std::int64_t Le32Signed(Bytes bytes, std::size_t at)
{
    const std::uint32_t value = static_cast<std::uint32_t>(Le16(bytes, at)) |
                                (static_cast<std::uint32_t>(Le16(bytes, at + 2)) << 16);
    return static_cast<std::int32_t>(value);
}

bool StartsWith(Bytes bytes, std::string_view magic)
{
    return Has(bytes, 0, magic.size()) &&
           std::equal(magic.begin(), magic.end(), bytes.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

std::optional<PictureHeader> Gif(Bytes bytes)
{
    if (!Has(bytes, 0, 13)) {
        return std::nullopt;
    }
    PictureHeader header{PictureFormat::Gif, Le16(bytes, 6), Le16(bytes, 8)};
    const std::uint8_t flags = bytes[10];
    std::size_t at = 13 + ((flags & 0x80) != 0 ? std::size_t{3} << ((flags & 7) + 1) : 0);
    // The decoder skips extensions and stray bytes up to the first image descriptor.
    while (at < bytes.size()) {
        const std::uint8_t block = bytes[at];
        if (block == ',') {
            if (!Has(bytes, at + 1, 9)) {
                return std::nullopt;
            }
            // An image reaching past the screen, or a code size outside 2..8, is malformed and
            // refused before decoding, so no picture decodes larger than its header says.
            const bool inside = Le16(bytes, at + 1) + Le16(bytes, at + 5) <= header.width &&
                                Le16(bytes, at + 3) + Le16(bytes, at + 7) <= header.height;
            const std::uint8_t imageFlags = bytes[at + 9];
            const std::size_t codeSize =
                at + 10 + ((imageFlags & 0x80) != 0 ? std::size_t{3} << ((imageFlags & 7) + 1) : 0);
            const bool validCodes =
                codeSize < bytes.size() && bytes[codeSize] >= 2 && bytes[codeSize] <= 8;
            return inside && validCodes ? std::optional(header) : std::nullopt;
        }
        if (block == ';') {
            return std::nullopt;
        }
        if (block == '!') {
            at += 2; // the introducer and the label, then data blocks up to an empty one
            while (at < bytes.size() && bytes[at] != 0) {
                at += 1 + bytes[at];
            }
        }
        ++at;
    }
    return std::nullopt;
}

bool IsFrameHeader(std::uint8_t marker)
{
    // SOF0 to SOF15, which are not DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureHeader> Jpeg(Bytes bytes)
{
    std::size_t at = 2;
    for (;;) {
        // As the decoder does, bytes before a marker are skipped, and so are fill bytes 0xFF.
        while (at < bytes.size() && bytes[at] != 0xFF) {
            ++at;
        }
        while (at < bytes.size() && bytes[at] == 0xFF) {
            ++at;
        }
        if (at >= bytes.size()) {
            return std::nullopt;
        }
        const std::uint8_t marker = bytes[at++];
        const bool standalone =
            marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
        if (standalone) {
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || !Has(bytes, at, 2)) {
            return std::nullopt; // the end, or image data, before any frame header
        }
        const std::int64_t length = Be16(bytes, at);
        if (IsFrameHeader(marker)) {
            if (length < 8 || !Has(bytes, at, 7)) {
                return std::nullopt;
            }
            return PictureHeader{PictureFormat::Jpeg, Be16(bytes, at + 5), Be16(bytes, at + 3)};
        }
        if (length < 2) {
            return std::nullopt;
        }
        at += static_cast<std::size_t>(length);
    }
}

std::optional<PictureHeader> Bmp(Bytes bytes)
{
    if (!Has(bytes, 14, 4)) {
        return std::nullopt;
    }
    const std::int64_t infoSize = Le32Signed(bytes, 14);
    if (infoSize == 12 && Has(bytes, 18, 4)) {
        return PictureHeader{PictureFormat::Bmp, Le16(bytes, 18), Le16(bytes, 20)};
    }
    if (infoSize >= 40 && Has(bytes, 18, 8)) {
        // A negative height stores the rows top-down.
        return PictureHeader{PictureFormat::Bmp, std::abs(Le32Signed(bytes, 18)),
                             std::abs(Le32Signed(bytes, 22))};
    }
    return std::nullopt;
}

std::optional<PictureHeader> Icon(Bytes bytes)
{
    const std::int64_t count = Le16(bytes, 4);
    std::optional<PictureHeader> header;
    for (std::int64_t entry = 0; entry < count; ++entry) {
        const std::size_t at = 6 + static_cast<std::size_t>(entry) * 16;
        if (!Has(bytes, at, 16)) {
            break;
        }
        const std::int64_t offset = static_cast<std::uint32_t>(Le32Signed(bytes, at + 12));
        const auto bitmap = static_cast<std::size_t>(offset);
        // Only bitmaps with a 40-byte info header are decoded; they hold colour and mask rows.
        if (!Has(bytes, bitmap, 12) || Le32Signed(bytes, bitmap) != 40) {
            continue;
        }
        const std::int64_t width = std::abs(Le32Signed(bytes, bitmap + 4));
        const std::int64_t height = std::abs(Le32Signed(bytes, bitmap + 8));
        if (!header) {
            header = PictureHeader{PictureFormat::Icon, width, height};
        }
        header->width = std::max(header->width, width);
        header->height = std::max(header->height, height);
    }
    return header;
}

} // namespace

std::optional<PictureHeader> ReadPictureHeader(Bytes bytes)
{
    if (StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a")) {
        return Gif(bytes);
    }
    if (StartsWith(bytes, "\xFF\xD8")) {
        return Jpeg(bytes);
    }
    if (StartsWith(bytes, "BM")) {
        return Bmp(bytes);
    }
    if (StartsWith(bytes, std::string_view("\0\0\1\0", 4)) && Has(bytes, 4, 2) &&
        Le16(bytes, 4) > 0) {
        return Icon(bytes);
    }
    return std::nullopt;
}

bool PictureSizeAllowed(const PictureHeader& header)
{
    return header.width >= 1 && header.width <= MaxPictureSide && header.height >= 1 &&
           header.height <= MaxPictureSide;
}

} // namespace platform
