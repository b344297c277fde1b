// List boxes: lines of text, one of which may be selected with the mouse or the keyboard; the box
// shows whole lines only, and a scroll bar at its right when they do not all fit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InputControl.h"
#include "platform/ScrollBar.h"

namespace platform {

// Each line is as high as the font. The height asked for is rounded down to a whole number of
// lines (at least one) plus the border, and Height answers the rounded height; a new font rounds
// the height asked for last again. Setting ListIndex to another line, by code, click or key,
// raises Click; a click on a line raises Click even when that line was selected already, and a
// second click on it within DoubleClickMs raises DblClick after it. Keys: Up, Down, Page Up, Page
// Down, Home, End, and a letter or digit selects the next line beginning with it.
class ListBox : public StyledControl {
public:
    explicit ListBox(Form& parent);

    // Adds an item at the end, or before the item at index (0 to ListCount).
    void AddItem(std::string_view item, std::int32_t index = -1);
    void RemoveItem(std::int32_t index);
    void Clear();
    // The item at index, empty outside 0 to ListCount - 1.
    const std::string& List(std::int32_t index) const;
    void SetList(std::int32_t index, std::string_view item);
    std::int32_t ListCount() const { return static_cast<std::int32_t>(items_.size()); }
    // The selected line, -1 for none.
    std::int32_t ListIndex() const { return listIndex_; }
    void SetListIndex(std::int32_t index);
    // The first line shown.
    std::int32_t TopIndex() const { return topIndex_; }
    void SetTopIndex(std::int32_t index);
    // Lines shown at once, and the height of one.
    std::int32_t VisibleLines() const;
    std::int32_t ItemHeight() const;

    std::function<void(std::int16_t index)> DblClick;

    bool CanTakeFocus() const override { return true; }

    static constexpr std::int32_t DoubleClickMs = 500;

protected:
    void OnPaint(Hdc dc, std::int32_t x, std::int32_t y) override;
    void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void OnClick() override;
    void OnKeyDown(std::int16_t& keyCode, std::int16_t shift) override;
    void OnKeyPress(std::int16_t& keyAscii) override;
    void OnResize() override;
    void OnFontChanged() override;

private:
    void Select(std::int32_t index, bool raiseClick);
    void ShowLine(std::int32_t index);
    void UpdateBar();
    bool BarShown() const;

    std::vector<std::string> items_;
    std::int32_t listIndex_ = -1;
    std::int32_t topIndex_ = 0;
    std::int32_t heightAsked_ = 0;
    std::int32_t roundedHeight_ = -1;
    bool rounding_ = false;
    std::int32_t clickedLine_ = -1;   // the line under the last press
    std::int32_t lastClickLine_ = -1; // the line of the last click, for double clicks
    std::int64_t lastClickMs_ = 0;
    VScrollBar bar_;
};

} // namespace platform
