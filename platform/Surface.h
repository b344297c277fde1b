// A drawing surface with a persistent back buffer: what a window or a picture box offers to code
// that draws on it (its context, pen width, lines and boxes, text position, font, colours, Print).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Gdi.h"
#include "platform/Text.h"

namespace platform {

class Surface {
public:
    Surface();
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // The back buffer's context; it is both source and destination of copies. 0 before the first
    // Resize.
    Hdc hDC() const { return dc_; }
    // Gives the back buffer a new size; its pixels are kept where they fit, the rest is BackColor.
    void Resize(std::int32_t width, std::int32_t height);
    std::int32_t ScaleWidth() const { return width_; }
    std::int32_t ScaleHeight() const { return height_; }

    std::int32_t DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(std::int32_t width);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color color); // also clears the surface, as setting a back colour does
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color color);
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);

    double CurrentX = 0;
    double CurrentY = 0;

    // Line (x1, y1)-(x2, y2): a line, an unfilled box (box) or a filled box (box and fill) in the
    // pen width; colour -1 draws in ForeColor. Moves the text position to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, Color color = ClrInvalid,
              bool box = false, bool fill = false);
    // Prints text at the text position in ForeColor, background transparent, then moves the text
    // position to the start of the next line.
    void Print(std::string_view text);
    void Cls(); // fills with BackColor, text position to (0, 0)

    // HIMETRIC (hundredths of a millimetre) to pixels; pictures load at their pixel size, so these
    // answer the picture's pixels for the HIMETRIC size that LoadPicture reports.
    static double HimetricToPixelsX(double himetric);
    static double HimetricToPixelsY(double himetric);
    static double PixelsToHimetricX(double pixels);
    static double PixelsToHimetricY(double pixels);

protected:
    // Called after drawing, so that a window can mark itself for presenting.
    virtual void Invalidate() {}

private:
    Hdc dc_ = 0;
    Hbitmap bitmap_ = 0;
    Hgdiobj originalBitmap_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t drawWidth_ = 1;
    Color backColor_ = Rgb(0xF0, 0xF0, 0xF0);
    Color foreColor_ = 0;
    FontSpec font_;
};

} // namespace platform
