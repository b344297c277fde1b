// The falling-blocks game Quadrel: the six blocks and the flash block in both cell sizes, the
// garden background, the field's backdrop and side borders, the game-over wall, six flowers, the
// options symbols, its sounds and its tune.
#include "assets/Quadrel.h"

#include <string>
#include <utility>

#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Synth.h"

namespace assetgen {

using palette::Ink;
using palette::White;

void DrawBlock(Canvas& canvas, Vec at, double size, Color colour)
{
    const Figure f{canvas, {at, size / 100, 0, false}};
    f.Fill(Rect(0, 0, 100, 100), Ink);
    f.Fill(Rect(5, 5, 95, 95), Lighter(colour, 0.45));
    f.Fill(Polygon({{95, 5}, {95, 95}, {5, 95}}), Darker(colour, 0.35));
    f.Fill(Rect(17, 17, 83, 83, 4),
           LinearGradient(f.Point({0, 17}), f.Point({0, 83}), Lighter(colour, 0.15), colour));
    f.Fill(Rect(24, 24, 50, 34, 5), White, 0.55);
}

namespace {

constexpr int FieldLeft = 200;
constexpr int FieldRight = 600;
constexpr int FieldHeight = 480;
constexpr int BorderWidth = 10;
constexpr int FlowerSize = 32;
constexpr Color SkyTop = 0x3A7BD5;
constexpr Color SkyBottom = 0xBFE6FF;
constexpr Color Meadow = 0x4CAF50;
constexpr Color FieldTop = 0x1B1740;
constexpr Color FieldBottom = 0x2C2260;
constexpr Color Brass = 0xE0A93A;

// The flash picture: a white-hot block that runs across a full row.
void DrawFlashBlock(Canvas& canvas, double size)
{
    const Figure f{canvas, {{0, 0}, size / 100, 0, false}};
    f.Fill(Rect(0, 0, 100, 100), 0xFFF3B0);
    f.Fill(Rect(8, 8, 92, 92, 6), RadialGradient(f.Point({50, 50}), size * 0.6, White, 0xFFE066));
    f.Fill(Star({50, 50}, 40, 12, 4, -90), White);
}

void Cloud(Canvas& canvas, Vec c, double scale)
{
    const Shape cloud = Union({Circle({c.x - 30 * scale, c.y + 6 * scale}, 20 * scale),
                               Circle({c.x, c.y - 6 * scale}, 28 * scale),
                               Circle({c.x + 30 * scale, c.y + 4 * scale}, 22 * scale),
                               Rect(c.x - 30 * scale, c.y, c.x + 30 * scale, c.y + 26 * scale)});
    canvas.Fill(cloud, White, 0.85);
}

// A garden under a blue sky: the flowers fall down its two strips beside the field.
Image Background()
{
    Canvas canvas(800, 600);
    canvas.Cover(LinearGradient({0, 0}, {0, 480}, SkyTop, SkyBottom));
    Random random(0x51ADE1);
    for (int i = 0; i < 6; ++i) {
        const double x = i < 3 ? random.Range(20, 170) : random.Range(630, 780);
        Cloud(canvas, {x, random.Range(40, 300)}, random.Range(0.5, 0.9));
    }
    canvas.Fill(Ellipse({90, 520}, 220, 120), Darker(Meadow, 0.1));
    canvas.Fill(Ellipse({720, 530}, 240, 130), Meadow);
    canvas.Fill(Rect(0, 440, 800, 600), Meadow);
    for (int i = 0; i < 40; ++i) {
        const double x = i < 20 ? random.Range(5, 185) : random.Range(615, 795);
        const double y = random.Range(430, 475);
        const Shape blade = Polygon({{x - 2, y + 8}, {x + 2, y + 8}, {x + random.Range(-4, 4), y}});
        canvas.Fill(blade, Darker(Meadow, 0.3));
    }
    return canvas.Opaque();
}

// The well the pieces fall into, with faint lines on the 20-pixel cell grid of both modes.
Image BuildBackground()
{
    const int width = FieldRight - FieldLeft + 2 * BorderWidth;
    Canvas canvas(width, FieldHeight);
    canvas.Cover(LinearGradient({0, 0}, {0, FieldHeight}, FieldTop, FieldBottom));
    for (int x = BorderWidth; x <= width - BorderWidth; x += 20) {
        canvas.Fill(Rect(x - 0.5, 0, x + 0.5, FieldHeight), 0x3A3278, 0.6);
    }
    for (int y = 20; y < FieldHeight; y += 20) {
        canvas.Fill(Rect(BorderWidth, y - 0.5, width - BorderWidth, y + 0.5), 0x3A3278, 0.6);
    }
    return canvas.Opaque();
}

Image SideBorder()
{
    Canvas canvas(BorderWidth, FieldHeight, Ink);
    canvas.Fill(Rect(1.5, 0, BorderWidth - 1.5, FieldHeight),
                LinearGradient({0, 0}, {BorderWidth, 0}, Lighter(Brass, 0.5), Darker(Brass, 0.3)));
    for (int y = 20; y < FieldHeight; y += 40) {
        canvas.Fill(Circle({BorderWidth / 2.0, static_cast<double>(y)}, 2), Darker(Brass, 0.5));
    }
    return canvas.Opaque();
}

// The game-over curtain: a wall of muted blocks in staggered courses.
Image Wall()
{
    Canvas canvas(800, FieldHeight, Ink);
    Random random(0xBA11);
    for (int row = 0; row * 40 < FieldHeight; ++row) {
        const double shift = row % 2 == 0 ? 0 : -40;
        for (double x = shift; x < 800; x += 80) {
            const Color colour = Mix(BlockColours[random.Int(0, 5)], 0x5A5A70, 0.55);
            const Shape brick = Rect(x + 2, row * 40.0 + 2, x + 78, row * 40.0 + 38, 3);
            canvas.Fill(brick, LinearGradient({0, row * 40.0}, {0, row * 40.0 + 40},
                                              Lighter(colour, 0.2), Darker(colour, 0.2)));
        }
    }
    return canvas.Opaque();
}

// Six flower looks: petal counts and colours differ, each with a golden heart.
Canvas Flower(int look)
{
    constexpr Color petalColours[] = {0xFF7CC0, 0xFFFFFF, 0xFFD23F, 0xC77DFF, 0xFF5B4A, 0x5FC8FF};
    Canvas canvas(FlowerSize, FlowerSize);
    canvas.SetUnits(100);
    const int petals = 5 + look % 3;
    std::vector<Shape> parts;
    for (int i = 0; i < petals; ++i) {
        const double degrees = -90 + i * 360.0 / petals;
        parts.push_back(Placed(Ellipse({0, -24}, 13, 22), {{50, 50}, 1, degrees + 90}));
    }
    const Shape all = Union(parts);
    canvas.Fill(Grow(all, 4), Ink);
    canvas.Fill(all, petalColours[look]);
    const Shape heart = Circle({50, 50}, 14);
    canvas.Fill(Grow(heart, 3), Ink);
    canvas.Fill(heart, RadialGradient({45, 45}, 16, 0xFFF2A0, 0xE8A020));
    return canvas;
}

// The options' pictures: a block stepping sideways, or falling fast.
Image SpeedImage(bool fall)
{
    Canvas canvas = Tile(62);
    if (fall) {
        DrawBlock(canvas, {34, 16}, 32, BlockColours[4]);
        for (int i = 0; i < 3; ++i) {
            const Shape line = Capsule({40.0 + i * 10, 54}, {40.0 + i * 10, 64.0 + i * 6}, 2.5);
            Outlined(canvas, line, palette::Orange, 1.5);
        }
        Outlined(canvas, ArrowSymbol({18, 18}, {18, 84}, 6), palette::Blue, 2);
    } else {
        DrawBlock(canvas, {34, 20}, 32, BlockColours[0]);
        Outlined(canvas, ArrowSymbol({48, 72}, {88, 72}, 6), palette::Blue, 2);
        Outlined(canvas, ArrowSymbol({46, 72}, {12, 72}, 6), palette::Blue, 2);
    }
    return canvas.Opaque();
}

Sound RowComplete()
{
    Sound s(0.7);
    const int keys[] = {76, 79, 84, 88};
    for (int i = 0; i < 4; ++i) {
        s.Mix(Tone(0.4, Constant(NoteHz(keys[i])), Wave::Triangle, Decay(0.12)), i * 0.07, 0.6);
        s.Mix(Tone(0.3, Constant(NoteHz(keys[i] + 12)), Wave::Sine, Decay(0.06)), i * 0.07, 0.3);
    }
    return s;
}

Sound Move()
{
    Sound s = Tone(0.05, Constant(900), Wave::Square, Envelope(0.001, 0.01, 0.035));
    LowPass(s, Constant(3000));
    return s;
}

Sound CantMove()
{
    Sound s = Tone(0.22, Vibrato(Constant(110), 30, 0.05), Wave::Saw, Envelope(0.005, 0.12, 0.09));
    LowPass(s, Constant(900));
    return s;
}

Sound Rotate()
{
    Sound s = Tone(0.12, Glide(500, 1400, 0.1), Wave::Triangle, Envelope(0.002, 0.05, 0.06));
    s.Mix(Noise(0.1, 91, Glide(2000, 6000, 0.1), Envelope(0.002, 0.04, 0.05)), 0, 0.25);
    return s;
}

// A bright rising arpeggio that ends on a held chord, about two and a half seconds.
Sound Won()
{
    Sound s(2.6);
    const int keys[] = {60, 64, 67, 72, 76, 79};
    for (int i = 0; i < 6; ++i) {
        s.Mix(Tone(0.3, Constant(NoteHz(keys[i])), Wave::Square, Envelope(0.005, 0.12, 0.16)),
              i * 0.12, 0.35);
    }
    for (int key : {72, 76, 79, 84}) {
        Sound note = Tone(1.6, Vibrato(Constant(NoteHz(key)), 5, 0.004), Wave::Triangle,
                          Envelope(0.01, 0.9, 0.68));
        s.Mix(note, 0.8, 0.35);
    }
    return s;
}

// A descending line that sinks into a low buzz.
Sound LostGame()
{
    Sound s(2.6);
    const int keys[] = {67, 63, 60, 55};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.2 : 0.4;
        Sound note =
            Tone(length, Glide(NoteHz(keys[i]), NoteHz(keys[i] - (i == 3 ? 5 : 0)), length),
                 Wave::Saw, Envelope(0.01, length * 0.6, length * 0.38));
        LowPass(note, Constant(1500));
        s.Mix(note, i * 0.42, 0.6);
    }
    return s;
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Quadrel";
    t.seed = 0x0ADDE1;
    t.tempo = 132;
    t.tonic = 64;
    t.minor = true;
    t.lead = 71;     // clarinet
    t.arpeggio = 46; // harp
    t.bass = 33;     // fingered bass
    t.groove = Groove::Bouncy;
    t.verse = {0, 4, 5, 3, 0, 4, 6, 4};
    t.chorus = {3, 4, 0, 5, 3, 4, 1, 4};
    t.bridge = {5, 6, 3, 4, 5, 6, 0, 4};
    t.plan = "IAABCBO";
    return t;
}

} // namespace

void AddQuadrel(Catalog& catalog)
{
    AddOpaqueGif(catalog, "Gfx/Quadrel/background.gif", Background);
    AddOpaqueGif(catalog, "Gfx/Quadrel/buildbg.gif", BuildBackground);
    AddOpaqueGif(catalog, "Gfx/Quadrel/wall.gif", Wall);
    AddOpaqueGif(catalog, "Gfx/Quadrel/sideBorder.gif", SideBorder);
    for (int look = 0; look < 6; ++look) {
        AddKeyedGif(catalog, "Gfx/Quadrel/flower" + std::to_string(look) + ".gif",
                    [look] { return Flower(look); });
    }
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 40}, {"normal", 20}}) {
        for (int id = 0; id < 6; ++id) {
            AddOpaqueGif(catalog, "Gfx/Quadrel/" + mode + "/block" + std::to_string(id) + ".gif",
                         [size = size, id] {
                             Canvas canvas(size, size);
                             DrawBlock(canvas, {0, 0}, size, BlockColours[id]);
                             return canvas.Opaque();
                         });
        }
        AddOpaqueGif(catalog, "Gfx/Quadrel/" + mode + "/block6.gif", [size = size] {
            Canvas canvas(size, size);
            DrawFlashBlock(canvas, size);
            return canvas.Opaque();
        });
    }
    AddOpaqueGif(catalog, "Gfx/Quadrel/moveSpeedImage.gif", [] { return SpeedImage(false); });
    AddOpaqueGif(catalog, "Gfx/Quadrel/fallSpeedImage.gif", [] { return SpeedImage(true); });

    AddWav(catalog, "Sfx/Quadrel/rowComplete.wav", RowComplete);
    AddWav(catalog, "Sfx/Quadrel/move.wav", Move);
    AddWav(catalog, "Sfx/Quadrel/cantMove.wav", CantMove);
    AddWav(catalog, "Sfx/Quadrel/rotate.wav", Rotate);
    AddWav(catalog, "Sfx/Quadrel/won.wav", Won);
    AddWav(catalog, "Sfx/Quadrel/lostGame.wav", LostGame);
    AddMidi(catalog, "Music/quadrel.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
