// The crossing game Lupido: the rabbit seen from above in four directions, its drowning, the
// parent rabbits at home, road and river lanes with their edge strips, cars, the log, flowers and
// a bush, the game-over scroll, its sounds and its tune.
#include "assets/Lupido.h"

#include <cmath>
#include <string>
#include <utility>

#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Lettering.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Synth.h"

namespace assetgen {

namespace {

using palette::Ink;
using palette::White;

constexpr Color Fur = 0xF4F1EA;
constexpr Color FurShade = 0xC9C2B8;
constexpr Color EarPink = 0xFFA9B8;
constexpr Color Nose = 0xFF6F94;
constexpr Color Foam = 0xD8F1FF;
constexpr Color Bark = 0x8A5A2B;
constexpr Color Wood = 0xE0B070;

// The two picture sizes: one row of the field is 60 pixels in mode easy and 40 in normal.
struct ModeSize {
    std::string mode;
    int row;
};
const ModeSize Modes[] = {{"easy", 60}, {"normal", 40}};

// Car and log lengths are whole tens of pixels, the columns of the level drawings.
int CarLength(int row)
{
    return row == 60 ? 110 : 70;
}
int LogLength(int row)
{
    return row == 60 ? 180 : 120;
}
int FigureHeight(int row)
{
    return row * 4 / 5;
}
int EdgeHeight(int row)
{
    return row / 10;
}

// Frame k (0 to 6) of the rabbit going under: it sinks in widening rings; the last frames keep
// only bubbles at the middle and the rings.
Canvas DrownFrame(int size, double degrees, int k)
{
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const Vec c{50, 50};
    for (int ring = 0; ring < 2; ++ring) {
        const double r = 22 + k * 4 + ring * 10;
        if (r < 48) {
            canvas.Fill(Outline(Circle(c, r), 2.2), Foam, 0.9 - ring * 0.3);
        }
    }
    if (k < 5) {
        DrawRabbit(canvas, c, 100, degrees, k / 5.0);
    }
    if (k == 0) {
        Random random(900 + static_cast<std::uint64_t>(degrees));
        for (int i = 0; i < 8; ++i) {
            const Vec drop = OnEllipse(c, 40, 40, i * 45.0 + random.Range(-10, 10));
            canvas.Fill(Circle(drop, random.Range(2.5, 4)), Foam);
        }
    } else {
        const double bubble = k < 5 ? 3 : 6.5 - (k - 5) * 2;
        for (const Vec at : {Vec{0, 0}, Vec{8, -7}, Vec{-7, -10}}) {
            const Shape b = Circle(c + at, bubble);
            canvas.Fill(Grow(b, 1.2), 0x2A5FA8);
            canvas.Fill(b, Foam);
        }
    }
    return canvas;
}

// A parent rabbit sitting, seen from the front, looking towards the middle of the field; when
// cheering it jumps with its paws up.
Canvas LargeRabbit(int size, bool right, bool cheering)
{
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const double lift = cheering ? -5 : 0;
    const Figure f{canvas, {{50, 50 + lift}, 1, 0, false}};
    const Color fur = right ? 0xA3A8BA : 0xCB9A63;
    const Color belly = right ? 0xE7E9F0 : 0xF3DDB8;
    const double look = right ? -1.5 : 1.5;
    if (cheering) {
        for (double side : {-1.0, 1.0}) {
            const Shape arm = Capsule({side * 20, 10}, {side * 34, -14}, 6);
            f.Edge(arm, 3);
            f.Fill(arm, fur);
        }
    }
    const Shape feet = Union(Ellipse({-16, 43}, 11, 5.5), Ellipse({16, 43}, 11, 5.5));
    const Shape body = Ellipse({0, 22}, 29, 25);
    f.Edge(Union(feet, body), 3.5);
    f.Fill(body, fur);
    f.Fill(Ellipse({0, 27}, 16, 17), belly);
    f.Fill(feet, Lighter(fur, 0.35));
    for (double side : {-1.0, 1.0}) {
        const Place ear{{side * 9, -32}, 1, side * (cheering ? 18 : 8)};
        const Shape outer = Placed(Ellipse({0, 0}, 6.5, 15), ear);
        f.Edge(outer, 3);
        f.Fill(outer, fur);
        f.Fill(Placed(Ellipse({0, 1.5}, 3.3, 10.5), ear), EarPink);
    }
    const Shape head = Circle({0, -8}, 19);
    f.Edge(head, 3.5);
    f.Fill(head, fur);
    f.Fill(Ellipse({0, -1}, 11, 8), belly);
    f.Eye({-7, -12}, 4.5, 5, {look, 0.5}, 2.5);
    f.Eye({7, -12}, 4.5, 5, {look, 0.5}, 2.5);
    f.Fill(Circle({0, -4}, 3), Nose);
    if (cheering) {
        f.Fill(Ellipse({0, 3}, 4.5, 3.5), 0x7A2030);
    } else {
        f.Fill(Arc({0, 0}, 4, 3, 20, 160, 1.2), Ink);
        const Shape paws = Union(Ellipse({-11, 14}, 6, 7.5), Ellipse({11, 14}, 6, 7.5));
        f.Edge(paws, 2.5);
        f.Fill(paws, fur);
    }
    f.Fill(Circle({-12, -2}, 3.5), Nose, 0.3);
    f.Fill(Circle({12, -2}, 3.5), Nose, 0.3);
    return canvas;
}

// A lane picture drawn in units of one 60-unit row, whatever the mode's row in pixels.
Canvas LaneCanvas(int row, double& width)
{
    Canvas canvas(800, row);
    canvas.SetView(row / 60.0);
    width = 800 * 60.0 / row;
    return canvas;
}

Image Road(int row, int variant)
{
    double w = 0;
    Canvas canvas = LaneCanvas(row, w);
    const Color bases[] = {0x55585F, 0x4C4F57, 0x3E4048, 0x7A7C84, 0x9C7A52, 0xA8573F};
    const Color base = bases[variant];
    canvas.Cover(LinearGradient({0, 0}, {0, 60}, Lighter(base, 0.08), Darker(base, 0.08)));
    Random random(300 + static_cast<std::uint64_t>(variant));
    switch (variant) {
    case 0:
        for (double x = 10; x < w; x += 80) {
            canvas.Fill(Rect(x, 28, x + 44, 32, 1), 0xF2F2F2);
        }
        break;
    case 1:
        canvas.Fill(Rect(0, 26, w, 28.5), 0xFFC531);
        canvas.Fill(Rect(0, 31.5, w, 34), 0xFFC531);
        break;
    case 2:
        for (int i = 0; i < 14; ++i) {
            const Vec p{random.Range(0, w), random.Range(8, 52)};
            canvas.Fill(Rect(p.x, p.y, p.x + random.Range(20, 60), p.y + random.Range(6, 12), 3),
                        0x34363D);
            canvas.Fill(Polyline({p, p + Vec{random.Range(8, 20), random.Range(-6, 6)},
                                  p + Vec{random.Range(22, 34), random.Range(-8, 8)}},
                                 0.7),
                        0x26272C);
        }
        for (double x = 30; x < w; x += 100) {
            canvas.Fill(Rect(x, 28.5, x + 30, 31.5, 1), 0xFFC531);
        }
        break;
    case 3:
        for (int r = 0; r < 5; ++r) {
            for (double x = (r % 2) * 7 - 7; x < w; x += 14) {
                const Shape stone = Rect(x + 1, r * 12 + 1, x + 13, r * 12 + 11, 3.5);
                canvas.Fill(stone, Mix(0x9A9CA6, 0x6C6E78, random.Unit()));
            }
        }
        break;
    case 4:
        for (double y : {16.0, 44.0}) {
            canvas.Fill(Rect(0, y - 4, w, y + 4), Darker(base, 0.2));
        }
        for (int i = 0; i < 120; ++i) {
            canvas.Fill(Circle({random.Range(0, w), random.Range(2, 58)}, random.Range(0.8, 2)),
                        Mix(0xC9A77A, 0x6E5234, random.Unit()));
        }
        break;
    default:
        for (int r = 0; r < 6; ++r) {
            for (double x = (r % 2) * 10 - 10; x < w; x += 20) {
                canvas.Fill(Rect(x + 0.8, r * 10 + 0.8, x + 19.2, r * 10 + 9.2, 1),
                            Mix(0xB8654A, 0x8E4232, random.Unit()));
            }
        }
        break;
    }
    for (int i = 0; i < 300; ++i) {
        canvas.Fill(Circle({random.Range(0, w), random.Range(0, 60)}, 0.6), White, 0.08);
    }
    return canvas.Opaque();
}

Image River(int row, int variant)
{
    double w = 0;
    Canvas canvas = LaneCanvas(row, w);
    const Color bases[] = {0x2F7FD8, 0x1F4FA8, 0x1FA6B8, 0x2E7E8A, 0x3A8FE8, 0x3657C2};
    const Color base = bases[variant];
    canvas.Cover(LinearGradient({0, 0}, {0, 60}, Darker(base, 0.12), Lighter(base, 0.1)));
    Random random(400 + static_cast<std::uint64_t>(variant));
    const int waves = variant == 1 ? 30 : 55;
    for (int i = 0; i < waves; ++i) {
        const Vec p{random.Range(0, w), random.Range(8, 52)};
        const double rx = random.Range(6, 14);
        canvas.Fill(Arc(p, rx, rx * 0.45, 200, 340, 1.3), Lighter(base, 0.45), 0.8);
    }
    if (variant == 4 || variant == 2) {
        for (int i = 0; i < 40; ++i) {
            canvas.Fill(Star({random.Range(0, w), random.Range(4, 56)}, 2.4, 0.7, 4), White, 0.9);
        }
    }
    if (variant == 5) {
        for (int i = 0; i < 12; ++i) {
            const double x = random.Range(0, w);
            const double y = random.Range(10, 50);
            canvas.Fill(Capsule({x, y}, {x + random.Range(30, 70), y}, 1.4), Foam, 0.6);
        }
    }
    return canvas.Opaque();
}

// The kerb along a road, or the sandy bank along a river; `top` lies above its lane.
Image Edge(int row, bool road, bool top)
{
    Canvas canvas(800, EdgeHeight(row));
    canvas.SetView(EdgeHeight(row) / 10.0);
    const double w = 800 * 10.0 / EdgeHeight(row);
    if (road) {
        canvas.Cover(LinearGradient({0, 0}, {0, 10}, 0xDADDE3, 0xB4B8C2));
        for (double x = 0; x < w; x += 40) {
            canvas.Fill(Rect(x, 0, x + 1.5, 10), 0x7D818C);
        }
        canvas.Fill(top ? Rect(0, 8, w, 10) : Rect(0, 0, w, 2), 0x3A3C44);
    } else {
        canvas.Cover(LinearGradient({0, 0}, {0, 10}, 0xD8B872, 0xB98F4E));
        Random random(top ? 501 : 502);
        for (int i = 0; i < 160; ++i) {
            canvas.Fill(Circle({random.Range(0, w), random.Range(0, 10)}, random.Range(0.6, 1.4)),
                        0x8C6A3A, 0.6);
        }
        canvas.Fill(top ? Rect(0, 7.5, w, 10) : Rect(0, 0, w, 2.5), 0x6E5A3A);
    }
    return canvas.Opaque();
}

// A car from above, driving right; the one driving left is a blue mirror image.
Canvas Car(int row, bool left)
{
    const int h = FigureHeight(row);
    Canvas canvas(CarLength(row), h);
    canvas.SetView(h / 48.0);
    const double l = CarLength(row) * 48.0 / h;
    const Figure f{canvas, {left ? Vec{l, 0} : Vec{0, 0}, 1, 0, left}};
    const Color paint = left ? 0x2F6FE0 : palette::Red;
    const Shape wheels =
        Union({Rect(l * 0.16, 1, l * 0.3, 9, 2.5), Rect(l * 0.16, 39, l * 0.3, 47, 2.5),
               Rect(l * 0.7, 1, l * 0.84, 9, 2.5), Rect(l * 0.7, 39, l * 0.84, 47, 2.5)});
    f.Fill(wheels, 0x202228);
    const Shape body = Rect(3, 5, l - 3, 43, 13);
    f.Edge(body, 3);
    f.Fill(body, LinearGradient(f.Point({0, 5}), f.Point({0, 43}), Lighter(paint, 0.3),
                                Darker(paint, 0.15)));
    f.Fill(Rect(l * 0.3, 10, l * 0.6, 38, 6), Lighter(paint, 0.15));
    f.Fill(Rect(l * 0.6, 9, l * 0.73, 39, 4), 0x9FDBFF);
    f.Fill(Rect(l * 0.19, 10, l * 0.29, 38, 4), 0x7FBFEA);
    f.Fill(Union(Circle({l - 7, 11}, 3.5), Circle({l - 7, 37}, 3.5)), 0xFFF2A0);
    f.Fill(Union(Rect(4, 8, 8, 15, 1.5), Rect(4, 33, 8, 40, 1.5)), 0xB01818);
    return canvas;
}

Canvas Log(int row)
{
    const int h = FigureHeight(row);
    Canvas canvas(LogLength(row), h);
    canvas.SetView(h / 48.0);
    const double l = LogLength(row) * 48.0 / h;
    const Shape trunk = Rect(2, 3, l - 2, 45, 12);
    Outlined(canvas, trunk, LinearGradient({0, 3}, {0, 45}, 0xA8733E, 0x6A4220), 2.5);
    Random random(610);
    for (int i = 0; i < 9; ++i) {
        const double y = 9 + i * 3.7;
        const double x = random.Range(14, 40);
        canvas.Fill(Capsule({x, y}, {x + random.Range(40, l - 70), y}, 0.9), Darker(Bark, 0.3),
                    0.8);
    }
    const Shape end = Ellipse({l - 12, 24}, 9, 20);
    canvas.Fill(Grow(end, 2), Ink);
    canvas.Fill(end, Wood);
    for (double r : {0.35, 0.7}) {
        canvas.Fill(Outline(Ellipse({l - 12, 24}, 9 * r, 20 * r), 0.8), 0xA8733E);
    }
    canvas.Fill(Circle({30, 14}, 3), 0x5A3A18);
    return canvas;
}

Canvas Flower(int look)
{
    const Color petals[] = {0xE8473D, 0xFFD23F, White, 0xFF8AC8, 0xB07CFF, palette::Orange};
    const Color hearts[] = {0xFFE066, 0xE87A2B, 0xFFC531, 0xFFE066, 0xFFF2A0, 0x8A4A1A};
    Canvas canvas(24, 24);
    const int count = 5 + look % 3;
    std::vector<Shape> leaves;
    for (int i = 0; i < count; ++i) {
        leaves.push_back(Circle(OnEllipse({12, 12}, 6, 6, -90 + i * 360.0 / count), 4.6));
    }
    const Shape all = Union(leaves);
    canvas.Fill(Grow(all, 1.1), Ink);
    canvas.Fill(all, petals[look]);
    canvas.Fill(Grow(Circle({12, 12}, 3.4), 0.8), Ink);
    canvas.Fill(Circle({12, 12}, 3.4), hearts[look]);
    return canvas;
}

Canvas Bush()
{
    Canvas canvas(48, 40);
    const Shape bush = Union(
        {Circle({13, 25}, 12), Circle({24, 17}, 14), Circle({36, 25}, 11), Rect(6, 24, 43, 37, 6)});
    canvas.Fill(Grow(bush, 1.5), Ink);
    canvas.Fill(bush, RadialGradient({18, 10}, 34, 0x6FD05A, 0x2E8A3A));
    Random random(620);
    for (int i = 0; i < 9; ++i) {
        const Vec p{random.Range(10, 38), random.Range(12, 32)};
        canvas.Fill(Arc(p, 4, 3, 200, 340, 0.9), 0x9AE880, 0.8);
    }
    for (const Vec berry : {Vec{16, 20}, Vec{30, 27}, Vec{34, 16}}) {
        canvas.Fill(Circle(berry, 2.4), 0xE8473D);
    }
    return canvas;
}

// The game-over picture that rolls down over the field: a parchment between two rolls, the words
// and the parents looking on.
Image EndScroll()
{
    Canvas canvas(800, 480);
    canvas.Cover(LinearGradient({0, 0}, {0, 480}, 0xF6E7BE, 0xE9D29A));
    Random random(630);
    for (int i = 0; i < 60; ++i) {
        canvas.FillSoft(Circle({random.Range(0, 800), random.Range(40, 440)}, random.Range(8, 30)),
                        0xC9A968, 8, 0.12);
    }
    for (double y : {0.0, 440.0}) {
        const Shape roll = Rect(0, y + 2, 800, y + 38, 16);
        canvas.Fill(Grow(roll, 2), Ink);
        canvas.Fill(roll, LinearGradient({0, y}, {0, y + 40}, 0xE0BC7A, 0x9A6A32));
        canvas.Fill(Rect(0, y + 10, 800, y + 16), White, 0.25);
    }
    const TextStyle style{78, 0.12, 0.18};
    const Shape words = Text("GAME OVER", {400, 230}, style, Align::Centre);
    canvas.Fill(Grow(words, 8), Ink);
    canvas.Fill(words, LinearGradient({0, 150}, {0, 230}, 0x7CC8FF, 0x2F6FE0));
    canvas.Put(LargeRabbit(120, false, false).Opaque(0xF0DEAE), 140, 280);
    canvas.Put(LargeRabbit(120, true, false).Opaque(0xF0DEAE), 540, 280);
    const Shape carrot = Polygon({{380, 330}, {420, 330}, {400, 410}});
    canvas.Fill(Grow(carrot, 3), Ink);
    canvas.Fill(carrot, palette::Orange);
    for (double dx : {-8.0, 0.0, 8.0}) {
        const Shape leaf = Capsule({400, 328}, {400 + dx * 1.6, 300}, 3.5);
        canvas.Fill(Grow(leaf, 2), Ink);
        canvas.Fill(leaf, palette::Green);
    }
    return canvas.Opaque();
}

Sound Move()
{
    Sound s = Tone(0.14, Glide(280, 760, 0.1), Wave::Sine, Envelope(0.003, 0.03, 0.1));
    s.Mix(Tone(0.14, Glide(560, 1520, 0.1), Wave::Triangle, Envelope(0.003, 0.02, 0.1)), 0, 0.3);
    return s;
}

Sound Rotate()
{
    Sound s = Noise(0.11, 701, Glide(1500, 6000, 0.1), Envelope(0.005, 0.03, 0.07));
    s.Mix(Tone(0.04, Constant(1600), Wave::Sine, Decay(0.01)), 0, 0.4);
    return s;
}

// The arrival at home: a bright tune on bells over held chords, about four seconds, within the
// 6.5 seconds of the celebration.
Sound Home()
{
    Sound s(4.2);
    const int melody[] = {72, 76, 79, 84, 79, 84, 88};
    for (int i = 0; i < 7; ++i) {
        const double length = i == 6 ? 1.8 : 0.3;
        s.Mix(Tone(length, Constant(NoteHz(melody[i])), Wave::Triangle,
                   Product(Envelope(0.004, 0.05, length - 0.06), Decay(0.5))),
              i * 0.22, 0.6);
        s.Mix(Tone(length, Constant(NoteHz(melody[i] + 12)), Wave::Sine, Decay(0.15)), i * 0.22,
              0.2);
    }
    for (int key : {60, 64, 67}) {
        s.Mix(Tone(3.9, Vibrato(Constant(NoteHz(key)), 5, 0.004), Wave::Triangle,
                   Envelope(0.2, 2.8, 0.9)),
              0.1, 0.18);
    }
    LowPass(s, Constant(7000));
    return s;
}

Sound Horn()
{
    Sound s = Tone(0.5, Constant(392), Wave::Saw, Envelope(0.01, 0.4, 0.08));
    s.Mix(Tone(0.5, Constant(494), Wave::Saw, Envelope(0.01, 0.4, 0.08)), 0, 0.8);
    LowPass(s, Constant(1800));
    return s;
}

Sound HitByCar()
{
    Sound s = Tone(0.4, Glide(160, 45, 0.3), Wave::Sine, Decay(0.09));
    s.Mix(Noise(0.5, 711, Glide(6000, 400, 0.4), Product(Envelope(0.002, 0.05, 0.44), Decay(0.12))),
          0, 0.7);
    return s;
}

// Short, for the game stands still while it plays.
Sound Splash()
{
    Sound s =
        Noise(0.6, 721, Glide(7000, 600, 0.5), Product(Envelope(0.004, 0.08, 0.5), Decay(0.2)));
    s.Mix(Tone(0.25, Glide(500, 140, 0.2), Wave::Sine, Decay(0.06)), 0, 0.7);
    return s;
}

Sound InWater()
{
    Sound s(1.5);
    Random random(731);
    for (int i = 0; i < 14; ++i) {
        const double from = random.Range(300, 700);
        s.Mix(Tone(0.08, Glide(from, from * 2.2, 0.07), Wave::Sine, Envelope(0.003, 0.02, 0.05)),
              i * 0.095 + random.Range(0, 0.03), random.Range(0.3, 0.6));
    }
    return s;
}

Sound LostGame()
{
    Sound s(2.8);
    const int keys[] = {67, 64, 60, 55};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.4 : 0.42;
        s.Mix(Tone(length, Vibrato(Constant(NoteHz(keys[i])), 5, i == 3 ? 0.015 : 0.004),
                   Wave::Triangle, Envelope(0.01, length * 0.6, length * 0.38)),
              i * 0.42, 0.7);
        s.Mix(Tone(length, Constant(NoteHz(keys[i] - 12)), Wave::Sine,
                   Envelope(0.01, length * 0.6, length * 0.38)),
              i * 0.42, 0.4);
    }
    return s;
}

// One turn of the spin after a hit takes 800 ms: the whoosh fits inside it.
Sound Flying()
{
    Sound s = Noise(0.6, 741, Vibrato(Constant(1800), 3, 0.5), Envelope(0.1, 0.2, 0.3));
    s.Mix(Tone(0.6, Glide(900, 1500, 0.5), Wave::Sine, Envelope(0.1, 0.2, 0.3)), 0, 0.25);
    return s;
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Lupido";
    t.seed = 0x1AB1D0;
    t.tempo = 132;
    t.tonic = 65;
    t.lead = 73;     // flute
    t.arpeggio = 11; // vibraphone
    t.bass = 33;     // fingered bass
    t.groove = Groove::Bouncy;
    t.verse = {0, 3, 4, 0, 5, 3, 1, 4};
    t.chorus = {3, 0, 4, 5, 3, 0, 4, 0};
    t.bridge = {5, 4, 3, 4, 5, 1, 3, 4};
    t.plan = "IAABABO";
    return t;
}

} // namespace

void DrawRabbit(Canvas& canvas, Vec centre, double size, double degrees, double sink)
{
    const Figure f{canvas, {centre, size / 100 * (1 - 0.6 * sink), degrees, false}};
    const Shape feet = Union(Ellipse({-19, 33}, 8, 13), Ellipse({19, 33}, 8, 13));
    f.Edge(feet, 3);
    f.Fill(feet, FurShade);
    const Shape body = Ellipse({0, 14}, 25, 28);
    f.Edge(body, 3.5);
    f.Fill(body, RadialGradient(f.Point({-8, 4}), size * 0.35, White, FurShade));
    const Shape tail = Circle({0, 42}, 7);
    f.Edge(tail, 2.5);
    f.Fill(tail, White);
    const Shape paws = Union(Ellipse({-11, -4}, 5, 7), Ellipse({11, -4}, 5, 7));
    f.Edge(paws, 2.5);
    f.Fill(paws, Fur);
    for (double side : {-1.0, 1.0}) {
        const Place ear{{side * 8, -35}, 1, side * 18};
        const Shape outer = Placed(Ellipse({0, 0}, 6.5, 14), ear);
        f.Edge(outer, 3);
        f.Fill(outer, Fur);
        f.Fill(Placed(Ellipse({0, 1}, 3.3, 10), ear), EarPink);
    }
    const Shape head = Circle({0, -16}, 16);
    f.Edge(head, 3.5);
    f.Fill(head, RadialGradient(f.Point({-5, -22}), size * 0.2, White, Fur));
    f.Eye({-8, -19}, 4.5, 5, {0, -1.5}, 2.5);
    f.Eye({8, -19}, 4.5, 5, {0, -1.5}, 2.5);
    f.Fill(Circle({0, -29}, 2.8), Nose);
    if (sink > 0) {
        f.Fill(Union({feet, body, tail, paws, head}), 0x2F7FD8, 0.25 + 0.6 * sink);
    }
}

void AddLupido(Catalog& catalog)
{
    const double facing[] = {0, 90, 180, 270}; // up, right, down, left
    for (const ModeSize& m : Modes) {
        const std::string root = "Gfx/Lupido/" + m.mode + "/";
        const int row = m.row;
        for (int d = 0; d < 4; ++d) {
            const double degrees = facing[d];
            AddKeyedGif(catalog, root + "rabbit" + std::to_string(d) + ".gif", [row, degrees] {
                Canvas canvas(row, row);
                canvas.SetUnits(100);
                DrawRabbit(canvas, {50, 50}, 100, degrees, 0);
                return canvas;
            });
            AddKeyedGif(catalog, root + "largeRabbit" + std::to_string(d) + ".gif",
                        [row, d] { return LargeRabbit(row, d % 2 == 1, d >= 2); });
        }
        // Groups of seven frames: right, up, down, left.
        const double groups[] = {90, 0, 180, 270};
        for (int n = 0; n < 28; ++n) {
            const double degrees = groups[n / 7];
            const int k = n % 7;
            AddKeyedGif(catalog,
                        root + "rabbitDrown" + (n < 10 ? "0" : "") + std::to_string(n) + ".gif",
                        [row, degrees, k] { return DrownFrame(row, degrees, k); });
        }
        for (int v = 0; v < 6; ++v) {
            AddOpaqueGif(catalog, root + "road" + std::to_string(v) + ".gif",
                         [row, v] { return Road(row, v); });
            AddOpaqueGif(catalog, root + "river" + std::to_string(v) + ".gif",
                         [row, v] { return River(row, v); });
        }
        AddOpaqueGif(catalog, root + "roadTop.gif", [row] { return Edge(row, true, true); });
        AddOpaqueGif(catalog, root + "roadBottom.gif", [row] { return Edge(row, true, false); });
        AddOpaqueGif(catalog, root + "riverTop.gif", [row] { return Edge(row, false, true); });
        AddOpaqueGif(catalog, root + "riverBottom.gif", [row] { return Edge(row, false, false); });
        AddKeyedGif(catalog, root + "car0.gif", [row] { return Car(row, false); });
        AddKeyedGif(catalog, root + "car1.gif", [row] { return Car(row, true); });
        AddKeyedGif(catalog, root + "log.gif", [row] { return Log(row); });
        AddOpaqueGif(catalog, root + "endScroll.gif", EndScroll);
    }
    for (int look = 0; look < 6; ++look) {
        AddKeyedGif(catalog, "Gfx/Lupido/flower" + std::to_string(look) + ".gif",
                    [look] { return Flower(look); });
    }
    AddKeyedGif(catalog, "Gfx/Lupido/bush.gif", Bush);

    AddWav(catalog, "Sfx/Lupido/move.wav", Move);
    AddWav(catalog, "Sfx/Lupido/rotate.wav", Rotate);
    AddWav(catalog, "Sfx/Lupido/home.wav", Home);
    AddWav(catalog, "Sfx/Lupido/horn.wav", Horn);
    AddWav(catalog, "Sfx/Lupido/hitbycar.wav", HitByCar);
    AddWav(catalog, "Sfx/Lupido/splash.wav", Splash);
    AddWav(catalog, "Sfx/Lupido/inwater.wav", InWater);
    AddWav(catalog, "Sfx/Lupido/lostGame.wav", LostGame);
    AddWav(catalog, "Sfx/Lupido/flying.wav", Flying);
    AddMidi(catalog, "Music/lupido.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
