// Labels: a caption in a font and colour, aligned left, right or centred, broken into lines between
// words to fit the label's width, on an opaque or transparent background.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InputControl.h"

namespace platform {

enum class Alignment : std::int16_t { LeftJustify = 0, RightJustify = 1, Center = 2 };
enum class BackStyle : std::int16_t { Transparent = 0, Opaque = 1 };

// A label does not take the focus; it raises Click and the mouse events.
class Label : public StyledControl {
public:
    explicit Label(Form& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    platform::Alignment Alignment() const { return alignment_; }
    void SetAlignment(platform::Alignment alignment);
    platform::BackStyle BackStyle() const { return backStyle_; }
    void SetBackStyle(platform::BackStyle style);

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnResize() override { wrapped_ = false; }
    void OnFontChanged() override { wrapped_ = false; }

private:
    std::string caption_;
    std::vector<std::string_view> lines_; // parts of caption_, kept until it or the size changes
    bool wrapped_ = false;
    platform::Alignment alignment_ = platform::Alignment::LeftJustify;
    platform::BackStyle backStyle_ = platform::BackStyle::Opaque;
};

} // namespace platform
