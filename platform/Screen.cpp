// The screen: every visible form composed into one 800 x 600 picture, framed when smaller than the
// screen; which form takes input; the screen window's title, icon and pointer shape.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/Picture.h"
#include "platform/Screenshot.h"
#include "platform/WindowSystem.h"

namespace platform::detail {
namespace {

constexpr Color DesktopColor = Rgb(0, 0, 0);
constexpr Color FrameColor = Rgb(96, 96, 96);
constexpr Color ActiveCaptionColor = Rgb(0, 0, 128);
constexpr Color InactiveCaptionColor = Rgb(128, 128, 128);
constexpr Color CaptionTextColor = Rgb(255, 255, 255);
constexpr Color CloseBoxColor = Rgb(192, 192, 192);
constexpr std::int32_t CloseBoxSize = 16;

// A context with a bitmap of its own, released with it.
class Canvas {
public:
    Canvas() = default;
    ~Canvas()
    {
        if (dc_ != 0) {
            SelectObject(dc_, original_);
            DeleteObject(bitmap_);
            DeleteDC(dc_);
        }
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Hdc Dc()
    {
        if (dc_ == 0) {
            dc_ = CreateCompatibleDC(0);
            bitmap_ = CreateCompatibleBitmap(0, ScreenWidth, ScreenHeight); // colour
            original_ = SelectObject(dc_, bitmap_);
        }
        return dc_;
    }

private:
    Hdc dc_ = 0;
    Hbitmap bitmap_ = 0;
    Hgdiobj original_ = 0;
};

struct ScreenState {
    ScreenState() { changed.reserve(ScreenHeight); }
    Canvas screen;
    Canvas scratch; // a framed form's client area with its controls painted over it
    // The picture last presented, in the window's pixel order; empty when none was shown yet.
    Bitmap shown;
    // The same picture as it was composed: rows compare against it with the library's fastest
    // memory compare, and only rows that differ are converted to the window's order.
    Bitmap composed;
    std::vector<Rect> changed; // the bands of rows the last present changed
    std::string title = "\x01";
    std::string iconPath = "\x01";
};

// Never destroyed: its contexts would otherwise be released after the drawing layer's own state
// at the end of the process.
ScreenState& State()
{
    static ScreenState* const state = new ScreenState;
    return *state;
}

void DrawFrame(Hdc dc, const Form& form, bool active)
{
    const std::int32_t left = form.Left();
    const std::int32_t top = form.Top();
    const std::int32_t right = left + form.Width();
    const std::int32_t bottom = top + form.Height();
    FillBox(dc, left, top, right - 1, bottom - 1, FrameColor);
    FillBox(dc, left + FrameWidth, top + FrameWidth, right - FrameWidth - 1,
            top + FrameWidth + CaptionHeight - 1,
            active ? ActiveCaptionColor : InactiveCaptionColor);
    const Rect box = CloseBoxRect(form);
    FillBox(dc, box.left, box.top, box.right - 1, box.bottom - 1, CloseBoxColor);
    DrawLine(dc, box.left + 4, box.top + 4, box.right - 5, box.bottom - 5, 0, 2);
    DrawLine(dc, box.left + 4, box.bottom - 5, box.right - 5, box.top + 4, 0, 2);
    if (!form.Caption().empty()) {
        const Color oldColor = SetTextColor(dc, CaptionTextColor);
        TextMetrics metrics;
        GetTextMetrics(dc, &metrics);
        TextOut(dc, left + FrameWidth + 4, top + FrameWidth + (CaptionHeight - metrics.height) / 2,
                form.Caption());
        SetTextColor(dc, oldColor);
    }
}

bool HasShownControls(const Form& form)
{
    return std::any_of(form.Controls().begin(), form.Controls().end(),
                       [](const Control* control) { return control->IsShown(); });
}

// Controls are painted container before contents, then in the order they were created.
void PaintControls(Form& form, Hdc dc)
{
    std::int32_t maxDepth = 0;
    for (const Control* control : form.Controls()) {
        maxDepth = std::max(maxDepth, ContainerDepth(*control));
    }
    for (std::int32_t level = 0; level <= maxDepth; ++level) {
        for (Control* control : form.Controls()) {
            if (ContainerDepth(*control) == level && control->IsShown()) {
                const Rect rect = control->ClientRect();
                FormAccess::Paint(*control, dc, rect.left, rect.top);
            }
        }
    }
}

} // namespace

void MarkDirty()
{
    System().screenDirty = true;
}

Point ClientOrigin(const Form& form)
{
    if (form.FillsScreen()) {
        return {0, 0};
    }
    return {form.Left() + FrameWidth, form.Top() + FrameWidth + CaptionHeight};
}

Rect CloseBoxRect(const Form& form)
{
    if (form.FillsScreen()) {
        return {};
    }
    const std::int32_t right = form.Left() + form.Width() - FrameWidth - 2;
    const std::int32_t top = form.Top() + FrameWidth + (CaptionHeight - CloseBoxSize) / 2;
    return {right - CloseBoxSize, top, right, top + CloseBoxSize};
}

std::int32_t ContainerDepth(const Control& control)
{
    std::int32_t depth = 0;
    for (const Control* c = control.Container(); c != nullptr; c = c->Container()) {
        ++depth;
    }
    return depth;
}

Form* FormAt(Point point)
{
    const auto& zOrder = System().zOrder;
    for (auto it = zOrder.rbegin(); it != zOrder.rend(); ++it) {
        const Form& form = **it;
        if (point.x >= form.Left() && point.x < form.Left() + form.Width() &&
            point.y >= form.Top() && point.y < form.Top() + form.Height()) {
            return *it;
        }
    }
    return nullptr;
}

bool TakesInput(const Form& form)
{
    const WindowSystem& system = System();
    if (system.modalStack.empty()) {
        return true;
    }
    const Form* const modal = system.modalStack.back();
    const auto modalAt = std::find(system.zOrder.begin(), system.zOrder.end(), modal);
    const auto formAt = std::find(system.zOrder.begin(), system.zOrder.end(), &form);
    if (modalAt == system.zOrder.end()) {
        return true;
    }
    return formAt != system.zOrder.end() && formAt >= modalAt;
}

Form* InputForm()
{
    const auto& zOrder = System().zOrder;
    for (auto it = zOrder.rbegin(); it != zOrder.rend(); ++it) {
        if ((*it)->Enabled() && TakesInput(**it)) {
            return *it;
        }
    }
    return nullptr;
}

const Bitmap& ComposeScreen()
{
    ScreenState& state = State();
    const Hdc screen = state.screen.Dc();
    const auto& zOrder = System().zOrder;
    // Forms under the topmost full-size form cannot be seen: composing starts with it.
    auto first = zOrder.begin();
    for (auto it = zOrder.begin(); it != zOrder.end(); ++it) {
        if ((*it)->FillsScreen()) {
            first = it;
        }
    }
    if (first == zOrder.end() || !(*first)->FillsScreen()) {
        FillBox(screen, 0, 0, ScreenWidth - 1, ScreenHeight - 1, DesktopColor);
    }
    const Form* const input = InputForm();
    for (auto it = first; it != zOrder.end(); ++it) {
        Form* const form = *it;
        if (!form->FillsScreen()) {
            DrawFrame(screen, *form, form == input);
        }
        const Point origin = ClientOrigin(*form);
        if (HasShownControls(*form)) {
            const Hdc scratch = state.scratch.Dc();
            BitBlt(scratch, 0, 0, form->ScaleWidth(), form->ScaleHeight(), form->hDC(), 0, 0,
                   SRCCOPY);
            PaintControls(*form, scratch);
            BitBlt(screen, origin.x, origin.y, form->ScaleWidth(), form->ScaleHeight(), scratch, 0,
                   0, SRCCOPY);
        } else {
            BitBlt(screen, origin.x, origin.y, form->ScaleWidth(), form->ScaleHeight(), form->hDC(),
                   0, 0, SRCCOPY);
        }
    }
    return *SelectedBitmap(screen);
}

namespace {

// A picture pixel (0x00BBGGRR) in the window's order (0x00RRGGBB).
std::uint32_t ToWindowOrder(std::uint32_t pixel)
{
    return (pixel & 0xFF00FF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu);
}

#if defined(__SSE2__)
__m128i ToWindowOrder(__m128i pixels)
{
    const __m128i keep = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
    const __m128i low = _mm_set1_epi32(0xFF);
    return _mm_or_si128(_mm_and_si128(pixels, keep),
                        _mm_or_si128(_mm_slli_epi32(_mm_and_si128(pixels, low), 16),
                                     _mm_and_si128(_mm_srli_epi32(pixels, 16), low)));
}
#endif

// Converts one row of a composed picture to the window's pixel order.
void ToWindowRow(std::uint32_t* shown, const std::uint32_t* source, std::int32_t width)
{
    std::int32_t i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= width; i += 4) {
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(shown + i),
            ToWindowOrder(_mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i))));
    }
#endif
    for (; i < width; ++i) {
        shown[i] = ToWindowOrder(source[i]);
    }
}

// Rows this close together are sent as one band: one copy instead of two costs less than it saves.
constexpr std::int32_t BandGap = 8;

// Brings the shown picture up to date with the composed one and lists the bands of rows that
// changed.
void TakeChangedRows(const Bitmap& composed)
{
    ScreenState& state = State();
    Bitmap& shown = state.shown;
    Bitmap& last = state.composed;
    state.changed.clear();
    const bool fresh = shown.width != composed.width || shown.height != composed.height;
    if (fresh) {
        shown = Bitmap(composed.width, composed.height);
        last = Bitmap(composed.width, composed.height);
    }
    const std::size_t rowBytes = static_cast<std::size_t>(composed.width) * sizeof(std::uint32_t);
    for (std::int32_t y = 0; y < composed.height; ++y) {
        if (!fresh && std::memcmp(last.Row(y), composed.Row(y), rowBytes) == 0) {
            continue;
        }
        std::memcpy(last.Row(y), composed.Row(y), rowBytes);
        ToWindowRow(shown.Row(y), composed.Row(y), composed.width);
        if (!state.changed.empty() && y - state.changed.back().bottom < BandGap) {
            state.changed.back().bottom = y + 1;
        } else {
            state.changed.push_back({0, y, composed.width, y + 1});
        }
    }
}

// The picture of the topmost form when it alone makes the screen (it covers the screen exactly
// and shows no controls), so that nothing needs composing; nullptr otherwise.
const Bitmap* SoleForm()
{
    const auto& zOrder = System().zOrder;
    if (zOrder.empty()) {
        return nullptr;
    }
    const Form& top = *zOrder.back();
    if (!top.FillsScreen() || HasShownControls(top)) {
        return nullptr;
    }
    const Bitmap* picture = SelectedBitmap(top.hDC());
    if (picture == nullptr || picture->monochrome || picture->width != ScreenWidth ||
        picture->height != ScreenHeight) {
        return nullptr;
    }
    return picture;
}

} // namespace

void PresentScreen(bool fromRefresh)
{
    System().screenDirty = false;
    const Bitmap* sole = SoleForm();
    TakeChangedRows(sole != nullptr ? *sole : ComposeScreen());
    ScreenState& state = State();
    backend::Current().Present(state.shown, state.changed, fromRefresh);
}

void PresentIfDirty()
{
    if (System().screenDirty) {
        PresentScreen(false);
    }
}

void UpdateScreenWindow()
{
    const auto& zOrder = System().zOrder;
    const Form* top = nullptr;
    for (auto it = zOrder.rbegin(); it != zOrder.rend() && top == nullptr; ++it) {
        if ((*it)->FillsScreen()) {
            top = *it;
        }
    }
    if (top == nullptr && !zOrder.empty()) {
        top = zOrder.back();
    }
    ScreenState& state = State();
    const std::string title = top == nullptr || top->Caption().empty() ? "Vandrel" : top->Caption();
    if (title != state.title) {
        state.title = title;
        backend::Current().SetTitle(title);
    }
    const std::string iconPath = top == nullptr ? std::string() : top->Icon();
    if (iconPath != state.iconPath) {
        state.iconPath = iconPath;
        const std::optional<Bitmap> icon = iconPath.empty() ? std::nullopt : LoadPicture(iconPath);
        backend::Current().SetIcon(icon ? &*icon : nullptr);
    }
}

void UpdatePointerShape()
{
    WindowSystem& system = System();
    const Form* form = system.captureForm != nullptr ? system.captureForm : FormAt(system.pointer);
    const MousePointer shape = form == nullptr ? MousePointer::Default : form->GetMousePointer();
    if (shape != system.shownPointer) {
        system.shownPointer = shape;
        backend::Current().SetPointerShape(shape);
    }
}

void ResetScreenWindow()
{
    State().title = "\x01";
    State().iconPath = "\x01";
    State().shown = Bitmap();
    State().composed = Bitmap();
}

} // namespace platform::detail

namespace platform {

std::optional<Bitmap> CaptureActiveWindow()
{
    const Form* const form = detail::InputForm();
    if (form == nullptr) {
        return std::nullopt;
    }
    const Bitmap& screen = detail::ComposeScreen();
    const Point origin = detail::ClientOrigin(*form);
    Bitmap picture(form->ScaleWidth(), form->ScaleHeight());
    for (std::int32_t y = 0; y < picture.height; ++y) {
        const std::int32_t screenY = origin.y + y;
        for (std::int32_t x = 0; x < picture.width; ++x) {
            const std::int32_t screenX = origin.x + x;
            const bool inside =
                screenX >= 0 && screenY >= 0 && screenX < screen.width && screenY < screen.height;
            picture.Row(y)[x] = inside ? screen.Row(screenY)[screenX] : 0;
        }
    }
    return picture;
}

} // namespace platform
