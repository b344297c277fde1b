// Lays out the pictures of a folder tree in rows on a grey sheet, small ones enlarged.
#include "assets/Sheet.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/Canvas.h"
#include "assets/Lettering.h"
#include "assets/PictureFiles.h"

namespace assetgen {

namespace {

constexpr int SheetWidth = 1700;
constexpr int Gap = 16;
constexpr int CaptionHeight = 34;
constexpr int MaxThumbWidth = 240;
constexpr int MaxThumbHeight = 180;

struct Tile {
    std::string name;
    std::string size;
    Image thumb;
    int width = 0;
};

bool IsPicture(const std::filesystem::path& p)
{
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return ext == ".gif" || ext == ".jpg" || ext == ".ico";
}

// Names compared with their numbers as numbers, so that background2 comes before background10.
bool NaturalLess(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const std::string x = a.generic_string();
    const std::string y = b.generic_string();
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < x.size() && j < y.size()) {
        if (std::isdigit(static_cast<unsigned char>(x[i])) != 0 &&
            std::isdigit(static_cast<unsigned char>(y[j])) != 0) {
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < x.size() && std::isdigit(static_cast<unsigned char>(x[ei])) != 0) {
                ++ei;
            }
            while (ej < y.size() && std::isdigit(static_cast<unsigned char>(y[ej])) != 0) {
                ++ej;
            }
            const std::string nx = x.substr(i, ei - i);
            const std::string ny = y.substr(j, ej - j);
            if (nx.size() != ny.size()) {
                return nx.size() < ny.size();
            }
            if (nx != ny) {
                return nx < ny;
            }
            i = ei;
            j = ej;
        } else {
            if (x[i] != y[j]) {
                return x[i] < y[j];
            }
            ++i;
            ++j;
        }
    }
    return x.size() - i < y.size() - j;
}

// Small pictures are enlarged by whole steps, pixel for pixel, so their edges can be checked.
Image Thumbnail(const Image& image)
{
    if (image.width > MaxThumbWidth || image.height > MaxThumbHeight) {
        const double f = std::min(static_cast<double>(MaxThumbWidth) / image.width,
                                  static_cast<double>(MaxThumbHeight) / image.height);
        return Scaled(image, static_cast<int>(image.width * f), static_cast<int>(image.height * f));
    }
    int factor = 1;
    while (std::max(image.width, image.height) * (factor + 1) <= 128) {
        ++factor;
    }
    Image out(image.width * factor, image.height * factor);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.At(x, y) = image.At(x / factor, y / factor);
        }
    }
    return out;
}

} // namespace

bool WriteContactSheet(const std::filesystem::path& folder, const std::filesystem::path& file)
{
    std::vector<std::filesystem::path> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file() && IsPicture(entry.path())) {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end(), NaturalLess);
    if (paths.empty()) {
        return false;
    }

    const TextStyle caption{9, 0.1, 0.3};
    std::vector<Tile> tiles;
    for (const auto& path : paths) {
        auto image = ReadPicture(path);
        if (!image) {
            std::fprintf(stderr, "vandrel: cannot read %s\n", path.c_str());
            return false;
        }
        Tile tile;
        tile.name = std::filesystem::relative(path, folder).generic_string();
        tile.size = std::to_string(image->width) + " x " + std::to_string(image->height);
        tile.thumb = Thumbnail(*image);
        tile.width =
            std::max({tile.thumb.width, static_cast<int>(TextWidth(tile.name, caption)) + 4,
                      static_cast<int>(TextWidth(tile.size, caption)) + 4});
        tiles.push_back(std::move(tile));
    }

    // Rows are filled left to right; each row is as tall as its tallest thumbnail.
    struct Placed {
        int x, y;
    };
    std::vector<Placed> places;
    int x = Gap, y = Gap, rowHeight = 0;
    for (const Tile& t : tiles) {
        if (x + t.width + Gap > SheetWidth && x > Gap) {
            x = Gap;
            y += rowHeight + CaptionHeight + Gap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += t.width + Gap;
        rowHeight = std::max(rowHeight, t.thumb.height);
    }
    const int height = y + rowHeight + CaptionHeight + Gap;

    Canvas sheet(SheetWidth, height, 0x8A8A8A);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const Tile& t = tiles[i];
        const Placed& p = places[i];
        sheet.Put(t.thumb, p.x, p.y);
        const double below = p.y + t.thumb.height;
        sheet.Fill(Text(t.name, {p.x + 2.0, below + 14}, caption), 0x000000);
        sheet.Fill(Text(t.size, {p.x + 2.0, below + 28}, caption), 0x202040);
    }
    return WritePng(sheet.Opaque(), file);
}

} // namespace assetgen
