// The format and size a picture file declares in its header, read before anything is decoded, so
// that a file declaring a huge picture is refused before memory is taken for it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace platform {

enum class PictureFormat { Gif, Jpeg, Bmp, Icon };

struct PictureHeader {
    PictureFormat format = PictureFormat::Bmp;
    // The largest picture the decoder may make of the file (for a GIF its screen, which must hold
    // its first image; for an icon the largest of its bitmaps, mask rows included).
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The longest side a picture may have: far beyond every picture of ours.
inline constexpr std::int64_t MaxPictureSide = 8192;

// The header of a GIF, JPEG, BMP or ICO file; nothing for other bytes or a header cut short.
std::optional<PictureHeader> ReadPictureHeader(std::span<const std::uint8_t> bytes);

// True when the header declares a picture of 1 to MaxPictureSide pixels each way.
bool PictureSizeAllowed(const PictureHeader& header);

} // namespace platform
