// The package's shared look: its colours, outlined figures, round keyed buttons, square picture
// tiles, and the symbols that stand for settings instead of words.
#pragma once

#include "assets/Canvas.h"

namespace assetgen {

namespace palette {
inline constexpr Color Ink = 0x1A1C3A;        // outlines and dark symbols
inline constexpr Color DialogBlue = 0x399EFF; // back colour of the options dialogs
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Red = 0xE8473D;
inline constexpr Color Green = 0x2EB35A;
inline constexpr Color Blue = 0x2F6FE0;
inline constexpr Color Gold = 0xFFC531;
inline constexpr Color Orange = 0xFF8A2B;
inline constexpr Color Grey = 0x8D93A5;
inline constexpr Color TileTop = 0xFFFFFF;
inline constexpr Color TileBottom = 0xDCE6F5;
inline constexpr Color TileOn = 0xD9F6D2;
inline constexpr Color TileOff = 0xE4E4EA;
} // namespace palette

// Shapes of a figure drawn in its own units around (0, 0), placed on a canvas.
struct Figure {
    Canvas& canvas;
    Place place;

    Shape At(const Shape& s) const { return Placed(s, place); }
    void Fill(const Shape& s, Color c, double opacity = 1) const { canvas.Fill(At(s), c, opacity); }
    void Fill(const Shape& s, const Paint& p) const { canvas.Fill(At(s), p); }
    // The ink edge around a part: drawn before the part, `width` wide.
    void Edge(const Shape& s, double width) const { canvas.Fill(At(Grow(s, width)), palette::Ink); }
    // A white eye with a pupil shifted towards `look`, outlined.
    void Eye(Vec c, double rx, double ry, Vec look, double pupil) const;
    // A point of the figure in canvas design units.
    Vec Point(Vec local) const;
};

// Fills a shape with an ink outline of the given width around it.
void Outlined(Canvas& canvas, const Shape& shape, Color fill, double outline);
void Outlined(Canvas& canvas, const Shape& shape, const Paint& fill, double outline);
// A soft light on the upper part of a shape, so round things look round.
void Shine(Canvas& canvas, const Shape& shape, Vec centre, double rx, double ry,
           double strength = 0.35);

// A round keyed button in a 100-unit square: outlined disc of `base` with a glossy top.
Canvas DiscButton(int size, Color base, const Shape& symbol, Color symbolColor);
// An opaque square picture tile in a 100-unit square: light face, framed, ready for a symbol.
Canvas Tile(int size, Color face = palette::TileTop);
// The mode picture: a board of 2 x 2 green cells for "easy", 4 x 4 orange ones for "normal".
Canvas ModeButton(bool easy, int size);
// The "off" mark: a red bar across the tile from top left to bottom right.
void OffSlash(Canvas& canvas);
// A 60 x 60 option button showing a picture shrunk inside an ink frame.
Image PreviewTile(const Image& picture);
// A 60 x 60 option button standing for the level's own picture: a framed landscape.
Image LevelPictureTile();

// Three motion lines, longest on top, starting at (x, y) in a 100-unit square: speed settings.
void SpeedLines(Canvas& canvas, double x, double y, Color colour);

// Symbols centred on c, about `size` across, in design units.
Shape CrossSymbol(Vec c, double size);
Shape CheckSymbol(Vec c, double size);
Shape GearSymbol(Vec c, double size);
Shape NoteSymbol(Vec c, double size);
Shape SpeakerSymbol(Vec c, double size, bool waves);
Shape TrophySymbol(Vec c, double size);
Shape OctagonSymbol(Vec c, double size);
Shape ArrowSymbol(Vec from, Vec to, double width);

} // namespace assetgen
