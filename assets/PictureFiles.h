// Writing finished pictures as GIF, JPEG, PNG and ICO files, and reading pictures back.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "assets/Canvas.h"

namespace assetgen {

// A GIF without a transparency marker: a key, when given, is only a colour of the palette.
bool WriteGif(const Image& image, const std::filesystem::path& path, std::optional<Color> key);
bool WriteJpeg(const Image& image, const std::filesystem::path& path);
bool WritePng(const Image& image, const std::filesystem::path& path);
// An icon file of classic 32-bit bitmap entries, each with its AND mask, one per canvas. Fully
// transparent pixels carry the matte colour, for readers that ignore alpha and mask.
bool WriteIco(const std::vector<const Canvas*>& sizes, const std::filesystem::path& path,
              Color matte);

// Any picture SDL_image can read, as opaque pixels.
std::optional<Image> ReadPicture(const std::filesystem::path& path);

// Writes bytes to a file, creating its folders; false on any failure.
bool WriteBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

} // namespace assetgen
