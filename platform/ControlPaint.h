// Inside the platform: the look shared by the dialog controls (colours, focus ring, selected frame)
// and drawing helpers that keep text and pictures inside a control's rectangle.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Text.h"

namespace platform::detail {

// Flat and high in contrast: dark edges on light faces, a black-and-amber focus ring and a
// white-and-black frame on selected picture buttons, so that each state reads at a glance.
inline constexpr Color FaceColor = Rgb(232, 232, 232);
inline constexpr Color PressedFaceColor = Rgb(190, 190, 190);
inline constexpr Color FieldColor = Rgb(255, 255, 255);
inline constexpr Color EdgeColor = Rgb(64, 64, 64);
inline constexpr Color TextColor = Rgb(0, 0, 0);
inline constexpr Color DisabledTextColor = Rgb(128, 128, 128);
inline constexpr Color HighlightColor = Rgb(0, 70, 160);
inline constexpr Color HighlightTextColor = Rgb(255, 255, 255);
inline constexpr Color FocusColor = Rgb(255, 190, 0);
inline constexpr Color FocusEdgeColor = Rgb(0, 0, 0);
inline constexpr Color TrackColor = Rgb(200, 200, 200);
inline constexpr Color ThumbColor = Rgb(80, 80, 80);

// The focus ring covers the outer FocusRingWidth pixels of a control; the selected frame of a
// picture button lies just inside it, so both show at once.
inline constexpr std::int32_t FocusRingWidth = 3;
inline constexpr std::int32_t SelectedFrameWidth = 4;

// The default font of the controls: larger than the desktop's, for people with low vision.
FontSpec ControlFont();

Rect MakeRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
Rect Inset(const Rect& rect, std::int32_t by);
bool Contains(const Rect& rect, std::int32_t x, std::int32_t y);

// Rectangles are right- and bottom-exclusive; nothing is drawn for an empty one.
void Fill(Hdc dc, const Rect& rect, Color color);
// An outline of the given width inside the rectangle.
void Outline(Hdc dc, const Rect& rect, Color color, std::int32_t width);
void DrawFocusRing(Hdc dc, const Rect& rect);
void DrawSelectedFrame(Hdc dc, const Rect& rect);
// A filled disc of the given diameter with its bounding square's top-left corner at (x, y).
void FillDisc(Hdc dc, std::int32_t x, std::int32_t y, std::int32_t diameter, Color color);
// A filled triangle pointing left, right, up or down, centred in the rectangle.
enum class Direction : std::uint8_t { Left, Right, Up, Down };
void FillArrow(Hdc dc, const Rect& rect, Direction direction, Color color);

Size MeasureText(const FontSpec& font, std::string_view text);
std::int32_t FontHeight(const FontSpec& font);
// Breaks text into lines at line ends and, where a line is wider than width, between words (a word
// wider than width stands alone on its line). The lines are parts of text.
void WrapText(const FontSpec& font, std::string_view text, std::int32_t width,
              std::vector<std::string_view>& lines);
// Text with its top-left corner at (x, y), only the part inside clip drawn.
void DrawText(Hdc dc, const Rect& clip, std::int32_t x, std::int32_t y, std::string_view text,
              const FontSpec& font, Color color);
// A picture with its top-left corner at (x, y), only the part inside clip drawn.
void DrawPicture(Hdc dc, const Rect& clip, std::int32_t x, std::int32_t y, const Bitmap& picture);
// A picture centred in the rectangle (cut to it when larger).
void DrawPictureCentred(Hdc dc, const Rect& rect, const Bitmap& picture, std::int32_t shift = 0);

} // namespace platform::detail
