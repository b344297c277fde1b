// The brick-and-paddle game Krevin: the field's borders, the pad and the ball of each mode, eleven
// brick looks, the flame under the departing pad, three plain backgrounds with their option
// buttons, the speed symbols and the sound effects. Its music is the alien shooter's tune.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "assets/Catalog.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Synth.h"

namespace assetgen {

namespace {

using palette::Ink;
using palette::White;

constexpr Color Steel = 0x8C9BB8;
constexpr Color SteelDark = 0x3C4663;
constexpr Color PadBlue = 0x3A8DFF;
constexpr Color PadCap = 0xE8473D;

// The brick colours, one per type; the last three are the sturdy-looking ones.
constexpr Color BrickColours[] = {0xE8473D, 0xFF8A2B, 0xFFC531, 0x7ED04B, 0x2EB39A, 0x3FA9F5,
                                  0x5B6BF0, 0xA35BF0, 0xF05BB8, 0xC0C8D8, 0xD9A53A};

// ---- The field

// A steel rail, lying along x when wider than high (the top) and along y otherwise (the sides),
// lit across its thickness, with rivets every 40 pixels.
Image Rail(int width, int height)
{
    const bool across = width > height;
    Canvas canvas(width, height, SteelDark);
    const double t = across ? height : width;
    const Vec to = across ? Vec{0, t} : Vec{t, 0};
    canvas.Fill(Rect(0, 0, width, height),
                Gradient({0, 0}, to, {{0, Lighter(Steel, 0.5)}, {0.45, Steel}, {1, SteelDark}}));
    const double length = across ? width : height;
    for (double at = 20; at < length; at += 40) {
        const Vec c = across ? Vec{at, t / 2} : Vec{t / 2, at};
        canvas.Fill(Circle(c, 3.2), Ink);
        canvas.Fill(Circle(c, 2.4), RadialGradient({c.x - 0.8, c.y - 0.8}, 3, White, Steel));
    }
    return canvas.Opaque();
}

// ---- Pad, ball, flame

// The pad: a rounded blue bar with red caps, filling the box at `at` of width x height.
void DrawPad(Canvas& canvas, Vec at, double width, double height)
{
    const Figure f{canvas, {at, 1, 0, false}};
    const Paint body =
        Gradient({0, at.y + 1}, {0, at.y + height - 1},
                 {{0, Lighter(PadBlue, 0.6)}, {0.4, PadBlue}, {1, Darker(PadBlue, 0.4)}});
    const Paint caps = Gradient({0, at.y + 1}, {0, at.y + height - 1},
                                {{0, Lighter(PadCap, 0.5)}, {1, Darker(PadCap, 0.35)}});
    const Shape bar = Rect(1, 1, width - 1, height - 1, height / 2 - 1);
    f.Edge(bar, 1);
    f.Fill(bar, body);
    for (const double x : {1.0, width - 1 - height * 0.9}) {
        f.Fill(Intersect(bar, Rect(x, 0, x + height * 0.9, height)), caps);
    }
    f.Fill(Rect(height, height * 0.22, width - height, height * 0.38, height * 0.08), White, 0.45);
}

Canvas Ball(int size)
{
    Canvas canvas(size, size);
    const double r = size / 2.0;
    const Shape ball = Circle({r, r}, r - 0.5);
    canvas.Fill(ball, Ink);
    canvas.Fill(Circle({r, r}, r - 1.5),
                RadialGradient({r * 0.7, r * 0.65}, r * 1.3, White, 0x8FA4C8));
    return canvas;
}

// A flame blowing down from its top edge in three tongues; the frames differ in the tongues'
// lengths and sway, so that the three frames flicker.
Canvas Flame(int look)
{
    Canvas canvas(40, 40);
    const double lengths[3][3] = {{26, 38, 22}, {21, 33, 27}, {29, 39, 19}};
    const double sway[] = {0, -2.5, 2};
    std::vector<Shape> outer{Ellipse({20, 6}, 15, 6)};
    std::vector<Shape> inner{Ellipse({20, 5}, 9, 4)};
    for (int i = 0; i < 3; ++i) {
        const double x = 11 + i * 9;
        const double length = lengths[look][i];
        const Vec tip{x + sway[look] * (i == 1 ? 1 : 0.5), length};
        outer.push_back(Polygon({{x - 6, 6}, {x + 6, 6}, tip}));
        inner.push_back(Polygon({{x - 3, 5}, {x + 3, 5}, {tip.x, length * 0.6}}));
    }
    const Shape fire = Union(outer);
    canvas.Fill(Grow(fire, 1), Darker(palette::Red, 0.2));
    canvas.Fill(fire, palette::Orange);
    canvas.Fill(Union(inner), palette::Gold);
    canvas.Fill(Ellipse({20, 4}, 5, 3), 0xFFF6C8);
    return canvas;
}

// ---- Bricks

// Brick type `type` on a canvas of the mode's brick size, drawn in 60 x 30 design units: a bevelled
// face in the type's colour with a mark of its own, so that every type reads apart.
Image Brick(int type, int width, int height)
{
    Canvas canvas(width, height, Ink);
    canvas.SetView(width / 60.0);
    const Color c = BrickColours[type];
    canvas.Fill(Rect(1, 1, 59, 29), Lighter(c, 0.55));
    canvas.Fill(Polygon({{59, 1}, {59, 29}, {1, 29}, {5, 25}, {55, 25}, {55, 5}}), Darker(c, 0.45));
    canvas.Fill(Rect(5, 5, 55, 25),
                LinearGradient({0, 5}, {0, 25}, Lighter(c, 0.15), Darker(c, 0.1)));
    const Color mark = Darker(c, 0.35);
    const Color light = Lighter(c, 0.5);
    switch (type) {
    case 0:
        canvas.Fill(Rect(9, 8, 51, 11, 1.5), light, 0.8);
        break;
    case 1:
        for (int i = 0; i < 3; ++i) {
            canvas.Fill(Circle({18.0 + i * 12, 15}, 3), mark);
        }
        break;
    case 2:
        canvas.Fill(Star({30, 15}, 8, 3.5, 5), White, 0.85);
        break;
    case 3:
        for (int i = 0; i < 4; ++i) {
            canvas.Fill(
                Intersect(Rect(5, 5, 55, 25), Capsule({8.0 + i * 12, 26}, {20.0 + i * 12, 4}, 2)),
                mark, 0.7);
        }
        break;
    case 4:
        canvas.Fill(RegularPolygon({30, 15}, 8, 4, 0), light);
        canvas.Fill(RegularPolygon({30, 15}, 4, 4, 0), mark);
        break;
    case 5:
        canvas.Fill(Arc({30, 12}, 14, 6, 20, 160, 1.6), light);
        canvas.Fill(Arc({30, 17}, 14, 6, 20, 160, 1.6), light);
        break;
    case 6:
        canvas.Fill(Rect(25, 5, 35, 25), mark, 0.6);
        canvas.Fill(Rect(5, 12, 55, 18), mark, 0.6);
        break;
    case 7:
        canvas.Fill(Circle({30, 15}, 6.5), light);
        canvas.Fill(Circle({30, 15}, 3), White);
        break;
    case 8:
        for (int i = 0; i < 2; ++i) {
            const double x = 21.0 + i * 18;
            canvas.Fill(Union(Circle({x - 2.2, 13}, 2.8), Circle({x + 2.2, 13}, 2.8)), White, 0.85);
            canvas.Fill(Polygon({{x - 5, 14}, {x + 5, 14}, {x, 20}}), White, 0.85);
        }
        break;
    case 9:
        // Steel: rivets in the corners and a shine across.
        for (const Vec p : {Vec{9, 9}, Vec{51, 9}, Vec{9, 21}, Vec{51, 21}}) {
            canvas.Fill(Circle(p, 2.2), mark);
            canvas.Fill(Circle({p.x - 0.6, p.y - 0.6}, 1), White);
        }
        canvas.Fill(Polygon({{22, 5}, {30, 5}, {20, 25}, {12, 25}}), White, 0.45);
        break;
    default:
        // Gold: a framed bar with a gleam.
        canvas.Fill(Outline(Rect(10, 9, 50, 21, 2), 0.9), mark);
        canvas.Fill(Star({44, 10}, 4, 1.2, 4), White);
        break;
    }
    return canvas.Opaque();
}

// ---- Backgrounds and option symbols

// Plain dark backgrounds that keep every brick colour readable.
Image SimpleBackground(int index)
{
    Canvas canvas(800, 600);
    if (index == 0) {
        // Deep blue with a faint grid.
        canvas.Cover(LinearGradient({0, 0}, {0, 600}, 0x0A1230, 0x1A2C66));
        for (int x = 0; x <= 800; x += 40) {
            canvas.Fill(Rect(x - 0.5, 0, x + 0.5, 600), 0x5A78C8, 0.18);
        }
        for (int y = 0; y <= 600; y += 40) {
            canvas.Fill(Rect(0, y - 0.5, 800, y + 0.5), 0x5A78C8, 0.18);
        }
    } else if (index == 1) {
        // Dusky violet with broad soft diagonal bands.
        canvas.Cover(LinearGradient({0, 0}, {800, 600}, 0x2A0D3A, 0x140A28));
        for (int i = -4; i < 12; ++i) {
            const double x = i * 120.0;
            canvas.Fill(Polygon({{x, 0}, {x + 50, 0}, {x + 50 - 600, 600}, {x - 600, 600}}),
                        0xB070E0, 0.07);
        }
    } else {
        // Dark green with scattered soft lights.
        canvas.Cover(RadialGradient({400, 260}, 620, 0x14402E, 0x061A12));
        Random random(303);
        for (int i = 0; i < 60; ++i) {
            const Vec p{random.Range(0, 800), random.Range(0, 600)};
            canvas.FillSoft(Circle(p, random.Range(6, 22)), 0x7CF0B0, 10, random.Range(0.05, 0.18));
        }
    }
    return canvas.Opaque();
}

// A speed symbol: the pad or the ball with speed lines trailing it.
Image SpeedImage(bool pad)
{
    Canvas canvas = Tile(62);
    canvas.SetView(1);
    for (int i = 0; i < 3; ++i) {
        const Shape line = Capsule({6, 24.0 + i * 8}, {18.0 - i * 3, 24.0 + i * 8}, 1.8);
        canvas.Fill(Grow(line, 1), Ink);
        canvas.Fill(line, palette::Orange);
    }
    if (pad) {
        DrawPad(canvas, {21, 26}, 36, 12);
    } else {
        canvas.Fill(Circle({38, 32}, 11), Ink);
        canvas.Fill(Circle({38, 32}, 9.5), RadialGradient({34, 28}, 14, White, 0x8FA4C8));
    }
    return canvas.Opaque();
}

// ---- Sounds

Sound PadBounce()
{
    Sound s = Tone(0.11, Glide(330, 520, 0.05), Wave::Triangle, Envelope(0.002, 0.03, 0.07));
    s.Mix(Tone(0.11, Glide(165, 260, 0.05), Wave::Sine, Envelope(0.002, 0.03, 0.07)), 0, 0.6);
    return s;
}

Sound WallBounce()
{
    Sound s = Tone(0.06, Constant(880), Wave::Square, Envelope(0.001, 0.01, 0.045));
    LowPass(s, Constant(3000));
    return s;
}

Sound BrickBounce()
{
    Sound s = Tone(0.09, Glide(1400, 1100, 0.08), Wave::Triangle, Envelope(0.001, 0.015, 0.07));
    s.Mix(Noise(0.05, 91, Constant(7000), Decay(0.01)), 0, 0.35);
    return s;
}

// A steady hum that loops without a seam: whole periods, soft ends.
Sound PadMove()
{
    Sound s = Tone(0.4, Constant(100), Wave::Saw, Envelope(0.02, 0.36, 0.02));
    LowPass(s, Constant(600));
    return s;
}

Sound FlyAway()
{
    Sound s = Noise(1.6, 95, Glide(400, 5000, 1.4), Envelope(0.2, 1.0, 0.4));
    s.Mix(Tone(1.6, Glide(90, 400, 1.5), Wave::Saw, Envelope(0.2, 1.0, 0.4)), 0, 0.3);
    return s;
}

Sound LostGame()
{
    Sound s(2.6);
    const int keys[] = {72, 67, 63, 60};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.2 : 0.4;
        Sound note = Tone(length, Constant(NoteHz(keys[i])), Wave::Triangle,
                          Envelope(0.01, length * 0.6, length * 0.38));
        note.Mix(Tone(length, Constant(NoteHz(keys[i] - 12)), Wave::Square,
                      Envelope(0.01, length * 0.6, length * 0.38)),
                 0, 0.25);
        s.Mix(note, i * 0.42, 0.7);
    }
    return s;
}

// Short: the game stands still while it plays.
Sound LostBall()
{
    Sound s = Tone(0.7, Glide(600, 120, 0.65), Wave::Square, Envelope(0.005, 0.4, 0.29));
    LowPass(s, Constant(2200));
    return s;
}

} // namespace

void AddKrevin(Catalog& catalog)
{
    AddOpaqueGif(catalog, "Gfx/Krevin/topBorder.gif", [] { return Rail(800, 20); });
    AddOpaqueGif(catalog, "Gfx/Krevin/sideBorder.gif", [] { return Rail(20, 480); });
    struct ModeSizes {
        const char* mode;
        int padWidth, padHeight, ball, brickWidth, brickHeight;
    };
    for (const ModeSizes m :
         {ModeSizes{"easy", 100, 20, 16, 60, 30}, ModeSizes{"normal", 80, 16, 12, 40, 20}}) {
        const std::string folder = std::string("Gfx/Krevin/") + m.mode + "/";
        AddKeyedGif(catalog, folder + "pad.gif", [m] {
            Canvas canvas(m.padWidth, m.padHeight);
            DrawPad(canvas, {0, 0}, m.padWidth, m.padHeight);
            return canvas;
        });
        AddKeyedGif(catalog, folder + "ball.gif", [m] { return Ball(m.ball); });
        for (int type = 0; type < 11; ++type) {
            AddOpaqueGif(catalog, folder + "brick" + std::to_string(type) + ".gif",
                         [m, type] { return Brick(type, m.brickWidth, m.brickHeight); });
        }
    }
    for (int look = 0; look < 3; ++look) {
        AddKeyedGif(catalog, "Gfx/Krevin/flame" + std::to_string(look) + ".gif",
                    [look] { return Flame(look); });
    }
    for (int i = 0; i < 3; ++i) {
        AddOpaqueGif(catalog, "Gfx/Krevin/simpleBg" + std::to_string(i) + ".gif",
                     [i] { return SimpleBackground(i); });
        AddOpaqueGif(catalog, "Gfx/Krevin/optionbg" + std::to_string(i) + ".gif",
                     [i] { return PreviewTile(SimpleBackground(i)); });
    }
    AddOpaqueGif(catalog, "Gfx/Krevin/optionbg3.gif", LevelPictureTile);
    AddOpaqueGif(catalog, "Gfx/Krevin/PadSpeedImage.gif", [] { return SpeedImage(true); });
    AddOpaqueGif(catalog, "Gfx/Krevin/BallSpeedImage.gif", [] { return SpeedImage(false); });

    AddWav(catalog, "Sfx/Krevin/bouncepad.wav", PadBounce);
    AddWav(catalog, "Sfx/Krevin/bouncewall.wav", WallBounce);
    AddWav(catalog, "Sfx/Krevin/bouncebrick.wav", BrickBounce);
    AddWav(catalog, "Sfx/Krevin/move.wav", PadMove);
    AddWav(catalog, "Sfx/Krevin/flyaway.wav", FlyAway);
    AddWav(catalog, "Sfx/Krevin/lostgame.wav", LostGame);
    AddWav(catalog, "Sfx/Krevin/lostball.wav", LostBall);
}

} // namespace assetgen
