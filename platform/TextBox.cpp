// Text boxes: editing at the caret, keeping the caret in view, and drawing the box.
#include "platform/TextBox.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/ControlPaint.h"
#include "platform/Input.h"
#include "platform/Utf8.h"

namespace platform {
namespace {

constexpr std::int32_t Padding = 3;    // between the focus ring and the text
constexpr std::int32_t CaretWidth = 2; // wide enough to find at a glance

} // namespace

TextBox::TextBox(Form& parent) : StyledControl(parent, detail::FieldColor, detail::TextColor) {}

void TextBox::SetText(std::string_view text)
{
    Edit(std::string(text), static_cast<std::int32_t>(utf8::CharacterCount(text)));
}

void TextBox::SetMaxLength(std::int32_t length)
{
    maxLength_ = std::max(length, 0);
}

void TextBox::SetSelStart(std::int32_t position)
{
    MoveCaret(position);
}

void TextBox::OnPaint(Hdc dc, std::int32_t x, std::int32_t y)
{
    const Rect rect = detail::MakeRect(x, y, Width(), Height());
    detail::Fill(dc, rect, BackColor());
    if (HasFocus()) {
        detail::DrawFocusRing(dc, rect);
    } else {
        detail::Outline(dc, rect, detail::EdgeColor, 1);
    }
    const Rect area = TextArea(x, y);
    const std::int32_t top = area.top + (area.bottom - area.top - detail::FontHeight(Font())) / 2;
    detail::DrawText(dc, area, area.left - scroll_, top, text_, Font(), InkColor());
    if (HasFocus()) {
        const std::int32_t caretX = area.left + CaretOffset(caret_) - scroll_;
        const std::int32_t height = detail::FontHeight(Font());
        detail::Fill(dc,
                     Rect{std::max(caretX - CaretWidth / 2, area.left), std::max(top, area.top),
                          std::min(caretX + CaretWidth - CaretWidth / 2, area.right),
                          std::min(top + height, area.bottom)},
                     InkColor());
    }
}

void TextBox::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y)
{
    if (button == vbLeftButton) {
        // The caret goes to the character boundary nearest to the pointer.
        const float along = x - static_cast<float>(TextArea(0, 0).left - scroll_);
        std::int32_t best = 0;
        float bestDistance = -1;
        for (std::int32_t position = 0; position <= Length(); ++position) {
            const float distance = std::abs(static_cast<float>(CaretOffset(position)) - along);
            if (bestDistance < 0 || distance < bestDistance) {
                best = position;
                bestDistance = distance;
            }
        }
        MoveCaret(best);
    }
    InputControl::OnMouseDown(button, shift, x, y);
}

void TextBox::OnKeyDown(std::int16_t& keyCode, std::int16_t shift)
{
    InputControl::OnKeyDown(keyCode, shift);
    if (keyCode == 0 || !KeepsKeys()) {
        return;
    }
    switch (keyCode) {
    case vbKeyLeft:
        MoveCaret(caret_ - 1);
        break;
    case vbKeyRight:
        MoveCaret(caret_ + 1);
        break;
    case vbKeyHome:
        MoveCaret(0);
        break;
    case vbKeyEnd:
        MoveCaret(Length());
        break;
    case vbKeyDelete:
        if (caret_ < Length()) {
            Edit(Without(caret_), caret_);
        }
        break;
    default:
        break;
    }
}

void TextBox::OnKeyPress(std::int16_t& keyAscii)
{
    InputControl::OnKeyPress(keyAscii);
    if (keyAscii == 0 || !KeepsKeys()) {
        return;
    }
    if (keyAscii == vbKeyBack) {
        if (caret_ > 0) {
            Edit(Without(caret_ - 1), caret_ - 1);
        }
        return;
    }
    // Typed characters arrive as UTF-16 code units; one beyond U+FFFF as two surrogates, the
    // first of which waits for the second.
    const auto unit = static_cast<char16_t>(keyAscii);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit;
        return;
    }
    char32_t code = unit;
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        if (highSurrogate_ == 0) {
            return;
        }
        code = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (unit - 0xDC00);
    }
    highSurrogate_ = 0;
    const bool printable = code >= 32 && code != 127 && (code < 0x80 || code >= 0xA0);
    const bool full = maxLength_ > 0 && Length() >= maxLength_;
    if (printable && !full) {
        std::string character;
        utf8::Append(character, code);
        std::string text = text_;
        text.insert(ByteOffset(caret_), character);
        Edit(std::move(text), caret_ + 1);
    }
}

Rect TextBox::TextArea(std::int32_t x, std::int32_t y) const
{
    return detail::Inset(detail::MakeRect(x, y, Width(), Height()),
                         detail::FocusRingWidth + Padding);
}

std::int32_t TextBox::CaretOffset(std::int32_t position) const
{
    if (position <= 0) {
        return 0;
    }
    return detail::MeasureText(Font(), std::string_view(text_).substr(0, ByteOffset(position))).cx;
}

std::int32_t TextBox::Length() const
{
    return static_cast<std::int32_t>(utf8::CharacterCount(text_));
}

std::size_t TextBox::ByteOffset(std::int32_t position) const
{
    return utf8::ByteOffset(text_, static_cast<std::size_t>(std::max(position, 0)));
}

std::string TextBox::Without(std::int32_t position) const
{
    std::string text = text_;
    const std::size_t at = ByteOffset(position);
    text.erase(at, ByteOffset(position + 1) - at);
    return text;
}

void TextBox::Edit(std::string text, std::int32_t caret)
{
    const bool changed = text != text_;
    text_ = std::move(text);
    MoveCaret(caret);
    if (changed && Change) {
        Change(Index());
    }
}

void TextBox::MoveCaret(std::int32_t position)
{
    caret_ = std::clamp(position, 0, Length());
    // Scroll just enough to show the caret, and never further than the text needs.
    const std::int32_t areaWidth = std::max(TextArea(0, 0).right - TextArea(0, 0).left, 1);
    const std::int32_t caretX = CaretOffset(caret_);
    const std::int32_t textWidth = CaretOffset(Length());
    scroll_ = std::min(scroll_, std::max(textWidth + CaretWidth - areaWidth, 0));
    if (caretX + CaretWidth - scroll_ > areaWidth) {
        scroll_ = caretX + CaretWidth - areaWidth;
    }
    if (caretX < scroll_) {
        scroll_ = caretX;
    }
    Invalidate();
}

} // namespace platform
