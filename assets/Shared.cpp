// Assets every game and the toolkit share: the program icon, the status panel, the panel and
// dialog buttons, the mode, music and effects pictures, the 27 map backgrounds (Backgrounds.cpp)
// and the click.
#include <cmath>

#include "assets/Catalog.h"
#include "assets/Lettering.h"
#include "assets/Panel.h"
#include "assets/PictureFiles.h"
#include "assets/Style.h"
#include "assets/Synth.h"

namespace assetgen {

namespace {

using namespace palette;

Canvas Icon(int size)
{
    Canvas canvas(size, size);
    canvas.SetUnits(32);
    const Shape tile = Rect(1, 1, 31, 31, 7);
    canvas.Fill(tile, Gradient({0, 0}, {32, 32}, {{0, 0x4F8BFF}, {1, 0x7A3FD9}}));
    canvas.Fill(Outline(tile, 0.6), Ink);
    // A bold V, thicker at the small size so that it still reads.
    const double w = size <= 16 ? 3.2 : 2.6;
    const Shape v = Polyline({{8, 8}, {16, 25}, {24, 8}}, w);
    canvas.Fill(Grow(v, size <= 16 ? 1.2 : 1.4), Ink);
    canvas.Fill(v, LinearGradient({0, 8}, {0, 25}, 0xFFE27A, Gold));
    return canvas;
}

Image Panel()
{
    Canvas canvas(800, 120);
    canvas.Cover(LinearGradient({0, 0}, {0, 120}, 0xFFF4D9, 0xFFDFA0));
    // Faint diagonal bands give the strip some life without disturbing the numbers.
    for (int i = -4; i < 30; ++i) {
        const double x = i * 34.0;
        canvas.Fill(Polygon({{x, 0}, {x + 14, 0}, {x + 14 - 120, 120}, {x - 120, 120}}), 0xFFFFFF,
                    0.12);
    }
    // Plaques behind the level and score numbers, and a tray for the life icons.
    const auto shape = [](const panel::Box& b) {
        return Rect(b.left, b.top, b.right, b.bottom, b.corner);
    };
    for (const panel::Box& plaque : {panel::LevelPlaque, panel::ScorePlaque}) {
        canvas.Fill(Grow(shape(plaque), 2.5), 0xC98B2E);
        canvas.Fill(shape(plaque),
                    LinearGradient({0, plaque.top}, {0, plaque.bottom}, 0xFFFFFF, 0xFFF6E4));
    }
    const Shape tray = shape(panel::Lives);
    canvas.Fill(tray, 0xF5C878, 0.6);
    canvas.Fill(Outline(tray, 1.5), 0xC98B2E, 0.8);
    return canvas.Opaque();
}

Image Border()
{
    Canvas canvas(800, 8, Ink);
    canvas.Fill(Rect(0, 2, 800, 6), LinearGradient({0, 2}, {0, 6}, 0x7FA8FF, Blue));
    return canvas.Opaque();
}

Canvas StopButton()
{
    Canvas canvas(60, 60);
    canvas.SetUnits(100);
    const Shape octagon = OctagonSymbol({50, 50}, 92);
    Outlined(canvas, octagon, RadialGradient({42, 36}, 60, Lighter(Red, 0.2), Darker(Red, 0.2)), 4);
    Shine(canvas, octagon, {50, 24}, 34, 16, 0.3);
    const Shape square = Rect(33, 33, 67, 67, 5);
    canvas.Fill(Grow(square, 3), Darker(Red, 0.45));
    canvas.Fill(square, White);
    return canvas;
}

} // namespace

Canvas ModeButton(bool easy, int size)
{
    Canvas canvas = Tile(size);
    const int cells = easy ? 2 : 4;
    const double span = 64.0 / cells;
    const Color colour = easy ? Green : Orange;
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const double x = 18 + col * span;
            const double y = 18 + row * span;
            const Shape cell = Rect(x + 2, y + 2, x + span - 2, y + span - 2, span * 0.18);
            Outlined(canvas, cell, (row + col) % 2 == 0 ? colour : Lighter(colour, 0.3), 2);
        }
    }
    return canvas;
}

namespace {

Canvas MusicButton(bool on)
{
    Canvas canvas = Tile(60, on ? TileOn : TileOff);
    const Shape note = NoteSymbol({50, 52}, 72);
    canvas.Fill(Grow(note, 2), on ? Ink : Darker(Grey, 0.3));
    canvas.Fill(note, on ? Blue : Grey);
    if (!on) {
        OffSlash(canvas);
    }
    return canvas;
}

Canvas FxButton(bool on)
{
    Canvas canvas = Tile(60, on ? TileOn : TileOff);
    const Shape speaker = SpeakerSymbol({50, 50}, 70, on);
    canvas.Fill(Grow(speaker, 2), on ? Ink : Darker(Grey, 0.3));
    canvas.Fill(speaker, on ? Blue : Grey);
    if (!on) {
        OffSlash(canvas);
    }
    return canvas;
}

Sound Click()
{
    Sound s = Tone(0.045, Glide(2200, 1400, 0.04), Wave::Sine, Decay(0.009));
    s.Mix(Noise(0.02, 11, Constant(6000), Decay(0.004)), 0, 0.5);
    return s;
}

} // namespace

void AddShared(Catalog& catalog)
{
    catalog.push_back({"Gfx/icon/icon.ico", [](const std::filesystem::path& file) {
                           const Canvas large = Icon(32);
                           const Canvas small = Icon(16);
                           return WriteIco({&large, &small}, file, Ink);
                       }});
    AddOpaqueGif(catalog, "Gfx/Panel/panel.gif", Panel);
    AddOpaqueGif(catalog, "Gfx/Panel/border.gif", Border);
    AddKeyedGif(catalog, "Gfx/Buttons/stopbutton.gif", StopButton);
    AddKeyedGif(catalog, "Gfx/Buttons/optionsbutton.gif", [] {
        return DiscButton(60, Blue, GearSymbol({50, 50}, 58), White);
    });
    AddKeyedGif(catalog, "Gfx/Buttons/optionsStopButton.gif", [] {
        return DiscButton(60, Red, CrossSymbol({50, 50}, 52), White);
    });
    AddKeyedGif(catalog, "Gfx/Buttons/optionsOkButton.gif", [] {
        return DiscButton(60, Green, CheckSymbol({50, 52}, 56), White);
    });
    AddOpaqueGif(catalog, "Gfx/Buttons/easyModeButton.gif",
                 [] { return ModeButton(true, 60).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/normalModeButton.gif",
                 [] { return ModeButton(false, 60).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/musicOffButton.gif",
                 [] { return MusicButton(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/musicOnButton.gif",
                 [] { return MusicButton(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/fxOffButton.gif", [] { return FxButton(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/fxOnButton.gif", [] { return FxButton(true).Opaque(); });
    AddWav(catalog, "Sfx/click.wav", Click);
}

} // namespace assetgen
