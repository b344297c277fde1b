// GameUtil::BlitTransparent: the colour-keyed copy behind every transparent sprite. It gives the
// pixels of the classic three-copy mask method (source XOR, mask AND, source XOR) without building
// the mask: nothing is allocated per call.
#include <algorithm>
#include <cstdint>

#include "platform/Gdi.h"
#include "toolkit/GameUtil.h"

namespace GameUtil {
namespace {

// The rare copies with a monochrome side. Through a mask, a monochrome source is transparent where
// its bits are 1 and paints the destination's text colour where they are 0; a monochrome
// destination keeps its bit under transparent pixels and turns 0 under all others.
void KeyedCopyWithMonochrome(platform::Bitmap& to, const platform::Bitmap& from, std::int32_t x,
                             std::int32_t y, std::int32_t width, std::int32_t height,
                             std::uint32_t key, std::uint32_t textColor)
{
    const std::int64_t i0 = std::max<std::int64_t>(0, -std::int64_t{x});
    const std::int64_t j0 = std::max<std::int64_t>(0, -std::int64_t{y});
    const std::int64_t i1 = std::min<std::int64_t>({width, from.width, to.width - std::int64_t{x}});
    const std::int64_t j1 =
        std::min<std::int64_t>({height, from.height, to.height - std::int64_t{y}});
    const std::uint32_t paint = to.monochrome ? 0u : textColor;
    for (std::int64_t j = j0; j < j1; ++j) {
        const std::uint32_t* s = from.Row(static_cast<std::int32_t>(j));
        std::uint32_t* d = to.Row(static_cast<std::int32_t>(y + j)) + x;
        for (std::int64_t i = i0; i < i1; ++i) {
            const bool transparent = from.monochrome ? s[i] != 0 : s[i] == key;
            if (!transparent) {
                d[i] = paint;
            }
        }
    }
}

} // namespace

void BlitTransparent(platform::Hdc dest, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, platform::Hdc src, [[maybe_unused]] std::int32_t srcX,
                     [[maybe_unused]] std::int32_t srcY, platform::Color key)
{
    // A frame without a picture draws nothing, rather than the mask's black box.
    const platform::Bitmap* from = platform::SelectedBitmap(src);
    platform::Bitmap* to = platform::SelectedBitmap(dest);
    if (from == nullptr || to == nullptr || width <= 0 || height <= 0) {
        return;
    }
    if (std::int64_t{x} + width <= 0 || x >= to->width || std::int64_t{y} + height <= 0 ||
        y >= to->height) {
        return;
    }
    // The key takes effect as the source's background colour, which holds 24 bits.
    const platform::Color key24 = key & 0x00FFFFFF;
    if (!from->monochrome && !to->monochrome) {
        platform::TransparentBlt(dest, x, y, width, height, src, 0, 0, key24);
    } else {
        KeyedCopyWithMonochrome(*to, *from, x, y, width, height, static_cast<std::uint32_t>(key24),
                                static_cast<std::uint32_t>(platform::GetTextColor(dest)));
    }
    // Where the block reaches beyond the source picture the mask is black, and so is the
    // destination after the copy.
    const std::int32_t sw = std::min(width, from->width);
    const std::int32_t sh = std::min(height, from->height);
    platform::BitBlt(dest, x + sw, y, width - sw, sh, 0, 0, 0, platform::BLACKNESS);
    platform::BitBlt(dest, x, y + sh, width, height - sh, 0, 0, 0, platform::BLACKNESS);
}

} // namespace GameUtil
