// The background row's pictures of the options dialogs.
#include "assets/BackgroundChoices.h"

#include "assets/Style.h"

namespace assetgen {

using palette::Ink;
using palette::White;

Image PictureChoice(const Image& background)
{
    Canvas canvas(60, 60, Ink);
    canvas.Put(Scaled(background, 56, 56), 2, 2);
    return canvas.Opaque();
}

Image PlainColourChoice()
{
    Canvas canvas(60, 60, Ink);
    canvas.SetUnits(60);
    canvas.Fill(Rect(2, 2, 58, 58, 3), 0x0082FF);
    const Color mix[] = {0xFF4A4A, 0x4AE04A, 0x4A7CFF};
    for (int i = 0; i < 3; ++i) {
        const Vec c = OnEllipse({30, 31}, 8, 8, -90 + i * 120.0);
        canvas.Fill(Grow(Circle(c, 11), 1.5), Ink);
    }
    for (int i = 0; i < 3; ++i) {
        canvas.Fill(Circle(OnEllipse({30, 31}, 8, 8, -90 + i * 120.0), 11), mix[i], 0.85);
    }
    return canvas.Opaque();
}

Image MapPictureChoice()
{
    Canvas canvas(60, 60, Ink);
    canvas.SetUnits(60);
    canvas.Fill(Rect(2, 2, 58, 58, 3), 0xD9A53A);
    canvas.Fill(Rect(8, 8, 52, 52), LinearGradient({0, 8}, {0, 52}, 0x6FB8FF, 0xCDE8FF));
    canvas.Fill(Circle({40, 20}, 6), 0xFFD84A);
    canvas.Fill(Polygon({{8, 52}, {8, 40}, {22, 24}, {34, 40}, {40, 34}, {52, 46}, {52, 52}}),
                0x3E8F4A);
    canvas.Fill(Polygon({{18, 29}, {22, 24}, {26, 29}}), White);
    canvas.Fill(Outline(Rect(8, 8, 52, 52), 1), Ink);
    return canvas.Opaque();
}

} // namespace assetgen
