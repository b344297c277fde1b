// Handle tables of contexts and bitmaps, selecting and deleting, colours, pixels and rectangles.
#include "platform/Gdi.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <utility>

#include "platform/GdiObjects.h"

namespace platform {
namespace detail {
namespace {

// Larger bitmaps than this (64 Mi pixels) are refused rather than risk exhausting memory.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 26;

struct Tables {
    std::int32_t nextHandle = 1;
    std::unordered_map<Hdc, DcState> contexts;
    std::unordered_map<Hgdiobj, BitmapObject> bitmaps;
};

// Never destroyed: windows that live until the program ends release their contexts during exit.
Tables& State()
{
    static Tables& tables = *new Tables;
    return tables;
}

} // namespace

std::int32_t NewHandle()
{
    auto& state = State();
    if (state.nextHandle == std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return state.nextHandle++;
}

DcState* FindDc(Hdc dc)
{
    auto& contexts = State().contexts;
    const auto found = contexts.find(dc);
    return found == contexts.end() ? nullptr : &found->second;
}

BitmapObject* FindBitmap(Hgdiobj object)
{
    auto& bitmaps = State().bitmaps;
    const auto found = bitmaps.find(object);
    return found == bitmaps.end() ? nullptr : &found->second;
}

namespace {

bool AcceptableSize(std::int32_t width, std::int32_t height)
{
    return width > 0 && height > 0 && std::int64_t{width} * height <= MaxPixels;
}

Hbitmap AddBitmap(Bitmap bitmap)
{
    const auto handle = NewHandle();
    if (handle != 0) {
        State().bitmaps.emplace(handle, BitmapObject{std::move(bitmap), 0});
    }
    return handle;
}

} // namespace
} // namespace detail

using detail::FindBitmap;
using detail::FindDc;

Bitmap::Bitmap(std::int32_t w, std::int32_t h, bool mono)
    : width(std::max(w, 0)), height(std::max(h, 0)), monochrome(mono),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u)
{
}

Hdc CreateCompatibleDC(Hdc reference)
{
    if (reference != 0 && FindDc(reference) == nullptr) {
        return 0;
    }
    const auto bitmap = detail::AddBitmap(Bitmap(1, 1, true));
    const auto dc = bitmap == 0 ? 0 : detail::NewHandle();
    if (dc == 0) {
        detail::State().bitmaps.erase(bitmap);
        return 0;
    }
    auto* object = FindBitmap(bitmap);
    object->selectedInto = dc;
    detail::DcState state;
    state.bitmap = bitmap;
    state.selected = object;
    state.ownedBitmap = bitmap;
    state.font = detail::DefaultFont();
    detail::State().contexts.emplace(dc, state);
    return dc;
}

bool DeleteDC(Hdc dc)
{
    auto* state = FindDc(dc);
    if (state == nullptr) {
        return false;
    }
    state->selected->selectedInto = 0;
    if (state->ownedBitmap != 0) {
        detail::State().bitmaps.erase(state->ownedBitmap);
    }
    detail::State().contexts.erase(dc);
    return true;
}

Hbitmap CreateCompatibleBitmap(Hdc reference, std::int32_t width, std::int32_t height)
{
    bool mono = false;
    if (reference != 0) {
        const auto* selected = SelectedBitmap(reference);
        if (selected == nullptr) {
            return 0;
        }
        mono = selected->monochrome;
    }
    if (!detail::AcceptableSize(width, height)) {
        return 0;
    }
    return detail::AddBitmap(Bitmap(width, height, mono));
}

Hbitmap CreateBitmap(std::int32_t width, std::int32_t height, std::uint32_t planes,
                     std::uint32_t bitsPerPixel, const void* bits)
{
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32) ||
        !detail::AcceptableSize(width, height)) {
        return 0;
    }
    Bitmap bitmap(width, height, bitsPerPixel == 1);
    if (bits != nullptr && bitsPerPixel == 32) {
        const auto* source = static_cast<const std::uint32_t*>(bits);
        std::transform(source, source + bitmap.pixels.size(), bitmap.pixels.begin(),
                       [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
    } else if (bits != nullptr) {
        // Rows of bits, most significant bit first, each row padded to a multiple of 16 bits.
        const auto* source = static_cast<const std::uint8_t*>(bits);
        const std::size_t stride = (static_cast<std::size_t>(width) + 15) / 16 * 2;
        for (std::int32_t y = 0; y < height; ++y) {
            const auto* row = source + stride * static_cast<std::size_t>(y);
            auto* out = bitmap.Row(y);
            for (std::int32_t x = 0; x < width; ++x) {
                out[x] = (row[x / 8] >> (7 - x % 8)) & 1u;
            }
        }
    }
    return detail::AddBitmap(std::move(bitmap));
}

Hbitmap CreateBitmapFrom(Bitmap bitmap)
{
    if (bitmap.width < 0 || bitmap.height < 0 ||
        bitmap.pixels.size() !=
            static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
        return 0;
    }
    const std::uint32_t mask = bitmap.monochrome ? 1u : 0x00FFFFFFu;
    for (auto& pixel : bitmap.pixels) {
        pixel = bitmap.monochrome ? (pixel != 0 ? 1u : 0u) : pixel & mask;
    }
    return detail::AddBitmap(std::move(bitmap));
}

Hgdiobj SelectObject(Hdc dc, Hgdiobj object)
{
    auto* state = FindDc(dc);
    if (state == nullptr) {
        return 0;
    }
    if (detail::IsFont(object)) {
        return std::exchange(state->font, object);
    }
    auto* bitmap = FindBitmap(object);
    if (bitmap == nullptr || (bitmap->selectedInto != 0 && bitmap->selectedInto != dc)) {
        return 0;
    }
    const auto previous = state->bitmap;
    if (previous == object) {
        return previous;
    }
    state->selected->selectedInto = 0;
    bitmap->selectedInto = dc;
    state->bitmap = object;
    state->selected = bitmap;
    if (previous == state->ownedBitmap) {
        state->ownedBitmap = 0; // the caller owns it now
    }
    return previous;
}

bool DeleteObject(Hgdiobj object)
{
    if (detail::IsFont(object)) {
        return true;
    }
    const auto* bitmap = FindBitmap(object);
    if (bitmap == nullptr || bitmap->selectedInto != 0) {
        return false;
    }
    detail::State().bitmaps.erase(object);
    return true;
}

Bitmap* SelectedBitmap(Hdc dc)
{
    const auto* state = FindDc(dc);
    return state == nullptr ? nullptr : &state->selected->bitmap;
}

Color SetBkColor(Hdc dc, Color color)
{
    auto* state = FindDc(dc);
    return state == nullptr ? ClrInvalid : std::exchange(state->backColor, color & 0x00FFFFFF);
}

Color GetBkColor(Hdc dc)
{
    const auto* state = FindDc(dc);
    return state == nullptr ? ClrInvalid : state->backColor;
}

Color SetTextColor(Hdc dc, Color color)
{
    auto* state = FindDc(dc);
    return state == nullptr ? ClrInvalid : std::exchange(state->textColor, color & 0x00FFFFFF);
}

Color GetTextColor(Hdc dc)
{
    const auto* state = FindDc(dc);
    return state == nullptr ? ClrInvalid : state->textColor;
}

Color GetPixel(Hdc dc, std::int32_t x, std::int32_t y)
{
    const auto* bitmap = SelectedBitmap(dc);
    if (bitmap == nullptr || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) {
        return ClrInvalid;
    }
    return detail::ShownColor(*bitmap, bitmap->Row(y)[x]);
}

Color SetPixel(Hdc dc, std::int32_t x, std::int32_t y, Color color)
{
    auto* bitmap = SelectedBitmap(dc);
    if (bitmap == nullptr || x < 0 || y < 0 || x >= bitmap->width || y >= bitmap->height) {
        return ClrInvalid;
    }
    const auto value = detail::StoredValue(*bitmap, color);
    bitmap->Row(y)[x] = value;
    return detail::ShownColor(*bitmap, value);
}

bool IntersectRect(Rect* dst, const Rect* a, const Rect* b)
{
    if (dst == nullptr || a == nullptr || b == nullptr) {
        return false;
    }
    const Rect overlap{std::max(a->left, b->left), std::max(a->top, b->top),
                       std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (overlap.left >= overlap.right || overlap.top >= overlap.bottom) {
        *dst = Rect{};
        return false;
    }
    *dst = overlap;
    return true;
}

} // namespace platform
