// List boxes: items, selection, the first line shown, the height in whole lines and the scroll bar.
#include "platform/ListBox.h"

#include <algorithm>

#include "platform/Ascii.h"
#include "platform/Clock.h"
#include "platform/ControlPaint.h"
#include "platform/Form.h"
#include "platform/Input.h"

namespace platform {
namespace {

constexpr std::int32_t Border = detail::FocusRingWidth;
constexpr std::int32_t TextIndent = 4;
constexpr std::int32_t BarWidth = 22;

bool IsAlphanumeric(char c)
{
    return (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z');
}

} // namespace

ListBox::ListBox(Form& parent)
    : StyledControl(parent, detail::FieldColor, detail::TextColor), bar_(parent)
{
    bar_.SetContainer(this);
    bar_.SetFocusable(false);
    bar_.SetTabStop(false);
    bar_.SetVisible(false);
    bar_.SetSmallChange(1);
    bar_.Change = [this](std::int16_t) { SetTopIndex(bar_.Value()); };
    bar_.Scroll = bar_.Change;
    bar_.MouseDown = [this](std::int16_t, std::int16_t, std::int16_t, float, float) { SetFocus(); };
}

void ListBox::AddItem(std::string_view item, std::int32_t index)
{
    const auto count = ListCount();
    const std::int32_t at = index < 0 || index > count ? count : index;
    items_.insert(items_.begin() + at, std::string(item));
    if (listIndex_ >= at) {
        ++listIndex_;
    }
    UpdateBar();
    Invalidate();
}

void ListBox::RemoveItem(std::int32_t index)
{
    if (index < 0 || index >= ListCount()) {
        return;
    }
    items_.erase(items_.begin() + index);
    if (listIndex_ == index) {
        listIndex_ = -1;
    } else if (listIndex_ > index) {
        --listIndex_;
    }
    UpdateBar();
    Invalidate();
}

void ListBox::Clear()
{
    items_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    UpdateBar();
    Invalidate();
}

const std::string& ListBox::List(std::int32_t index) const
{
    static const std::string none;
    return index < 0 || index >= ListCount() ? none : items_[static_cast<std::size_t>(index)];
}

void ListBox::SetList(std::int32_t index, std::string_view item)
{
    if (index >= 0 && index < ListCount()) {
        items_[static_cast<std::size_t>(index)] = item;
        Invalidate();
    }
}

void ListBox::SetListIndex(std::int32_t index)
{
    Select(index, true);
}

void ListBox::SetTopIndex(std::int32_t index)
{
    const std::int32_t top = std::clamp(index, 0, std::max(ListCount() - VisibleLines(), 0));
    if (top == topIndex_) {
        return;
    }
    topIndex_ = top;
    bar_.SetValue(static_cast<std::int16_t>(std::min(top, 32767)));
    Invalidate();
}

std::int32_t ListBox::VisibleLines() const
{
    return std::max((Height() - 2 * Border) / ItemHeight(), 1);
}

std::int32_t ListBox::ItemHeight() const
{
    return detail::FontHeight(Font());
}

void ListBox::Select(std::int32_t index, bool raiseClick)
{
    const std::int32_t selected = index < 0 || index >= ListCount() ? -1 : index;
    if (selected == listIndex_) {
        return;
    }
    listIndex_ = selected;
    ShowLine(selected);
    Invalidate();
    if (raiseClick && Click) {
        Click(Index());
    }
}

void ListBox::ShowLine(std::int32_t index)
{
    if (index < 0) {
        return;
    }
    if (index < topIndex_) {
        SetTopIndex(index);
    } else if (index >= topIndex_ + VisibleLines()) {
        SetTopIndex(index - VisibleLines() + 1);
    }
}

bool ListBox::BarShown() const
{
    return ListCount() > VisibleLines();
}

void ListBox::UpdateBar()
{
    const bool shown = BarShown();
    bar_.Move(Width() - Border - BarWidth, Border, BarWidth, Height() - 2 * Border);
    bar_.SetMin(0);
    bar_.SetMax(static_cast<std::int16_t>(std::clamp(ListCount() - VisibleLines(), 0, 32767)));
    bar_.SetLargeChange(static_cast<std::int16_t>(std::min(VisibleLines(), 32767)));
    bar_.SetVisible(shown);
    SetTopIndex(topIndex_);
}

void ListBox::OnResize()
{
    // A move that keeps the rounded height (a new width, say) keeps the height asked for.
    if (!rounding_ && Height() != roundedHeight_) {
        heightAsked_ = Height();
    }
    const std::int32_t lines = std::max((heightAsked_ - 2 * Border) / ItemHeight(), 1);
    roundedHeight_ = lines * ItemHeight() + 2 * Border;
    if (roundedHeight_ != Height()) {
        rounding_ = true;
        SetHeight(roundedHeight_);
        rounding_ = false;
    }
    UpdateBar();
}

void ListBox::OnFontChanged()
{
    rounding_ = true;
    OnResize();
    rounding_ = false;
}

void ListBox::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    detail::Fill(dc, rect, BackColor());
    Rect lines = detail::Inset(rect, Border);
    if (BarShown()) {
        lines.right -= BarWidth;
    }
    const std::int32_t height = ItemHeight();
    const std::int32_t last = std::min(topIndex_ + VisibleLines(), ListCount());
    for (std::int32_t i = topIndex_; i < last; ++i) {
        const Rect line{lines.left, lines.top + (i - topIndex_) * height, lines.right,
                        lines.top + (i - topIndex_ + 1) * height};
        Color ink = InkColor();
        if (i == listIndex_) {
            detail::Fill(dc, line, detail::HighlightColor);
            ink = detail::HighlightTextColor;
        }
        detail::DrawText(dc, line, line.left + TextIndent, line.top,
                         items_[static_cast<std::size_t>(i)], Font(), ink);
    }
    if (HasFocus()) {
        detail::DrawFocusRing(dc, rect);
    } else {
        detail::Outline(dc, rect, detail::EdgeColor, 1);
    }
}

void ListBox::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    clickedLine_ = -1;
    const auto row = static_cast<std::int32_t>(y) - Border;
    if (button == vbLeftButton && row >= 0 && static_cast<std::int32_t>(x) >= Border &&
        static_cast<std::int32_t>(x) < Width() - Border) {
        const std::int32_t line = topIndex_ + row / ItemHeight();
        if (line < std::min(topIndex_ + VisibleLines(), ListCount())) {
            clickedLine_ = line;
            Select(line, false);
        }
    }
    InputControl::OnMouseDown(button, shift, x, y);
}

void ListBox::OnClick()
{
    if (clickedLine_ < 0) {
        return;
    }
    InputControl::OnClick();
    const std::int64_t now = NowMs();
    if (clickedLine_ == lastClickLine_ && now - lastClickMs_ <= DoubleClickMs) {
        lastClickLine_ = -1;
        if (DblClick && Parent().IsLoaded()) {
            DblClick(Index());
        }
        return;
    }
    lastClickLine_ = clickedLine_;
    lastClickMs_ = now;
}

void ListBox::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    InputControl::OnKeyDown(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys() || ListCount() == 0) {
        return;
    }
    const std::int32_t page = std::max(VisibleLines() - 1, 1);
    const std::int32_t last = ListCount() - 1;
    switch (keyCode) {
    case vbKeyUp:
        Select(listIndex_ < 0 ? 0 : std::max(listIndex_ - 1, 0), true);
        break;
    case vbKeyDown:
        Select(std::min(listIndex_ + 1, last), true);
        break;
    case vbKeyPageUp:
        Select(std::max(listIndex_ - page, 0), true);
        break;
    case vbKeyPageDown:
        Select(std::min(std::max(listIndex_, 0) + page, last), true);
        break;
    case vbKeyHome:
        Select(0, true);
        break;
    case vbKeyEnd:
        Select(last, true);
        break;
    default:
        break;
    }
}

void ListBox::OnKeyPress(std::int16_t& keyAscii)
{
    InputControl::OnKeyPress(keyAscii);
    const auto wanted = static_cast<char>(keyAscii);
    if (keyAscii < 0 || keyAscii > 126 || !IsAlphanumeric(wanted) || !KeepsKeys()) {
        return;
    }
    // The next line after the selected one whose first letter or digit is the one typed (marks
    // before it, as the brackets around a folder's name, are passed over), wrapping around.
    const std::int32_t count = ListCount();
    for (std::int32_t step = 1; step <= count; ++step) {
        const std::int32_t i = (std::max(listIndex_, -1) + step) % count;
        const std::string& item = items_[static_cast<std::size_t>(i)];
        const auto first = std::find_if(item.begin(), item.end(), IsAlphanumeric);
        if (first != item.end() && AsciiLower(*first) == AsciiLower(wanted)) {
            Select(i, true);
            return;
        }
    }
}

} // namespace platform
