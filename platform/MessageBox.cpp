// Message boxes: a small modal form that lays out its text and buttons and answers the button
// pressed with the mouse, Enter (the button with the focus) or Esc.
#include "platform/MessageBox.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/ControlPaint.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Text.h"

namespace platform {
namespace {

constexpr std::int32_t Margin = 16;
constexpr std::int32_t ButtonWidth = 80;
constexpr std::int32_t ButtonHeight = 24;
constexpr std::int32_t ButtonGap = 8;
constexpr std::int32_t MaxTextWidth = 420;
constexpr std::int32_t MinClientWidth = 200;
constexpr Color BoxColor = Rgb(240, 240, 240);
constexpr Color ButtonColor = Rgb(225, 225, 225);
constexpr Color EdgeColor = Rgb(96, 96, 96);
constexpr Color FocusColor = Rgb(0, 84, 180);
constexpr Color TextColor = Rgb(0, 0, 0);

struct Button {
    const char* caption;
    std::int32_t answer;
};

std::vector<Button> ButtonsOf(std::int32_t style)
{
    switch (style & 7) {
    case vbOKCancel:
        return {{"OK", vbOK}, {"Cancel", vbCancel}};
    case vbYesNoCancel:
        return {{"Yes", vbYes}, {"No", vbNo}, {"Cancel", vbCancel}};
    case vbYesNo:
        return {{"Yes", vbYes}, {"No", vbNo}};
    default:
        return {{"OK", vbOK}};
    }
}

std::int32_t CancelAnswer(std::int32_t style)
{
    switch (style & 7) {
    case vbOKCancel:
    case vbYesNoCancel:
        return vbCancel;
    case vbYesNo:
        return vbNo;
    default:
        return vbOK;
    }
}

class MessageBoxForm final : public Form {
public:
    MessageBoxForm(std::string_view prompt, std::int32_t style, std::string_view title)
        : prompt_(prompt), buttons_(ButtonsOf(style)), cancelAnswer_(CancelAnswer(style))
    {
        SetCaption(title);
    }

    std::int32_t Answer() const { return answer_; }

protected:
    void Form_Load() override
    {
        SetBackColor(BoxColor);
        // Lines of the prompt, broken at line ends and, where a line is too wide, between words.
        detail::WrapText(Font(), prompt_, MaxTextWidth, lines_);
        TextMetrics metrics;
        GetTextMetrics(hDC(), &metrics);
        lineHeight_ = std::max(metrics.height, 1);
        std::int32_t textWidth = 0;
        for (const std::string_view line : lines_) {
            Size size;
            GetTextExtentPoint32A(hDC(), line, &size);
            textWidth = std::max(textWidth, size.cx);
        }
        const auto count = static_cast<std::int32_t>(buttons_.size());
        const std::int32_t buttonsWidth = count * ButtonWidth + (count - 1) * ButtonGap;
        const std::int32_t width =
            std::max({textWidth + 2 * Margin, buttonsWidth + 2 * Margin, MinClientWidth});
        const std::int32_t textHeight = static_cast<std::int32_t>(lines_.size()) * lineHeight_;
        buttonsTop_ = Margin + textHeight + Margin;
        buttonsLeft_ = (width - buttonsWidth) / 2;
        SetClientSize(width, buttonsTop_ + ButtonHeight + Margin - 4);
        Draw();
    }

    void Form_QueryUnload(std::int16_t&, std::int16_t unloadMode) override
    {
        if (unloadMode == vbFormControlMenu) {
            answer_ = cancelAnswer_;
        }
    }

    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override
    {
        const auto count = static_cast<std::int32_t>(buttons_.size());
        if (keyCode == vbKeyReturn || keyCode == vbKeySpace) {
            Press(buttons_[static_cast<std::size_t>(focus_)].answer);
        } else if (keyCode == vbKeyEscape) {
            Press(cancelAnswer_);
        } else if (keyCode == vbKeyRight || (keyCode == vbKeyTab && (shift & vbShiftMask) == 0)) {
            focus_ = (focus_ + 1) % count;
            Draw();
        } else if (keyCode == vbKeyLeft || keyCode == vbKeyTab) {
            focus_ = (focus_ + count - 1) % count;
            Draw();
        }
    }

    void Form_MouseDown(std::int16_t button, std::int16_t, float x, float y) override
    {
        if (button == vbLeftButton) {
            pressed_ = ButtonAt(x, y);
        }
    }

    void Form_MouseUp(std::int16_t button, std::int16_t, float x, float y) override
    {
        if (button == vbLeftButton && pressed_ >= 0 && ButtonAt(x, y) == pressed_) {
            Press(buttons_[static_cast<std::size_t>(pressed_)].answer);
        }
        pressed_ = -1;
    }

private:
    std::int32_t ButtonAt(float x, float y) const
    {
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const std::int32_t left =
                buttonsLeft_ + static_cast<std::int32_t>(i) * (ButtonWidth + ButtonGap);
            if (x >= static_cast<float>(left) && x < static_cast<float>(left + ButtonWidth) &&
                y >= static_cast<float>(buttonsTop_) &&
                y < static_cast<float>(buttonsTop_ + ButtonHeight)) {
                return static_cast<std::int32_t>(i);
            }
        }
        return -1;
    }

    void Draw()
    {
        Cls();
        SetTextColor(hDC(), TextColor);
        std::int32_t y = Margin;
        for (const std::string_view line : lines_) {
            TextOut(hDC(), Margin, y, line);
            y += lineHeight_;
        }
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const std::int32_t left =
                buttonsLeft_ + static_cast<std::int32_t>(i) * (ButtonWidth + ButtonGap);
            FillBox(hDC(), left, buttonsTop_, left + ButtonWidth - 1,
                    buttonsTop_ + ButtonHeight - 1, ButtonColor);
            const bool focused = static_cast<std::int32_t>(i) == focus_;
            DrawBox(hDC(), left, buttonsTop_, left + ButtonWidth - 1,
                    buttonsTop_ + ButtonHeight - 1, focused ? FocusColor : EdgeColor, 1);
            Size size;
            GetTextExtentPoint32A(hDC(), buttons_[i].caption, &size);
            TextOut(hDC(), left + (ButtonWidth - size.cx) / 2,
                    buttonsTop_ + (ButtonHeight - size.cy) / 2, buttons_[i].caption);
        }
        Invalidate();
    }

    void Press(std::int32_t answer)
    {
        answer_ = answer;
        Unload();
    }

    std::string prompt_;
    std::vector<Button> buttons_;
    std::int32_t cancelAnswer_;
    std::int32_t answer_ = 0;
    std::vector<std::string_view> lines_; // parts of prompt_
    std::int32_t lineHeight_ = 1;
    std::int32_t buttonsTop_ = 0;
    std::int32_t buttonsLeft_ = 0;
    std::int32_t focus_ = 0;
    std::int32_t pressed_ = -1;
};

} // namespace

std::int32_t MsgBox(std::string_view prompt, std::int32_t buttons, std::string_view title)
{
    backend::Current().MessageBoxShown(prompt);
    MessageBoxForm box(prompt, buttons, title);
    box.Show(ShowMode::Modal);
    return box.Answer() != 0 ? box.Answer() : CancelAnswer(buttons);
}

} // namespace platform
