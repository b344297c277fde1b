// Raster copies between bitmaps: BitBlt with its raster operations and the monochrome conversions,
// and the colour-keyed copy. Every copy is clipped to both bitmaps and works row by row.
#include <algorithm>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/Gdi.h"
#include "platform/GdiObjects.h"

namespace platform {
namespace {

// The part of a copy that lies inside both bitmaps.
struct Region {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t sx = 0;
    std::int32_t sy = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

bool Clip(const Bitmap& dst, const Bitmap& src, std::int32_t x, std::int32_t y, std::int32_t width,
          std::int32_t height, std::int32_t sx, std::int32_t sy, Region* region)
{
    std::int64_t dx = x;
    std::int64_t dy = y;
    std::int64_t srcX = sx;
    std::int64_t srcY = sy;
    std::int64_t w = width;
    std::int64_t h = height;
    const auto shift = [](std::int64_t& low, std::int64_t& other, std::int64_t& size) {
        if (low < 0) {
            other -= low;
            size += low;
            low = 0;
        }
    };
    shift(dx, srcX, w);
    shift(srcX, dx, w);
    shift(dy, srcY, h);
    shift(srcY, dy, h);
    w = std::min({w, dst.width - dx, src.width - srcX});
    h = std::min({h, dst.height - dy, src.height - srcY});
    if (w <= 0 || h <= 0) {
        return false;
    }
    *region = Region{static_cast<std::int32_t>(dx),   static_cast<std::int32_t>(dy),
                     static_cast<std::int32_t>(srcX), static_cast<std::int32_t>(srcY),
                     static_cast<std::int32_t>(w),    static_cast<std::int32_t>(h)};
    return true;
}

// Walks the region row by row; within one bitmap a copy that moves right or down runs backwards,
// so that no source pixel is overwritten before it is read.
template <typename PixelOp>
void ForEachPixel(Bitmap& dst, const Bitmap& src, const Region& r, PixelOp op)
{
    const bool backwards = &dst == &src && (r.y > r.sy || (r.y == r.sy && r.x > r.sx));
    for (std::int32_t j = 0; j < r.height; ++j) {
        const std::int32_t row = backwards ? r.height - 1 - j : j;
        std::uint32_t* d = dst.Row(r.y + row) + r.x;
        const std::uint32_t* s = src.Row(r.sy + row) + r.sx;
        if (backwards) {
            for (std::int32_t i = r.width - 1; i >= 0; --i) {
                d[i] = op(d[i], s[i]);
            }
        } else {
            for (std::int32_t i = 0; i < r.width; ++i) {
                d[i] = op(d[i], s[i]);
            }
        }
    }
}

// The source value as the destination's format sees it. Colour to monochrome: the source
// context's background colour becomes 1 (white), every other colour 0. Monochrome to colour:
// 0 becomes the destination's text colour, 1 its background colour.
struct Conversion {
    enum class Kind { None, ColorToMono, MonoToColor } kind = Kind::None;
    std::uint32_t background = 0;
    std::uint32_t zero = 0;
    std::uint32_t one = 0;

    std::uint32_t Apply(std::uint32_t s) const
    {
        switch (kind) {
        case Kind::ColorToMono:
            return s == background ? 1u : 0u;
        case Kind::MonoToColor:
            return s != 0 ? one : zero;
        case Kind::None:
            break;
        }
        return s;
    }
};

Conversion ConversionFor(const Bitmap& dst, const Bitmap& src, const detail::DcState& dstDc,
                         const detail::DcState& srcDc)
{
    Conversion conversion;
    if (!src.monochrome && dst.monochrome) {
        conversion.kind = Conversion::Kind::ColorToMono;
        conversion.background = static_cast<std::uint32_t>(srcDc.backColor);
    } else if (src.monochrome && !dst.monochrome) {
        conversion.kind = Conversion::Kind::MonoToColor;
        conversion.zero = static_cast<std::uint32_t>(dstDc.textColor);
        conversion.one = static_cast<std::uint32_t>(dstDc.backColor);
    }
    return conversion;
}

template <typename Rop>
void CopyConverted(Bitmap& dst, const Bitmap& src, const Region& r, const Conversion& c, Rop rop)
{
    if (c.kind == Conversion::Kind::None) {
        ForEachPixel(dst, src, r, rop);
    } else {
        ForEachPixel(dst, src, r,
                     [&](std::uint32_t d, std::uint32_t s) { return rop(d, c.Apply(s)); });
    }
}

// One row of a colour-keyed copy between colour bitmaps, front to back. Groups of pixels are
// blended through a mask of the key pixels, which keeps the loop free of branches.
void KeyedRowPortable(std::uint32_t* d, const std::uint32_t* s, std::int32_t count,
                      std::uint32_t key)
{
    std::int32_t i = 0;
#if defined(__SSE2__)
    const __m128i keys = _mm_set1_epi32(static_cast<int>(key));
    for (; i + 4 <= count; i += 4) {
        const __m128i source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i target = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i isKey = _mm_cmpeq_epi32(source, keys);
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(d + i),
            _mm_or_si128(_mm_and_si128(isKey, target), _mm_andnot_si128(isKey, source)));
    }
#endif
    for (; i < count; ++i) {
        d[i] = s[i] == key ? d[i] : s[i];
    }
}

#if defined(__x86_64__)
// The same, eight pixels at a time, on processors that have AVX2.
__attribute__((target("avx2"))) void KeyedRowAvx2(std::uint32_t* d, const std::uint32_t* s,
                                                  std::int32_t count, std::uint32_t key)
{
    const __m256i keys = _mm256_set1_epi32(static_cast<int>(key));
    std::int32_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i source = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
        const __m256i target = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
        const __m256i isKey = _mm256_cmpeq_epi32(source, keys);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i),
                            _mm256_blendv_epi8(source, target, isKey));
    }
    KeyedRowPortable(d + i, s + i, count - i, key);
}

using KeyedRowFunction = void (*)(std::uint32_t*, const std::uint32_t*, std::int32_t,
                                  std::uint32_t);
const KeyedRowFunction KeyedRow = [] {
    __builtin_cpu_init(); // this runs among the static constructors
    return __builtin_cpu_supports("avx2") ? KeyedRowAvx2 : KeyedRowPortable;
}();
#else
constexpr auto* KeyedRow = &KeyedRowPortable;
#endif

void Fill(Bitmap& dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
          std::uint32_t value)
{
    Region r;
    if (!Clip(dst, dst, x, y, width, height, x, y, &r)) {
        return;
    }
    for (std::int32_t j = 0; j < r.height; ++j) {
        std::fill_n(dst.Row(r.y + j) + r.x, r.width, value);
    }
}

} // namespace

bool BitBlt(Hdc dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
            Hdc src, std::int32_t sx, std::int32_t sy, std::uint32_t rop)
{
    auto* dstDc = detail::FindDc(dst);
    if (dstDc == nullptr) {
        return false;
    }
    Bitmap& to = dstDc->selected->bitmap;
    const std::uint32_t mask = to.monochrome ? 1u : 0x00FFFFFFu;
    if (rop == BLACKNESS || rop == WHITENESS) {
        Fill(to, x, y, width, height, rop == BLACKNESS ? 0u : mask);
        return true;
    }
    const auto* srcDc = detail::FindDc(src);
    if (srcDc == nullptr) {
        return false;
    }
    const Bitmap& from = srcDc->selected->bitmap;
    Region r;
    if (!Clip(to, from, x, y, width, height, sx, sy, &r)) {
        return true;
    }
    const auto conversion = ConversionFor(to, from, *dstDc, *srcDc);
    switch (rop) {
    case SRCCOPY:
        if (conversion.kind == Conversion::Kind::None) {
            // Row copies; memmove keeps an overlapping copy within one bitmap right.
            const bool upwards = &to == &from && r.y > r.sy;
            for (std::int32_t j = 0; j < r.height; ++j) {
                const std::int32_t row = upwards ? r.height - 1 - j : j;
                std::memmove(to.Row(r.y + row) + r.x, from.Row(r.sy + row) + r.sx,
                             static_cast<std::size_t>(r.width) * sizeof(std::uint32_t));
            }
        } else {
            CopyConverted(to, from, r, conversion,
                          [](std::uint32_t, std::uint32_t s) { return s; });
        }
        return true;
    case SRCPAINT:
        CopyConverted(to, from, r, conversion,
                      [](std::uint32_t d, std::uint32_t s) { return d | s; });
        return true;
    case SRCAND:
        CopyConverted(to, from, r, conversion,
                      [](std::uint32_t d, std::uint32_t s) { return d & s; });
        return true;
    case SRCINVERT:
        CopyConverted(to, from, r, conversion,
                      [](std::uint32_t d, std::uint32_t s) { return d ^ s; });
        return true;
    case NOTSRCCOPY:
        CopyConverted(to, from, r, conversion,
                      [mask](std::uint32_t, std::uint32_t s) { return ~s & mask; });
        return true;
    default:
        return false;
    }
}

bool TransparentBlt(Hdc dst, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, Hdc src, std::int32_t sx, std::int32_t sy, Color key)
{
    auto* dstDc = detail::FindDc(dst);
    const auto* srcDc = detail::FindDc(src);
    if (dstDc == nullptr || srcDc == nullptr) {
        return false;
    }
    Bitmap& to = dstDc->selected->bitmap;
    const Bitmap& from = srcDc->selected->bitmap;
    Region r;
    if (!Clip(to, from, x, y, width, height, sx, sy, &r)) {
        return true;
    }
    // The key is compared with the source pixel as GetPixel reads it; a key above 0xFFFFFF (such
    // as -1) equals no pixel, so the copy is opaque.
    const auto keyValue = static_cast<std::uint32_t>(key);
    const auto conversion = ConversionFor(to, from, *dstDc, *srcDc);
    const bool backwards = &to == &from && (r.y > r.sy || (r.y == r.sy && r.x > r.sx));
    if (conversion.kind == Conversion::Kind::None && !from.monochrome && !backwards) {
        for (std::int32_t j = 0; j < r.height; ++j) {
            KeyedRow(to.Row(r.y + j) + r.x, from.Row(r.sy + j) + r.sx, r.width, keyValue);
        }
        return true;
    }
    ForEachPixel(to, from, r, [&](std::uint32_t d, std::uint32_t s) {
        return static_cast<std::uint32_t>(detail::ShownColor(from, s)) == keyValue
                   ? d
                   : conversion.Apply(s);
    });
    return true;
}

} // namespace platform
