// Text boxes: one line of text that the user types into while the box has the focus, with a caret
// moved by the arrow keys, Home and End, and Backspace and Delete to take characters away.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/InputControl.h"

namespace platform {

// Keys reach KeyDown first (Enter too, which the box itself ignores); typed characters reach
// KeyPress (as UTF-16 code units), which may change or cancel them, before they are inserted at
// the caret. The text is UTF-8; positions and lengths count characters, never bytes, so no edit
// cuts a character in half. Change follows every change of the text, by typing or by SetText.
// Control characters other than Backspace are not inserted; a text longer than MaxLength can be
// set by code but not typed.
class TextBox : public StyledControl {
public:
    explicit TextBox(Form& parent);

    const std::string& Text() const { return text_; }
    // Sets the text and puts the caret after it.
    void SetText(std::string_view text);
    // The most characters the user may type; 0 for no limit.
    std::int32_t MaxLength() const { return maxLength_; }
    void SetMaxLength(std::int32_t length);
    // The caret: the number of characters before it.
    std::int32_t SelStart() const { return caret_; }
    void SetSelStart(std::int32_t position);

    std::function<void(std::int16_t index)> Change;

    bool CanTakeFocus() const override { return true; }

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyPress(std::int16_t& keyAscii) override;
    void OnResize() override { MoveCaret(caret_); }
    void OnFontChanged() override { MoveCaret(caret_); }

private:
    // The text area inside the border and padding.
    Rect TextArea(std::int32_t x, std::int32_t y) const;
    std::int32_t CaretOffset(std::int32_t position) const;
    std::int32_t Length() const; // in characters
    std::size_t ByteOffset(std::int32_t position) const;
    std::string Without(std::int32_t position) const; // the text without that character
    void Edit(std::string text, std::int32_t caret);
    void MoveCaret(std::int32_t position);

    std::string text_;
    std::int32_t maxLength_ = 0;
    std::int32_t caret_ = 0;
    std::int32_t scroll_ = 0;    // pixels of text scrolled out to the left to keep the caret shown
    char16_t highSurrogate_ = 0; // the first half of a character typed as two code units
};

} // namespace platform
