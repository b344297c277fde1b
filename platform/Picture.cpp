// Pictures: loading through SDL2_image into our 32-bit pixels, and 24-bit BMP files written whole
// or not at all.
#include "platform/Picture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

// Every picture path passes through here, so that it is resolved in one place.
std::string ResolvedPath(std::string_view path)
{
    std::string resolved(path);
    for (auto& c : resolved) {
        c = c == '\\' ? '/' : c;
    }
    return resolved;
}

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

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::vector<std::uint8_t> BmpBytes(const Bitmap& bitmap)
{
    const auto width = static_cast<std::uint32_t>(bitmap.width);
    const auto height = static_cast<std::uint32_t>(bitmap.height);
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40;
    std::vector<std::uint8_t> out;
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
            out.push_back(static_cast<std::uint8_t>(pixel >> 16)); // blue
            out.push_back(static_cast<std::uint8_t>(pixel >> 8));  // green
            out.push_back(static_cast<std::uint8_t>(pixel));       // red
        }
        out.insert(out.end(), stride - width * 3, 0);
    }
    return out;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const auto result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

// Makes a rename inside the file's folder durable.
void SyncFolder(const std::string& file)
{
    const auto slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<Bitmap> LoadPicture(std::string_view path)
{
    StartImageLibrary();
    const auto file = ResolvedPath(path);
    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    if (stream == nullptr) {
        return std::nullopt;
    }
    SDL_Surface* loaded = IMG_Load_RW(stream, 1);
    if (loaded == nullptr) {
        return std::nullopt;
    }
    auto bitmap = FromSurface(loaded);
    SDL_FreeSurface(loaded);
    return bitmap;
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
    const auto bytes = BmpBytes(bitmap);
    const auto file = ResolvedPath(path);
    // Written beside the target and renamed over it once complete, so that a failed write leaves
    // the old file as it was.
    std::string temporary = file + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(file);
    return true;
}

} // namespace platform
