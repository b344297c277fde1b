// Picture file writers: giflib for GIF, SDL2_image for JPEG and PNG, and our own ICO layout.
#include "assets/PictureFiles.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

#include "assets/Quantize.h"

namespace assetgen {

namespace {

int AppendGifBytes(GifFileType* gif, const GifByteType* data, int length)
{
    auto* out = static_cast<std::vector<unsigned char>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A surface over the image's own pixels (0x00RRGGBB words are SDL's RGB888 layout).
SurfacePtr SurfaceOf(Image& image)
{
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), image.width,
                                                         image.height, 32, image.width * 4,
                                                         SDL_PIXELFORMAT_RGB888));
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

// One icon entry: a bitmap header of double height (colour rows, then mask rows), the colour rows
// bottom-up as BGRA, and the AND mask with a set bit where the icon is fully transparent.
std::vector<unsigned char> IconEntry(const Canvas& canvas, Color matte)
{
    const int size = canvas.width;
    const int maskStride = ((size + 31) / 32) * 4;
    std::vector<unsigned char> out;
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(size));
    Put32(out, static_cast<unsigned>(size * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, static_cast<unsigned>(size * size * 4 + maskStride * size));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const double alpha = canvas.Alpha(x, y);
            const Color c = alpha > 0 ? canvas.ColorAt(x, y) : matte;
            out.push_back(static_cast<unsigned char>(c & 0xFF));
            out.push_back(static_cast<unsigned char>((c >> 8) & 0xFF));
            out.push_back(static_cast<unsigned char>((c >> 16) & 0xFF));
            out.push_back(static_cast<unsigned char>(std::lround(std::min(alpha, 1.0) * 255)));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<unsigned char> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < size; ++x) {
            if (std::lround(std::min(canvas.Alpha(x, y), 1.0) * 255) == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

bool WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

bool WriteGif(const Image& image, const std::filesystem::path& path, std::optional<Color> key)
{
    const Indexed indexed = Quantize(image, key);
    int colours = 2;
    while (colours < static_cast<int>(indexed.palette.size())) {
        colours *= 2;
    }
    std::vector<GifColorType> map(static_cast<std::size_t>(colours), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < indexed.palette.size(); ++i) {
        const Color c = indexed.palette[i];
        map[i] = {static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8),
                  static_cast<GifByteType>(c)};
    }

    std::vector<unsigned char> bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendGifBytes, &error);
    if (gif == nullptr) {
        return false;
    }
    ColorMapObject* colorMap = GifMakeMapObject(colours, map.data());
    bool ok = colorMap != nullptr &&
              EGifPutScreenDesc(gif, image.width, image.height, 8, 0, colorMap) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
    for (int y = 0; ok && y < image.height; ++y) {
        std::memcpy(line.data(), indexed.indices.data() + static_cast<std::size_t>(y) * image.width,
                    line.size());
        ok = EGifPutLine(gif, line.data(), image.width) == GIF_OK;
    }
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(colorMap);
    return ok && WriteBytes(path, bytes);
}

bool WriteJpeg(const Image& image, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    Image copy = image;
    SurfacePtr surface = SurfaceOf(copy);
    return surface && IMG_SaveJPG(surface.get(), path.c_str(), 92) == 0;
}

bool WritePng(const Image& image, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    Image copy = image;
    SurfacePtr surface = SurfaceOf(copy);
    return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

bool WriteIco(const std::vector<const Canvas*>& sizes, const std::filesystem::path& path,
              Color matte)
{
    std::vector<unsigned char> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(sizes.size()));
    std::vector<std::vector<unsigned char>> entries;
    for (const Canvas* canvas : sizes) {
        entries.push_back(IconEntry(*canvas, matte));
    }
    unsigned offset = 6 + 16 * static_cast<unsigned>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i]->width;
        out.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
        out.push_back(static_cast<unsigned char>(size >= 256 ? 0 : size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<unsigned>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<unsigned>(entries[i].size());
    }
    for (const auto& entry : entries) {
        out.insert(out.end(), entry.begin(), entry.end());
    }
    return WriteBytes(path, out);
}

std::optional<Image> ReadPicture(const std::filesystem::path& path)
{
    SurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        return std::nullopt;
    }
    SurfacePtr converted(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!converted) {
        return std::nullopt;
    }
    Image image(converted->w, converted->h);
    for (int y = 0; y < converted->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const unsigned char*>(converted->pixels) +
            static_cast<std::ptrdiff_t>(y) * converted->pitch);
        for (int x = 0; x < converted->w; ++x) {
            // Transparent icon pixels show as white, the colour an icon sits on in a file list.
            const std::uint32_t p = row[x];
            const double a = (p >> 24) / 255.0;
            image.At(x, y) = Mix(0xFFFFFF, p & 0xFFFFFF, a);
        }
    }
    return image;
}

} // namespace assetgen
