// The launcher, its options dialog, the high-score window and the splash: background, the six
// game icons with their frames, the global option pictures, import and export, and menu music.
#include <cmath>
#include <string>

#include "assets/Catalog.h"
#include "assets/Compose.h"
#include "assets/Lettering.h"
#include "assets/Lupido.h"
#include "assets/Quadrel.h"
#include "assets/Random.h"
#include "assets/Style.h"
#include "assets/Tamblo.h"
#include "assets/Zentar.h"
#include "games/tamblo/TambloTiles.h"

namespace assetgen {

namespace {

using namespace palette;

constexpr int IconSize = 150;

void Title(Canvas& canvas, Vec at, double capHeight)
{
    const TextStyle style{capHeight, 0.13, 0.16};
    const Shape text = Text("VANDREL", at, style, Align::Centre);
    canvas.FillSoft(Placed(Grow(text, capHeight * 0.12), {{capHeight * 0.06, capHeight * 0.1}}),
                    0x000000, capHeight * 0.12, 0.35);
    canvas.Fill(Grow(text, capHeight * 0.09), Ink);
    canvas.Fill(text, LinearGradient({0, at.y - capHeight}, {0, at.y}, 0xFFEA8A, 0xFFA81E));
    canvas.Fill(Intersect(text, Rect(0, at.y - capHeight * 1.2, 2000, at.y - capHeight * 0.62)),
                White, 0.35);
}

void Confetti(Canvas& canvas, std::uint64_t seed, int count,
              const std::function<double(Vec)>& density)
{
    Random random(seed);
    const Color colours[] = {Red, Gold, Green, 0x5FC8FF, 0xFF74B8, Orange, 0xB07CFF};
    for (int i = 0; i < count; ++i) {
        const Vec p{random.Range(0, canvas.width), random.Range(0, canvas.height)};
        if (!random.Chance(density(p))) {
            continue;
        }
        const Shape piece =
            Placed(Rect(-6, -3, 6, 3, 1), {p, random.Range(0.6, 1.4), random.Range(0, 180)});
        canvas.Fill(piece, colours[random.Int(0, 6)], 0.9);
    }
}

Shape PowerSymbol(Vec c, double r)
{
    return Union(Arc(c, r, r, -60, 240, r * 0.2),
                 Capsule({c.x, c.y - r * 1.15}, {c.x, c.y - r * 0.2}, r * 0.2));
}

Image LauncherBackground()
{
    Canvas canvas(800, 600);
    canvas.Cover(Gradient({0, 0}, {0, 600}, {{0, 0x2450C8}, {0.55, 0x5E9CF0}, {1, 0x9ED2FF}}));
    Random random(401);
    for (int i = 0; i < 26; ++i) {
        const Vec p{random.Range(0, 800), random.Range(0, 600)};
        canvas.FillSoft(Circle(p, random.Range(20, 70)), White, 10, random.Range(0.04, 0.1));
    }
    canvas.Fill(Union(Ellipse({160, 640}, 320, 90), Ellipse({640, 650}, 340, 100)),
                LinearGradient({0, 550}, {0, 600}, 0x6CCB5A, 0x3E9A3A));
    Title(canvas, {400, 108}, 72);
    // The exit and options hotspots have no pictures of their own: their symbols are painted here.
    const Shape exitDisc = Circle({38, 38}, 25);
    canvas.Fill(Grow(exitDisc, 3), Ink);
    canvas.Fill(exitDisc, RadialGradient({32, 30}, 30, Lighter(Red, 0.25), Darker(Red, 0.15)));
    canvas.Fill(PowerSymbol({38, 40}, 12), White);
    const Shape optionsDisc = Circle({761, 39}, 25);
    canvas.Fill(Grow(optionsDisc, 3), Ink);
    canvas.Fill(optionsDisc,
                RadialGradient({755, 31}, 30, Lighter(Blue, 0.25), Darker(Blue, 0.15)));
    canvas.Fill(GearSymbol({761, 39}, 30), White);
    return canvas.Opaque();
}

Image TambloIcon()
{
    Canvas canvas(IconSize, IconSize);
    const int layout[5][5] = {{6, 4, 10, 4, 7},
                              {5, 15, 3, 15, 5},
                              {5, 15, 15, 15, 5},
                              {5, 15, 15, 15, 5},
                              {9, 4, 4, 4, 8}};
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            DrawMazeTile(canvas, {col * 30.0, row * 30.0}, 30, layout[row][col]);
        }
    }
    DrawGulpo(canvas, {52, 88}, 54, 0, true);
    DrawGhost(canvas, {104, 86}, 46, 0);
    return canvas.Opaque();
}

Image ZentarIcon()
{
    Canvas canvas(IconSize, IconSize);
    DrawStarField(canvas, 0x03061A, 0x1A2A66, 70, 402);
    for (int i = 0; i < 3; ++i) {
        DrawAlien(canvas, {30 + i * 45.0, 32}, 42, i * 9 + 3);
    }
    canvas.Fill(Capsule({75, 78}, {75, 90}, 2.5), 0xFFB52E);
    DrawShip(canvas, {45, 104}, 60);
    return canvas.Opaque();
}

Image LupidoIcon()
{
    Canvas canvas(IconSize, IconSize, 0x5CBF4A);
    canvas.Fill(Rect(0, 34, 150, 110), 0x4A4E5A);
    for (int i = 0; i < 6; ++i) {
        canvas.Fill(Rect(i * 28.0 + 4, 70, i * 28.0 + 18, 74), White);
    }
    canvas.Fill(Capsule({8, 52}, {40, 52}, 10), Ink);
    canvas.Fill(Capsule({8, 52}, {40, 52}, 8), Red);
    canvas.Fill(Rect(24, 46, 34, 52, 2), 0xBFE8FF);
    canvas.Fill(Capsule({96, 92}, {134, 92}, 10), Ink);
    canvas.Fill(Capsule({96, 92}, {134, 92}, 8), 0x3A8AF0);
    canvas.Fill(Rect(102, 86, 112, 92, 2), 0xBFE8FF);
    // The flag of the far side.
    canvas.Fill(Rect(118, 4, 121, 30), Ink);
    canvas.Fill(Polygon({{121, 5}, {140, 11}, {121, 17}}), Red);
    // The rabbit on the near side, about to cross.
    DrawRabbit(canvas, {70, 128}, 44, 0, 0);
    return canvas.Opaque();
}

Image KrevinIcon()
{
    Canvas canvas(IconSize, IconSize, 0x101A3A);
    const Color rows[] = {Red, Orange, Gold, Green};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (row == 3 && (col == 1 || col == 2)) {
                continue;
            }
            const Shape brick =
                Rect(col * 29.0 + 4, row * 15.0 + 10, col * 29.0 + 30, row * 15.0 + 23, 2);
            canvas.Fill(Grow(brick, 1), Ink);
            canvas.Fill(brick, LinearGradient({0, row * 15.0 + 10}, {0, row * 15.0 + 23},
                                              Lighter(rows[row], 0.3), rows[row]));
        }
    }
    for (int i = 0; i < 4; ++i) {
        canvas.Fill(Circle({60.0 - i * 7, 104.0 - i * 9}, 2), White, 0.3 + i * 0.1);
    }
    canvas.Fill(Circle({66, 96}, 7), Ink);
    canvas.Fill(Circle({66, 96}, 5.5), RadialGradient({64, 94}, 6, White, 0xC8D8F0));
    const Shape paddle = Rect(44, 126, 106, 138, 6);
    canvas.Fill(Grow(paddle, 2), Ink);
    canvas.Fill(paddle, LinearGradient({0, 126}, {0, 138}, 0x8FD0FF, Blue));
    return canvas.Opaque();
}

Shape Rock(Vec c, double r, std::uint64_t seed)
{
    Random random(seed);
    std::vector<Vec> points;
    for (int i = 0; i < 9; ++i) {
        points.push_back(
            OnEllipse(c, r * random.Range(0.75, 1.05), r * random.Range(0.75, 1.05), i * 40.0));
    }
    return Polygon(points);
}

Image MorvexIcon()
{
    Canvas canvas(IconSize, IconSize);
    DrawStarField(canvas, 0x05030F, 0x1A1030, 70, 403);
    const Vec rocks[] = {{30, 34}, {118, 44}, {112, 118}, {26, 116}};
    const double sizes[] = {22, 16, 24, 12};
    for (int i = 0; i < 4; ++i) {
        const Shape rock = Rock(rocks[i], sizes[i], 404 + static_cast<std::uint64_t>(i));
        canvas.Fill(Grow(rock, 2.5), Ink);
        canvas.Fill(rock, RadialGradient({rocks[i].x - 6, rocks[i].y - 6}, sizes[i] * 1.5, 0xB8A08A,
                                         0x5A4636));
        canvas.Fill(Intersect(rock, Circle({rocks[i].x + 4, rocks[i].y + 2}, sizes[i] * 0.3)),
                    0x4A3A2C, 0.7);
    }
    const Shape ship = Placed(Polygon({{0, -20}, {14, 16}, {0, 9}, {-14, 16}}), {{74, 78}, 1, 35});
    canvas.Fill(Grow(ship, 2.5), Ink);
    canvas.Fill(ship, LinearGradient({60, 60}, {90, 95}, White, 0x9AA6C0));
    canvas.Fill(Placed(Capsule({0, -40}, {0, -30}, 2), {{74, 78}, 1, 35}), 0xFFB52E);
    return canvas.Opaque();
}

Image QuadrelIcon()
{
    Canvas canvas(IconSize, IconSize, 0x1A0E3A);
    for (int i = 1; i < 6; ++i) {
        canvas.Fill(Rect(i * 25.0 - 0.5, 0, i * 25.0 + 0.5, 150), 0x2E1E5A);
        canvas.Fill(Rect(0, i * 25.0 - 0.5, 150, i * 25.0 + 0.5), 0x2E1E5A);
    }
    auto block = [&](int col, int row, Color colour) {
        DrawBlock(canvas, {col * 25.0 + 1, row * 25.0 + 1}, 23, colour);
    };
    for (const auto& [col, row] : {std::pair{2, 0}, {1, 1}, {2, 1}, {3, 1}}) {
        block(col, row, 0xB07CFF);
    }
    const Color stack[] = {Red, Gold, Green, 0x5FC8FF, Orange, 0xFF74B8};
    for (int col = 0; col < 6; ++col) {
        if (col != 4) {
            block(col, 5, stack[col]);
        }
        if (col != 1 && col != 4) {
            block(col, 4, stack[(col + 2) % 6]);
        }
    }
    block(4, 3, Gold);
    return canvas.Opaque();
}

Image InnerFrame()
{
    const double s = IconSize + 8;
    Canvas canvas(IconSize + 8, IconSize + 8, Ink);
    canvas.Fill(Rect(1, 1, s - 1, s - 1), LinearGradient({0, 0}, {s, s}, 0xFFF6D0, 0xE8B84A));
    canvas.Fill(Rect(3, 3, s - 3, s - 3), Ink);
    return canvas.Opaque();
}

// The selection halo: a glowing ring in the band outside the inner frame, which starts 13 pixels
// in; everything else, inside and outside the ring, is the key colour.
Canvas SelectionFrame()
{
    const double s = IconSize + 34;
    Canvas canvas(IconSize + 34, IconSize + 34);
    const Shape ring = Subtract(Rect(1.5, 1.5, s - 1.5, s - 1.5, 22), Rect(11, 11, s - 11, s - 11));
    canvas.Fill(Grow(ring, 1.5), Ink);
    canvas.Fill(ring, LinearGradient({0, 0}, {s, s}, 0xFFF08A, 0xFF8A1E));
    canvas.Fill(
        Intersect(ring, Subtract(Rect(4, 4, s - 4, s - 4, 19), Rect(9, 9, s - 9, s - 9, 13))),
        White, 0.45);
    for (const Vec c : {Vec{7, 7}, Vec{s - 7, 7}, Vec{7, s - 7}, Vec{s - 7, s - 7}}) {
        const Shape sparkle = Star(c, 10, 3, 4, -90);
        canvas.Fill(Grow(sparkle, 1.2), Ink);
        canvas.Fill(sparkle, White);
    }
    return canvas;
}

Canvas ButtonsPicture(int count)
{
    Canvas canvas = Tile(60);
    const Color colours[] = {Red, Blue};
    for (int i = 0; i < count; ++i) {
        const Vec c{count == 1 ? 50.0 : 28.0 + i * 44, 54};
        const double r = count == 1 ? 30 : 19;
        canvas.Fill(Ellipse({c.x, c.y + r * 0.35}, r * 1.1, r * 0.7), Darker(Grey, 0.3));
        const Shape cap = Circle(c, r);
        Outlined(canvas, cap,
                 RadialGradient({c.x - r * 0.3, c.y - r * 0.4}, r * 1.4, Lighter(colours[i], 0.35),
                                colours[i]),
                 3);
        Shine(canvas, cap, {c.x - r * 0.1, c.y - r * 0.5}, r * 0.6, r * 0.3, 0.45);
    }
    return canvas;
}

Canvas HighScorePicture(bool on)
{
    Canvas canvas = Tile(60, on ? TileOn : TileOff);
    const Shape trophy = TrophySymbol({50, 50}, 68);
    canvas.Fill(Grow(trophy, 2.5), on ? Ink : Darker(Grey, 0.3));
    canvas.Fill(trophy, on ? Paint(LinearGradient({30, 20}, {70, 90}, 0xFFE98A, 0xE89A1A))
                           : Paint([](Vec) { return ToRgba(Grey); }));
    if (!on) {
        OffSlash(canvas);
    }
    return canvas;
}

Canvas PauseOnStopPicture(bool on)
{
    Canvas canvas = Tile(60, on ? TileOn : TileOff);
    if (on) {
        canvas.Fill(Outline(Rect(22, 22, 78, 78), 3.5), 0x0000FF);
    }
    const Shape stop = OctagonSymbol({50, 50}, 46);
    canvas.Fill(Grow(stop, 2.5), Ink);
    canvas.Fill(stop, on ? Red : Grey);
    canvas.Fill(Rect(41, 41, 59, 59, 2), White);
    if (!on) {
        OffSlash(canvas);
    }
    return canvas;
}

Canvas TransferPicture(bool import)
{
    Canvas canvas = Tile(40);
    const Shape tray = Polyline({{22, 58}, {22, 80}, {78, 80}, {78, 58}}, 5);
    canvas.Fill(Grow(tray, 2), Ink);
    canvas.Fill(tray, Grey);
    const Shape arrow =
        import ? ArrowSymbol({50, 14}, {50, 66}, 14) : ArrowSymbol({50, 66}, {50, 12}, 14);
    canvas.Fill(Grow(arrow, 3), Ink);
    canvas.Fill(arrow, import ? Blue : Green);
    return canvas;
}

Canvas NameOkPicture()
{
    Canvas canvas = Tile(60);
    const Shape check = CheckSymbol({50, 52}, 64);
    canvas.Fill(Grow(check, 3), Ink);
    canvas.Fill(check, Green);
    return canvas;
}

Canvas ResetPicture()
{
    Canvas canvas = Tile(60);
    const Shape arrow =
        Union(Arc({50, 52}, 26, 26, -40, 230, 6), Polygon({{56, 12}, {80, 28}, {54, 42}}));
    canvas.Fill(Grow(arrow, 3), Ink);
    canvas.Fill(arrow, Orange);
    return canvas;
}

Image HighScoreBackground()
{
    Canvas canvas(800, 600);
    canvas.Cover(Gradient({0, 0}, {0, 600}, {{0, 0x241A6A}, {1, 0x4A2A8A}}));
    // Rays from the top centre, confetti thinning towards the middle where the lists stand.
    for (int i = 0; i < 18; ++i) {
        const double a = i * 20.0;
        canvas.Fill(Polygon({{400, 240},
                             OnEllipse({400, 240}, 900, 900, a),
                             OnEllipse({400, 240}, 900, 900, a + 8)}),
                    White, 0.04);
    }
    Confetti(canvas, 405, 900, [](Vec p) {
        const double dx = std::abs(p.x - 400) / 400;
        return std::clamp((dx - 0.72) * 4, 0.04, 0.9);
    });
    for (double x : {46.0, 754.0}) {
        const Shape trophy = TrophySymbol({x, 540}, 64);
        canvas.Fill(Grow(trophy, 3), Ink);
        canvas.Fill(trophy, LinearGradient({x - 30, 500}, {x + 30, 580}, 0xFFE98A, 0xE89A1A));
    }
    return canvas.Opaque();
}

// The splash: the title and the games' figures above, a calm lower part for its four labels.
Image Splash()
{
    Canvas canvas(400, 300);
    canvas.Cover(Gradient({0, 0}, {0, 300}, {{0, 0x8C76F0}, {0.55, 0xB5A2FE}, {1, 0xD6CBFF}}));
    Random random(406);
    for (int i = 0; i < 30; ++i) {
        canvas.Fill(
            Star({random.Range(0, 400), random.Range(0, 150)}, random.Range(2, 5), 1, 4, -90),
            White, random.Range(0.3, 0.7));
    }
    Title(canvas, {200, 80}, 42);
    DrawGulpo(canvas, {70, 140}, 50, 0, true);
    DrawGhost(canvas, {130, 140}, 46, 3);
    DrawAlien(canvas, {270, 140}, 48, 6);
    DrawShip(canvas, {305, 124}, 50);
    DrawRabbit(canvas, {200, 140}, 46, 0, 0);
    return canvas.Opaque();
}

TuneStyle Tune()
{
    TuneStyle t;
    t.name = "Vandrel";
    t.seed = 0x51DE0F;
    t.tempo = 100;
    t.tonic = 65;
    t.lead = 73;     // flute
    t.arpeggio = 46; // harp
    t.pad = 48;      // strings
    t.bass = 32;     // acoustic bass
    t.groove = Groove::Gentle;
    t.verse = {0, 3, 4, 0, 5, 3, 1, 4};
    t.chorus = {3, 4, 0, 5, 3, 4, 0, 0};
    t.bridge = {5, 1, 4, 0, 5, 1, 3, 4};
    t.plan = "IABABO";
    return t;
}

} // namespace

void AddMenu(Catalog& catalog)
{
    AddJpeg(catalog, "Gfx/Menu/background.jpg", LauncherBackground);
    AddOpaqueGif(catalog, "Gfx/Menu/tambloIcon.gif", TambloIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/zentarIcon.gif", ZentarIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/lupidoIcon.gif", LupidoIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/krevinIcon.gif", KrevinIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/morvexIcon.gif", MorvexIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/quadrelIcon.gif", QuadrelIcon);
    AddOpaqueGif(catalog, "Gfx/Menu/innerFrame.gif", InnerFrame);
    AddKeyedGif(catalog, "Gfx/Menu/frame.gif", SelectionFrame);
    AddJpeg(catalog, "Gfx/Menu/highscoreBackground.jpg", HighScoreBackground);
    AddJpeg(catalog, "Gfx/Menu/splash.jpg", Splash);

    AddOpaqueGif(catalog, "Gfx/Buttons/oneButton.gif", [] { return ButtonsPicture(1).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/twoButtons.gif", [] { return ButtonsPicture(2).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/highscoreOffButton.gif",
                 [] { return HighScorePicture(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/highscoreOnButton.gif",
                 [] { return HighScorePicture(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/pauseOnStopOffButton.gif",
                 [] { return PauseOnStopPicture(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/pauseOnStopOnButton.gif",
                 [] { return PauseOnStopPicture(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/importButton.gif",
                 [] { return TransferPicture(true).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/exportButton.gif",
                 [] { return TransferPicture(false).Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/nameOkButton.gif", [] { return NameOkPicture().Opaque(); });
    AddOpaqueGif(catalog, "Gfx/Buttons/resetScoresButton.gif",
                 [] { return ResetPicture().Opaque(); });
    AddMidi(catalog, "Music/menu.mid", [] { return ComposeTune(Tune()); });
}

} // namespace assetgen
