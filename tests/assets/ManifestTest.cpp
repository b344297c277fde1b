// Every picture, sound and tune the programs load: present in the program folder, readable by the
// platform's loaders, of the size the code relies on, with colour keys where the figures need them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "assets/Panel.h"
#include "games/morvex/MorvexAfterburner.h"
#include "games/tamblo/TambloTiles.h"
#include "platform/MediaFile.h"
#include "platform/Paths.h"
#include "platform/Picture.h"

namespace {

enum class Key { None, Corner, Centre };

struct PictureEntry {
    std::string path;
    int width;
    int height;
    Key key;
};

// The pictures, with the paths as the programs spell them.
std::vector<PictureEntry> Pictures()
{
    std::vector<PictureEntry> list = {
        {"gfx\\icon\\icon.ico", 32, 32, Key::None},
        {"Gfx\\Panel\\panel.gif", 800, 120, Key::None},
        {"Gfx\\Panel\\border.gif", 800, 8, Key::None},
        {"Gfx\\Buttons\\stopbutton.gif", 60, 60, Key::Corner},
        {"Gfx\\Buttons\\optionsbutton.gif", 60, 60, Key::Corner},
        {"Gfx\\Buttons\\optionsStopButton.gif", 60, 60, Key::Corner},
        {"Gfx\\Buttons\\optionsOkButton.gif", 60, 60, Key::Corner},
        {"Gfx\\Buttons\\easyModeButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\normalModeButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\musicOffButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\musicOnButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\fxOffButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\fxOnButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\oneButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\twoButtons.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\highscoreOffButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\highscoreOnButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\pauseOnStopOffButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\pauseOnStopOnButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\importButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\exportButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\nameOkButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\resetScoresButton.gif", 60, 60, Key::None},
        {"Gfx\\Buttons\\openButton.gif", 40, 40, Key::Corner},
        {"Gfx\\Buttons\\saveButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\gridButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\clearButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\clearbutton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\removeButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\leftButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\rightButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\easyModeButtonS.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\removeBrickButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\removeBlocksButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\riversButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\roadsButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\logButton.gif", 40, 40, Key::None},
        {"Gfx\\Buttons\\carButton.gif", 40, 40, Key::None},
        // The steppers under the Lupido editor's tools, and its direction arrows.
        {"Gfx\\Buttons\\changeAmountButton.gif", 40, 20, Key::None},
        {"Gfx\\Buttons\\speedButton.gif", 40, 20, Key::None},
        {"Gfx\\Lupido\\flowerButton.gif", 40, 40, Key::None},
        {"Gfx\\Lupido\\bushButton.gif", 40, 40, Key::None},
        {"Gfx\\Lupido\\leftDir.gif", 20, 20, Key::Corner},
        {"Gfx\\Lupido\\rightDir.gif", 20, 20, Key::Corner},
        {"Gfx\\Menu\\background.jpg", 800, 600, Key::None},
        {"Gfx\\Menu\\highscoreBackground.jpg", 800, 600, Key::None},
        {"Gfx\\Menu\\splash.jpg", 400, 300, Key::None},
        {"Gfx\\Menu\\innerFrame.gif", 158, 158, Key::None},
        {"Gfx\\Menu\\frame.gif", 184, 184, Key::Centre},
        {"Gfx\\Tamblo\\gulpoSmile.gif", 200, 200, Key::Corner},
        {"Gfx\\Tamblo\\gulpoSad.gif", 200, 200, Key::Corner},
        {"Gfx\\Tamblo\\tambloSpeedImage.gif", 60, 60, Key::None},
        {"Gfx\\Tamblo\\ghostSpeedImage.gif", 60, 60, Key::None},
        {"Gfx\\Tamblo\\maxNumGhostsImage.gif", 60, 60, Key::None},
        {"Gfx\\Zentar\\ship.gif", 60, 40, Key::Corner},
        {"Gfx\\Zentar\\shot.gif", 6, 16, Key::Corner},
        {"Gfx\\Zentar\\explosion.gif", 60, 60, Key::Corner},
        {"Gfx\\Zentar\\flower.gif", 16, 16, Key::Corner},
        {"Gfx\\Zentar\\Backgrounds\\simpleBg0.gif", 800, 600, Key::None},
        {"Gfx\\Zentar\\Backgrounds\\simpleBg1.gif", 800, 600, Key::None},
        {"Gfx\\Zentar\\shipSpeedImage.gif", 62, 62, Key::None},
        {"Gfx\\Zentar\\alienSpeedImage.gif", 62, 62, Key::None},
        {"Gfx\\Krevin\\topBorder.gif", 800, 20, Key::None},
        {"Gfx\\Krevin\\sideBorder.gif", 20, 480, Key::None},
        {"Gfx\\Krevin\\PadSpeedImage.gif", 62, 62, Key::None},
        {"Gfx\\Krevin\\BallSpeedImage.gif", 62, 62, Key::None},
        {"Gfx\\Quadrel\\background.gif", 800, 600, Key::None},
        {"Gfx\\Quadrel\\buildbg.gif", 420, 480, Key::None},
        {"Gfx\\Quadrel\\wall.gif", 800, 480, Key::None},
        {"Gfx\\Quadrel\\sideBorder.gif", 10, 480, Key::None},
        {"Gfx\\Quadrel\\moveSpeedImage.gif", 62, 62, Key::None},
        {"Gfx\\Quadrel\\fallSpeedImage.gif", 62, 62, Key::None},
    };
    for (const char* game :
         {"tambloIcon", "zentarIcon", "lupidoIcon", "krevinIcon", "morvexIcon", "quadrelIcon"}) {
        list.push_back({std::string("Gfx\\Menu\\") + game + ".gif", 150, 150, Key::None});
    }
    for (int i = 0; i < 27; ++i) {
        list.push_back({"Gfx\\Common\\Backgrounds\\background" + std::to_string(i) + ".jpg", 800,
                        600, Key::None});
    }
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 60}, {"normal", 40}}) {
        for (int id = 0; id < tamblo::TileCount; ++id) {
            list.push_back({"Gfx\\Tamblo\\" + mode + "\\Tiles\\" + std::to_string(id) + ".gif",
                            size, size, Key::None});
        }
        for (const char* frame : {"0", "01", "1", "11", "2", "21", "3", "31"}) {
            list.push_back(
                {"Gfx\\Tamblo\\" + mode + "\\Gulpo\\" + frame + ".gif", size, size, Key::Corner});
        }
        for (int ghost = 0; ghost < 5; ++ghost) {
            list.push_back(
                {"Gfx\\Tamblo\\" + mode + "\\Ghosts\\ghost" + std::to_string(ghost) + ".gif", size,
                 size, Key::Corner});
        }
        for (int type = 0; type < 27; ++type) {
            list.push_back({"Gfx\\Zentar\\" + mode + "\\alien" + (type < 10 ? "0" : "") +
                                std::to_string(type) + ".gif",
                            size, size, Key::Corner});
        }
        for (int look = 0; look < 3; ++look) {
            list.push_back({"Gfx\\Zentar\\" + mode + "\\explosion" + std::to_string(look) + ".gif",
                            size, size, Key::Corner});
        }
        // Lupido: every lane is one row tall; cars, logs and figures fit inside a row.
        const std::string lupido = "Gfx\\Lupido\\" + mode + "\\";
        for (int d = 0; d < 4; ++d) {
            list.push_back(
                {lupido + "rabbit" + std::to_string(d) + ".gif", size, size, Key::Corner});
            list.push_back(
                {lupido + "largeRabbit" + std::to_string(d) + ".gif", size, size, Key::Corner});
        }
        for (int n = 0; n < 28; ++n) {
            list.push_back(
                {lupido + "rabbitDrown" + (n < 10 ? "0" : "") + std::to_string(n) + ".gif", size,
                 size, Key::Corner});
        }
        for (int v = 0; v < 6; ++v) {
            list.push_back({lupido + "road" + std::to_string(v) + ".gif", 800, size, Key::None});
            list.push_back({lupido + "river" + std::to_string(v) + ".gif", 800, size, Key::None});
        }
        for (const char* edge : {"roadTop", "roadBottom", "riverTop", "riverBottom"}) {
            list.push_back({lupido + edge + ".gif", 800, size / 10, Key::None});
        }
        const int figure = size * 4 / 5;
        list.push_back({lupido + "car0.gif", size == 60 ? 110 : 70, figure, Key::Corner});
        list.push_back({lupido + "car1.gif", size == 60 ? 110 : 70, figure, Key::Corner});
        list.push_back({lupido + "log.gif", size == 60 ? 180 : 120, figure, Key::Corner});
        list.push_back({lupido + "endScroll.gif", 800, 480, Key::None});
    }
    for (int look = 0; look < 6; ++look) {
        list.push_back(
            {"Gfx\\Lupido\\flower" + std::to_string(look) + ".gif", 24, 24, Key::Corner});
    }
    list.push_back({"Gfx\\Lupido\\bush.gif", 48, 40, Key::Corner});
    for (int i = 0; i < 4; ++i) {
        list.push_back({"Gfx\\Zentar\\optionbg" + std::to_string(i) + ".gif", 60, 60, Key::None});
    }
    // Krevin: the pad (also the life icon) and the ball by mode, bricks of the mode's size.
    for (const auto& [mode, padWidth, padHeight, ball, brickWidth, brickHeight] :
         {std::tuple<std::string, int, int, int, int, int>{"easy", 100, 20, 16, 60, 30},
          {"normal", 80, 16, 12, 40, 20}}) {
        list.push_back({"Gfx\\Krevin\\" + mode + "\\pad.gif", padWidth, padHeight, Key::Corner});
        list.push_back({"Gfx\\Krevin\\" + mode + "\\ball.gif", ball, ball, Key::Corner});
        for (int type = 0; type <= 10; ++type) {
            list.push_back({"Gfx\\Krevin\\" + mode + "\\brick" + std::to_string(type) + ".gif",
                            brickWidth, brickHeight, Key::None});
        }
    }
    for (int i = 0; i < 3; ++i) {
        list.push_back({"Gfx\\Krevin\\flame" + std::to_string(i) + ".gif", 40, 40, Key::Corner});
        list.push_back({"Gfx\\Krevin\\simpleBg" + std::to_string(i) + ".gif", 800, 600, Key::None});
    }
    for (int i = 0; i < 4; ++i) {
        list.push_back({"Gfx\\Krevin\\optionbg" + std::to_string(i) + ".gif", 60, 60, Key::None});
    }
    for (int i = 0; i < 6; ++i) {
        list.push_back({"Gfx\\Quadrel\\flower" + std::to_string(i) + ".gif", 32, 32, Key::Corner});
    }
    // The field's cells are as large as the block pictures; 6 is the row flash's picture.
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 40}, {"normal", 20}}) {
        for (int id = 0; id <= 6; ++id) {
            list.push_back({"Gfx\\Quadrel\\" + mode + "\\block" + std::to_string(id) + ".gif", size,
                            size, Key::None});
        }
    }
    for (int frame = 0; frame < 36; ++frame) {
        list.push_back(
            {"Gfx\\Morvex\\Ship\\ship" + std::to_string(frame) + ".gif", 86, 86, Key::Corner});
    }
    for (const auto& [name, size] :
         {std::pair<std::string, int>{"large", 80}, {"medium", 60}, {"small", 40}}) {
        for (int i = 0; i < 4; ++i) {
            list.push_back({"Gfx\\Morvex\\" + name + "Rock" + std::to_string(i) + ".gif", size,
                            size, Key::Corner});
        }
        list.push_back({"Gfx\\Morvex\\" + name + "Explode.gif", size, size, Key::Corner});
    }
    for (int i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i);
        list.push_back({"Gfx\\Morvex\\shot" + n + ".gif", 10, 10, Key::Corner});
        list.push_back({"Gfx\\Morvex\\afterBurner" + n + ".gif", 10, 10, Key::Corner});
        list.push_back({"Gfx\\Morvex\\explode" + n + ".gif", 86, 86, Key::Corner});
        list.push_back({"Gfx\\Morvex\\simpleBg" + n + ".gif", 800, 600, Key::None});
    }
    list.push_back({"Gfx\\Morvex\\star.gif", 12, 12, Key::Corner});
    for (const char* tile : {"shipSpeedImage", "rotateSpeedImage", "rockSpeedImage"}) {
        list.push_back({std::string("Gfx\\Morvex\\") + tile + ".gif", 62, 62, Key::None});
    }
    for (int i = 0; i < 4; ++i) {
        list.push_back({"Gfx\\Morvex\\optionbg" + std::to_string(i) + ".gif", 60, 60, Key::None});
    }
    return list;
}

std::uint32_t Pixel(const platform::Bitmap& b, int x, int y)
{
    return b.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.width) +
                    static_cast<std::size_t>(x)];
}

int ColourDistance(std::uint32_t a, std::uint32_t b)
{
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        sum +=
            std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    }
    return sum;
}

std::optional<platform::Bitmap> Load(const std::string& path)
{
    return platform::LoadPicture(path);
}

TEST(ManifestTest, EveryPictureLoadsWithTheSizeTheCodeExpects)
{
    for (const auto& entry : Pictures()) {
        SCOPED_TRACE(entry.path);
        const auto picture = Load(entry.path);
        ASSERT_TRUE(picture.has_value());
        EXPECT_EQ(picture->width, entry.width);
        EXPECT_EQ(picture->height, entry.height);
    }
}

TEST(ManifestTest, SizesThatFollowFromOtherPicturesAgree)
{
    const auto ship = Load("Gfx\\Zentar\\ship.gif");
    const auto explosion = Load("Gfx\\Zentar\\explosion.gif");
    ASSERT_TRUE(ship && explosion);
    EXPECT_EQ(explosion->width, ship->width);
    EXPECT_EQ(explosion->height, ship->height + 20);

    const auto icon = Load("Gfx\\Menu\\tambloIcon.gif");
    const auto inner = Load("Gfx\\Menu\\innerFrame.gif");
    const auto frame = Load("Gfx\\Menu\\frame.gif");
    ASSERT_TRUE(icon && inner && frame);
    EXPECT_LE(icon->width, 229);
    EXPECT_LE(icon->height, 166);
    EXPECT_EQ(inner->width, icon->width + 8);
    EXPECT_EQ(inner->height, icon->height + 8);
    EXPECT_EQ(frame->width, icon->width + 34);
    EXPECT_EQ(frame->height, icon->height + 34);
}

// The status panel draws one icon per life, 10 pixels apart, the row centred on x 400 and
// standing on y 595 (the panel picture at y 480). Three lives, the most any game shows, of every
// game's life icon lie inside the panel picture's lives box, its rounded corners too (Quadrel
// shows none).
TEST(ManifestTest, ThreeLifeIconsOfEveryGameFitInsideThePanelsLivesBox)
{
    static constexpr assetgen::panel::Box box = assetgen::panel::Lives;
    const auto inside = [](double x, double y) {
        const double r = box.corner;
        const double nearX = std::clamp(x, box.left + r, box.right - r);
        const double nearY = std::clamp(y, box.top + r, box.bottom - r);
        return std::hypot(x - nearX, y - nearY) <= r;
    };
    std::vector<std::string> icons = {"Gfx\\Zentar\\ship.gif", "Gfx\\Morvex\\Ship\\ship27.gif"};
    for (const std::string mode : {"easy", "normal"}) {
        icons.push_back("Gfx\\Tamblo\\" + mode + "\\Gulpo\\0.gif");
        icons.push_back("Gfx\\Lupido\\" + mode + "\\rabbit0.gif");
        icons.push_back("Gfx\\Krevin\\" + mode + "\\pad.gif");
    }
    for (const std::string& icon : icons) {
        SCOPED_TRACE(icon);
        const auto picture = Load(icon);
        ASSERT_TRUE(picture.has_value());
        const int total = 3 * picture->width + 2 * 10;
        const double left = (800 - total) / 2;
        const double top = 595 - picture->height - 480;
        for (const double x : {left, left + total}) {
            for (const double y : {top, 115.0}) {
                EXPECT_TRUE(inside(x, y)) << x << ", " << y;
            }
        }
    }
}

// The collision test counts every pixel that is not exactly the key as solid: the figure's
// middle must be solid, and no pixel may come close to the key without being it (no edge
// blended into the key, no palette drift).
TEST(ManifestTest, KeyedPicturesKeepTheirKeyOutOfTheFigure)
{
    for (const auto& entry : Pictures()) {
        if (entry.key != Key::Corner) {
            continue;
        }
        SCOPED_TRACE(entry.path);
        const auto picture = Load(entry.path);
        ASSERT_TRUE(picture.has_value());
        const std::uint32_t key = Pixel(*picture, 0, 0);
        const int cx = picture->width / 2;
        const int cy = picture->height / 2;
        for (int y = cy - 1; y <= cy + 1; ++y) {
            for (int x = cx - 1; x <= cx + 1; ++x) {
                EXPECT_NE(Pixel(*picture, x, y), key) << "at " << x << ", " << y;
            }
        }
        int keyPixels = 0;
        for (std::uint32_t p : picture->pixels) {
            if (p == key) {
                ++keyPixels;
            } else {
                ASSERT_GE(ColourDistance(p, key), 60);
            }
        }
        EXPECT_GT(keyPixels, 0);
    }
}

TEST(ManifestTest, SelectionFrameIsKeyedAtItsCentreAndFlatInside)
{
    const auto frame = Load("Gfx\\Menu\\frame.gif");
    ASSERT_TRUE(frame.has_value());
    const int w = frame->width;
    const int h = frame->height;
    const std::uint32_t key = Pixel(*frame, w / 2, h / 2);
    // The icon and its inner frame cover 17 - 4 = 13 pixels in from each side.
    for (int y = 13; y < h - 13; ++y) {
        for (int x = 13; x < w - 13; ++x) {
            ASSERT_EQ(Pixel(*frame, x, y), key) << "at " << x << ", " << y;
        }
    }
    // The ring runs round all four sides and never uses the key.
    for (const auto& [x, y] : {std::pair{w / 2, 6}, {w / 2, h - 7}, {6, h / 2}, {w - 7, h / 2}}) {
        EXPECT_NE(Pixel(*frame, x, y), key) << "at " << x << ", " << y;
    }
    for (std::uint32_t p : frame->pixels) {
        if (p != key) {
            ASSERT_GE(ColourDistance(p, key), 60);
        }
    }
}

TEST(ManifestTest, FramesOfOneFigureShareSizeAndKey)
{
    for (const std::string mode : {"easy", "normal"}) {
        const auto first = Load("Gfx\\Tamblo\\" + mode + "\\Gulpo\\0.gif");
        ASSERT_TRUE(first.has_value());
        for (const char* frame : {"01", "1", "11", "2", "21", "3", "31"}) {
            const auto other = Load("Gfx\\Tamblo\\" + mode + "\\Gulpo\\" + frame + ".gif");
            ASSERT_TRUE(other.has_value());
            EXPECT_EQ(other->width, first->width);
            EXPECT_EQ(other->height, first->height);
            EXPECT_EQ(Pixel(*other, 0, 0), Pixel(*first, 0, 0)) << mode << " frame " << frame;
        }
    }
}

// The game puts the one round flame picture at a fixed offset from each heading's ship picture:
// every frame must show its engine right there, with the flame behind the ship and touching it.
TEST(ManifestTest, ShipFramesMeetTheFlameAtTheOffsetTable)
{
    const auto flame = Load("Gfx\\Morvex\\afterBurner0.gif");
    ASSERT_TRUE(flame.has_value());
    for (int frame = 0; frame < 36; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const auto ship = Load("Gfx\\Morvex\\Ship\\ship" + std::to_string(frame) + ".gif");
        ASSERT_TRUE(ship.has_value());
        const std::uint32_t key = Pixel(*ship, 0, 0);
        const auto index = static_cast<std::size_t>(frame);
        const double fx = morvex::AfterburnerOffsetX[index] + flame->width / 2.0;
        const double fy = morvex::AfterburnerOffsetY[index] + flame->height / 2.0;
        double nearest = 1e9;
        for (int y = 0; y < ship->height; ++y) {
            for (int x = 0; x < ship->width; ++x) {
                if (Pixel(*ship, x, y) != key) {
                    nearest = std::min(nearest, std::hypot(x + 0.5 - fx, y + 0.5 - fy));
                }
            }
        }
        // The table follows the tail within a few pixels, never over the hull.
        EXPECT_GE(nearest, 1.0);
        EXPECT_LE(nearest, flame->width / 2.0 + 5);
        // Behind: the flame lies against the heading, seen from the ship's centre.
        const double heading = frame * 10 * 3.14159265358979 / 180;
        const double along = (fx - ship->width / 2.0) * std::cos(heading) +
                             (fy - ship->height / 2.0) * std::sin(heading);
        EXPECT_LT(along, -ship->width / 3.0);
    }
}

// A wall piece reaches the middle of a cell edge exactly where the tile table says it joins, so
// that neighbouring pieces meet; elsewhere the edge shows floor.
TEST(ManifestTest, WallTilesJoinExactlyTheirTableDirections)
{
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 60}, {"normal", 40}}) {
        const auto floor = Load("Gfx\\Tamblo\\" + mode + "\\Tiles\\14.gif");
        ASSERT_TRUE(floor.has_value());
        const std::uint32_t floorColour = Pixel(*floor, size / 2, size / 2);
        for (int id = 0; id < tamblo::WallPieceCount; ++id) {
            SCOPED_TRACE(mode + " wall " + std::to_string(id));
            const auto tile =
                Load("Gfx\\Tamblo\\" + mode + "\\Tiles\\" + std::to_string(id) + ".gif");
            ASSERT_TRUE(tile.has_value());
            const int m = size / 2;
            const std::pair<int, int> edges[] = {{size - 1, m}, {m, size - 1}, {0, m}, {m, 0}};
            for (int d = 0; d < 4; ++d) {
                const bool joined =
                    (tamblo::WallJoins[static_cast<std::size_t>(id)] & (1 << d)) != 0;
                const auto [x, y] = edges[d];
                EXPECT_EQ(Pixel(*tile, x, y) != floorColour, joined) << "direction " << d;
            }
            EXPECT_EQ(Pixel(*tile, 0, 0), floorColour);
        }
    }
}

std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(platform::ResolvePath(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t LittleEndian(const std::vector<std::uint8_t>& b, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    }
    return v;
}

TEST(ManifestTest, IconHoldsClassicBitmapEntriesOf32And16Pixels)
{
    const auto bytes = ReadBytes("gfx\\icon\\icon.ico");
    ASSERT_GE(bytes.size(), 6U);
    EXPECT_EQ(LittleEndian(bytes, 2, 2), 1U);
    ASSERT_EQ(LittleEndian(bytes, 4, 2), 2U);
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = sizes[i];
        EXPECT_EQ(bytes.at(entry), size);
        EXPECT_EQ(bytes.at(entry + 1), size);
        const std::uint32_t length = LittleEndian(bytes, entry + 8, 4);
        const std::size_t offset = LittleEndian(bytes, entry + 12, 4);
        // A bitmap header (never a PNG), twice the height for the AND mask, 32-bit colour rows
        // followed by one mask bit per pixel in rows of whole 32-bit words.
        ASSERT_EQ(LittleEndian(bytes, offset, 4), 40U);
        EXPECT_EQ(LittleEndian(bytes, offset + 4, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(LittleEndian(bytes, offset + 8, 4), static_cast<std::uint32_t>(size * 2));
        EXPECT_EQ(LittleEndian(bytes, offset + 14, 2), 32U);
        EXPECT_EQ(length, static_cast<std::uint32_t>(40 + size * size * 4 + size * 4));
        EXPECT_LE(offset + length, bytes.size());
    }
}

struct SoundEntry {
    std::string path;
    std::int64_t minMs;
    std::int64_t maxMs;
};

// Short effects stay short; the effects the games play to their end are as long as the pauses
// they make.
const std::vector<SoundEntry> Sounds = {
    {"Sfx\\click.wav", 1, 500},
    {"Sfx\\Tamblo\\move.wav", 1, 500},
    {"Sfx\\Tamblo\\eat.wav", 1, 500},
    {"Sfx\\Tamblo\\won.wav", 2500, 3500},
    {"Sfx\\Tamblo\\boo.wav", 700, 1300},
    {"Sfx\\Tamblo\\ahh.wav", 1, 3000},
    {"Sfx\\Tamblo\\rotate.wav", 1, 500},
    {"Sfx\\Tamblo\\click.wav", 1, 500},
    {"Sfx\\Zentar\\fire0.wav", 1, 500},
    {"Sfx\\Zentar\\fire1.wav", 1, 500},
    {"Sfx\\Zentar\\fire2.wav", 1, 500},
    {"Sfx\\Zentar\\enemyHit.wav", 1, 800},
    {"Sfx\\Zentar\\shipExplode.wav", 1000, 1500},
    {"Sfx\\Zentar\\shipMove.wav", 1, 800},
    {"Sfx\\Zentar\\lostGame.wav", 1, 4000},
    {"Sfx\\Zentar\\lostLife.wav", 1000, 1500},
    {"Sfx\\Krevin\\bouncepad.wav", 1, 150},
    {"Sfx\\Krevin\\bouncewall.wav", 1, 150},
    {"Sfx\\Krevin\\bouncebrick.wav", 1, 150},
    {"Sfx\\Krevin\\move.wav", 1, 800},
    {"Sfx\\Krevin\\flyaway.wav", 1, 3000},
    {"Sfx\\Krevin\\lostgame.wav", 1, 4000},
    {"Sfx\\Krevin\\lostball.wav", 300, 1000},
    {"Sfx\\Lupido\\move.wav", 1, 500},
    {"Sfx\\Lupido\\rotate.wav", 1, 500},
    {"Sfx\\Lupido\\home.wav", 1000, 6500},
    {"Sfx\\Lupido\\horn.wav", 1, 1000},
    {"Sfx\\Lupido\\hitbycar.wav", 1, 1000},
    {"Sfx\\Lupido\\splash.wav", 200, 1000},
    {"Sfx\\Lupido\\inwater.wav", 1, 2000},
    {"Sfx\\Lupido\\lostGame.wav", 1, 4000},
    {"Sfx\\Lupido\\flying.wav", 1, 800},
    {"Sfx\\Quadrel\\rowComplete.wav", 1, 1000},
    {"Sfx\\Quadrel\\move.wav", 1, 300},
    {"Sfx\\Quadrel\\cantMove.wav", 1, 500},
    {"Sfx\\Quadrel\\rotate.wav", 1, 300},
    {"Sfx\\Quadrel\\won.wav", 1000, 4000},
    {"Sfx\\Quadrel\\lostGame.wav", 1000, 4000},
    {"Sfx\\Morvex\\rockHit.wav", 1, 800},
    {"Sfx\\Morvex\\shipExplode.wav", 1000, 3000},
    {"Sfx\\Morvex\\fire0.wav", 1, 500},
    {"Sfx\\Morvex\\fire1.wav", 1, 500},
    {"Sfx\\Morvex\\fire2.wav", 1, 500},
    {"Sfx\\Morvex\\forward.wav", 1, 1000},
    {"Sfx\\Morvex\\rotate.wav", 1, 500},
    {"Sfx\\Morvex\\won.wav", 1000, 3000},
    {"Sfx\\Morvex\\lostGame.wav", 1000, 3500},
};

TEST(ManifestTest, EffectsAreCleanSixteenBitSoundsOfTheirLength)
{
    for (const auto& entry : Sounds) {
        SCOPED_TRACE(entry.path);
        platform::MediaFileError error = platform::MediaFileError::None;
        const auto file = platform::LoadMediaFile(entry.path, platform::MediaKind::Wave, &error);
        ASSERT_TRUE(file != nullptr);
        EXPECT_GE(file->lengthMs, entry.minMs);
        EXPECT_LE(file->lengthMs, entry.maxMs);

        const std::vector<std::uint8_t>& b = file->bytes;
        ASSERT_GE(b.size(), 44U);
        EXPECT_EQ(LittleEndian(b, 20, 2), 1U);  // PCM
        EXPECT_EQ(LittleEndian(b, 34, 2), 16U); // bits per sample
        const std::size_t samples = LittleEndian(b, 40, 4) / 2;
        ASSERT_GT(samples, 0U);
        auto sample = [&](std::size_t i) {
            return static_cast<std::int16_t>(LittleEndian(b, 44 + 2 * i, 2));
        };
        int peak = 0;
        for (std::size_t i = 0; i < samples; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        }
        // Below full scale so that overlapping effects do not clip; silent at both ends so that
        // starting and stopping does not click.
        EXPECT_LT(peak, 32767 * 3 / 4);
        EXPECT_LE(std::abs(static_cast<int>(sample(0))), 328);
        EXPECT_LE(std::abs(static_cast<int>(sample(samples - 1))), 328);
    }
}

TEST(ManifestTest, TunesPlayOneToTwoMinutesAndTheJingleIsShort)
{
    const std::pair<std::string, std::pair<std::int64_t, std::int64_t>> tunes[] = {
        {"Music\\menu.mid", {60000, 120000}},    {"Music\\tambloTune.mid", {60000, 120000}},
        {"Music\\zentar.mid", {60000, 120000}},  {"Music\\lupido.mid", {60000, 120000}},
        {"Music\\quadrel.mid", {60000, 120000}}, {"Music\\morvex.mid", {60000, 120000}},
        {"Sfx\\Zentar\\won.mid", {1000, 6000}},
    };
    for (const auto& [path, range] : tunes) {
        SCOPED_TRACE(path);
        platform::MediaFileError error = platform::MediaFileError::None;
        const auto file = platform::LoadMediaFile(path, platform::MediaKind::Midi, &error);
        ASSERT_TRUE(file != nullptr);
        EXPECT_GE(file->lengthMs, range.first);
        EXPECT_LE(file->lengthMs, range.second);
    }
}

} // namespace
