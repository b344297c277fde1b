// The maze game Tamblo: tiles, the figure Gulpo, five ghosts, the cleared and game-over faces,
// the options symbols, its sounds and its tune.
#include "assets/Tamblo.h"

#include <algorithm>
#include <string>

#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Style.h"
#include "assets/Synth.h"
#include "games/tamblo/TambloTiles.h"

namespace assetgen {

namespace {

using palette::Ink;
using palette::White;

constexpr Color Floor = 0x14173A;
constexpr Color Wall = 0x3F6BF2;
constexpr Color DotColour = 0xFFE9A6;
constexpr Color Body = 0x8FE04C;
constexpr Color BodyDark = 0x4E9A22;
constexpr Color Mouth = 0x5A1830;
constexpr Color Tongue = 0xFF7C8E;
constexpr Color Leaf = 0x3FBF6A;
constexpr Color GhostColours[] = {0xFF5B4A, 0xB07CFF, 0xEEF0FF, 0xFFB52E, 0xFF74B8};

} // namespace

void DrawGulpo(Canvas& canvas, Vec centre, double size, int direction, bool open)
{
    const double degrees = direction == 1 ? 90 : direction == 3 ? -90 : 0;
    const Figure f{canvas, {centre, size / 100, degrees, direction == 2}};
    const Shape body = Circle({0, 3}, 39);
    const Shape leaf = Polygon({{-2, -34}, {6, -48}, {20, -50}, {14, -38}});
    f.Edge(leaf, 3);
    f.Edge(body, 4);
    f.Fill(leaf, Leaf);
    f.Fill(body, RadialGradient(f.place.origin, size * 0.5, Lighter(Body, 0.25), BodyDark));
    f.canvas.Fill(f.At(Intersect(body, Ellipse({-8, -16}, 24, 14))), White, 0.25);
    // The mouth opens as a dark wedge inside the body, so the figure stays whole.
    const double gape = open ? 24 : 3;
    const Shape mouth =
        Intersect(Polygon({{-4, 8}, {60, 8 - gape}, {60, 8 + gape}}), Circle({0, 3}, 36));
    f.Edge(mouth, 2.5);
    f.Fill(mouth, Mouth);
    if (open) {
        f.Fill(Intersect(mouth, Circle({20, 22}, 12)), Tongue);
    }
    f.Eye({10, -16}, 10, 12, {4, 1}, 6);
}

void DrawGhost(Canvas& canvas, Vec centre, double size, int look)
{
    const Figure f{canvas, {centre, size / 100, 0, false}};
    const Color colour = GhostColours[look];
    std::vector<Shape> parts{Circle({0, -8}, 38), Rect(-38, -8, 38, 30)};
    Shape body = Union(parts);
    switch (look) {
    case 0: // round feet
        body = Union({body, Circle({-26, 30}, 12), Circle({0, 32}, 12), Circle({26, 30}, 12)});
        break;
    case 1: // a zigzag hem
        body = Union(body, Polygon({{-38, 28},
                                    {-38, 44},
                                    {-25, 32},
                                    {-12, 44},
                                    {0, 32},
                                    {12, 44},
                                    {25, 32},
                                    {38, 44},
                                    {38, 28}}));
        break;
    case 2: // a long wavy tail
        body = Union(
            {Circle({0, -10}, 38),
             Polygon({{-38, -10}, {38, -10}, {30, 30}, {8, 44}, {-6, 36}, {-20, 46}, {-34, 30}})});
        break;
    case 3: // a round bell
        body = Union(Circle({0, -8}, 38), Ellipse({0, 18}, 40, 26));
        break;
    default: // two horns
        body = Union({body, Polygon({{-30, -30}, {-36, -48}, {-16, -40}}),
                      Polygon({{30, -30}, {36, -48}, {16, -40}}), Circle({-20, 32}, 10),
                      Circle({20, 32}, 10)});
        break;
    }
    f.Edge(body, 4);
    f.Fill(body, RadialGradient({centre.x - size * 0.12, centre.y - size * 0.2}, size * 0.6,
                                Lighter(colour, 0.35), Darker(colour, 0.15)));
    if (look == 2) {
        f.Eye({0, -12}, 17, 15, {4, 2}, 8);
        f.Fill(Ellipse({0, 16}, 8, 5), Ink);
        return;
    }
    for (double side : {-1.0, 1.0}) {
        f.Eye({side * 15, -12}, 10, 12, {4, 3}, 5.5);
    }
    if (look == 1) {
        f.Fill(Capsule({-26, -30}, {-8, -22}, 3.5), Ink);
        f.Fill(Capsule({26, -30}, {8, -22}, 3.5), Ink);
    } else if (look == 3) {
        f.Fill(Ellipse({0, 14}, 7, 9), Ink);
    } else if (look == 4) {
        f.Fill(Arc({0, 8}, 12, 9, 20, 160, 2.8), Ink);
    } else {
        f.Fill(Arc({0, 10}, 10, 6, 200, 340, 2.8), Ink);
    }
}

void DrawMazeTile(Canvas& canvas, Vec at, double size, int tileId)
{
    const double s = size / 100;
    auto P = [&](double x, double y) { return Vec{at.x + x * s, at.y + y * s}; };
    canvas.Fill(Rect(at.x, at.y, at.x + size, at.y + size), Floor);
    if (tamblo::IsWall(tileId)) {
        const int joins = tamblo::WallJoins[static_cast<std::size_t>(tileId)];
        // Each arm runs from the middle past the cell's edge, so neighbouring pieces meet flush;
        // the shading depends only on the depth inside the pipe, so it runs on across cells.
        const Vec ends[] = {P(130, 50), P(50, 130), P(-30, 50), P(50, -30)};
        std::vector<Shape> arms{Circle(P(50, 50), 24 * s)};
        for (int d = 0; d < 4; ++d) {
            if ((joins & (1 << d)) != 0) {
                arms.push_back(Capsule(P(50, 50), ends[d], 24 * s));
            }
        }
        const Shape pipe = Union(arms);
        const Rgba light = ToRgba(Lighter(Wall, 0.55));
        const Rgba dark = ToRgba(Darker(Wall, 0.3));
        const Rgba mid = ToRgba(Wall);
        // Clipped to the cell, so that cells drawn side by side do not paint over each other.
        const Shape cell = Rect(at.x, at.y, at.x + size, at.y + size);
        canvas.Fill(Intersect(Grow(pipe, 5 * s), cell), Ink);
        canvas.Fill(Intersect(pipe, cell), [=](Vec p) {
            const double depth = std::clamp(-pipe(p + Vec{7 * s, 7 * s}) / (24 * s), 0.0, 1.0);
            const double edge = std::clamp(-pipe(p) / (24 * s), 0.0, 1.0);
            const double t = std::clamp(depth * 1.3 - 0.15, 0.0, 1.0);
            Rgba c{dark.r + (mid.r - dark.r) * edge, dark.g + (mid.g - dark.g) * edge,
                   dark.b + (mid.b - dark.b) * edge, 1};
            const double glow = t * t * t;
            return Rgba{c.r + (light.r - c.r) * glow, c.g + (light.g - c.g) * glow,
                        c.b + (light.b - c.b) * glow, 1};
        });
        return;
    }
    if (tileId == tamblo::DotTile) {
        const Shape dot = Circle(P(50, 50), 12 * s);
        canvas.Fill(Grow(dot, 3 * s), Darker(DotColour, 0.6));
        canvas.Fill(dot, RadialGradient(P(46, 46), 14 * s, White, DotColour));
    } else if (tileId == tamblo::PlayerStartTile) {
        canvas.Fill(Outline(Circle(P(50, 50), 30 * s), 4 * s), Body, 0.7);
        canvas.Fill(Polygon({P(38, 34), P(68, 50), P(38, 66)}), Body, 0.7);
    } else if (tileId == tamblo::GhostStartTile) {
        const Shape ghost = Union(Circle(P(50, 44), 22 * s),
                                  Rect(28 * s + at.x, 44 * s + at.y, 72 * s + at.x, 70 * s + at.y));
        canvas.Fill(Outline(ghost, 3.5 * s), GhostColours[1], 0.7);
        canvas.Fill(Circle(P(42, 44), 5 * s), GhostColours[1], 0.7);
        canvas.Fill(Circle(P(58, 44), 5 * s), GhostColours[1], 0.7);
    }
}

namespace {

Canvas Face(bool happy)
{
    Canvas canvas(200, 200);
    canvas.SetUnits(100);
    const Shape leaf = Polygon({{46, 14}, {56, 2}, {72, 2}, {64, 14}});
    const Shape body = Circle({50, 54}, 42);
    canvas.Fill(Grow(leaf, 2), Ink);
    canvas.Fill(Grow(body, 2.5), Ink);
    canvas.Fill(leaf, Leaf);
    canvas.Fill(body, RadialGradient({40, 40}, 56, Lighter(Body, 0.3), BodyDark));
    canvas.Fill(Intersect(body, Ellipse({40, 30}, 24, 12)), White, 0.25);
    for (double side : {-1.0, 1.0}) {
        const Vec c{50 + side * 15, 44};
        const Shape eye = Ellipse(c, 8, happy ? 9 : 8);
        canvas.Fill(Grow(eye, 1.5), Ink);
        canvas.Fill(eye, White);
        canvas.Fill(Circle({c.x, c.y + (happy ? 1 : 3)}, 4.5), Ink);
        canvas.Fill(Circle({c.x - 1.5, c.y - 1}, 1.5), White);
        canvas.Fill(Ellipse({50 + side * 27, 64}, 7, 4.5), Tongue, 0.7);
        if (!happy) {
            // Brows that slope down to the sides.
            canvas.Fill(Capsule({c.x - side * 3, 31}, {c.x + side * 9, 35}, 1.8), Ink);
        }
    }
    if (happy) {
        const Shape mouth = Intersect(Ellipse({50, 62}, 20, 18), Rect(20, 62, 80, 90));
        canvas.Fill(Grow(mouth, 1.5), Ink);
        canvas.Fill(mouth, Mouth);
        canvas.Fill(Intersect(mouth, Circle({50, 82}, 10)), Tongue);
    } else {
        canvas.Fill(Arc({50, 82}, 15, 10, 200, 340, 2.5), Ink);
        const Shape tear =
            Union(Circle({33, 64}, 4), Polygon({{29.5, 62.5}, {33, 54}, {36.5, 62.5}}));
        canvas.Fill(Grow(tear, 1.2), Ink);
        canvas.Fill(tear, 0x7FD3FF);
    }
    return canvas;
}

Canvas PlayerSpeed()
{
    Canvas canvas = Tile(60);
    SpeedLines(canvas, 10, 34, palette::Orange);
    DrawGulpo(canvas, {62, 50}, 62, 0, true);
    return canvas;
}

Canvas GhostSpeed()
{
    Canvas canvas = Tile(60);
    SpeedLines(canvas, 10, 34, palette::Orange);
    DrawGhost(canvas, {62, 52}, 60, 0);
    return canvas;
}

Canvas GhostCount()
{
    Canvas canvas = Tile(60);
    DrawGhost(canvas, {28, 42}, 40, 1);
    DrawGhost(canvas, {72, 42}, 40, 3);
    DrawGhost(canvas, {50, 62}, 48, 0);
    return canvas;
}

Sound Move()
{
    Sound s = Tone(0.09, Glide(330, 180, 0.08), Wave::Sine, Envelope(0.004, 0.01, 0.07));
    s.Mix(Noise(0.03, 21, Constant(2500), Decay(0.006)), 0, 0.25);
    return s;
}

Sound Eat()
{
    Sound s = Tone(0.09, Glide(660, 1320, 0.06), Wave::Square, Envelope(0.003, 0.03, 0.05));
    LowPass(s, Constant(4500));
    s.Mix(Tone(0.09, Glide(1320, 2640, 0.06), Wave::Sine, Envelope(0.003, 0.02, 0.06)), 0, 0.4);
    return s;
}

Sound Rotate()
{
    return Tone(0.12, Glide(480, 960, 0.1), Wave::Triangle, Envelope(0.005, 0.04, 0.07));
}

// A bright rising arpeggio and a ringing chord: about three seconds, the pause after a level.
Sound Won()
{
    Sound s(3.0);
    const int keys[] = {74, 78, 81, 86};
    for (int i = 0; i < 4; ++i) {
        const Sound note =
            Tone(0.3, Constant(NoteHz(keys[i])), Wave::Square, Envelope(0.005, 0.08, 0.2));
        s.Mix(note, i * 0.13, 0.5);
    }
    for (int i = 0; i < 4; ++i) {
        Sound ring = Tone(2.45, Vibrato(Constant(NoteHz(keys[i])), 5.5, 0.004), Wave::Triangle,
                          Product(Envelope(0.01, 0.6, 1.8), Decay(1.6)));
        s.Mix(ring, 0.52, 0.35);
        s.Mix(Tone(2.45, Constant(NoteHz(keys[i] + 12)), Wave::Sine,
                   Product(Envelope(0.01, 0.2, 2.0), Decay(0.9))),
              0.52, 0.12);
    }
    LowPass(s, Constant(6000));
    return s;
}

// A low, wobbling "boo" of about a second.
Sound Boo()
{
    Sound s =
        Tone(1.0, Vibrato(Glide(210, 130, 0.9), 7, 0.03), Wave::Saw, Envelope(0.04, 0.5, 0.45));
    LowPass(s, Constant(900));
    s.Mix(Tone(1.0, Vibrato(Glide(105, 65, 0.9), 7, 0.03), Wave::Sine, Envelope(0.04, 0.5, 0.45)),
          0, 0.5);
    return s;
}

// A falling whistle while the figure drops off the field.
Sound Ahh()
{
    Sound s = Tone(2.0, Vibrato(Glide(900, 160, 1.9), 6, 0.025), Wave::Triangle,
                   Envelope(0.05, 1.4, 0.55));
    s.Mix(
        Tone(2.0, Vibrato(Glide(1800, 320, 1.9), 6, 0.025), Wave::Sine, Envelope(0.05, 1.2, 0.75)),
        0, 0.2);
    return s;
}

Sound Click()
{
    Sound s = Tone(0.05, Glide(1250, 700, 0.04), Wave::Sine, Decay(0.011));
    s.Mix(Noise(0.015, 31, Constant(5000), Decay(0.003)), 0, 0.35);
    return s;
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Tamblo";
    t.seed = 0x7A3B1001;
    t.tempo = 126;
    t.tonic = 62;
    t.lead = 80;     // square lead
    t.arpeggio = 12; // marimba
    t.bass = 38;     // synth bass
    t.groove = Groove::Bouncy;
    t.verse = {0, 5, 3, 4, 0, 5, 1, 4};
    t.chorus = {3, 4, 2, 5, 3, 4, 0, 0};
    t.bridge = {5, 3, 0, 4, 5, 3, 1, 4};
    t.plan = "IAABABO";
    return t;
}

} // namespace

void AddTamblo(Catalog& catalog)
{
    for (const auto& [mode, size] : {std::pair<std::string, int>{"easy", 60}, {"normal", 40}}) {
        const std::string root = "Gfx/Tamblo/" + mode;
        for (int id = 0; id < tamblo::TileCount; ++id) {
            AddOpaqueGif(catalog, root + "/Tiles/" + std::to_string(id) + ".gif",
                         [size = size, id] {
                             Canvas canvas(size, size);
                             DrawMazeTile(canvas, {0, 0}, size, id);
                             return canvas.Opaque();
                         });
        }
        for (int d = 0; d < 4; ++d) {
            for (bool open : {true, false}) {
                const std::string name = std::to_string(d) + (open ? "" : "1") + ".gif";
                AddKeyedGif(catalog, root + "/Gulpo/" + name, [size = size, d, open] {
                    Canvas canvas(size, size);
                    canvas.SetUnits(100);
                    DrawGulpo(canvas, {50, 50}, 92, d, open);
                    return canvas;
                });
            }
        }
        for (int look = 0; look < 5; ++look) {
            AddKeyedGif(catalog, root + "/Ghosts/ghost" + std::to_string(look) + ".gif",
                        [size = size, look] {
                            Canvas canvas(size, size);
                            canvas.SetUnits(100);
                            DrawGhost(canvas, {50, 50}, 92, look);
                            return canvas;
                        });
        }
    }
    AddKeyedGif(catalog, "Gfx/Tamblo/gulpoSmile.gif", [] { return Face(true); });
    AddKeyedGif(catalog, "Gfx/Tamblo/gulpoSad.gif", [] { return Face(false); });
    AddOpaqueGif(catalog, "Gfx/Tamblo/tambloSpeedImage.gif", [] { return PlayerSpeed().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Tamblo/ghostSpeedImage.gif", [] { return GhostSpeed().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Tamblo/maxNumGhostsImage.gif", [] { return GhostCount().Opaque(); });

    AddWav(catalog, "Sfx/Tamblo/move.wav", Move);
    AddWav(catalog, "Sfx/Tamblo/eat.wav", Eat);
    AddWav(catalog, "Sfx/Tamblo/won.wav", Won);
    AddWav(catalog, "Sfx/Tamblo/boo.wav", Boo);
    AddWav(catalog, "Sfx/Tamblo/ahh.wav", Ahh);
    AddWav(catalog, "Sfx/Tamblo/rotate.wav", Rotate);
    AddWav(catalog, "Sfx/Tamblo/click.wav", Click);
    AddMidi(catalog, "Music/tambloTune.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
