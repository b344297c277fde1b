// The alien shooter Zentar: the ship, its shot and explosion, 27 aliens, hit explosions, the
// firework spark, the two plain backgrounds and their option buttons, sounds and music.
#include "assets/Zentar.h"

#include <cmath>
#include <string>

#include "assets/BackgroundChoices.h"
#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Midi.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Synth.h"

namespace assetgen {

namespace {

using palette::Ink;
using palette::White;

constexpr Color Hull = 0xE9EEF8;
constexpr Color HullShade = 0x9AA6C0;
constexpr Color Canopy = 0x39D3FF;
constexpr Color Trim = 0xE8473D;
constexpr Color Flame = 0xFFA030;

// Golden-angle hues give 27 clearly different alien colours.
Color AlienColour(int type)
{
    return Hsv(std::fmod(type * 137.508 + 20, 360.0), 0.62, 0.96);
}
Color AccentColour(int type)
{
    return Hsv(std::fmod(type * 137.508 + 200, 360.0), 0.7, 1.0);
}

void BodyFill(const Figure& f, const Shape& s, Color colour, double size)
{
    f.Edge(s, 3.5);
    f.Fill(s, RadialGradient(f.Point({-14, -18}), size * 0.7, Lighter(colour, 0.4),
                             Darker(colour, 0.25)));
}

void Mouth(const Figure& f, Vec c, double width, bool open)
{
    if (open) {
        f.Fill(Ellipse(c, width * 0.5, width * 0.35), Ink);
    } else {
        f.Fill(Arc(c - Vec{0, width * 0.4}, width * 0.5, width * 0.4, 30, 150, 2.2), Ink);
    }
}

void Eyes(const Figure& f, int count, Vec c, double spacing, double r)
{
    for (int i = 0; i < count; ++i) {
        const double x = c.x + (i - (count - 1) / 2.0) * spacing;
        f.Eye({x, c.y}, r, r * 1.1, {0, r * 0.25}, r * 0.5);
    }
}

void Squid(const Figure& f, int variant, Color colour, Color accent, double size)
{
    const int legs = 3 + variant;
    std::vector<Shape> tentacles;
    for (int i = 0; i < legs; ++i) {
        const double x = -28 + i * 56.0 / (legs - 1);
        const double bend = (i % 2 == 0 ? 1 : -1) * 6.0;
        tentacles.push_back(
            Polyline({{x, 0}, {x + bend, 18}, {x - bend, 32}, {x + bend * 0.5, 42}}, 5.5));
    }
    const Shape legsShape = Union(tentacles);
    f.Edge(legsShape, 3);
    f.Fill(legsShape, Darker(colour, 0.15));
    const Shape head = Union(Ellipse({0, -12}, 36, 32), Rect(-36, -12, 36, 10, 6));
    BodyFill(f, head, colour, size);
    f.Fill(Circle({-20, -30}, 4), accent);
    f.Fill(Circle({22, -24}, 3), accent);
    Eyes(f, variant == 1 ? 1 : 2, {0, -10}, 24, variant == 1 ? 13 : 9);
    Mouth(f, {0, 4}, 12, variant == 2);
}

void Crab(const Figure& f, int variant, Color colour, Color accent, double size)
{
    std::vector<Shape> limbs;
    for (double side : {-1.0, 1.0}) {
        for (int i = 0; i < 3; ++i) {
            limbs.push_back(Polyline(
                {{side * 22, 10.0 + i * 6}, {side * 40, 16.0 + i * 9}, {side * 44, 30.0 + i * 6}},
                3.5));
        }
        limbs.push_back(Capsule({side * 24, -4}, {side * 32, -20}, 5));
        limbs.push_back(Capsule({side * 10, -8}, {side * 12, -26}, 3));
    }
    const Shape limbShape = Union(limbs);
    f.Edge(limbShape, 3);
    f.Fill(limbShape, Darker(colour, 0.2));
    for (double side : {-1.0, 1.0}) {
        const Shape claw =
            Subtract(Circle({side * 34, -30}, 13),
                     Polygon({{side * 34, -30}, {side * 30, -50}, {side * 48, -44}}));
        BodyFill(f, claw, accent, size);
    }
    const Shape body = Ellipse({0, 6}, 34, 22);
    BodyFill(f, body, colour, size);
    for (double side : {-1.0, 1.0}) {
        f.Eye({side * 12, -28}, 7, 7, {0, 1.5}, 3.5);
    }
    if (variant == 1) {
        f.Eye({0, 2}, 8, 8, {0, 2}, 4);
    }
    Mouth(f, {0, 14}, 14, variant == 2);
    for (int i = 0; i < 3; ++i) {
        f.Fill(Circle({-16.0 + i * 16, -4}, 2.5), Lighter(colour, 0.5));
    }
}

void Saucer(const Figure& f, int variant, Color colour, Color accent, double size)
{
    if (variant == 2) {
        const Shape legs = Union(Polyline({{-20, 18}, {-30, 34}, {-36, 36}}, 3),
                                 Polyline({{20, 18}, {30, 34}, {36, 36}}, 3));
        f.Edge(legs, 2.5);
        f.Fill(legs, HullShade);
    }
    const Shape dome = Circle({0, -8}, 24);
    f.Edge(dome, 3.5);
    f.Fill(dome, RadialGradient(f.Point({-8, -18}), size * 0.35, Lighter(accent, 0.7),
                                Lighter(accent, 0.2)));
    Eyes(f, variant == 1 ? 3 : 2, {0, -10}, variant == 1 ? 12 : 14, variant == 1 ? 5 : 6.5);
    const Shape disc = Ellipse({0, 12}, 47, 15);
    BodyFill(f, disc, colour, size);
    f.Fill(Intersect(disc, Rect(-50, 14, 50, 30)), Darker(colour, 0.3), 0.5);
    for (int i = 0; i < 5; ++i) {
        const Shape light = Circle({-30.0 + i * 15, 12}, 4);
        f.Edge(light, 1.5);
        f.Fill(light, i % 2 == 0 ? 0xFFE14D : White);
    }
}

void Eyeball(const Figure& f, int variant, Color colour, Color accent, double size)
{
    const Shape spikes = Grow(Star({0, 0}, 44, 30, 8 + variant * 2, -90), 2);
    f.Edge(spikes, 3);
    f.Fill(spikes, Darker(colour, 0.25));
    const Shape body = Circle({0, 0}, 32);
    BodyFill(f, body, colour, size);
    const Shape white = Circle({0, -1}, 20);
    f.Edge(white, 3);
    f.Fill(white, White);
    f.Fill(Circle({0, 1}, 12), accent);
    f.Fill(Circle({0, 1}, 6), Ink);
    f.Fill(Circle({-4, -3}, 3), White);
    if (variant == 2) {
        // A heavy lid over the top of the eye.
        const Shape lid = Intersect(Circle({0, -1}, 21), Rect(-25, -25, 25, -8));
        f.Fill(lid, colour);
        f.Fill(Capsule({-20, -8}, {20, -8}, 2), Ink);
    }
}

void Bug(const Figure& f, int variant, Color colour, Color accent, double size)
{
    for (double side : {-1.0, 1.0}) {
        const Shape wing = Placed(Ellipse({0, 0}, 16, 28), {{side * 24, -4}, 1, side * 28});
        f.Edge(wing, 2.5);
        f.Fill(wing, Lighter(accent, 0.45));
        f.Fill(Placed(Ellipse({0, 6}, 6, 12), {{side * 24, -4}, 1, side * 28}),
               Lighter(accent, 0.75));
        const Shape feeler = Capsule({side * 6, -36}, {side * 16, -46}, 2.5);
        f.Edge(feeler, 2);
        f.Fill(feeler, Ink);
        f.Fill(Circle({side * 17, -47}, 4.5), accent);
    }
    const Shape body = Ellipse({0, 10}, 20, 32);
    BodyFill(f, body, colour, size);
    for (double y : {6.0, 18.0, 30.0}) {
        f.Fill(Intersect(body, Rect(-30, y, 30, y + 5)), Darker(colour, 0.35));
    }
    const Shape head = Circle({0, -26}, 16);
    BodyFill(f, head, colour, size);
    Eyes(f, variant == 1 ? 3 : 2, {0, -28}, variant == 1 ? 9 : 12, variant == 1 ? 4.5 : 6);
    if (variant == 2) {
        f.Fill(Capsule({-6, -16}, {-4, -10}, 2), White);
        f.Fill(Capsule({6, -16}, {4, -10}, 2), White);
    }
}

void Robot(const Figure& f, int variant, Color colour, Color accent, double size)
{
    const Shape feet = Union(Capsule({-18, 24}, {-24, 42}, 5.5), Capsule({18, 24}, {24, 42}, 5.5));
    f.Edge(feet, 2.5);
    f.Fill(feet, HullShade);
    const Shape aerial = Capsule({0, -30}, {0, -42}, 2.5);
    f.Edge(aerial, 2);
    f.Fill(aerial, HullShade);
    const Shape ball = Circle({0, -45}, 5.5);
    f.Edge(ball, 2);
    f.Fill(ball, accent);
    const Shape ears = Union(Rect(-44, -12, -30, 8, 3), Rect(30, -12, 44, 8, 3));
    f.Edge(ears, 2.5);
    f.Fill(ears, Darker(colour, 0.3));
    const Shape head = Rect(-34, -32, 34, 28, 9);
    BodyFill(f, head, colour, size);
    const Shape visor = Rect(-25, -20, 25, 2, 7);
    f.Fill(visor, Ink);
    if (variant == 1) {
        f.Fill(Capsule({-16, -9}, {16, -9}, 4), accent);
    } else {
        const int eyes = variant == 0 ? 2 : 3;
        for (int i = 0; i < eyes; ++i) {
            f.Fill(Circle({(i - (eyes - 1) / 2.0) * 14, -9}, 5), accent);
            f.Fill(Circle({(i - (eyes - 1) / 2.0) * 14 - 1.5, -10.5}, 1.8), White);
        }
    }
    for (int i = 0; i < 4; ++i) {
        f.Fill(Rect(-15 + i * 8.0, 10, -11 + i * 8.0, 20, 1.5), Darker(colour, 0.45));
    }
}

void Blob(const Figure& f, int variant, Color colour, Color accent, double size)
{
    const Shape body = Union({Circle({0, -6}, 36), Rect(-36, -6, 36, 18), Circle({-24, 22}, 12),
                              Circle({0, 26}, 11), Circle({23, 21}, 13)});
    BodyFill(f, body, colour, size);
    f.Fill(Ellipse({-14, -26}, 10, 6), White, 0.5);
    const int eyes = variant == 0 ? 3 : variant == 1 ? 2 : 1;
    Eyes(f, eyes, {0, -10}, 20, eyes == 1 ? 13 : 8);
    f.Fill(Arc({0, 8}, 14, 8, 20, 160, 2.5), Ink);
    f.Fill(Circle({-28, 2}, 4), accent);
    f.Fill(Circle({26, 6}, 3), accent);
}

void StarBeast(const Figure& f, int variant, Color colour, Color accent, double size)
{
    const int points = variant == 0 ? 5 : variant == 1 ? 6 : 4;
    const Shape body = Grow(Star({0, 4}, 40, 20, points, -90), 5);
    BodyFill(f, body, colour, size);
    f.Fill(Circle({0, 4}, 16), Lighter(colour, 0.3), 0.6);
    for (double side : {-1.0, 1.0}) {
        f.Eye({side * 8, 0}, 5.5, 6.5, {0, 1.5}, 3);
    }
    Mouth(f, {0, 13}, 10, variant == 1);
    f.Fill(Circle({0, -28}, 3), accent);
}

void Bat(const Figure& f, int variant, Color colour, Color accent, double size)
{
    std::vector<Shape> wings;
    for (double side : {-1.0, 1.0}) {
        wings.push_back(Polygon({{side * 8, -12},
                                 {side * 46, -28},
                                 {side * 48, 6},
                                 {side * 38, 0},
                                 {side * 30, 14},
                                 {side * 20, 4},
                                 {side * 10, 14}}));
    }
    const Shape wingShape = Union(wings);
    f.Edge(wingShape, 3);
    f.Fill(wingShape, Darker(colour, 0.3));
    for (double side : {-1.0, 1.0}) {
        f.Fill(Capsule({side * 10, -10}, {side * 44, -24}, 1.5), Lighter(colour, 0.3));
    }
    const Shape ears = Union(Polygon({{-16, -14}, {-20, -36}, {-4, -18}}),
                             Polygon({{16, -14}, {20, -36}, {4, -18}}));
    const Shape body = Union(Circle({0, 0}, 20), ears);
    BodyFill(f, body, colour, size);
    const Shape belly = Ellipse({0, 20}, 12, 14);
    BodyFill(f, belly, colour, size);
    Eyes(f, variant == 1 ? 1 : 2, {0, -2}, 14, variant == 1 ? 9 : 6);
    f.Fill(Polygon({{-6, 10}, {-2, 10}, {-4, 16}}), White);
    f.Fill(Polygon({{2, 10}, {6, 10}, {4, 16}}), White);
    if (variant == 2) {
        f.Fill(Circle({0, 24}, 4), accent);
    }
}

} // namespace

void DrawAlien(Canvas& canvas, Vec centre, double size, int type)
{
    const Figure f{canvas, {centre, size / 100, 0, false}};
    const int variant = type % 3;
    const Color colour = AlienColour(type);
    const Color accent = AccentColour(type);
    switch (type / 3) {
    case 0:
        Squid(f, variant, colour, accent, size);
        break;
    case 1:
        Crab(f, variant, colour, accent, size);
        break;
    case 2:
        Saucer(f, variant, colour, accent, size);
        break;
    case 3:
        Eyeball(f, variant, colour, accent, size);
        break;
    case 4:
        Bug(f, variant, colour, accent, size);
        break;
    case 5:
        Robot(f, variant, colour, accent, size);
        break;
    case 6:
        Blob(f, variant, colour, accent, size);
        break;
    case 7:
        StarBeast(f, variant, colour, accent, size);
        break;
    default:
        Bat(f, variant, colour, accent, size);
        break;
    }
}

void DrawShip(Canvas& canvas, Vec at, double width)
{
    // Drawn in a 100 x 66 box.
    const Figure f{canvas, {at, width / 100, 0, false}};
    const Shape flames =
        Union(Polygon({{40, 56}, {46, 56}, {43, 66}}), Polygon({{54, 56}, {60, 56}, {57, 66}}));
    f.Fill(flames, Flame);
    const Shape wings = Union(Polygon({{40, 24}, {4, 48}, {4, 58}, {42, 52}}),
                              Polygon({{60, 24}, {96, 48}, {96, 58}, {58, 52}}));
    f.Edge(wings, 3.5);
    f.Fill(wings, LinearGradient({at.x, at.y}, {at.x, at.y + width * 0.6}, Hull, HullShade));
    f.Fill(Intersect(wings, Rect(0, 46, 100, 52)), Trim);
    const Shape tips = Union(Rect(2, 36, 10, 58, 3), Rect(90, 36, 98, 58, 3));
    f.Edge(tips, 3);
    f.Fill(tips, Trim);
    const Shape body = Polygon({{50, 2}, {62, 26}, {63, 56}, {37, 56}, {38, 26}});
    f.Edge(body, 3.5);
    f.Fill(body,
           LinearGradient({at.x + width * 0.38, 0}, {at.x + width * 0.62, 0}, White, HullShade));
    const Shape canopy = Ellipse({50, 28}, 6.5, 11);
    f.Edge(canopy, 2.5);
    f.Fill(canopy, LinearGradient({0, at.y + width * 0.18}, {0, at.y + width * 0.38},
                                  Lighter(Canopy, 0.6), Canopy));
    f.Fill(Rect(44, 44, 56, 50, 2), Trim);
}

void DrawStarField(Canvas& canvas, Color top, Color bottom, int stars, unsigned seed)
{
    canvas.Cover(LinearGradient({0, 0}, {0, static_cast<double>(canvas.height)}, top, bottom));
    Random random(seed);
    for (int i = 0; i < stars; ++i) {
        const Vec p{random.Range(0, canvas.width), random.Range(0, canvas.height)};
        const double r = random.Unit() < 0.85 ? random.Range(0.5, 1.1) : random.Range(1.2, 2.0);
        const Color c = Mix(White, random.Chance(0.5) ? 0xFFE3A0 : 0xA8C8FF, random.Range(0, 0.5));
        canvas.Fill(Circle(p, r), c, random.Range(0.5, 1.0));
        if (r > 1.6) {
            canvas.Fill(Capsule({p.x - 5, p.y}, {p.x + 5, p.y}, 0.5), c, 0.7);
            canvas.Fill(Capsule({p.x, p.y - 5}, {p.x, p.y + 5}, 0.5), c, 0.7);
        }
    }
}

namespace {

Image SimpleBackground(int index)
{
    Canvas canvas(800, 600);
    if (index == 0) {
        DrawStarField(canvas, 0x03061A, 0x13235A, 420, 101);
        return canvas.Opaque();
    }
    DrawStarField(canvas, 0x12042A, 0x4A1656, 300, 202);
    canvas.FillSoft(Circle({130, 760}, 300), 0xFF8AD8, 60, 0.35);
    const Shape planet = Circle({130, 760}, 290);
    canvas.Fill(planet, RadialGradient({40, 520}, 420, 0xC26BFF, 0x2A0F4A));
    for (int i = 0; i < 5; ++i) {
        canvas.Fill(Intersect(planet, Ellipse(
                                          {
                                              130,
                                              520.0 + i * 60,
                                          },
                                          330, 14 + i * 3.0)),
                    0xE3A8FF, 0.18);
    }
    return canvas.Opaque();
}

Canvas Shot()
{
    Canvas canvas(6, 16);
    canvas.Fill(Capsule({3, 3}, {3, 13}, 2.9), 0xFF9A2E);
    canvas.Fill(Capsule({3, 3.5}, {3, 12}, 1.4), 0xFFF6C8);
    return canvas;
}

Canvas Flower()
{
    Canvas canvas(16, 16);
    std::vector<Shape> petals;
    for (int i = 0; i < 5; ++i) {
        petals.push_back(Circle(OnEllipse({8, 8}, 4.3, 4.3, -90 + i * 72.0), 3.2));
    }
    const Shape all = Union(petals);
    canvas.Fill(Grow(all, 0.9), Ink);
    canvas.Fill(all, 0xFF7CC0);
    canvas.Fill(Circle({8, 8}, 2.6), 0xFFE066);
    return canvas;
}

Canvas ShipExplosion()
{
    Canvas canvas(60, 60);
    canvas.SetUnits(100);
    Random random(77);
    for (int i = 0; i < 7; ++i) {
        const Vec c = OnEllipse({50, 56}, 40, 36, i * 51.4 + 10);
        const Shape chunk = RegularPolygon(c, random.Range(4, 7), 4, random.Range(0, 90));
        canvas.Fill(Grow(chunk, 2), Ink);
        canvas.Fill(chunk, i % 2 == 0 ? HullShade : Trim);
    }
    std::vector<Shape> puffs{Circle({50, 54}, 30)};
    for (int i = 0; i < 9; ++i) {
        puffs.push_back(Circle(OnEllipse({50, 54}, 24, 22, i * 40.0), random.Range(11, 16)));
    }
    const Shape fire = Union(puffs);
    canvas.Fill(Grow(fire, 3.5), Ink);
    canvas.Fill(fire, 0xE8473D);
    canvas.Fill(Grow(Star({50, 54}, 30, 16, 9, -90), 3), 0xFF9A2E);
    canvas.Fill(Grow(Star({50, 54}, 18, 10, 7, -70), 2), 0xFFE066);
    canvas.Fill(Circle({50, 54}, 7), White);
    return canvas;
}

Canvas HitExplosion(int look, int size)
{
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const Vec c{50, 50};
    if (look == 0) {
        const Shape burst = Star(c, 46, 22, 10, -90);
        canvas.Fill(Grow(burst, 3), Ink);
        canvas.Fill(burst, 0xFF8A2B);
        canvas.Fill(Star(c, 30, 14, 10, -72), 0xFFD23F);
        canvas.Fill(Circle(c, 9), White);
    } else if (look == 1) {
        std::vector<Shape> shards;
        for (int i = 0; i < 8; ++i) {
            const double a = i * 45.0 + 22.5;
            shards.push_back(Polygon({OnEllipse(c, 46, 46, a), OnEllipse(c, 24, 24, a - 12),
                                      OnEllipse(c, 24, 24, a + 12)}));
        }
        const Shape all = Union(shards);
        canvas.Fill(Grow(all, 2.5), Ink);
        canvas.Fill(all, 0x5FE0FF);
        const Shape ring = Circle(c, 20);
        canvas.Fill(Grow(ring, 3), Ink);
        canvas.Fill(ring, RadialGradient(c, 20, White, 0x5FE0FF));
    } else {
        const Shape cloud = Union({Circle({38, 44}, 20), Circle({62, 42}, 22), Circle({50, 62}, 22),
                                   Circle({30, 62}, 14), Circle({70, 62}, 15)});
        canvas.Fill(Grow(cloud, 3), Ink);
        canvas.Fill(cloud, 0xC77DFF);
        canvas.Fill(Union(Circle({44, 46}, 10), Circle({58, 54}, 12)), 0xEBC8FF);
        for (int i = 0; i < 4; ++i) {
            const Vec s = OnEllipse(c, 42, 42, -60 + i * 90.0);
            const Shape sparkle = Star(s, 8, 2.5, 4, -90);
            canvas.Fill(Grow(sparkle, 1.5), Ink);
            canvas.Fill(sparkle, 0xFFE066);
        }
    }
    return canvas;
}

Canvas SpeedTile(bool ship)
{
    Canvas canvas = Tile(62);
    for (int i = 0; i < 3; ++i) {
        const Shape line = Capsule({8, 36.0 + i * 14}, {26.0 - i * 4, 36.0 + i * 14}, 3);
        canvas.Fill(Grow(line, 1.5), Ink);
        canvas.Fill(line, palette::Orange);
    }
    if (ship) {
        DrawShip(canvas, {30, 28}, 62);
    } else {
        DrawAlien(canvas, {60, 52}, 62, 0);
    }
    return canvas;
}

Image OptionBackground(int index)
{
    if (index < 2) {
        return PreviewTile(SimpleBackground(index));
    }
    if (index == 3) {
        return LevelPictureTile();
    }
    return PlainColourChoice();
}

Sound Fire(int variant)
{
    switch (variant) {
    case 0: {
        Sound s = Tone(0.18, Glide(1800, 300, 0.16), Wave::Square, Envelope(0.002, 0.02, 0.15));
        LowPass(s, Constant(5000));
        return s;
    }
    case 1: {
        Sound s = Tone(0.22, Glide(1100, 180, 0.2), Wave::Saw, Envelope(0.002, 0.03, 0.18));
        LowPass(s, Glide(4000, 800, 0.2));
        s.Mix(Noise(0.08, 41, Constant(3000), Decay(0.02)), 0, 0.3);
        return s;
    }
    default: {
        Sound s = Tone(0.16, Glide(2600, 700, 0.14), Wave::Sine, Envelope(0.002, 0.02, 0.13));
        s.Mix(Tone(0.16, Glide(1300, 350, 0.14), Wave::Triangle, Envelope(0.002, 0.02, 0.13)), 0,
              0.6);
        return s;
    }
    }
}

Sound EnemyHit()
{
    Sound s =
        Noise(0.35, 51, Glide(8000, 300, 0.3), Product(Envelope(0.002, 0.02, 0.32), Decay(0.1)));
    s.Mix(Tone(0.3, Glide(140, 50, 0.25), Wave::Sine, Decay(0.08)), 0, 0.8);
    return s;
}

// About 1.3 s: the game stands still while it plays.
Sound ShipExplode()
{
    Sound s = Noise(1.3, 61, Glide(5000, 150, 1.2), Envelope(0.005, 0.12, 1.15));
    s.Mix(Tone(1.3, Glide(80, 28, 1.2), Wave::Sine, Envelope(0.005, 0.2, 1.05)), 0, 0.9);
    Random random(62);
    for (int i = 0; i < 12; ++i) {
        s.Mix(Noise(0.04, 70 + static_cast<std::uint64_t>(i), Constant(6000), Decay(0.008)),
              random.Range(0.05, 0.8), 0.5);
    }
    return s;
}

Sound ShipMove()
{
    Sound s = Tone(0.32, Vibrato(Constant(92), 11, 0.04), Wave::Saw, Envelope(0.03, 0.22, 0.07));
    LowPass(s, Constant(700));
    s.Mix(Noise(0.32, 81, Constant(500), Envelope(0.03, 0.22, 0.07)), 0, 0.5);
    return s;
}

Sound LostGame()
{
    Sound s(2.9);
    const int keys[] = {69, 65, 62, 57};
    const double starts[] = {0, 0.45, 0.9, 1.35};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.5 : 0.45;
        Sound note = Tone(length, Vibrato(Constant(NoteHz(keys[i])), 5, i == 3 ? 0.012 : 0.004),
                          Wave::Square, Envelope(0.01, length * 0.6, length * 0.38));
        LowPass(note, Constant(1800));
        s.Mix(note, starts[i], 0.6);
        s.Mix(Tone(length, Constant(NoteHz(keys[i] - 12)), Wave::Triangle,
                   Envelope(0.01, length * 0.6, length * 0.38)),
              starts[i], 0.5);
    }
    return s;
}

// About 1.3 s: played to its end after the explosion.
Sound LostLife()
{
    Sound s =
        Tone(1.3, Vibrato(Glide(700, 170, 1.2), 9, 0.06), Wave::Square, Envelope(0.01, 0.8, 0.48));
    LowPass(s, Constant(2500));
    return s;
}

// The level-cleared jingle: a rising brass fanfare over a timpani roll, about three seconds.
std::vector<unsigned char> WonJingle()
{
    constexpr int beat = 480;
    MidiTrack conductor;
    conductor.Name("Zentar level cleared");
    conductor.TimeSignature(0, 4, 4);
    conductor.Tempo(0, 150);
    MidiTrack brass;
    brass.Program(0, 0, 61);
    brass.Control(0, 0, 7, 96);
    brass.Control(0, 0, 91, 60);
    const int line[] = {62, 66, 69, 74};
    for (int i = 0; i < 3; ++i) {
        brass.Note(i * beat / 3, beat / 3 - 20, 0, line[i], 100);
    }
    brass.Note(beat, beat / 2 - 20, 0, 69, 96);
    brass.Note(beat + beat / 2, beat / 2 - 20, 0, 71, 96);
    for (int key : {74, 78, 81, 86}) {
        brass.Note(beat * 2, beat * 4, 0, key, 108);
    }
    MidiTrack drums;
    drums.Control(0, DrumChannel, 7, 88);
    for (int i = 0; i < 8; ++i) {
        drums.Note(i * beat / 4, beat / 4, DrumChannel, 41, 60 + i * 6);
    }
    drums.Note(beat * 2, beat, DrumChannel, 49, 110);
    drums.Note(beat * 2, beat, DrumChannel, 36, 110);
    return MidiFileBytes({conductor, brass, drums}, beat, beat);
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Zentar";
    t.seed = 0x2E47A5;
    t.tempo = 112;
    t.tonic = 62;
    t.minor = true;
    t.lead = 81;    // saw lead
    t.arpeggio = 8; // celesta
    t.pad = 89;     // warm pad
    t.bass = 38;    // synth bass
    t.groove = Groove::Spacey;
    t.verse = {0, 5, 2, 6, 0, 5, 3, 4};
    t.chorus = {5, 6, 0, 0, 5, 6, 3, 4};
    t.bridge = {3, 4, 0, 5, 3, 4, 6, 4};
    t.plan = "IAABCBO";
    return t;
}

} // namespace

void AddZentar(Catalog& catalog)
{
    AddKeyedGif(catalog, "Gfx/Zentar/ship.gif", [] {
        Canvas canvas(60, 40);
        DrawShip(canvas, {0, 0}, 60);
        return canvas;
    });
    AddKeyedGif(catalog, "Gfx/Zentar/shot.gif", Shot);
    AddKeyedGif(catalog, "Gfx/Zentar/explosion.gif", ShipExplosion);
    AddKeyedGif(catalog, "Gfx/Zentar/flower.gif", Flower);
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 60}, {"normal", 40}}) {
        for (int type = 0; type < AlienTypes; ++type) {
            const std::string name =
                (type < 10 ? "alien0" : "alien") + std::to_string(type) + ".gif";
            AddKeyedGif(catalog, "Gfx/Zentar/" + mode + "/" + name, [size = size, type] {
                Canvas canvas(size, size);
                canvas.SetUnits(100);
                DrawAlien(canvas, {50, 50}, 100, type);
                return canvas;
            });
        }
        for (int look = 0; look < 3; ++look) {
            AddKeyedGif(catalog,
                        "Gfx/Zentar/" + mode + "/explosion" + std::to_string(look) + ".gif",
                        [size = size, look] { return HitExplosion(look, size); });
        }
    }
    for (int i = 0; i < 2; ++i) {
        AddOpaqueGif(catalog, "Gfx/Zentar/Backgrounds/simpleBg" + std::to_string(i) + ".gif",
                     [i] { return SimpleBackground(i); });
    }
    AddOpaqueGif(catalog, "Gfx/Zentar/shipSpeedImage.gif", [] { return SpeedTile(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Zentar/alienSpeedImage.gif",
                 [] { return SpeedTile(false).Opaque(); });
    for (int i = 0; i < 4; ++i) {
        AddOpaqueGif(catalog, "Gfx/Zentar/optionbg" + std::to_string(i) + ".gif",
                     [i] { return OptionBackground(i); });
    }

    for (int i = 0; i < 3; ++i) {
        AddWav(catalog, "Sfx/Zentar/fire" + std::to_string(i) + ".wav", [i] { return Fire(i); });
    }
    AddWav(catalog, "Sfx/Zentar/enemyHit.wav", EnemyHit);
    AddWav(catalog, "Sfx/Zentar/shipExplode.wav", ShipExplode);
    AddWav(catalog, "Sfx/Zentar/shipMove.wav", ShipMove);
    AddWav(catalog, "Sfx/Zentar/lostGame.wav", LostGame);
    AddWav(catalog, "Sfx/Zentar/lostLife.wav", LostLife);
    AddMidi(catalog, "Sfx/Zentar/won.mid", WonJingle);
    AddMidi(catalog, "Music/zentar.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
