// Pictures: each file format loads into 32-bit pixels, a header declaring a huge picture is refused
// before decoding; bitmaps save as 24-bit BMP files atomically.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/Picture.h"
#include "platform/PictureHeader.h"

namespace {

using namespace platform;
namespace fs = std::filesystem;

constexpr Color Magenta = Rgb(255, 0, 255);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Green = Rgb(0, 255, 0);
constexpr Color Blue = Rgb(0, 0, 255);

// A 4 x 2 GIF89a with the palette magenta, red, green, blue and index 0 transparent:
// row 0 holds the indices 0 1 2 3, row 1 holds 3 2 1 0.
const std::vector<std::uint8_t> TransparentGif = {
    'G',  'I',  'F',  '8',  '9',  'a',                    // signature
    0x04, 0x00, 0x02, 0x00, 0x91, 0x00, 0x00,             // 4 x 2, global palette of 4 colours
    0xff, 0x00, 0xff, 0xff, 0x00, 0x00, 0x00, 0xff, 0x00, // magenta, red, green
    0x00, 0x00, 0xff,                                     // blue
    0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00,       // graphic control: index 0 transparent
    0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x02, 0x00, 0x00, // image at (0, 0), 4 x 2
    0x02, 0x05, 0x44, 0x34, 0x23, 0x01, 0x05, 0x00,             // LZW data, minimum code size 2
    0x3b,                                                       // trailer
};

// A 16 x 8 greyscale baseline JPEG, left half black, right half white: quantisation of 1
// everywhere and Huffman tables that hold only the codes this picture uses.
std::vector<std::uint8_t> BlackWhiteJpeg()
{
    std::vector<std::uint8_t> bytes = {0xff, 0xd8, 0xff, 0xdb, 0x00, 0x43, 0x00}; // SOI, DQT
    bytes.insert(bytes.end(), 64, 0x01);
    const std::uint8_t rest[] = {
        0xff, 0xc0, 0x00, 0x0b, 0x08, 0x00, 0x08, 0x00, 0x10, 0x01, 0x01, 0x11, 0x00, // SOF0
        0xff, 0xc4, 0x00, 0x14, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // DHT DC
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0b,                         //
        0xff, 0xc4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // DHT AC
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                         //
        0xff, 0xda, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3f, 0x00,                   // SOS
        0x3f, 0xf3, 0xfc, 0x3f,                                                       // data
        0xff, 0xd9,                                                                   // EOI
    };
    bytes.insert(bytes.end(), std::begin(rest), std::end(rest));
    return bytes;
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A classic icon file with one 24-bit entry: colour rows bottom-up, then an AND mask of 0s.
std::vector<std::uint8_t> ClassicIcon(std::int32_t width, std::int32_t height,
                                      const std::vector<Color>& pixels)
{
    const std::uint32_t colorStride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t maskStride = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
    const std::uint32_t imageSize =
        40 + (colorStride + maskStride) * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out;
    PutLittleEndian(out, 0, 2); // icon directory: reserved, type 1 (icon), one entry
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 1, 2);
    out.push_back(static_cast<std::uint8_t>(width));
    out.push_back(static_cast<std::uint8_t>(height));
    PutLittleEndian(out, 0, 2); // no palette, reserved
    PutLittleEndian(out, 1, 2); // planes
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, 6 + 16, 4); // offset of the image
    PutLittleEndian(out, 40, 4);     // bitmap header; the height counts colour and mask rows
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height * 2), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    for (int i = 0; i < 6; ++i) {
        PutLittleEndian(out, 0, 4);
    }
    for (std::int32_t y = height - 1; y >= 0; --y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const auto pixel =
                static_cast<std::uint32_t>(pixels[static_cast<std::size_t>(y * width + x)]);
            out.push_back(static_cast<std::uint8_t>(pixel >> 16));
            out.push_back(static_cast<std::uint8_t>(pixel >> 8));
            out.push_back(static_cast<std::uint8_t>(pixel));
        }
        out.insert(out.end(), colorStride - static_cast<std::uint32_t>(width) * 3, 0);
    }
    out.insert(out.end(), maskStride * static_cast<std::uint32_t>(height), 0);
    return out;
}

int AppendToVector(GifFileType* gif, const GifByteType* bytes, int count)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + count);
    return count;
}

// A 1 x 5 interlaced GIF whose row y has palette index y: the rows are stored in the order the
// four interlace passes give, 0, 4, 2, 1, 3.
std::vector<std::uint8_t> InterlacedColumn(const std::vector<GifColorType>& palette)
{
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendToVector, &error);
    ColorMapObject* colours = GifMakeMapObject(8, palette.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 1, 5, 8, 0, colours);
    EGifPutImageDesc(gif, 0, 0, 1, 5, true, nullptr);
    for (GifPixelType row : {0, 4, 2, 1, 3}) {
        EGifPutLine(gif, &row, 1);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(colours);
    return out;
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("vandrel-picture-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const auto path = folder_ / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    std::vector<std::uint8_t> Read(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::size_t FileCount() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(PictureTest, GifTransparentIndexKeepsItsPaletteColour)
{
    const auto picture = LoadPicture(Write("keyed.gif", TransparentGif));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 4);
    EXPECT_EQ(picture->height, 2);
    EXPECT_FALSE(picture->monochrome);
    EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{Magenta, Red, Green, Blue, //
                                                           Blue, Green, Red, Magenta}));
}

TEST_F(PictureTest, InterlacedGifRowsComeBackInPictureOrder)
{
    std::vector<GifColorType> palette(8);
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = {static_cast<GifByteType>(i * 30), static_cast<GifByteType>(200 - i * 20),
                      static_cast<GifByteType>(i)};
    }
    const auto picture = LoadPicture(Write("column.gif", InterlacedColumn(palette)));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->height, 5);
    for (std::int32_t y = 0; y < 5; ++y) {
        const GifColorType& colour = palette[static_cast<std::size_t>(y)];
        EXPECT_EQ(picture->pixels[static_cast<std::size_t>(y)],
                  static_cast<std::uint32_t>(Rgb(colour.Red, colour.Green, colour.Blue)))
            << "row " << y;
    }
}

TEST_F(PictureTest, JpegLoadsWithinRoundingOfItsColours)
{
    const auto picture = LoadPicture(Write("halves.jpg", BlackWhiteJpeg()));
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->width, 16);
    ASSERT_EQ(picture->height, 8);
    for (std::int32_t y = 0; y < 8; ++y) {
        for (std::int32_t x = 0; x < 16; ++x) {
            const std::uint32_t pixel = picture->Row(y)[x];
            const int expected = x < 8 ? 0 : 255;
            for (int shift : {0, 8, 16}) {
                EXPECT_NEAR(static_cast<int>((pixel >> shift) & 0xFF), expected, 2)
                    << x << "," << y;
            }
        }
    }
}

TEST_F(PictureTest, ClassicIconEntryLoads)
{
    const std::vector<Color> pixels{Red, Green, Blue, Rgb(10, 20, 30), Magenta, Rgb(200, 100, 50)};
    const auto picture = LoadPicture(Write("icon.ico", ClassicIcon(3, 2, pixels)));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->pixels, std::vector<std::uint32_t>(pixels.begin(), pixels.end()));
}

TEST_F(PictureTest, SavedBmpHasTwentyFourBitRowsAndLoadsBackPixelForPixel)
{
    Bitmap bitmap(3, 2);
    bitmap.pixels = {Red, Green, Blue, Rgb(1, 2, 3), Magenta, Rgb(250, 128, 7)};
    const auto path = (folder_ / "shot.bmp").string();
    ASSERT_TRUE(SaveBitmapFile(bitmap, path));

    // 14 + 40 header bytes, then two rows of 3 pixels x 3 bytes padded to 12.
    const auto bytes = Read("shot.bmp");
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[28], 24); // bits per pixel
    EXPECT_EQ(bytes[54], 3);  // bottom row first, blue green red: Rgb(1, 2, 3)
    EXPECT_EQ(bytes[55], 2);
    EXPECT_EQ(bytes[56], 1);

    const auto loaded = LoadPicture(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->width, 3);
    EXPECT_EQ(loaded->height, 2);
    EXPECT_EQ(loaded->pixels, bitmap.pixels);
    EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";
}

TEST_F(PictureTest, SavingMonochromeBitmapWritesBlackAndWhite)
{
    Bitmap bitmap(2, 1, true);
    bitmap.pixels = {1, 0};
    const auto path = (folder_ / "mono.bmp").string();
    ASSERT_TRUE(SaveBitmapFile(bitmap, path));
    const auto loaded = LoadPicture(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->pixels, (std::vector<std::uint32_t>{0x00FFFFFF, 0}));
}

TEST_F(PictureTest, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    Bitmap bitmap(1, 1);
    // The target is a folder with a file in it: nothing can be renamed over it.
    fs::create_directories(folder_ / "taken.bmp");
    Write("taken.bmp/inside", {1, 2, 3});
    EXPECT_FALSE(SaveBitmapFile(bitmap, (folder_ / "taken.bmp").string()));
    EXPECT_EQ(Read("taken.bmp/inside"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(FileCount(), 1u);

    EXPECT_FALSE(SaveBitmapFile(bitmap, (folder_ / "missing" / "x.bmp").string()));
    EXPECT_FALSE(SaveBitmapFile(Bitmap(0, 0), (folder_ / "empty.bmp").string()));
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(PictureTest, PathsWithBackslashesAndOtherCapitalsAreFound)
{
    Bitmap bitmap(1, 1);
    bitmap.pixels = {Blue};
    fs::create_directories(folder_ / "Gfx");
    ASSERT_TRUE(SaveBitmapFile(bitmap, (folder_ / "Gfx" / "one.bmp").string()));
    for (const char* name : {"\\Gfx\\one.bmp", "\\gfx\\ONE.bmp"}) {
        const auto picture = LoadPicture(folder_.string() + name);
        ASSERT_TRUE(picture.has_value()) << name;
        EXPECT_EQ(picture->pixels, (std::vector<std::uint32_t>{Blue}));
    }
}

TEST_F(PictureTest, MissingOrUnreadablePicturesAnswerNothing)
{
    EXPECT_FALSE(LoadPicture((folder_ / "none.gif").string()).has_value());
    EXPECT_FALSE(
        LoadPicture(Write("garbage.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2})).has_value());
    EXPECT_FALSE(LoadPicture(Write("empty.jpg", {})).has_value());
    EXPECT_EQ(LoadPictureHandle((folder_ / "none.bmp").string()), 0);
}

TEST_F(PictureTest, PictureHandleSelectsIntoAContext)
{
    const Hbitmap picture = LoadPictureHandle(Write("keyed.gif", TransparentGif));
    ASSERT_NE(picture, 0);
    const Hdc dc = CreateCompatibleDC(0);
    DeleteObject(SelectObject(dc, picture));
    EXPECT_EQ(GetPixel(dc, 0, 0), Magenta);
    EXPECT_EQ(GetPixel(dc, 1, 1), Green);
    EXPECT_EQ(GetPixel(dc, 4, 0), ClrInvalid);
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(picture));
}

// The bytes with a little-endian 16-bit value put at an offset.
std::vector<std::uint8_t> With16(std::vector<std::uint8_t> bytes, std::size_t at,
                                 std::uint16_t value, bool bigEndian = false)
{
    bytes.at(at) = static_cast<std::uint8_t>(bigEndian ? value >> 8 : value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(bigEndian ? value : value >> 8);
    return bytes;
}

TEST_F(PictureTest, HeadersGiveTheLargestSizeTheDecoderCouldMake)
{
    const std::vector<std::uint8_t> jpeg = BlackWhiteJpeg();
    std::vector<std::uint8_t> bmp(54, 0);
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[14] = 40;
    const auto bmpSized = [&](std::uint32_t width, std::uint32_t height) {
        auto bytes = bmp;
        for (int i = 0; i < 4; ++i) {
            bytes[18 + i] = static_cast<std::uint8_t>(width >> (8 * i));
            bytes[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
        }
        return bytes;
    };
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::optional<std::pair<std::int64_t, std::int64_t>> size;
    } cases[] = {
        {"gif", TransparentGif, std::pair{4, 2}},
        {"gif screen", With16(TransparentGif, 6, 300), std::pair{300, 2}},
        {"gif image past its screen", With16(TransparentGif, 40, 9000), std::nullopt},
        {"gif without image", {TransparentGif.begin(), TransparentGif.begin() + 33}, std::nullopt},
        {"jpeg", jpeg, std::pair{16, 8}},
        {"jpeg frame", With16(jpeg, 76, 65535, true), std::pair{16, 65535}},
        {"jpeg cut", {jpeg.begin(), jpeg.begin() + 76}, std::nullopt},
        {"bmp top-down", bmpSized(7, 0xFFFFFFFB), std::pair{7, 5}},
        {"icon", ClassicIcon(3, 2, std::vector<Color>(6)), std::pair{3, 4}},
        {"png", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto header = ReadPictureHeader(c.bytes);
        ASSERT_EQ(header.has_value(), c.size.has_value()) << c.name;
        if (header) {
            EXPECT_EQ(std::pair(header->width, header->height), *c.size) << c.name;
        }
    }
}

TEST_F(PictureTest, AHugeDeclaredSizeOrAFifoIsRefusedAtOnce)
{
    // 65535 x 65535 in 35 bytes: decoding would take gigabytes.
    const std::vector<std::uint8_t> hugeGif = {
        'G',  'I', 'F', '8', '9', 'a', 0xff, 0xff, 0xff, 0xff, 0x80, 0, 0, 0,    0, 0, 0xff, 0xff,
        0xff, ',', 0,   0,   0,   0,   0xff, 0xff, 0xff, 0xff, 0,    2, 2, 0x44, 1, 0, ';'};
    const std::vector<std::uint8_t> wideIcon =
        With16(ClassicIcon(3, 2, std::vector<Color>(6)), 26, 8193);
    ASSERT_EQ(::mkfifo((folder_ / "fifo.gif").c_str(), 0600), 0);
    ::alarm(10); // the time limit: a FIFO must not be waited for, nor a huge picture decoded
    for (const auto& [name, bytes] :
         {std::pair{"huge.gif", hugeGif}, std::pair{"wide.ico", wideIcon}}) {
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(LoadPicture(Write(name, bytes)).has_value()) << name;
        EXPECT_EQ(::testing::internal::GetCapturedStderr().rfind("vandrel: ", 0), 0U) << name;
    }
    EXPECT_FALSE(LoadPicture((folder_ / "fifo.gif").string()).has_value());
    ::alarm(0);
}

} // namespace
