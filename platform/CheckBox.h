// Check boxes: a value set (1) or clear (0) that a click or Space toggles; with the graphical style
// a push button showing Picture when clear and DownPicture when set.
#pragma once

#include <cstdint>

#include "platform/ButtonControl.h"

namespace platform {

inline constexpr std::int16_t vbUnchecked = 0;
inline constexpr std::int16_t vbChecked = 1;

// Click follows every change of Value, by the user or by code; any value other than 0 sets it.
class CheckBox : public ButtonControl {
public:
    explicit CheckBox(Form& parent);

    std::int16_t Value() const { return value_; }
    void SetValue(std::int16_t value);

protected:
    void Press() override;
    bool IsSet() const override { return value_ != vbUnchecked; }
    bool HasIndicator() const override { return true; }
    void PaintIndicator(Hdc dc, const Rect& box, bool down) override;

private:
    std::int16_t value_ = vbUnchecked;
};

} // namespace platform
