// Median-cut palette reduction over the distinct colours of a picture, weighted by their counts.
#include "assets/Quantize.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace assetgen {

namespace {

struct Entry {
    Color color;
    std::uint32_t count;
};

int Channel(Color c, int channel)
{
    return static_cast<int>((c >> (16 - 8 * channel)) & 0xFF);
}

struct Span {
    std::size_t begin;
    std::size_t end;
    int widest = 0;
    int range = 0;
    double population = 0;
};

void Measure(const std::vector<Entry>& entries, Span& span)
{
    int low[3] = {255, 255, 255};
    int high[3] = {0, 0, 0};
    span.population = 0;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            low[ch] = std::min(low[ch], Channel(entries[i].color, ch));
            high[ch] = std::max(high[ch], Channel(entries[i].color, ch));
        }
        span.population += entries[i].count;
    }
    span.range = -1;
    for (int ch = 0; ch < 3; ++ch) {
        if (high[ch] - low[ch] > span.range) {
            span.range = high[ch] - low[ch];
            span.widest = ch;
        }
    }
}

Color Average(const std::vector<Entry>& entries, const Span& span)
{
    double sum[3] = {0, 0, 0};
    double total = 0;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        for (int ch = 0; ch < 3; ++ch) {
            sum[ch] += Channel(entries[i].color, ch) * static_cast<double>(entries[i].count);
        }
        total += entries[i].count;
    }
    Color c = 0;
    for (int ch = 0; ch < 3; ++ch) {
        c = (c << 8) | static_cast<Color>(std::lround(sum[ch] / total));
    }
    return c;
}

std::vector<Color> MedianCut(std::vector<Entry>& entries, std::size_t colours)
{
    std::vector<Span> spans{{0, entries.size()}};
    Measure(entries, spans[0]);
    while (spans.size() < colours) {
        std::size_t pick = spans.size();
        double best = 0;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const double score = spans[i].range * std::sqrt(spans[i].population);
            if (spans[i].end - spans[i].begin > 1 && score > best) {
                best = score;
                pick = i;
            }
        }
        if (pick == spans.size()) {
            break;
        }
        Span& s = spans[pick];
        const int ch = s.widest;
        std::sort(entries.begin() + static_cast<std::ptrdiff_t>(s.begin),
                  entries.begin() + static_cast<std::ptrdiff_t>(s.end),
                  [ch](const Entry& a, const Entry& b) {
                      const int ca = Channel(a.color, ch);
                      const int cb = Channel(b.color, ch);
                      return ca != cb ? ca < cb : a.color < b.color;
                  });
        double half = s.population / 2;
        std::size_t cut = s.begin + 1;
        for (std::size_t i = s.begin; i + 1 < s.end; ++i) {
            half -= entries[i].count;
            if (half <= 0) {
                cut = i + 1;
                break;
            }
            cut = i + 2;
        }
        cut = std::min(cut, s.end - 1);
        Span upper{cut, s.end};
        s.end = cut;
        Measure(entries, s);
        Measure(entries, upper);
        spans.push_back(upper);
    }
    std::vector<Color> palette;
    for (const Span& s : spans) {
        palette.push_back(Average(entries, s));
    }
    return palette;
}

int Distance(Color a, Color b)
{
    const int dr = Channel(a, 0) - Channel(b, 0);
    const int dg = Channel(a, 1) - Channel(b, 1);
    const int db = Channel(a, 2) - Channel(b, 2);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

} // namespace

Indexed Quantize(const Image& image, std::optional<Color> key)
{
    std::unordered_map<Color, std::uint32_t> counts;
    for (Color c : image.pixels) {
        if (!key || c != *key) {
            ++counts[c];
        }
    }
    std::vector<Entry> entries;
    entries.reserve(counts.size());
    for (const auto& [color, count] : counts) {
        entries.push_back({color, count});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.color < b.color; });

    const std::size_t first = key ? 1 : 0;
    const std::size_t room = 256 - first;
    std::vector<Color> figure;
    if (entries.size() <= room) {
        for (const Entry& e : entries) {
            figure.push_back(e.color);
        }
    } else {
        figure = MedianCut(entries, room);
    }

    Indexed out;
    if (key) {
        out.palette.push_back(*key);
        for (Color& c : figure) {
            if (c == *key) {
                c ^= 0x010001;
            }
        }
    }
    for (Color c : figure) {
        out.palette.push_back(c);
    }

    std::unordered_map<Color, std::uint8_t> lookup;
    if (key) {
        lookup[*key] = 0;
    }
    out.indices.reserve(image.pixels.size());
    for (Color c : image.pixels) {
        auto it = lookup.find(c);
        if (it == lookup.end()) {
            std::size_t best = first;
            int bestDistance = Distance(c, out.palette[first]);
            for (std::size_t i = first + 1; i < out.palette.size(); ++i) {
                const int d = Distance(c, out.palette[i]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            it = lookup.emplace(c, static_cast<std::uint8_t>(best)).first;
        }
        out.indices.push_back(it->second);
    }
    return out;
}

} // namespace assetgen
