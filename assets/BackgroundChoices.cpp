// The plain-colour picture of the options dialogs' background row.
#include "assets/BackgroundChoices.h"

#include "assets/Style.h"

namespace assetgen {

using palette::Ink;

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

} // namespace assetgen
