// The rock game Morvex: the ship in 36 headings with its engine flame, the rocks of three sizes,
// shots, explosions, the spark, two plain backgrounds, the options pictures, sounds and music.
#include <string>
#include <vector>

#include "assets/BackgroundChoices.h"
#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Synth.h"
#include "assets/Zentar.h"

namespace assetgen {

namespace {

using palette::Ink;
using palette::White;

// The ship's frames are square and turn about their centre; the game places the flame and the
// shots from the frame's size, so the figure stays inside a circle of this radius.
constexpr int ShipSize = 86;
constexpr Color Hull = 0xDCE4F2;
constexpr Color HullShade = 0x7C88A8;
constexpr Color Trim = 0x2FB6A0;
constexpr Color Canopy = 0xFFC531;

// The ship heading right (along +x), centred on (0, 0), 86 units across: nose at x 35, engine
// nozzle ending at x -31, just in front of where the game puts the flame.
void Ship(const Figure& f, Vec light, double reach)
{
    const Shape wings = Union(Polygon({{6, -8}, {-18, -28}, {-26, -27}, {-20, -8}}),
                              Polygon({{6, 8}, {-18, 28}, {-26, 27}, {-20, 8}}));
    f.Edge(wings, 3);
    f.Fill(wings, RadialGradient(light, reach, Lighter(HullShade, 0.3), Darker(HullShade, 0.3)));
    f.Fill(Intersect(wings, Union(Circle({-22, -27}, 6), Circle({-22, 27}, 6))), Trim);
    const Shape nozzle = Rect(-31, -5.5, -20, 5.5, 2);
    f.Edge(nozzle, 2.5);
    f.Fill(nozzle, 0x4A4F66);
    const Shape hull =
        Polygon({{35, 0}, {12, -9}, {-16, -11}, {-23, -6}, {-23, 6}, {-16, 11}, {12, 9}});
    f.Edge(hull, 3);
    f.Fill(hull, RadialGradient(light, reach, White, HullShade));
    f.Fill(Intersect(hull, Rect(-23, -2, 26, 2)), Trim);
    const Shape canopy = Ellipse({8, 0}, 9, 4.5);
    f.Edge(canopy, 1.5);
    f.Fill(canopy, Canopy);
    f.Fill(Ellipse({10, -1.5}, 3.5, 1.5), White, 0.8);
}

// Frame n heads n x 10 degrees clockwise from right; the light stays at the top left.
Canvas ShipFrame(int frame)
{
    Canvas canvas(ShipSize, ShipSize);
    const Figure f{canvas, {{ShipSize / 2.0, ShipSize / 2.0}, 1, frame * 10.0, false}};
    Ship(f, {28, 26}, 50);
    return canvas;
}

// A lumpy outline of eleven corners round a centre.
Shape RockOutline(Vec c, double r, std::uint64_t seed)
{
    Random random(seed);
    std::vector<Vec> points;
    for (int i = 0; i < 11; ++i) {
        const double a = i * 360.0 / 11 + random.Range(-10, 10);
        points.push_back(OnEllipse(c, r * random.Range(0.76, 1.0), r * random.Range(0.76, 1.0), a));
    }
    return Polygon(points);
}

// Four stones of each size, told apart by tint and outline; the craters catch the light from the
// top left on their lower right rims.
Canvas Rock(int size, int variant)
{
    const Color tints[] = {0x9C8A78, 0xA9765A, 0x7F8A96, 0xB49E6E};
    const Color tint = tints[variant];
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const std::uint64_t seed = 9000 + static_cast<std::uint64_t>(size * 10 + variant);
    const Shape rock = RockOutline({50, 50}, 45, seed);
    const double edge = size < 50 ? 5 : 3.5;
    canvas.Fill(Grow(rock, edge), Ink);
    canvas.Fill(rock, RadialGradient({36, 32}, 70, Lighter(tint, 0.35), Darker(tint, 0.45)));
    Random random(seed + 1);
    const int craters = size < 50 ? 2 : 4;
    for (int i = 0; i < craters; ++i) {
        const Vec c = OnEllipse({50, 50}, random.Range(8, 24), random.Range(8, 24),
                                i * 360.0 / craters + random.Range(0, 60));
        const double r = random.Range(6, 11);
        canvas.Fill(Intersect(rock, Circle(c + Vec{1.5, 1.5}, r)), Lighter(tint, 0.4), 0.8);
        canvas.Fill(Intersect(rock, Circle(c, r)), Darker(tint, 0.5));
    }
    canvas.Fill(Intersect(rock, Ellipse({36, 30}, 14, 8)), White, 0.18);
    return canvas;
}

// A shot: a glowing ball, pale blue and pale green in turn.
Canvas Shot(int frame)
{
    Canvas canvas(10, 10);
    canvas.SetUnits(10);
    canvas.Fill(Circle({5, 5}, 4.6), frame == 0 ? 0x3FC8FF : 0x5CFF9A);
    canvas.Fill(Circle({5, 5}, frame == 0 ? 2.6 : 2.0), White);
    return canvas;
}

// The engine flame: a round flicker, the same at every heading.
Canvas Afterburner(int frame)
{
    Canvas canvas(10, 10);
    canvas.SetUnits(10);
    canvas.Fill(Circle({5, 5}, frame == 0 ? 4.8 : 4.2), frame == 0 ? 0xFF7A1A : 0xFF4A22);
    canvas.Fill(Circle({5, 5}, frame == 0 ? 2.8 : 2.0), 0xFFE066);
    return canvas;
}

// explode0 is the first flash, explode1 the burning wreck that stays until the next life.
Canvas ShipExplosion(int frame)
{
    Canvas canvas(ShipSize, ShipSize);
    canvas.SetUnits(100);
    const Vec c{50, 50};
    if (frame == 0) {
        const Shape burst = Star(c, 46, 20, 12, -90);
        canvas.Fill(Grow(burst, 2.5), 0xFF8A2B);
        canvas.Fill(burst, 0xFFE066);
        canvas.Fill(Star(c, 30, 12, 8, -70), White);
        return canvas;
    }
    Random random(311);
    for (int i = 0; i < 8; ++i) {
        const Vec p = OnEllipse(c, 38, 38, i * 45.0 + random.Range(0, 20));
        const Shape chunk = RegularPolygon(p, random.Range(4, 7), 3, random.Range(0, 120));
        canvas.Fill(Grow(chunk, 2), Ink);
        canvas.Fill(chunk, i % 2 == 0 ? Hull : Trim);
    }
    std::vector<Shape> puffs{Circle(c, 24)};
    for (int i = 0; i < 7; ++i) {
        puffs.push_back(Circle(OnEllipse(c, 18, 18, i * 51.4), random.Range(10, 14)));
    }
    const Shape cloud = Union(puffs);
    canvas.Fill(Grow(cloud, 3), Ink);
    canvas.Fill(cloud, RadialGradient(c, 34, 0xFF9A2E, 0x8A2A1A));
    canvas.Fill(Grow(Star(c, 20, 10, 7, -80), 2), 0xFFD23F);
    canvas.Fill(Circle(c, 6), White);
    return canvas;
}

// A rock breaking: a ring of grit round a hot centre, as large as the rock.
Canvas RockExplosion(int size)
{
    Canvas canvas(size, size);
    canvas.SetUnits(100);
    const Vec c{50, 50};
    Random random(700 + static_cast<std::uint64_t>(size));
    for (int i = 0; i < 9; ++i) {
        const Vec p = OnEllipse(c, 40, 40, i * 40.0 + random.Range(0, 25));
        const Shape grit = RegularPolygon(p, random.Range(4, 8), 5, random.Range(0, 70));
        canvas.Fill(Grow(grit, 3), Ink);
        canvas.Fill(grit, 0x9C8A78);
    }
    const Shape dust = Star(c, 36, 22, 9, -90);
    canvas.Fill(Grow(dust, 3), Ink);
    canvas.Fill(dust, 0xC9B08E);
    canvas.Fill(Star(c, 24, 12, 9, -70), 0xFF9A2E);
    canvas.Fill(Circle(c, 9), 0xFFF0B0);
    return canvas;
}

// A spark of the fly-out: a small four-pointed twinkle.
Canvas Spark()
{
    Canvas canvas(12, 12);
    canvas.SetUnits(12);
    canvas.Fill(Star({6, 6}, 5.8, 1.8, 4, -90), 0xFFE066);
    canvas.Fill(Circle({6, 6}, 2.4), White);
    return canvas;
}

Image SimpleBackground(int index)
{
    Canvas canvas(800, 600);
    if (index == 0) {
        // Deep space with a faint galaxy across it.
        DrawStarField(canvas, 0x020208, 0x0A0C22, 520, 5101);
        canvas.FillSoft(Placed(Ellipse({0, 0}, 260, 60), {{520, 210}, 1, -24}), 0x8C9CFF, 90, 0.22);
        canvas.FillSoft(Placed(Ellipse({0, 0}, 90, 26), {{520, 210}, 1, -24}), 0xFFF0D0, 40, 0.35);
        return canvas.Opaque();
    }
    // A green and teal nebula.
    DrawStarField(canvas, 0x021414, 0x05222A, 360, 5202);
    Random random(5203);
    for (int i = 0; i < 9; ++i) {
        const Vec c{random.Range(0, 800), random.Range(0, 600)};
        canvas.FillSoft(Circle(c, random.Range(70, 150)), i % 2 == 0 ? 0x2FD0A0 : 0x3A7CD8, 110,
                        random.Range(0.12, 0.22));
    }
    return canvas.Opaque();
}

// The options dialog's pictures, 62 x 62.
Canvas ShipSpeedTile()
{
    Canvas canvas = Tile(62);
    SpeedLines(canvas, 8, 34, palette::Orange);
    Ship(Figure{canvas, {{64, 50}, 0.9, 0, false}}, {50, 30}, 60);
    return canvas;
}

Canvas RotateSpeedTile()
{
    Canvas canvas = Tile(62);
    const Shape arrow =
        Union(Arc({50, 50}, 38, 38, 200, 320, 4.5), Polygon({{67, 10}, {86, 24}, {62, 32}}));
    canvas.Fill(Grow(arrow, 2), Ink);
    canvas.Fill(arrow, palette::Orange);
    Ship(Figure{canvas, {{50, 56}, 0.8, -90, false}}, {40, 30}, 60);
    return canvas;
}

Canvas RockSpeedTile()
{
    Canvas canvas = Tile(62);
    SpeedLines(canvas, 8, 34, palette::Orange);
    const Shape rock = RockOutline({62, 52}, 27, 9401);
    canvas.Fill(Grow(rock, 3), Ink);
    canvas.Fill(rock, RadialGradient({54, 40}, 40, 0xC4B4A2, 0x5A4A3A));
    canvas.Fill(Intersect(rock, Circle({66, 58}, 7)), 0x4A3C2E);
    return canvas;
}

Sound Fire(int variant)
{
    switch (variant) {
    case 0: {
        Sound s = Tone(0.2, Glide(2400, 500, 0.18), Wave::Triangle, Envelope(0.002, 0.03, 0.16));
        s.Mix(Tone(0.2, Glide(1200, 250, 0.18), Wave::Square, Envelope(0.002, 0.02, 0.15)), 0, 0.3);
        return s;
    }
    case 1: {
        Sound s = Tone(0.16, Glide(1500, 900, 0.14), Wave::Square, Envelope(0.002, 0.02, 0.13));
        LowPass(s, Constant(3500));
        return s;
    }
    default: {
        Sound s = Tone(0.24, Vibrato(Glide(3000, 600, 0.2), 40, 0.05), Wave::Sine,
                       Envelope(0.002, 0.04, 0.18));
        s.Mix(Noise(0.06, 91, Constant(6000), Decay(0.015)), 0, 0.25);
        return s;
    }
    }
}

Sound RockHit()
{
    Sound s =
        Noise(0.45, 131, Glide(4000, 200, 0.4), Product(Envelope(0.002, 0.05, 0.4), Decay(0.15)));
    s.Mix(Tone(0.35, Glide(110, 40, 0.3), Wave::Sine, Decay(0.1)), 0, 0.9);
    Random random(132);
    for (int i = 0; i < 6; ++i) {
        s.Mix(Noise(0.03, 140 + static_cast<std::uint64_t>(i), Constant(2500), Decay(0.008)),
              random.Range(0.02, 0.25), 0.4);
    }
    return s;
}

// About 2 s; the explosion stays on screen for 3 s.
Sound ShipExplode()
{
    Sound s = Noise(2.0, 151, Glide(6000, 120, 1.8), Envelope(0.005, 0.3, 1.6));
    s.Mix(Tone(2.0, Glide(70, 25, 1.8), Wave::Sine, Envelope(0.005, 0.4, 1.5)), 0, 1.0);
    s.Mix(Noise(0.6, 152, Glide(9000, 1000, 0.5), Decay(0.12)), 0.25, 0.5);
    return s;
}

// The engine: a steady hum that the game starts again whenever it has ended, so its two ends
// match and the repeats run together.
Sound Forward()
{
    Sound s = Tone(0.5, Constant(55), Wave::Saw, Envelope(0.02, 0.46, 0.02));
    LowPass(s, Constant(500));
    s.Mix(Noise(0.5, 161, Constant(900), Envelope(0.02, 0.46, 0.02)), 0, 0.6);
    s.Mix(Tone(0.5, Constant(110), Wave::Triangle, Envelope(0.02, 0.46, 0.02)), 0, 0.3);
    return s;
}

// Thruster puffs while the ship turns.
Sound Rotate()
{
    Sound s = Noise(0.3, 171, Glide(1200, 3000, 0.3), Envelope(0.04, 0.14, 0.12));
    s.Mix(Tone(0.3, Glide(300, 420, 0.3), Wave::Triangle, Envelope(0.04, 0.14, 0.12)), 0, 0.25);
    return s;
}

// The level-cleared fanfare: a rising arpeggio and a held chord, about two seconds.
Sound Won()
{
    Sound s(2.2);
    const int keys[] = {60, 64, 67, 72, 76};
    for (int i = 0; i < 5; ++i) {
        Sound note =
            Tone(0.22, Constant(NoteHz(keys[i])), Wave::Square, Envelope(0.005, 0.12, 0.1));
        LowPass(note, Constant(3000));
        s.Mix(note, i * 0.13, 0.5);
    }
    for (int key : {72, 76, 79, 84}) {
        s.Mix(Tone(1.4, Vibrato(Constant(NoteHz(key)), 6, 0.006), Wave::Triangle,
                   Envelope(0.01, 0.7, 0.65)),
              0.7, 0.35);
    }
    return s;
}

// About 2.5 s of falling notes over a low rumble, while the curtain comes down.
Sound LostGame()
{
    Sound s(2.6);
    const int keys[] = {67, 63, 60, 55};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 1.3 : 0.42;
        Sound note = Tone(length, Vibrato(Constant(NoteHz(keys[i])), 5, 0.01), Wave::Saw,
                          Envelope(0.01, length * 0.5, length * 0.48));
        LowPass(note, Constant(1500));
        s.Mix(note, i * 0.42, 0.55);
    }
    s.Mix(Noise(2.5, 181, Constant(300), Envelope(0.3, 1.2, 1.0)), 0, 0.5);
    return s;
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Morvex";
    t.seed = 0x40C7E5;
    t.tempo = 124;
    t.tonic = 57;
    t.minor = true;
    t.lead = 84;     // charang lead
    t.arpeggio = 11; // vibraphone
    t.pad = 91;      // polysynth pad
    t.bass = 39;     // synth bass 2
    t.groove = Groove::Spacey;
    t.verse = {0, 6, 5, 4, 0, 6, 3, 4};
    t.chorus = {5, 3, 0, 4, 5, 3, 6, 4};
    t.bridge = {3, 5, 3, 4, 3, 5, 0, 4};
    t.plan = "IAABCABO";
    return t;
}

} // namespace

void AddMorvex(Catalog& catalog)
{
    for (int frame = 0; frame < 36; ++frame) {
        AddKeyedGif(catalog, "Gfx/Morvex/Ship/ship" + std::to_string(frame) + ".gif",
                    [frame] { return ShipFrame(frame); });
    }
    for (const auto& [name, size] :
         {std::pair<std::string, int>{"large", 80}, {"medium", 60}, {"small", 40}}) {
        for (int variant = 0; variant < 4; ++variant) {
            AddKeyedGif(catalog, "Gfx/Morvex/" + name + "Rock" + std::to_string(variant) + ".gif",
                        [size = size, variant] { return Rock(size, variant); });
        }
        AddKeyedGif(catalog, "Gfx/Morvex/" + name + "Explode.gif",
                    [size = size] { return RockExplosion(size); });
    }
    for (int frame = 0; frame < 2; ++frame) {
        const std::string n = std::to_string(frame);
        AddKeyedGif(catalog, "Gfx/Morvex/shot" + n + ".gif", [frame] { return Shot(frame); });
        AddKeyedGif(catalog, "Gfx/Morvex/afterBurner" + n + ".gif",
                    [frame] { return Afterburner(frame); });
        AddKeyedGif(catalog, "Gfx/Morvex/explode" + n + ".gif",
                    [frame] { return ShipExplosion(frame); });
        AddOpaqueGif(catalog, "Gfx/Morvex/simpleBg" + n + ".gif",
                     [frame] { return SimpleBackground(frame); });
    }
    AddKeyedGif(catalog, "Gfx/Morvex/star.gif", Spark);
    AddOpaqueGif(catalog, "Gfx/Morvex/shipSpeedImage.gif", [] { return ShipSpeedTile().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Morvex/rotateSpeedImage.gif",
                 [] { return RotateSpeedTile().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Morvex/rockSpeedImage.gif", [] { return RockSpeedTile().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Morvex/optionbg0.gif",
                 [] { return PreviewTile(SimpleBackground(0)); });
    AddOpaqueGif(catalog, "Gfx/Morvex/optionbg1.gif",
                 [] { return PreviewTile(SimpleBackground(1)); });
    AddOpaqueGif(catalog, "Gfx/Morvex/optionbg2.gif", PlainColourChoice);
    AddOpaqueGif(catalog, "Gfx/Morvex/optionbg3.gif", LevelPictureTile);

    AddWav(catalog, "Sfx/Morvex/rockHit.wav", RockHit);
    AddWav(catalog, "Sfx/Morvex/shipExplode.wav", ShipExplode);
    for (int i = 0; i < 3; ++i) {
        AddWav(catalog, "Sfx/Morvex/fire" + std::to_string(i) + ".wav", [i] { return Fire(i); });
    }
    AddWav(catalog, "Sfx/Morvex/forward.wav", Forward);
    AddWav(catalog, "Sfx/Morvex/rotate.wav", Rotate);
    AddWav(catalog, "Sfx/Morvex/won.wav", Won);
    AddWav(catalog, "Sfx/Morvex/lostGame.wav", LostGame);
    AddMidi(catalog, "Music/morvex.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
