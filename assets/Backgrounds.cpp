// The 27 map backgrounds shared by the games (800 x 600 JPEG): skies, space, landscapes and
// patterns in calm, fairly dark tones so that the figures in front of them stand out.
// Background 0 is a stage curtain: it also falls over the field at game over.
#include <cmath>
#include <functional>
#include <string>

#include "assets/Catalog.h"
#include "assets/Noise.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Zentar.h"

namespace assetgen {

namespace {

constexpr double W = 800;
constexpr double H = 600;

using Stops = std::vector<std::pair<double, Color>>;

void Sky(Canvas& c, Stops stops)
{
    c.Cover(Gradient({0, 0}, {0, H}, std::move(stops)));
}

void Stars(Canvas& c, int count, std::uint64_t seed, double maxY = H, double strength = 1)
{
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const Vec p{random.Range(0, W), random.Range(0, maxY)};
        const double r = random.Chance(0.9) ? random.Range(0.5, 1.1) : random.Range(1.2, 1.9);
        c.Fill(Circle(p, r),
               Mix(0xFFFFFF, random.Chance(0.5) ? 0xFFE3A0 : 0xA8C8FF, random.Range(0, 0.5)),
               random.Range(0.4, 1.0) * strength);
    }
}

double Smoothstep(double a, double b, double x)
{
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Clouds of colour from layered noise.
void Nebula(Canvas& c, Color a, Color b, std::uint32_t seed, double scale, double strength)
{
    const Rgba ca = ToRgba(a);
    const Rgba cb = ToRgba(b);
    c.Cover([=](Vec p) {
        const double n = Fractal(p.x / scale, p.y / scale, 5, seed);
        const double m = Fractal(p.x / scale + 9.1, p.y / scale - 3.7, 3, seed + 5);
        const double alpha = Smoothstep(0.42, 0.78, n) * strength;
        return Rgba{ca.r + (cb.r - ca.r) * m, ca.g + (cb.g - ca.g) * m, ca.b + (cb.b - ca.b) * m,
                    alpha};
    });
}

void Glow(Canvas& c, Vec centre, double radius, Color colour, double opacity)
{
    c.FillSoft(Circle(centre, radius * 0.3), colour, radius, opacity);
}

void Planet(Canvas& c, Vec centre, double r, Color light, Color dark, bool ring, Color ringColour)
{
    Glow(c, centre, r * 1.25, light, 0.35);
    const Shape body = Circle(centre, r);
    const Shape ringShape = Outline(Ellipse(centre, r * 1.9, r * 0.42), r * 0.07);
    if (ring) {
        c.Fill(Intersect(ringShape, HalfPlane(centre, {0, 1})), ringColour, 0.8);
    }
    c.Fill(body, RadialGradient({centre.x - r * 0.45, centre.y - r * 0.45}, r * 1.7, light, dark));
    for (int i = 0; i < 4; ++i) {
        c.Fill(Intersect(body, Ellipse({centre.x, centre.y - r * 0.5 + i * r * 0.35}, r * 1.2,
                                       r * 0.06 + i * 2)),
               Lighter(light, 0.3), 0.18);
    }
    c.Fill(
        Intersect(body, Subtract(body, Circle({centre.x - r * 0.3, centre.y - r * 0.3}, r * 1.05))),
        0x000000, 0.35);
    if (ring) {
        c.Fill(Intersect(ringShape, HalfPlane(centre, {0, -1})), ringColour, 0.85);
    }
}

void Moon(Canvas& c, Vec centre, double r, Color colour, std::uint64_t seed)
{
    Glow(c, centre, r * 2.2, colour, 0.3);
    const Shape body = Circle(centre, r);
    c.Fill(body, RadialGradient({centre.x - r * 0.3, centre.y - r * 0.3}, r * 1.4,
                                Lighter(colour, 0.3), Darker(colour, 0.15)));
    Random random(seed);
    for (int i = 0; i < 6; ++i) {
        const Vec p{centre.x + random.Range(-0.6, 0.6) * r, centre.y + random.Range(-0.6, 0.6) * r};
        c.Fill(Intersect(body, Circle(p, random.Range(0.08, 0.2) * r)), Darker(colour, 0.25), 0.5);
    }
}

// Ground below a height line: each column x is covered from height(x) down.
void Land(Canvas& c, const std::function<double(double)>& height, const Paint& paint)
{
    c.Cover([&](Vec p) {
        Rgba colour = paint(p);
        colour.a *= std::clamp(p.y - height(p.x) + 0.5, 0.0, 1.0);
        return colour;
    });
}

std::function<double(double)> Ridge(double base, double amplitude, double scale, std::uint32_t seed)
{
    // Layered noise stays near its middle; spreading it out gives peaks and valleys.
    return [=](double x) {
        return base - amplitude * Smoothstep(0.3, 0.7, Fractal(x / scale, 0.37, 5, seed));
    };
}

Paint Solid(Color colour)
{
    const Rgba c = ToRgba(colour);
    return [c](Vec) { return c; };
}

Paint Down(double y0, double y1, Color top, Color bottom)
{
    return LinearGradient({0, y0}, {0, y1}, top, bottom);
}

void Pines(Canvas& c, const std::function<double(double)>& ground, Color colour, std::uint64_t seed,
           int count, double size)
{
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.Range(0, W);
        const double h = size * random.Range(0.6, 1.2);
        const double y = ground(x) + 6;
        c.Fill(Polygon({{x, y - h}, {x + h * 0.32, y}, {x - h * 0.32, y}}), colour);
    }
}

Image Curtain()
{
    Canvas c(800, 600);
    c.Cover([](Vec p) {
        const double fold = 0.55 + 0.45 * std::cos(p.x * 2 * Pi / 90 + 0.6 * std::sin(p.x / 130));
        const double shade = 0.55 + 0.45 * fold;
        const double depth = 0.75 + 0.25 * (p.y / H);
        const Rgba base = ToRgba(0xB0182C);
        return Rgba{base.r * shade * depth, base.g * shade * depth, base.b * shade * depth, 1};
    });
    // A scalloped pelmet at the top and a golden fringe along the hem.
    std::vector<Shape> scallops{Rect(0, 0, W, 46)};
    for (int i = 0; i < 9; ++i) {
        scallops.push_back(Ellipse({i * 100.0 + 50, 46}, 52, 24));
    }
    const Shape pelmet = Union(scallops);
    c.FillSoft(Grow(pelmet, 6), 0x000000, 12, 0.5);
    c.Fill(pelmet, LinearGradient({0, 0}, {0, 70}, 0xD02A3E, 0x7A0C1C));
    c.Fill(Outline(Subtract(pelmet, Rect(-10, -10, W + 10, 20)), 3), 0xE8B84A);
    c.Fill(Rect(0, 566, W, 574), 0xE8B84A);
    for (int i = 0; i < 80; ++i) {
        const double x = i * 10.0 + 5;
        c.Fill(Polygon({{x - 4, 574}, {x + 4, 574}, {x, 596}}), i % 2 == 0 ? 0xF4CC62 : 0xC9962E);
    }
    return c.Opaque();
}

Image DeepSpace()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x02040F}, {1, 0x0A1638}});
    Stars(c, 500, 1);
    Planet(c, {640, 130}, 70, 0x6FB6FF, 0x0E2A66, false, 0);
    return c.Opaque();
}

Image PurpleNebula()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x07031A}, {1, 0x160A33}});
    Nebula(c, 0x8A3CFF, 0xFF5FA8, 2, 260, 0.7);
    Stars(c, 420, 2);
    return c.Opaque();
}

Image Aurora()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x030A1C}, {0.7, 0x0C2A44}, {1, 0x12395A}});
    Stars(c, 300, 3, 420);
    const Rgba green = ToRgba(0x3DFFB0);
    const Rgba violet = ToRgba(0x9F6BFF);
    c.Cover([=](Vec p) {
        const double band = 170 + 60 * std::sin(p.x / 140) + 30 * std::sin(p.x / 53 + 1);
        const double d = (p.y - band) / 70;
        const double curtain = std::exp(-d * d) * (0.45 + 0.55 * Fractal(p.x / 40, 0.5, 3, 31));
        const double up = std::clamp((band - p.y) / 120, 0.0, 1.0);
        return Rgba{green.r + (violet.r - green.r) * up, green.g + (violet.g - green.g) * up,
                    green.b + (violet.b - green.b) * up, curtain * 0.75};
    });
    const auto far = Ridge(470, 170, 260, 33);
    Land(c, far, Down(300, 600, 0x5E7FA8, 0x2A3F66));
    // Snow on the high peaks only, thinning out down their sides.
    c.Cover([&](Vec p) {
        const double h = far(p.x);
        const double line = 360 + 25 * Fractal(p.x / 25, 1, 2, 34);
        const double a = p.y > h && p.y < line ? std::clamp((line - p.y) / 12, 0.0, 0.9) : 0;
        return Rgba{0.9, 0.95, 1.0, a};
    });
    Land(c, Ridge(560, 80, 180, 35), Down(480, 600, 0x1A2A48, 0x0A1226));
    return c.Opaque();
}

Image Dunes()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x2B1B5A}, {0.45, 0xE0607A}, {0.7, 0xFFB36B}, {1, 0xFFD9A0}});
    Glow(c, {560, 330}, 160, 0xFFE9A8, 0.8);
    c.Fill(Circle({560, 330}, 44), 0xFFF1C8);
    for (int layer = 0; layer < 3; ++layer) {
        const double base = 380 + layer * 70;
        const Color top = Mix(0xE08A4A, 0x6A2E3A, layer / 2.0);
        Land(
            c,
            [=](double x) {
                return base - 30 * std::sin(x / (160 - layer * 30) + layer) -
                       18 * std::sin(x / 57 + layer * 2);
            },
            Down(base - 50, 600, top, Darker(top, 0.35)));
    }
    return c.Opaque();
}

Image NightSea()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x040B22}, {0.6, 0x132C5C}, {0.62, 0x0A1A3A}, {1, 0x030814}});
    Stars(c, 320, 5, 340);
    Moon(c, {260, 150}, 46, 0xF2EFD8, 5);
    c.Fill(Rect(0, 372, W, H), LinearGradient({0, 372}, {0, 600}, 0x0E2550, 0x030814));
    Random random(6);
    for (int i = 0; i < 60; ++i) {
        const double y = 380 + i * 3.6;
        const double w = 10 + random.Range(0, 50) * (1 + i / 30.0);
        const double x = 260 + random.Range(-40, 40) * (1 + i / 40.0);
        c.Fill(Capsule({x - w, y}, {x + w, y}, 1.2), 0xF2EFD8, 0.5 - i * 0.006);
    }
    return c.Opaque();
}

Image RingedPlanet()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x021016}, {1, 0x06282E}});
    Nebula(c, 0x1FB5A5, 0x3A6BFF, 6, 300, 0.55);
    Stars(c, 380, 6);
    Planet(c, {250, 380}, 120, 0xF2C98A, 0x6A3A1A, true, 0xE6D8B0);
    return c.Opaque();
}

Image RedPlanet()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x12060A}, {0.6, 0x3A1410}, {1, 0x7A3018}});
    Stars(c, 200, 7, 300);
    Moon(c, {620, 110}, 28, 0xC9B8A8, 7);
    Land(c, Ridge(400, 90, 220, 71), Down(300, 600, 0xB0502A, 0x5A2010));
    Land(c, Ridge(500, 50, 120, 72), Down(420, 600, 0x8A3A1C, 0x3A140A));
    Random random(73);
    for (int i = 0; i < 14; ++i) {
        const Vec p{random.Range(0, W), random.Range(520, 590)};
        const Shape rock = RegularPolygon(p, random.Range(6, 16), 6, random.Range(0, 60));
        c.Fill(rock, 0x4A1C0E);
        c.Fill(Intersect(rock, Circle({p.x - 4, p.y - 4}, 8)), 0xC0683A, 0.5);
    }
    return c.Opaque();
}

Image Galaxy()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x03030C}, {1, 0x0A0820}});
    Stars(c, 380, 8);
    const Rgba core = ToRgba(0xFFE8C0);
    const Rgba arm = ToRgba(0x8FA8FF);
    c.Cover([=](Vec p) {
        const double dx = (p.x - 420) / 1.0;
        const double dy = (p.y - 290) / 0.55;
        const double r = std::hypot(dx, dy) + 1;
        const double theta = std::atan2(dy, dx);
        const double spiral = 0.5 + 0.5 * std::cos(2 * theta - 3.2 * std::log(r / 20));
        const double fall = std::exp(-r / 170);
        const double n = Fractal(p.x / 30, p.y / 30, 3, 81);
        const double a =
            std::clamp(fall * (0.25 + 0.75 * spiral) * (0.6 + 0.6 * n) * 1.4, 0.0, 1.0);
        const double t = std::clamp(r / 160, 0.0, 1.0);
        return Rgba{core.r + (arm.r - core.r) * t, core.g + (arm.g - core.g) * t,
                    core.b + (arm.b - core.b) * t, a};
    });
    return c.Opaque();
}

Image City()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x1A1446}, {0.55, 0x6A2F6E}, {0.8, 0xE0708A}, {1, 0xFFB08A}});
    Stars(c, 120, 9, 200, 0.7);
    Random random(91);
    for (int layer = 0; layer < 2; ++layer) {
        double x = -10;
        const Color colour = layer == 0 ? 0x3A2A5E : 0x1A1430;
        while (x < W) {
            const double w = random.Range(40, 90);
            const double top = (layer == 0 ? 330 : 400) + random.Range(-60, 60);
            c.Fill(Rect(x, top, x + w - 4, H), colour);
            if (layer == 1) {
                for (double wy = top + 12; wy < H - 10; wy += 18) {
                    for (double wx = x + 8; wx < x + w - 14; wx += 14) {
                        if (random.Chance(0.35)) {
                            c.Fill(Rect(wx, wy, wx + 6, wy + 8), 0xFFD88A, 0.85);
                        }
                    }
                }
            }
            x += w;
        }
    }
    return c.Opaque();
}

Image Forest()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0E1A3A}, {0.6, 0x3A5A8A}, {1, 0x9AB8D0}});
    Stars(c, 80, 10, 180, 0.6);
    const auto far = Ridge(380, 80, 240, 101);
    Land(c, far, Solid(0x2A4A6A));
    Pines(c, far, 0x2A4A6A, 102, 90, 40);
    const auto mid = Ridge(460, 60, 200, 103);
    Land(c, mid, Solid(0x183450));
    Pines(c, mid, 0x183450, 104, 70, 60);
    const auto near = Ridge(550, 40, 160, 105);
    Land(c, near, Solid(0x0A1A2C));
    Pines(c, near, 0x0A1A2C, 106, 40, 90);
    return c.Opaque();
}

Image Ice()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0A1E3A}, {1, 0x1E4A7A}});
    Random random(11);
    for (int i = 0; i < 70; ++i) {
        const Vec p{random.Range(-40, W + 40), random.Range(-40, H + 40)};
        const double r = random.Range(30, 110);
        const Shape shard = RegularPolygon(p, r, random.Int(3, 6), random.Range(0, 360));
        c.Fill(shard, LinearGradient({p.x - r, p.y - r}, {p.x + r, p.y + r}, 0x9AD8FF, 0x2A6AB0),
               random.Range(0.08, 0.22));
        c.Fill(Outline(shard, 1), 0xCFEFFF, 0.2);
    }
    return c.Opaque();
}

Image Lava()
{
    Canvas c(800, 600);
    c.Cover([](Vec p) {
        const double n = Fractal(p.x / 120, p.y / 120, 5, 121);
        const double crack = std::exp(-std::pow((n - 0.5) / 0.018, 2));
        const double rock = 0.08 + 0.1 * Fractal(p.x / 20, p.y / 20, 3, 122);
        return Rgba{rock + crack * 0.9, rock * 0.7 + crack * 0.45, rock * 0.6 + crack * 0.05, 1};
    });
    Glow(c, {400, 700}, 500, 0xFF4A1A, 0.35);
    return c.Opaque();
}

Image TwoMoons()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x061A1A}, {0.7, 0x1A5A50}, {1, 0x5AA88A}});
    Stars(c, 250, 13, 380);
    Moon(c, {180, 120}, 54, 0xD8F0C8, 13);
    Moon(c, {330, 190}, 22, 0xF0D0B0, 14);
    Land(c, Ridge(470, 60, 300, 131), Down(400, 600, 0x2A6A4A, 0x0E2A20));
    Land(
        c, [](double x) { return 540 + 14 * std::sin(x / 90); },
        Down(520, 600, 0x184A34, 0x061A10));
    return c.Opaque();
}

Image Underwater()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x1A7AB0}, {0.5, 0x0A4A7A}, {1, 0x03183A}});
    for (int i = 0; i < 7; ++i) {
        const double x = 80 + i * 110.0;
        c.FillSoft(Polygon({{x - 20, -10}, {x + 30, -10}, {x + 160, 600}, {x + 40, 600}}), 0xBFEFFF,
                   30, 0.12);
    }
    Land(
        c, [](double x) { return 540 - 20 * std::sin(x / 110) - 10 * std::sin(x / 37); },
        Down(500, 600, 0xC8A86A, 0x5A4A2A));
    Random random(141);
    for (int i = 0; i < 40; ++i) {
        const Vec p{random.Range(0, W), random.Range(40, 520)};
        const double r = random.Range(3, 10);
        c.Fill(Outline(Circle(p, r), 1.2), 0xD8F4FF, 0.55);
        c.Fill(Circle({p.x - r * 0.35, p.y - r * 0.35}, r * 0.25), 0xFFFFFF, 0.6);
    }
    return c.Opaque();
}

Image Bokeh()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0A0A1A}, {1, 0x1A1030}});
    Random random(15);
    const Color colours[] = {0xFF6B8A, 0xFFB84A, 0x6BD8FF, 0xB07CFF, 0x7CFFB0};
    for (int i = 0; i < 60; ++i) {
        const Vec p{random.Range(0, W), random.Range(0, H)};
        const double r = random.Range(14, 60);
        const Color colour = colours[random.Int(0, 4)];
        c.FillSoft(Circle(p, r), colour, 6, random.Range(0.1, 0.3));
        c.Fill(Outline(Circle(p, r - 2), 1.5), colour, 0.15);
    }
    return c.Opaque();
}

Image NeonGrid()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x10042A}, {0.45, 0x4A0E5A}, {0.6, 0xD02E7A}, {0.6, 0x12042A}, {1, 0x050012}});
    Stars(c, 160, 16, 250);
    const Shape sun =
        Subtract(Circle({400, 300}, 110),
                 Union({Rect(0, 290, W, 298), Rect(0, 312, W, 322), Rect(0, 336, W, 348)}));
    c.Fill(Intersect(sun, Rect(0, 0, W, 360)),
           LinearGradient({0, 190}, {0, 360}, 0xFFE070, 0xFF4A8A));
    std::vector<Shape> lines;
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        const double y = 360 + 240 * t * t;
        lines.push_back(Capsule({0, y}, {W, y}, 1.2));
    }
    for (int i = -12; i <= 12; ++i) {
        lines.push_back(Capsule({400 + i * 12.0, 360}, {400 + i * 140.0, 620}, 1.2));
    }
    const Shape grid = Union(lines);
    c.FillSoft(grid, 0xFF4AD8, 6, 0.5);
    c.Fill(grid, 0xFF8AE8);
    return c.Opaque();
}

void Clouds(Canvas& c, std::uint32_t seed, double scale, double maxY, Color colour, double strength)
{
    const Rgba white = ToRgba(colour);
    c.Cover([=](Vec p) {
        const double n = Fractal(p.x / scale, p.y / (scale * 0.45), 5, seed);
        const double fade = std::clamp((maxY - p.y) / 120, 0.0, 1.0);
        return Rgba{white.r, white.g, white.b, Smoothstep(0.5, 0.75, n) * strength * fade};
    });
}

Image DaySky()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x2A6FC8}, {1, 0x9AD0F5}});
    Clouds(c, 171, 220, 420, 0xFFFFFF, 0.9);
    Land(
        c, [](double x) { return 470 - 40 * std::sin(x / 170 + 1) - 20 * std::sin(x / 61); },
        Down(420, 600, 0x5AAE4A, 0x2A6A2A));
    Land(
        c, [](double x) { return 540 - 24 * std::sin(x / 120 + 3); },
        Down(500, 600, 0x3A8A3A, 0x1A4A1A));
    return c.Opaque();
}

Image GoldenFields()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x3A5AA8}, {0.55, 0xF0A860}, {0.75, 0xFFD890}, {1, 0xFFE8B0}});
    Glow(c, {200, 400}, 200, 0xFFF0B0, 0.7);
    Clouds(c, 181, 260, 300, 0xFFE0C0, 0.5);
    for (int layer = 0; layer < 4; ++layer) {
        const double base = 420 + layer * 50;
        const Color top = Mix(0xD8A040, 0x6A5A1A, layer / 3.0);
        Land(
            c, [=](double x) { return base - 20 * std::sin(x / (200 - layer * 25) + layer * 1.7); },
            Down(base - 30, 600, top, Darker(top, 0.3)));
    }
    return c.Opaque();
}

Image MistyWoods()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0E2A22}, {1, 0x4A7A5A}});
    for (int layer = 0; layer < 4; ++layer) {
        const auto ground =
            Ridge(330 + layer * 75, 70, 180, 190 + static_cast<std::uint32_t>(layer));
        const Color colour = Mix(0x5A8A6A, 0x08180E, layer / 3.0);
        Land(c, ground, Solid(colour));
        Pines(c, ground, colour, 195 + static_cast<std::uint64_t>(layer), 50, 50 + layer * 20);
        c.Cover([=](Vec p) {
            return Rgba{0.8, 0.9, 0.85, std::clamp((p.y - (300 + layer * 75)) / 400, 0.0, 0.12)};
        });
    }
    return c.Opaque();
}

Image Comet()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x050A20}, {0.75, 0x1A2A5A}, {1, 0x3A3A6A}});
    Stars(c, 350, 20, 460);
    c.FillSoft(Polygon({{560, 140}, {120, 20}, {110, 60}}), 0x9ADFFF, 30, 0.45);
    c.FillSoft(Polygon({{560, 140}, {180, 120}, {170, 150}}), 0xFFD8A0, 20, 0.3);
    Glow(c, {560, 140}, 40, 0xFFFFFF, 0.9);
    c.Fill(Circle({560, 140}, 6), 0xFFFFFF);
    Land(c, Ridge(520, 120, 220, 201), Down(400, 600, 0x1A1A3A, 0x05050F));
    return c.Opaque();
}

Image RoseNebula()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0A0418}, {1, 0x14082A}});
    Nebula(c, 0xFF5A9A, 0x4A8AFF, 21, 200, 0.65);
    Nebula(c, 0xFFB0D0, 0xA0C8FF, 22, 90, 0.25);
    Stars(c, 400, 21);
    return c.Opaque();
}

Image MoonSurface()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x000004}, {1, 0x05060F}});
    Stars(c, 450, 22, 420);
    Planet(c, {560, 330}, 90, 0x5AB0FF, 0x0A2A5A, false, 0);
    Land(
        c, [](double x) { return 430 - 20 * std::sin(x / 230) - 10 * Fractal(x / 60, 2, 3, 221); },
        Down(400, 600, 0x8A8A92, 0x3A3A42));
    Random random(222);
    for (int i = 0; i < 16; ++i) {
        const Vec p{random.Range(0, W), random.Range(470, 590)};
        const double r = random.Range(10, 34);
        c.Fill(Ellipse(p, r, r * 0.3), 0x4A4A52, 0.8);
        c.Fill(Outline(Ellipse(p, r, r * 0.3), 1.5), 0xAAAAB2, 0.5);
    }
    return c.Opaque();
}

Image Hexes()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x021A1E}, {1, 0x06303A}});
    const double r = 36;
    const double dx = r * std::sqrt(3.0);
    for (int row = -1; row < 12; ++row) {
        for (int col = -1; col < 14; ++col) {
            const Vec p{col * dx + (row % 2 != 0 ? dx / 2 : 0), row * r * 1.5};
            const double n = Fractal(p.x / 200, p.y / 200, 3, 231);
            const Shape hex = RegularPolygon(p, r - 3, 6, -90);
            c.Fill(hex, 0x1AD8C8, 0.05 + 0.2 * n);
            c.Fill(Outline(hex, 1), 0x5AFFF0, 0.15 + 0.35 * n);
        }
    }
    return c.Opaque();
}

Image Rain()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x0A1020}, {1, 0x1A2A40}});
    Random random(24);
    double x = -10;
    while (x < W) {
        const double w = random.Range(50, 100);
        const double top = 380 + random.Range(-80, 60);
        c.Fill(Rect(x, top, x + w - 6, H), 0x0E1626);
        for (double wy = top + 14; wy < H - 10; wy += 20) {
            for (double wx = x + 8; wx < x + w - 16; wx += 16) {
                if (random.Chance(0.3)) {
                    c.Fill(Rect(wx, wy, wx + 7, wy + 9), 0x8AC8FF, 0.6);
                }
            }
        }
        x += w;
    }
    for (int i = 0; i < 500; ++i) {
        const Vec p{random.Range(0, W + 60), random.Range(-20, H)};
        c.Fill(Capsule(p, {p.x - 8, p.y + 22}, 0.6), 0xB8D8FF, random.Range(0.15, 0.4));
    }
    return c.Opaque();
}

Image AutumnHills()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x4A6AA8}, {1, 0xF0C8A0}});
    Clouds(c, 251, 240, 280, 0xFFF0E0, 0.6);
    Random random(25);
    const Color leaves[] = {0xE0602A, 0xF0A030, 0xC03A2A, 0xD88A2A};
    for (int layer = 0; layer < 3; ++layer) {
        const double base = 400 + layer * 80;
        const auto ground = [=](double x) {
            return base - 30 * std::sin(x / (150 + layer * 40) + layer);
        };
        const Color hill = Mix(0xA86A3A, 0x4A2A1A, layer / 2.0);
        for (int i = 0; i < 26 - layer * 6; ++i) {
            const double tx = random.Range(0, W);
            const double tr = 14 + layer * 8 + random.Range(0, 10);
            const double ty = ground(tx) - tr * 0.6;
            c.Fill(Rect(tx - 2, ty, tx + 2, ground(tx) + 4), 0x3A2010);
            c.Fill(Circle({tx, ty}, tr), Darker(leaves[random.Int(0, 3)], layer * 0.15));
        }
        Land(c, ground, Down(base - 40, 600, hill, Darker(hill, 0.3)));
    }
    return c.Opaque();
}

Image PastelDawn()
{
    Canvas c(800, 600);
    Sky(c, {{0, 0x8A9AD8}, {0.5, 0xE8B0D0}, {1, 0xFFE0D0}});
    Glow(c, {420, 380}, 180, 0xFFF0E0, 0.7);
    for (int layer = 0; layer < 4; ++layer) {
        const Color colour = Mix(0xC8A8E0, 0x4A3A7A, layer / 3.0);
        Land(c,
             Ridge(360 + layer * 70, 150 - layer * 25, 200 - layer * 20,
                   260 + static_cast<std::uint32_t>(layer)),
             Solid(colour));
    }
    return c.Opaque();
}

} // namespace

void AddBackgrounds(Catalog& catalog)
{
    const std::function<Image()> scenes[] = {
        Curtain,    DeepSpace,   PurpleNebula, Aurora, Dunes,        NightSea,   RingedPlanet,
        RedPlanet,  Galaxy,      City,         Forest, Ice,          Lava,       TwoMoons,
        Underwater, Bokeh,       NeonGrid,     DaySky, GoldenFields, MistyWoods, Comet,
        RoseNebula, MoonSurface, Hexes,        Rain,   AutumnHills,  PastelDawn};
    static_assert(std::size(scenes) == 27);
    for (std::size_t i = 0; i < std::size(scenes); ++i) {
        AddJpeg(catalog, "Gfx/Common/Backgrounds/background" + std::to_string(i) + ".jpg",
                scenes[i]);
    }
}

} // namespace assetgen
