// Frames: a container of other controls (they give it as their Container), drawn as a box with a
// caption in its top edge; the option buttons inside a frame form a group of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/InputControl.h"

namespace platform {

// The back colour fills the whole frame; the border (BorderStyle FixedSingle, the default) runs
// half a caption line below the top, broken by the caption. A frame does not take the focus.
class Frame : public StyledControl {
public:
    explicit Frame(Form& parent);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    platform::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(platform::BorderStyle style);

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;

private:
    std::string caption_;
    platform::BorderStyle borderStyle_ = platform::BorderStyle::FixedSingle;
};

} // namespace platform
