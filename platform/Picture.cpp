// Pictures: loading GIF through giflib and the other formats through SDL2_image into our 32-bit
// pixels, and 24-bit BMP files written whole or not at all.
#include "platform/Picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <iostream>
#include <string>

#include "platform/AtomicFile.h"
#include "platform/GifDecoder.h"
#include "platform/Paths.h"
#include "platform/PictureHeader.h"

namespace platform {
namespace {

// The image library, started on first use and closed at exit.
class ImageLibrary {
public:
    ImageLibrary() { IMG_Init(IMG_INIT_JPG); }
    ~ImageLibrary() { IMG_Quit(); }
    ImageLibrary(const ImageLibrary&) = delete;
    ImageLibrary& operator=(const ImageLibrary&) = delete;
};

void StartImageLibrary()
{
    static ImageLibrary library;
}

// Picture files beyond this are none of ours (the largest, a 24-bit BMP screenshot, is 1.4 MB).
constexpr std::size_t MaxFileSize = 64 * 1024 * 1024;

// The decoder for the format the header names, so that what is decoded is what was checked.
SDL_Surface* Decode(PictureFormat format, SDL_RWops* stream)
{
    switch (format) {
    case PictureFormat::Gif:
        return nullptr; // never reached: DecodePicture hands GIF files to DecodeGif
    case PictureFormat::Jpeg:
        return IMG_LoadJPG_RW(stream);
    case PictureFormat::Bmp:
        return IMG_LoadBMP_RW(stream);
    case PictureFormat::Icon:
        return IMG_LoadICO_RW(stream);
    }
    return nullptr;
}

std::optional<Bitmap> FromSurface(SDL_Surface* loaded)
{
    // A transparent GIF index keeps its palette colour: the colour key is dropped before the
    // conversion, so the figure's key colour reads back at pixel (0, 0).
    SDL_SetColorKey(loaded, SDL_FALSE, 0);
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
    if (surface == nullptr) {
        return std::nullopt;
    }
    Bitmap bitmap(surface->w, surface->h);
    SDL_LockSurface(surface);
    for (std::int32_t y = 0; y < bitmap.height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(surface->pixels) +
                          static_cast<std::ptrdiff_t>(y) * surface->pitch;
        std::memcpy(bitmap.Row(y), row, static_cast<std::size_t>(bitmap.width) * 4);
        for (auto* pixel = bitmap.Row(y); pixel != bitmap.Row(y) + bitmap.width; ++pixel) {
            *pixel &= 0x00FFFFFFu;
        }
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return bitmap;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i)));
    }
}

std::string BmpBytes(const Bitmap& bitmap)
{
    const auto width = static_cast<std::uint32_t>(bitmap.width);
    const auto height = static_cast<std::uint32_t>(bitmap.height);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40;
    std::string out;
    out.reserve(headers + static_cast<std::size_t>(stride) * height);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, headers + stride * height, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, headers, 4);
    PutLittleEndian(out, 40, 4);
    PutLittleEndian(out, width, 4);
    PutLittleEndian(out, height, 4); // positive: rows stored bottom-up
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, 0, 4); // no compression
    PutLittleEndian(out, stride * height, 4);
    PutLittleEndian(out, 3780, 4); // 96 dpi in pixels per metre
    PutLittleEndian(out, 3780, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (std::int32_t y = bitmap.height - 1; y >= 0; --y) {
        const auto* row = bitmap.Row(y);
        for (std::int32_t x = 0; x < bitmap.width; ++x) {
            const std::uint32_t pixel = bitmap.monochrome ? (row[x] != 0 ? 0xFFFFFFu : 0u) : row[x];
            out.push_back(static_cast<char>(pixel >> 16)); // blue
            out.push_back(static_cast<char>(pixel >> 8));  // green
            out.push_back(static_cast<char>(pixel));       // red
        }
        out.append(stride - width * 3, '\0');
    }
    return out;
}

} // namespace

std::optional<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes)
{
    const auto header = ReadPictureHeader(bytes);
    if (!header || !PictureSizeAllowed(*header)) {
        return std::nullopt;
    }
    if (header->format == PictureFormat::Gif) {
        return DecodeGif(bytes);
    }
    StartImageLibrary();
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (stream == nullptr) {
        return std::nullopt;
    }
    SDL_Surface* loaded = Decode(header->format, stream);
    SDL_RWclose(stream);
    if (loaded == nullptr) {
        return std::nullopt;
    }
    auto bitmap = FromSurface(loaded);
    SDL_FreeSurface(loaded);
    return bitmap;
}

std::optional<Bitmap> LoadPicture(std::string_view path)
{
    const auto file = ResolvePath(path);
    int error = 0;
    const auto bytes = ReadWholeFile(file, MaxFileSize, &error);
    if (!bytes) {
        return std::nullopt;
    }
    const std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes->data()),
                                             bytes->size());
    if (const auto header = ReadPictureHeader(view); header && !PictureSizeAllowed(*header)) {
        std::cerr << "vandrel: picture " << file.string() << " declares " << header->width << " x "
                  << header->height << " pixels; not loaded\n";
        return std::nullopt;
    }
    return DecodePicture(view);
}

Hbitmap LoadPictureHandle(std::string_view path)
{
    auto bitmap = LoadPicture(path);
    return bitmap ? CreateBitmapFrom(std::move(*bitmap)) : 0;
}

bool SaveBitmapFile(const Bitmap& bitmap, std::string_view path)
{
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return false;
    }
    return WriteFileAtomically(ResolvePath(path), BmpBytes(bitmap));
}

} // namespace platform
