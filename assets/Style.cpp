// Drawing of the shared look: outlines, discs, tiles and symbols.
#include "assets/Style.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void Figure::Eye(Vec c, double rx, double ry, Vec look, double pupil) const
{
    const Shape white = Ellipse(c, rx, ry);
    Edge(white, std::min(rx, ry) * 0.25);
    Fill(white, palette::White);
    const Vec p = c + look;
    Fill(Circle(p, pupil), palette::Ink);
    Fill(Circle({p.x - pupil * 0.35, p.y - pupil * 0.4}, pupil * 0.35), palette::White);
}

Vec Figure::Point(Vec local) const
{
    const Shape dot = At(Circle(local, 0));
    return {(dot.bounds.x0 + dot.bounds.x1) / 2, (dot.bounds.y0 + dot.bounds.y1) / 2};
}

void Outlined(Canvas& canvas, const Shape& shape, Color fill, double outline)
{
    canvas.Fill(Grow(shape, outline), palette::Ink);
    canvas.Fill(shape, fill);
}

void Outlined(Canvas& canvas, const Shape& shape, const Paint& fill, double outline)
{
    canvas.Fill(Grow(shape, outline), palette::Ink);
    canvas.Fill(shape, fill);
}

void Shine(Canvas& canvas, const Shape& shape, Vec centre, double rx, double ry, double strength)
{
    canvas.Fill(Intersect(shape, Ellipse(centre, rx, ry)), palette::White, strength);
}

Canvas DiscButton(int size, Color base, const Shape& symbol, Color symbolColor)
{
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const Shape disc = Circle({50, 50}, 44);
    Outlined(canvas, disc, RadialGradient({42, 36}, 60, Lighter(base, 0.25), Darker(base, 0.2)), 4);
    Shine(canvas, disc, {50, 26}, 32, 16, 0.3);
    canvas.Fill(Grow(symbol, 3), Darker(base, 0.45));
    canvas.Fill(symbol, symbolColor);
    return canvas;
}

Canvas Tile(int size, Color face)
{
    Canvas canvas(size, size, palette::Ink);
    canvas.SetUnits(100);
    const Shape inner = Rect(3.5, 3.5, 96.5, 96.5, 8);
    canvas.Fill(inner, LinearGradient({0, 0}, {0, 100}, face, Mix(face, palette::TileBottom, 0.8)));
    return canvas;
}

void OffSlash(Canvas& canvas)
{
    const Shape bar = Capsule({20, 20}, {80, 80}, 6);
    Outlined(canvas, bar, palette::Red, 2.5);
}

Image PreviewTile(const Image& picture)
{
    Canvas canvas(60, 60, palette::Ink);
    canvas.Put(Scaled(picture, 56, 56), 2, 2);
    return canvas.Opaque();
}

Image LevelPictureTile()
{
    Canvas canvas(60, 60, palette::Ink);
    canvas.SetUnits(60);
    canvas.Fill(Rect(2, 2, 58, 58, 3), 0xD9A53A);
    canvas.Fill(Rect(8, 8, 52, 52), LinearGradient({0, 8}, {0, 52}, 0x6FB8FF, 0xCDE8FF));
    canvas.Fill(Circle({40, 20}, 6), 0xFFD84A);
    canvas.Fill(Polygon({{8, 52}, {8, 40}, {22, 24}, {34, 40}, {40, 34}, {52, 46}, {52, 52}}),
                0x3E8F4A);
    canvas.Fill(Polygon({{18, 29}, {22, 24}, {26, 29}}), palette::White);
    canvas.Fill(Outline(Rect(8, 8, 52, 52), 1), palette::Ink);
    return canvas.Opaque();
}

void SpeedLines(Canvas& canvas, double x, double y, Color colour)
{
    for (int i = 0; i < 3; ++i) {
        const Shape line = Capsule({x, y + i * 16.0}, {x + 20 - i * 4.0, y + i * 16.0}, 3);
        canvas.Fill(Grow(line, 1.5), palette::Ink);
        canvas.Fill(line, colour);
    }
}

Shape CrossSymbol(Vec c, double size)
{
    const double h = size * 0.36;
    const double r = size * 0.12;
    return Union(Capsule({c.x - h, c.y - h}, {c.x + h, c.y + h}, r),
                 Capsule({c.x - h, c.y + h}, {c.x + h, c.y - h}, r));
}

Shape CheckSymbol(Vec c, double size)
{
    const double s = size;
    return Polyline({{c.x - 0.36 * s, c.y + 0.02 * s},
                     {c.x - 0.1 * s, c.y + 0.28 * s},
                     {c.x + 0.38 * s, c.y - 0.28 * s}},
                    s * 0.12);
}

Shape GearSymbol(Vec c, double size)
{
    const double r = size * 0.5;
    std::vector<Shape> parts{Circle(c, r * 0.72)};
    for (int i = 0; i < 8; ++i) {
        const Shape tooth = Rect(-r * 0.16, -r, r * 0.16, 0, r * 0.06);
        parts.push_back(Placed(tooth, {c, 1, i * 45.0}));
    }
    return Subtract(Union(std::move(parts)), Circle(c, r * 0.3));
}

Shape NoteSymbol(Vec c, double size)
{
    const double s = size / 100;
    const Vec head1{c.x - 24 * s, c.y + 28 * s};
    const Vec head2{c.x + 22 * s, c.y + 20 * s};
    return Union({Placed(Ellipse({0, 0}, 13 * s, 9.5 * s), {head1, 1, -20}),
                  Placed(Ellipse({0, 0}, 13 * s, 9.5 * s), {head2, 1, -20}),
                  Rect(head1.x + 8 * s, c.y - 34 * s, head1.x + 14 * s, head1.y - 2 * s),
                  Rect(head2.x + 8 * s, c.y - 42 * s, head2.x + 14 * s, head2.y - 2 * s),
                  Polygon({{head1.x + 8 * s, c.y - 34 * s},
                           {head2.x + 14 * s, c.y - 42 * s},
                           {head2.x + 14 * s, c.y - 28 * s},
                           {head1.x + 8 * s, c.y - 20 * s}})});
}

Shape SpeakerSymbol(Vec c, double size, bool waves)
{
    const double s = size / 100;
    const double x = waves ? c.x - 18 * s : c.x;
    std::vector<Shape> parts{Rect(x - 30 * s, c.y - 14 * s, x - 8 * s, c.y + 14 * s, 3 * s),
                             Polygon({{x - 12 * s, c.y - 14 * s},
                                      {x + 14 * s, c.y - 36 * s},
                                      {x + 14 * s, c.y + 36 * s},
                                      {x - 12 * s, c.y + 14 * s}})};
    if (waves) {
        parts.push_back(Arc({x + 16 * s, c.y}, 20 * s, 20 * s, -50, 50, 5 * s));
        parts.push_back(Arc({x + 16 * s, c.y}, 38 * s, 38 * s, -50, 50, 5 * s));
    }
    return Union(std::move(parts));
}

Shape TrophySymbol(Vec c, double size)
{
    const double s = size / 100;
    const Shape bowl = Intersect(Ellipse({c.x, c.y - 26 * s}, 30 * s, 44 * s),
                                 Rect(c.x - 40 * s, c.y - 40 * s, c.x + 40 * s, c.y + 40 * s));
    return Union({bowl, Arc({c.x - 30 * s, c.y - 20 * s}, 12 * s, 14 * s, 90, 270, 4.5 * s),
                  Arc({c.x + 30 * s, c.y - 20 * s}, 12 * s, 14 * s, -90, 90, 4.5 * s),
                  Rect(c.x - 6 * s, c.y + 14 * s, c.x + 6 * s, c.y + 32 * s),
                  Rect(c.x - 24 * s, c.y + 30 * s, c.x + 24 * s, c.y + 42 * s, 3 * s)});
}

Shape OctagonSymbol(Vec c, double size)
{
    return RegularPolygon(c, size / 2, 8, -90 + 22.5);
}

Shape ArrowSymbol(Vec from, Vec to, double width)
{
    const Vec d = to - from;
    const double len = Length(d);
    const Vec u = d * (1 / len);
    const Vec n{-u.y, u.x};
    const double head = width * 2.2;
    const Vec base = to - u * head * 1.1;
    return Union(Capsule(from, base, width / 2), Polygon({to, base + n * head, base - n * head}));
}

} // namespace assetgen
