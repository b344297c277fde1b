// Option buttons: of the option buttons that share a container (the form itself or a frame) at
// most one is selected; selecting one clears the others of its group.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ButtonControl.h"

namespace platform {

// A click or Space selects the button; the arrow keys move the focus and the selection to the
// previous (Left, Up) or next (Right, Down) shown, enabled button of the group in tab order,
// wrapping around. Click follows each selection by the user (also of a button already selected)
// and each selection by code that changes Value; clearing by code raises nothing.
class OptionButton : public ButtonControl {
public:
    explicit OptionButton(Form& parent);

    bool Value() const { return value_; }
    void SetValue(bool value);

protected:
    void Press() override;
    bool IsSet() const override { return value_; }
    bool HasIndicator() const override { return true; }
    void PaintIndicator(Hdc dc, const Rect& box, bool down) override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;

private:
    // The buttons of this one's group (itself included) in tab order.
    std::vector<OptionButton*> Group() const;
    void Select();

    bool value_ = false;
};

} // namespace platform
