// Pictures for the toolkit tests: small bitmaps built in the test, written as BMP files into a
// temporary folder and loaded into sprites the way the games load theirs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/Gdi.h"
#include "platform/Picture.h"
#include "platform/Surface.h"
#include "toolkit/SpriteClass.h"

namespace testpictures {

// A bitmap of w x h pixels filled with one colour.
inline platform::Bitmap Filled(std::int32_t w, std::int32_t h, platform::Color color)
{
    platform::Bitmap bitmap(w, h);
    for (auto& pixel : bitmap.pixels) {
        pixel = static_cast<std::uint32_t>(color);
    }
    return bitmap;
}

inline void Put(platform::Bitmap& bitmap, std::int32_t x, std::int32_t y, platform::Color color)
{
    bitmap.Row(y)[x] = static_cast<std::uint32_t>(color);
}

// A folder of its own per test program, removed at exit.
class Folder {
public:
    Folder()
        : path_(std::filesystem::temp_directory_path() /
                ("vandrel-toolkit-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline Folder& TestFolder()
{
    static Folder folder;
    return folder;
}

// Writes the bitmap as a BMP file and answers its path.
inline std::string WritePicture(const platform::Bitmap& bitmap, const std::string& name)
{
    const std::string path = TestFolder().File(name);
    EXPECT_TRUE(platform::SaveBitmapFile(bitmap, path));
    return path;
}

// Appends the bitmap to the sprite as its next frame.
inline void LoadFrame(SpriteClass& sprite, const platform::Bitmap& bitmap, platform::Surface& form,
                      const std::string& name = "frame.bmp")
{
    sprite.LoadDCImage(WritePicture(bitmap, name), form);
}

// A form of the given size cleared to one colour.
inline void Prepare(platform::Surface& form, std::int32_t w, std::int32_t h, platform::Color back)
{
    form.Resize(w, h);
    form.SetBackColor(back);
}

} // namespace testpictures
