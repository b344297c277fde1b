// The letterboxed, nearest-pixel placement of the screen picture in a window.
#include "platform/Letterbox.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

std::uint32_t SwapRedBlue(std::uint32_t pixel)
{
    return (pixel & 0x0000FF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu);
}

// First window offset showing a picture offset: the smallest w with w * picture / window >= p.
std::int32_t FirstShowing(std::int32_t p, std::int32_t window, std::int32_t picture)
{
    return static_cast<std::int32_t>((static_cast<std::int64_t>(p) * window + picture - 1) /
                                     picture);
}

} // namespace

Letterbox::Letterbox(std::int32_t windowWidth, std::int32_t windowHeight)
    : windowWidth_(std::max(windowWidth, 0)), windowHeight_(std::max(windowHeight, 0))
{
    // One factor for both axes, the one that fits; the other side gets the rounded size.
    const std::int64_t w = windowWidth_;
    const std::int64_t h = windowHeight_;
    std::int64_t width = w;
    std::int64_t height = h;
    if (w * ScreenHeight <= h * ScreenWidth) {
        height = (w * ScreenHeight + ScreenWidth / 2) / ScreenWidth;
    } else {
        width = (h * ScreenWidth + ScreenHeight / 2) / ScreenHeight;
    }
    const auto left = static_cast<std::int32_t>((w - width) / 2);
    const auto top = static_cast<std::int32_t>((h - height) / 2);
    picture_ = {left, top, left + static_cast<std::int32_t>(width),
                top + static_cast<std::int32_t>(height)};
    sourceColumns_.resize(static_cast<std::size_t>(width));
    for (std::int64_t x = 0; x < width; ++x) {
        sourceColumns_[static_cast<std::size_t>(x)] =
            static_cast<std::int32_t>(x * ScreenWidth / width);
    }
}

Point Letterbox::ToPicture(Point window) const
{
    const std::int32_t width = picture_.right - picture_.left;
    const std::int32_t height = picture_.bottom - picture_.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const std::int64_t x = std::clamp(window.x - picture_.left, 0, width - 1);
    const std::int64_t y = std::clamp(window.y - picture_.top, 0, height - 1);
    return {static_cast<std::int32_t>(x * ScreenWidth / width),
            static_cast<std::int32_t>(y * ScreenHeight / height)};
}

Point Letterbox::ToWindow(Point picture) const
{
    const std::int32_t width = picture_.right - picture_.left;
    const std::int32_t height = picture_.bottom - picture_.top;
    const std::int32_t x = std::clamp(picture.x, 0, ScreenWidth - 1);
    const std::int32_t y = std::clamp(picture.y, 0, ScreenHeight - 1);
    return {picture_.left + std::min(FirstShowing(x, width, ScreenWidth), std::max(width - 1, 0)),
            picture_.top +
                std::min(FirstShowing(y, height, ScreenHeight), std::max(height - 1, 0))};
}

Rect Letterbox::Draw(const Bitmap& picture, std::int32_t first, std::int32_t last,
                     std::uint32_t* window, std::int32_t pitchPixels, bool swapRedBlue,
                     bool bars) const
{
    const std::int32_t width = picture_.right - picture_.left;
    const std::int32_t height = picture_.bottom - picture_.top;
    first = std::clamp(first, 0, ScreenHeight);
    last = std::clamp(last, first - 1, ScreenHeight - 1);
    const std::int32_t top = bars ? 0 : picture_.top + FirstShowing(first, height, ScreenHeight);
    const std::int32_t bottom =
        bars ? windowHeight_ : picture_.top + FirstShowing(last + 1, height, ScreenHeight);
    const std::uint32_t* previousSource = nullptr;
    const std::uint32_t* previousRow = nullptr;
    for (std::int32_t y = top; y < bottom; ++y) {
        std::uint32_t* const row = window + static_cast<std::ptrdiff_t>(y) * pitchPixels;
        if (y < picture_.top || y >= picture_.bottom) {
            std::fill(row, row + windowWidth_, 0u);
            continue;
        }
        if (bars) {
            std::fill(row, row + picture_.left, 0u);
            std::fill(row + picture_.right, row + windowWidth_, 0u);
        }
        const auto sourceY = static_cast<std::int32_t>(static_cast<std::int64_t>(y - picture_.top) *
                                                       ScreenHeight / height);
        const std::uint32_t* const source = picture.Row(sourceY);
        std::uint32_t* const out = row + picture_.left;
        // Rows shown twice are copied from the window row above.
        if (source == previousSource) {
            std::memcpy(out, previousRow, static_cast<std::size_t>(width) * sizeof(std::uint32_t));
            continue;
        }
        if (width == ScreenWidth && !swapRedBlue) {
            std::memcpy(out, source, static_cast<std::size_t>(width) * sizeof(std::uint32_t));
        } else if (width == ScreenWidth) {
            std::transform(source, source + width, out, SwapRedBlue);
        } else if (swapRedBlue) {
            for (std::int32_t x = 0; x < width; ++x) {
                out[x] = SwapRedBlue(source[sourceColumns_[static_cast<std::size_t>(x)]]);
            }
        } else {
            for (std::int32_t x = 0; x < width; ++x) {
                out[x] = source[sourceColumns_[static_cast<std::size_t>(x)]];
            }
        }
        previousSource = source;
        previousRow = out;
    }
    return {0, top, windowWidth_, std::max(top, bottom)};
}

} // namespace platform
