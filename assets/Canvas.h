// A canvas of premultiplied colour with coverage, on which shapes are filled with smooth edges,
// and the finished pictures it gives: opaque, or colour-keyed with hard figure edges.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "assets/Shape.h"

namespace assetgen {

// Colours are written 0xRRGGBB, as in a paint program.
using Color = std::uint32_t;

inline constexpr Color KeyMagenta = 0xFF00FF;

struct Rgba {
    double r = 0; // straight (not premultiplied) components, 0 to 1
    double g = 0;
    double b = 0;
    double a = 1;
};

Rgba ToRgba(Color c, double alpha = 1);
Color ToColor(const Rgba& c);
// c1 blended towards c2 by t (0 gives c1, 1 gives c2).
Color Mix(Color c1, Color c2, double t);
Color Lighter(Color c, double t); // towards white
Color Darker(Color c, double t);  // towards black
// A colour from hue (degrees), saturation and value (0 to 1).
Color Hsv(double hue, double saturation, double value);

// A colour that depends on the position in design units.
using Paint = std::function<Rgba(Vec)>;
Paint LinearGradient(Vec from, Vec to, Color c0, Color c1);
Paint RadialGradient(Vec centre, double radius, Color inner, Color outer);
// A gradient through several stops, positions 0 to 1 from `from` to `to`.
Paint Gradient(Vec from, Vec to, std::vector<std::pair<double, Color>> stops);

// A finished picture: 0xRRGGBB pixels, row by row from the top left.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Image() = default;
    Image(int w, int h, Color fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill)
    {
    }
    Color& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The picture scaled to w x h by averaging the source pixels each target pixel covers.
Image Scaled(const Image& source, int w, int h);

class Canvas {
public:
    Canvas(int w, int h);             // fully transparent
    Canvas(int w, int h, Color fill); // opaque

    const int width;
    const int height;

    // Design units to pixels: pixel = offset + design * scale. The default is 1:1.
    void SetView(double scale, Vec offset = {});
    // A view that maps a square design space of `units` onto the whole canvas.
    void SetUnits(double units) { SetView(width / units); }

    void Fill(const Shape& shape, Color color, double opacity = 1);
    void Fill(const Shape& shape, const Paint& paint, double opacity = 1);
    // A fill whose edge fades over `feather` pixels: glows and shadows on opaque pictures.
    void FillSoft(const Shape& shape, Color color, double feather, double opacity = 1);
    // Paints every pixel; for backgrounds.
    void Cover(const Paint& paint);
    // Lays an opaque picture at pixel (x, y).
    void Put(const Image& image, int x, int y);

    // The picture over `background` where the canvas is not covered.
    Image Opaque(Color background = 0) const;
    // Every pixel at least half covered keeps its own colour with full strength; every other
    // pixel is exactly `key`. A figure pixel that would equal the key is nudged off it.
    Image Keyed(Color key = KeyMagenta) const;
    // Coverage of a pixel, 0 to 1.
    double Alpha(int x, int y) const { return Pixel(x, y).a; }
    // The straight colour of a pixel (black where nothing covers it).
    Color ColorAt(int x, int y) const;

private:
    struct Premultiplied {
        float r = 0, g = 0, b = 0, a = 0;
    };
    const Premultiplied& Pixel(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    static void Blend(Premultiplied& d, const Rgba& c, double a);
    template <typename Coverage>
    void FillWith(const Shape& shape, double grow, Coverage coverage, const Paint& paint,
                  double opacity);

    std::vector<Premultiplied> pixels;
    double scale = 1;
    Vec offset;
};

} // namespace assetgen
