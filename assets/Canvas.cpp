// Filling shapes on the canvas, gradients, and turning the canvas into finished pictures.
#include "assets/Canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

int Channel(double v)
{
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

Rgba Between(const Rgba& a, const Rgba& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

double Along(Vec from, Vec to, Vec p)
{
    const Vec d = to - from;
    const double len2 = Dot(d, d);
    return len2 > 0 ? std::clamp(Dot(p - from, d) / len2, 0.0, 1.0) : 0.0;
}

} // namespace

Rgba ToRgba(Color c, double alpha)
{
    return {((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0, alpha};
}

Color ToColor(const Rgba& c)
{
    return static_cast<Color>((Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b));
}

Color Mix(Color c1, Color c2, double t)
{
    return ToColor(Between(ToRgba(c1), ToRgba(c2), t));
}
Color Lighter(Color c, double t)
{
    return Mix(c, 0xFFFFFF, t);
}
Color Darker(Color c, double t)
{
    return Mix(c, 0x000000, t);
}

Color Hsv(double hue, double saturation, double value)
{
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
    const double c = value * saturation;
    const double x = c * (1 - std::abs(std::fmod(h, 2.0) - 1));
    const double m = value - c;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = c;
        g = x;
        break;
    case 1:
        r = x;
        g = c;
        break;
    case 2:
        g = c;
        b = x;
        break;
    case 3:
        g = x;
        b = c;
        break;
    case 4:
        r = x;
        b = c;
        break;
    default:
        r = c;
        b = x;
        break;
    }
    return ToColor({r + m, g + m, b + m, 1});
}

Paint LinearGradient(Vec from, Vec to, Color c0, Color c1)
{
    const Rgba a = ToRgba(c0);
    const Rgba b = ToRgba(c1);
    return [=](Vec p) { return Between(a, b, Along(from, to, p)); };
}

Paint RadialGradient(Vec centre, double radius, Color inner, Color outer)
{
    const Rgba a = ToRgba(inner);
    const Rgba b = ToRgba(outer);
    return [=](Vec p) { return Between(a, b, std::min(Length(p - centre) / radius, 1.0)); };
}

Paint Gradient(Vec from, Vec to, std::vector<std::pair<double, Color>> stops)
{
    return [=](Vec p) {
        const double t = Along(from, to, p);
        if (t <= stops.front().first) {
            return ToRgba(stops.front().second);
        }
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (t <= stops[i].first) {
                const double span = stops[i].first - stops[i - 1].first;
                const double u = span > 0 ? (t - stops[i - 1].first) / span : 1.0;
                return Between(ToRgba(stops[i - 1].second), ToRgba(stops[i].second), u);
            }
        }
        return ToRgba(stops.back().second);
    };
}

Image Scaled(const Image& source, int w, int h)
{
    Image out(w, h);
    const double sx = static_cast<double>(source.width) / w;
    const double sy = static_cast<double>(source.height) / h;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double r = 0, g = 0, b = 0, total = 0;
            const double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            for (int v = static_cast<int>(y0);
                 v < std::min(source.height, static_cast<int>(std::ceil(y1))); ++v) {
                const double wy = std::min<double>(v + 1, y1) - std::max<double>(v, y0);
                for (int u = static_cast<int>(x0);
                     u < std::min(source.width, static_cast<int>(std::ceil(x1))); ++u) {
                    const double weight =
                        wy * (std::min<double>(u + 1, x1) - std::max<double>(u, x0));
                    const Rgba c = ToRgba(source.At(u, v));
                    r += c.r * weight;
                    g += c.g * weight;
                    b += c.b * weight;
                    total += weight;
                }
            }
            out.At(x, y) = ToColor({r / total, g / total, b / total, 1});
        }
    }
    return out;
}

// Lays colour c over the pixel with strength a.
void Canvas::Blend(Premultiplied& d, const Rgba& c, double a)
{
    d.r = static_cast<float>(c.r * a + d.r * (1 - a));
    d.g = static_cast<float>(c.g * a + d.g * (1 - a));
    d.b = static_cast<float>(c.b * a + d.b * (1 - a));
    d.a = static_cast<float>(a + d.a * (1 - a));
}

Canvas::Canvas(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}

Canvas::Canvas(int w, int h, Color fill) : Canvas(w, h)
{
    const Rgba c = ToRgba(fill);
    const Premultiplied p{static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b),
                          1};
    std::fill(pixels.begin(), pixels.end(), p);
}

void Canvas::SetView(double newScale, Vec newOffset)
{
    scale = newScale;
    offset = newOffset;
}

template <typename Coverage>
void Canvas::FillWith(const Shape& shape, double grow, Coverage coverage, const Paint& paint,
                      double opacity)
{
    const Box& b = shape.bounds;
    const int px0 = std::max(0, static_cast<int>(std::floor(offset.x + b.x0 * scale - grow)) - 1);
    const int py0 = std::max(0, static_cast<int>(std::floor(offset.y + b.y0 * scale - grow)) - 1);
    const int px1 =
        std::min(width, static_cast<int>(std::ceil(offset.x + b.x1 * scale + grow)) + 1);
    const int py1 =
        std::min(height, static_cast<int>(std::ceil(offset.y + b.y1 * scale + grow)) + 1);
    for (int y = py0; y < py1; ++y) {
        for (int x = px0; x < px1; ++x) {
            const Vec p{(x + 0.5 - offset.x) / scale, (y + 0.5 - offset.y) / scale};
            const double cover = coverage(shape(p) * scale);
            if (cover <= 0) {
                continue;
            }
            const Rgba c = paint(p);
            Blend(pixels[static_cast<std::size_t>(y) * width + x], c, c.a * cover * opacity);
        }
    }
}

void Canvas::Fill(const Shape& shape, Color color, double opacity)
{
    const Rgba c = ToRgba(color);
    Fill(
        shape, [c](Vec) { return c; }, opacity);
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity)
{
    FillWith(
        shape, 1, [](double d) { return std::clamp(0.5 - d, 0.0, 1.0); }, paint, opacity);
}

void Canvas::FillSoft(const Shape& shape, Color color, double feather, double opacity)
{
    const Rgba c = ToRgba(color);
    FillWith(
        shape, feather,
        [feather](double d) {
            const double t = std::clamp(0.5 - d / feather, 0.0, 1.0);
            return t * t * (3 - 2 * t);
        },
        [c](Vec) { return c; }, opacity);
}

void Canvas::Cover(const Paint& paint)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Vec p{(x + 0.5 - offset.x) / scale, (y + 0.5 - offset.y) / scale};
            const Rgba c = paint(p);
            Blend(pixels[static_cast<std::size_t>(y) * width + x], c, c.a);
        }
    }
}

void Canvas::Put(const Image& image, int x, int y)
{
    for (int v = 0; v < image.height; ++v) {
        for (int u = 0; u < image.width; ++u) {
            if (x + u >= 0 && x + u < width && y + v >= 0 && y + v < height) {
                const Rgba c = ToRgba(image.At(u, v));
                Blend(pixels[static_cast<std::size_t>(y + v) * width + x + u], c, 1);
            }
        }
    }
}

Color Canvas::ColorAt(int x, int y) const
{
    const Premultiplied& p = Pixel(x, y);
    if (p.a <= 0) {
        return 0;
    }
    return ToColor({p.r / p.a, p.g / p.a, p.b / p.a, 1});
}

Image Canvas::Opaque(Color background) const
{
    const Rgba bg = ToRgba(background);
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Premultiplied& p = Pixel(x, y);
            out.At(x, y) = ToColor(
                {p.r + bg.r * (1 - p.a), p.g + bg.g * (1 - p.a), p.b + bg.b * (1 - p.a), 1});
        }
    }
    return out;
}

Image Canvas::Keyed(Color key) const
{
    Image out(width, height, key);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (Pixel(x, y).a >= 0.5) {
                const Color c = ColorAt(x, y);
                out.At(x, y) = c == key ? (c ^ 0x010001) : c;
            }
        }
    }
    return out;
}

} // namespace assetgen
