// The glyph strokes of our lettering and the layout of a line of text.
#include "assets/Lettering.h"

#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace assetgen {

namespace {

struct Glyph {
    double width = 0;
    std::vector<std::vector<Vec>> strokes;
};

// Strokes are separated by ';'. A stroke lists points "x,y" and arcs "(cx,cy,rx,ry,a0,a1)" whose
// points continue the stroke; y grows downwards, the baseline is at 6.
struct GlyphSource {
    char c;
    double width;
    const char* strokes;
};

constexpr GlyphSource Sources[] = {
    {'A', 4.4, "0,6 2.2,0 4.4,6;0.8,4 3.6,4"},
    {'B', 4, "0,6 0,0 2.3,0 (2.3,1.5,1.5,1.5,-90,90) 0,3;0,3 2.5,3 (2.5,4.5,1.5,1.5,-90,90) 0,6"},
    {'C', 4, "(2.3,3,2.3,3,-40,-320)"},
    {'D', 4.2, "0,0 0,6 1.4,6 (1.4,3,2.8,3,90,-90) 0,0"},
    {'E', 3.6, "3.6,0 0,0 0,6 3.6,6;0,3 2.8,3"},
    {'F', 3.6, "3.6,0 0,0 0,6;0,3 2.8,3"},
    {'G', 4.4, "(2.3,3,2.3,3,-40,-345) 4.4,3.4 2.6,3.4"},
    {'H', 4, "0,0 0,6;4,0 4,6;0,3 4,3"},
    {'I', 2, "1,0 1,6;0,0 2,0;0,6 2,6"},
    {'J', 3.6, "3.6,0 3.6,4.2 (1.8,4.2,1.8,1.8,0,180)"},
    {'K', 4, "0,0 0,6;4,0 0,3.8;1.4,2.8 4,6"},
    {'L', 3.6, "0,0 0,6 3.6,6"},
    {'M', 5, "0,6 0,0 2.5,4 5,0 5,6"},
    {'N', 4, "0,6 0,0 4,6 4,0"},
    {'O', 4.6, "(2.3,3,2.3,3,0,360)"},
    {'P', 4, "0,6 0,0 2.3,0 (2.3,1.6,1.7,1.6,-90,90) 0,3.2"},
    {'Q', 4.6, "(2.3,3,2.3,3,0,360);2.8,4.3 4.6,6.2"},
    {'R', 4, "0,6 0,0 2.3,0 (2.3,1.6,1.7,1.6,-90,90) 0,3.2;2.2,3.2 4,6"},
    {'S', 4, "(2,1.5,1.9,1.5,-20,-270) (2,4.5,2,1.5,-90,160)"},
    {'T', 4.4, "0,0 4.4,0;2.2,0 2.2,6"},
    {'U', 4, "0,0 0,4 (2,4,2,2,180,0) 4,0"},
    {'V', 4.4, "0,0 2.2,6 4.4,0"},
    {'W', 5.6, "0,0 1.4,6 2.8,2 4.2,6 5.6,0"},
    {'X', 4, "0,0 4,6;4,0 0,6"},
    {'Y', 4.4, "0,0 2.2,3 4.4,0;2.2,3 2.2,6"},
    {'Z', 4, "0,0 4,0 0,6 4,6"},
    {'a', 3.4, "(1.6,4,1.6,2,0,360);3.3,2 3.3,6"},
    {'b', 3.4, "0,0 0,6;(1.7,4,1.7,2,0,360)"},
    {'c', 3.2, "(1.7,4,1.7,2,-45,-315)"},
    {'d', 3.4, "3.4,0 3.4,6;(1.7,4,1.7,2,0,360)"},
    {'e', 3.4, "0,4 3.4,4 (1.7,4,1.7,2,0,-320)"},
    {'f', 2.6, "2.6,0.3 1.6,0 (1.6,1,1,1,-90,-180) 0.6,6;0,2.3 2.4,2.3"},
    {'g', 3.4, "(1.7,4,1.7,2,0,360);3.4,2 3.4,6.5 (1.7,6.5,1.7,1.5,0,150)"},
    {'h', 3.4, "0,0 0,6;0,3.8 (1.7,3.8,1.7,1.8,180,360) 3.4,6"},
    {'i', 1, "0.5,2 0.5,6;0.5,0.5 0.5,0.6"},
    {'j', 2, "1.5,2 1.5,6.8 (0.5,6.8,1,1.2,0,150);1.5,0.5 1.5,0.6"},
    {'k', 3.2, "0,0 0,6;3.2,2 0,4.4;1.2,3.6 3.2,6"},
    {'l', 1, "0.5,0 0.5,6"},
    {'m', 5.6,
     "0,2 0,6;0,3.6 (1.4,3.6,1.4,1.6,180,360) 2.8,6;2.8,3.6 (4.2,3.6,1.4,1.6,180,360) 5.6,6"},
    {'n', 3.4, "0,2 0,6;0,3.8 (1.7,3.8,1.7,1.8,180,360) 3.4,6"},
    {'o', 3.6, "(1.8,4,1.8,2,0,360)"},
    {'p', 3.4, "0,2 0,8;(1.7,4,1.7,2,0,360)"},
    {'q', 3.4, "3.4,2 3.4,8;(1.7,4,1.7,2,0,360)"},
    {'r', 2.6, "0,2 0,6;0,4 (2,4,2,1.9,180,285)"},
    {'s', 3.2, "(1.6,3,1.5,1,-20,-270) (1.6,5,1.6,1,-90,160)"},
    {'t', 2.6, "1,0.6 1,5 (2,5,1,1,180,80);0,2 2.4,2"},
    {'u', 3.4, "0,2 0,4.2 (1.7,4.2,1.7,1.8,180,0);3.4,2 3.4,6"},
    {'v', 3.6, "0,2 1.8,6 3.6,2"},
    {'w', 5, "0,2 1.2,6 2.5,3 3.8,6 5,2"},
    {'x', 3.4, "0,2 3.4,6;3.4,2 0,6"},
    {'y', 3.6, "0,2 1.8,6;3.6,2 1.3,7.5 0.6,8"},
    {'z', 3.4, "0,2 3.4,2 0,6 3.4,6"},
    {'0', 4, "(2,3,2,3,0,360)"},
    {'1', 3.4, "0.6,1.3 2,0 2,6;0.6,6 3.4,6"},
    {'2', 4, "(2,1.8,1.9,1.8,-160,30) 0,6 4,6"},
    {'3', 4, "(2,1.5,1.8,1.5,-160,90) (2,4.5,2,1.5,-90,160)"},
    {'4', 4, "3,6 3,0 0,4.2 4,4.2"},
    {'5', 4, "3.8,0 0.5,0 0.3,2.7 (1.9,4.1,2,1.9,-125,150)"},
    {'6', 4, "3.2,0 1.2,2.6 0.2,4.2;(2.05,4.2,1.9,1.8,0,360)"},
    {'7', 4, "0,0 4,0 1.5,6"},
    {'8', 4, "(2,1.5,1.7,1.5,0,360);(2,4.5,2,1.5,0,360)"},
    {'9', 4, "(1.95,1.8,1.9,1.8,0,360);3.8,1.8 2.8,3.4 0.8,6"},
    {'.', 1, "0.5,5.9 0.5,6"},
    {',', 1, "0.6,5.6 0.2,7"},
    {'_', 4, "0,7 4,7"},
    {'-', 2.6, "0,3.6 2.6,3.6"},
    {'+', 4, "2,1.6 2,5.6;0,3.6 4,3.6"},
    {'/', 3, "3,0 0,6"},
    {':', 1, "0.5,2.6 0.5,2.7;0.5,5.9 0.5,6"},
    {'!', 1, "0.5,0 0.5,4.2;0.5,5.9 0.5,6"},
    {'?', 3.6, "(1.8,1.6,1.8,1.6,-160,90) 1.8,4.2;1.8,5.9 1.8,6"},
    {'\'', 1, "0.5,0 0.5,1.6"},
    {' ', 2.4, ""},
};

std::vector<double> Numbers(const std::string& s)
{
    std::vector<double> values;
    const char* p = s.c_str();
    char* end = nullptr;
    while (*p != '\0') {
        const double v = std::strtod(p, &end);
        if (end == p) {
            ++p;
            continue;
        }
        values.push_back(v);
        p = end;
    }
    return values;
}

Glyph Parse(const GlyphSource& source)
{
    Glyph glyph{source.width, {}};
    std::vector<Vec> stroke;
    const std::string text = source.strokes;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ';') {
            glyph.strokes.push_back(stroke);
            stroke.clear();
            ++i;
        } else if (c == '(') {
            const std::size_t close = text.find(')', i);
            const std::vector<double> v = Numbers(text.substr(i + 1, close - i - 1));
            const int steps = std::max(4, static_cast<int>(std::abs(v[5] - v[4]) / 12));
            for (int k = 0; k <= steps; ++k) {
                stroke.push_back(
                    OnEllipse({v[0], v[1]}, v[2], v[3], v[4] + (v[5] - v[4]) * k / steps));
            }
            i = close + 1;
        } else if (c == ' ') {
            ++i;
        } else {
            std::size_t next = text.find_first_of(" ;(", i);
            if (next == std::string::npos) {
                next = text.size();
            }
            const std::vector<double> v = Numbers(text.substr(i, next - i));
            stroke.push_back({v[0], v[1]});
            i = next;
        }
    }
    if (!stroke.empty()) {
        glyph.strokes.push_back(stroke);
    }
    return glyph;
}

const std::map<char, Glyph>& Glyphs()
{
    static const std::map<char, Glyph> glyphs = [] {
        std::map<char, Glyph> m;
        for (const GlyphSource& s : Sources) {
            m[s.c] = Parse(s);
        }
        return m;
    }();
    return glyphs;
}

const Glyph& GlyphOf(char c)
{
    const auto& glyphs = Glyphs();
    auto it = glyphs.find(c);
    return it != glyphs.end() ? it->second : glyphs.at('?');
}

} // namespace

double TextWidth(std::string_view text, const TextStyle& style)
{
    const double unit = style.capHeight / 6.0;
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        width += GlyphOf(text[i]).width * unit;
        if (i + 1 < text.size()) {
            width += style.spacing * style.capHeight + 2 * style.weight * style.capHeight;
        }
    }
    return width;
}

Shape Text(std::string_view text, Vec at, const TextStyle& style, Align align)
{
    const double unit = style.capHeight / 6.0;
    const double radius = style.weight * style.capHeight;
    const double width = TextWidth(text, style);
    double x = at.x - (align == Align::Centre ? width / 2 : align == Align::Right ? width : 0);
    const double top = at.y - style.capHeight;
    std::vector<Shape> parts;
    for (char c : text) {
        const Glyph& glyph = GlyphOf(c);
        for (const std::vector<Vec>& stroke : glyph.strokes) {
            std::vector<Vec> points;
            for (const Vec& p : stroke) {
                points.push_back({x + p.x * unit, top + p.y * unit});
            }
            parts.push_back(Polyline(points, radius));
        }
        x += glyph.width * unit + style.spacing * style.capHeight + 2 * radius;
    }
    if (parts.empty()) {
        return Circle(at, 0);
    }
    return Union(std::move(parts));
}

} // namespace assetgen
