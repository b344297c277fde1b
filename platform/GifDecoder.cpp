// GIF decoding through giflib, which reports malformed data as an error rather than touching
// memory it does not own; interlaced images are put back into row order here.
#include "platform/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/PictureHeader.h"

namespace platform {
namespace {

struct MemoryReader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
    const std::size_t taken = std::min(wanted, reader->bytes.size() - reader->at);
    std::memcpy(out, reader->bytes.data() + reader->at, taken);
    reader->at += taken;
    return static_cast<int>(taken);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

bool SkipExtension(GifFileType* gif)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return false;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

// The rows in the order an image stores them: in four passes when it is interlaced.
std::vector<std::int32_t> StoredRowOrder(std::int32_t height, bool interlaced)
{
    std::vector<std::int32_t> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (std::int32_t y = 0; y < height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    constexpr std::array<std::int32_t, 4> first{0, 4, 2, 1};
    constexpr std::array<std::int32_t, 4> step{8, 8, 4, 2};
    for (std::size_t pass = 0; pass < first.size(); ++pass) {
        for (std::int32_t y = first[pass]; y < height; y += step[pass]) {
            rows.push_back(y);
        }
    }
    return rows;
}

std::optional<Bitmap> ReadImage(GifFileType* gif)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR) {
        return std::nullopt;
    }
    const GifImageDesc& image = gif->Image;
    const PictureHeader size{PictureFormat::Gif, image.Width, image.Height};
    const ColorMapObject* colours = image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
    if (image.Width <= 0 || image.Height <= 0 || !PictureSizeAllowed(size) || colours == nullptr) {
        return std::nullopt;
    }
    Bitmap bitmap(image.Width, image.Height);
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.Width));
    for (const std::int32_t y : StoredRowOrder(image.Height, image.Interlace)) {
        if (DGifGetLine(gif, line.data(), image.Width) == GIF_ERROR) {
            return std::nullopt;
        }
        std::uint32_t* row = bitmap.Row(y);
        for (std::int32_t x = 0; x < image.Width; ++x) {
            const GifPixelType index = line[static_cast<std::size_t>(x)];
            if (index < colours->ColorCount) {
                const GifColorType& colour = colours->Colors[index];
                row[x] = Rgb(colour.Red, colour.Green, colour.Blue);
            }
        }
    }
    return bitmap;
}

} // namespace

std::optional<Bitmap> DecodeGif(std::span<const std::uint8_t> bytes)
{
    MemoryReader reader{bytes};
    int error = 0;
    const std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &error));
    if (gif == nullptr) {
        return std::nullopt;
    }
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
            return std::nullopt;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            return ReadImage(gif.get());
        }
        if (record != EXTENSION_RECORD_TYPE || !SkipExtension(gif.get())) {
            return std::nullopt;
        }
    }
}

} // namespace platform
