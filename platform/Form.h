// Windows: a Form is a window object that lives for the process and keeps its fields; its window is
// created at each showing (Form_Load) and destroyed at each close (Form_QueryUnload, Form_Unload).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Surface.h"

namespace platform {

class Control;
class Timer;
namespace detail {
struct FormAccess;
}

enum class ShowMode : std::int16_t { Modeless = 0, Modal = 1 };
inline constexpr ShowMode vbModeless = ShowMode::Modeless;
inline constexpr ShowMode vbModal = ShowMode::Modal;

enum class WindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

// Pointer shapes; Default is the arrow.
enum class MousePointer : std::int16_t { Default = 0, Arrow = 1, Crosshair = 2, Hourglass = 11 };

// Why a form is asked to close (the unloadMode of Form_QueryUnload).
inline constexpr std::int16_t vbFormControlMenu = 0; // its close box, or the screen's close request
inline constexpr std::int16_t vbFormCode = 1;        // Unload called by the program

// The screen picture every visible form is composed into.
inline constexpr std::int32_t ScreenWidth = 800;
inline constexpr std::int32_t ScreenHeight = 600;
// A form smaller than the screen is drawn with a frame of this width and a caption bar above its
// client area, which is exactly its client size.
inline constexpr std::int32_t FrameWidth = 2;
inline constexpr std::int32_t CaptionHeight = 20;

class Form : public Surface {
public:
    Form();
    ~Form() override;

    // Shows the window. The first use of the object runs Form_Initialize; a form that is not loaded
    // is loaded first (Form_Load), and a form unloaded inside its own Form_Load is never shown. A
    // modal show runs a nested event loop and returns when the form is unloaded or hidden; the
    // owner (default: the form that has the input) is the one it is centred over.
    void Show(ShowMode mode = ShowMode::Modeless, Form* owner = nullptr);
    // Loads the window without showing it.
    void Load();
    // "Unload Me": Form_QueryUnload (unload mode vbFormCode), then Form_Unload; either may cancel.
    // True when the form is unloaded afterwards. The program ends when its last form unloads.
    bool Unload();
    // The close box: Form_QueryUnload with vbFormControlMenu, then Form_Unload, either may cancel.
    bool CloseBox();
    // Hides the window but keeps it loaded; a modal show returns.
    void Hide();
    // Presents the screen with this window's back buffer, at most once per display frame (the
    // headless backend advances the virtual clock by one frame period instead of waiting).
    void Refresh();

    bool IsLoaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible); // true shows the form modeless, false hides it
    bool IsModal() const { return modal_; }
    Form* Owner() const { return owner_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);
    // The window icon, a picture file; the screen window shows the icon of its top-level form.
    const std::string& Icon() const { return icon_; }
    void SetIcon(std::string_view path);

    // Client size: the drawing area is exactly this size (the back buffer). 800 x 600 until set.
    void SetClientSize(std::int32_t width, std::int32_t height);
    // Position of the outer window on the screen, frame included. A form that was never moved is
    // centred over its owner (or the screen) at each showing.
    std::int32_t Left() const { return left_; }
    std::int32_t Top() const { return top_; }
    void Move(std::int32_t left, std::int32_t top);
    // Outer size: the client size plus the frame and caption bar of a form smaller than the screen.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Whether the form fills the screen without frame (its client size is the screen's).
    bool FillsScreen() const;

    // Maximised: the client area becomes the whole 800 x 600 screen picture.
    WindowState GetWindowState() const { return windowState_; }
    void SetWindowState(WindowState state);

    // With key preview the form's key handlers see every key before the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }
    // The pointer shape while the pointer is over this form.
    MousePointer GetMousePointer() const { return mousePointer_; }
    void SetMousePointer(MousePointer pointer);
    // A disabled form takes no keyboard or mouse input.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The control that has the keyboard focus, or nullptr.
    Control* ActiveControl() const { return focus_; }
    // The form's controls in the order they were created (later ones lie on top).
    const std::vector<Control*>& Controls() const { return controls_; }

protected:
    // Handlers, named as the system names them; each does nothing unless a window overrides it.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode);
    virtual void Form_Unload(std::int16_t& cancel);
    virtual void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift);
    virtual void Form_KeyUp(std::int16_t& keyCode, std::int16_t shift);
    virtual void Form_KeyPress(std::int16_t& keyAscii);
    virtual void Form_MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    virtual void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    virtual void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    virtual void Form_Click() {}

    void Invalidate() override;

private:
    friend struct detail::FormAccess;
    friend class Control;
    friend class Timer;

    bool Close(std::int16_t unloadMode);
    void PlaceOnScreen();

    bool initialized_ = false;
    bool loaded_ = false;
    bool unloading_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool placed_ = false;
    bool keyPreview_ = false;
    bool enabled_ = true;
    Form* owner_ = nullptr;
    std::string caption_;
    std::string icon_;
    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    WindowState windowState_ = WindowState::Normal;
    MousePointer mousePointer_ = MousePointer::Default;
    std::vector<Control*> controls_;
    std::vector<Timer*> timers_;
    Control* focus_ = nullptr;
    Control* capture_ = nullptr;      // the control that took a mouse press, until its release
    std::int16_t pressedButtons_ = 0; // buttons pressed on this form, for Form_Click
};

// The loaded forms, in the order they were loaded.
const std::vector<Form*>& LoadedForms();

// The one window of its kind, made at first use and never destroyed: windows live for the process,
// and the window system may go first at exit.
template <typename Window> Window& ProcessWindow()
{
    static auto* const window = new Window;
    return *window;
}

} // namespace platform
