// Form life: initialising once, loading at each showing, modal and modeless shows, closing.
#include "platform/Form.h"

#include <algorithm>

#include "platform/Backend.h"
#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/Timer.h"
#include "platform/WindowSystem.h"

namespace platform {
namespace {

void Remove(std::vector<Form*>& forms, const Form* form)
{
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

} // namespace

Form::Form() = default;

Form::~Form()
{
    auto& system = detail::System();
    Remove(system.zOrder, this);
    Remove(system.modalStack, this);
    Remove(system.loaded, this);
    if (system.captureForm == this) {
        system.captureForm = nullptr;
    }
    if (system.closeBoxPressed == this) {
        system.closeBoxPressed = nullptr;
    }
    for (Form* form : system.loaded) {
        if (form->owner_ == this) {
            form->owner_ = nullptr;
        }
    }
    if (visible_) {
        detail::MarkDirty();
        detail::UpdateScreenWindow();
    }
}

void Form::Load()
{
    if (loaded_) {
        return;
    }
    if (!initialized_) {
        initialized_ = true;
        Form_Initialize();
    }
    loaded_ = true;
    detail::System().loaded.push_back(this);
    if (ScaleWidth() == 0) {
        Resize(ScreenWidth, ScreenHeight);
    }
    Cls();
    const std::int64_t now = NowMs();
    for (Timer* timer : timers_) {
        detail::FormAccess::DueMs(*timer) = now + timer->Interval();
    }
    Form_Load();
}

void Form::Show(ShowMode mode, Form* owner)
{
    auto& system = detail::System();
    Form* const inputForm = detail::InputForm();
    Load();
    if (!loaded_) {
        return; // unloaded inside its own Form_Load: never shown
    }
    if (owner == nullptr && mode == ShowMode::Modal && inputForm != this) {
        owner = inputForm;
    }
    if (owner != nullptr && owner != this) {
        owner_ = owner;
    }
    Remove(system.zOrder, this);
    system.zOrder.push_back(this);
    if (!visible_) {
        visible_ = true;
        PlaceOnScreen();
    }
    system.anyFormShown = true;
    if (focus_ == nullptr) {
        if (Control* const first = detail::NextInTabOrder(*this, nullptr, false)) {
            first->SetFocus();
        }
    }
    detail::MarkDirty();
    detail::UpdateScreenWindow();
    detail::UpdatePointerShape();
    if (mode != ShowMode::Modal || modal_) {
        return;
    }
    modal_ = true;
    system.modalStack.push_back(this);
    detail::RunLoopUntil([this] { return !loaded_ || !visible_; });
    Remove(system.modalStack, this);
    modal_ = false;
}

bool Form::Unload()
{
    return Close(vbFormCode);
}

bool Form::CloseBox()
{
    return Close(vbFormControlMenu);
}

bool Form::Close(std::int16_t unloadMode)
{
    if (!loaded_) {
        return true;
    }
    if (unloading_) {
        return false;
    }
    unloading_ = true;
    std::int16_t cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel == 0 && loaded_) {
        Form_Unload(cancel);
    }
    unloading_ = false;
    if (cancel != 0) {
        return false;
    }
    auto& system = detail::System();
    loaded_ = false;
    visible_ = false;
    system.formClosed = true;
    Remove(system.zOrder, this);
    Remove(system.loaded, this);
    if (system.captureForm == this) {
        system.captureForm = nullptr;
    }
    for (Timer* timer : timers_) {
        timer->SetEnabled(false);
    }
    focus_ = nullptr;
    capture_ = nullptr;
    pressedButtons_ = 0;
    detail::MarkDirty();
    detail::UpdateScreenWindow();
    detail::UpdatePointerShape();
    return true;
}

void Form::Hide()
{
    if (!visible_) {
        return;
    }
    visible_ = false;
    Remove(detail::System().zOrder, this);
    detail::MarkDirty();
    detail::UpdateScreenWindow();
    detail::UpdatePointerShape();
}

void Form::SetVisible(bool visible)
{
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

void Form::Refresh()
{
    if (visible_) {
        detail::PresentScreen(true);
    }
}

void Form::SetCaption(std::string_view caption)
{
    caption_ = caption;
    if (visible_) {
        detail::MarkDirty();
        detail::UpdateScreenWindow();
    }
}

void Form::SetIcon(std::string_view path)
{
    icon_ = path;
    if (visible_) {
        detail::UpdateScreenWindow();
    }
}

void Form::SetClientSize(std::int32_t width, std::int32_t height)
{
    if (width != ScaleWidth() || height != ScaleHeight()) {
        Resize(std::max(width, 1), std::max(height, 1));
    }
    if (visible_) {
        PlaceOnScreen();
        detail::MarkDirty();
    }
}

void Form::Move(std::int32_t left, std::int32_t top)
{
    left_ = left;
    top_ = top;
    placed_ = true;
    if (visible_) {
        detail::MarkDirty();
    }
}

std::int32_t Form::Width() const
{
    return FillsScreen() ? ScaleWidth() : ScaleWidth() + 2 * FrameWidth;
}

std::int32_t Form::Height() const
{
    return FillsScreen() ? ScaleHeight() : ScaleHeight() + 2 * FrameWidth + CaptionHeight;
}

bool Form::FillsScreen() const
{
    return ScaleWidth() >= ScreenWidth && ScaleHeight() >= ScreenHeight;
}

void Form::SetWindowState(WindowState state)
{
    windowState_ = state;
    if (state == WindowState::Maximized) {
        SetClientSize(ScreenWidth, ScreenHeight);
    }
}

void Form::SetMousePointer(MousePointer pointer)
{
    mousePointer_ = pointer;
    detail::UpdatePointerShape();
}

void Form::PlaceOnScreen()
{
    if (FillsScreen()) {
        left_ = 0;
        top_ = 0;
        return;
    }
    if (placed_) {
        return;
    }
    std::int32_t centreX = ScreenWidth / 2;
    std::int32_t centreY = ScreenHeight / 2;
    if (owner_ != nullptr && owner_->visible_) {
        centreX = owner_->left_ + owner_->Width() / 2;
        centreY = owner_->top_ + owner_->Height() / 2;
    }
    left_ = std::clamp(centreX - Width() / 2, 0, std::max(ScreenWidth - Width(), 0));
    top_ = std::clamp(centreY - Height() / 2, 0, std::max(ScreenHeight - Height(), 0));
}

void Form::Invalidate()
{
    if (visible_) {
        detail::MarkDirty();
    }
}

const std::vector<Form*>& LoadedForms()
{
    return detail::System().loaded;
}

void Form::Form_QueryUnload(std::int16_t&, std::int16_t) {}
void Form::Form_Unload(std::int16_t&) {}
void Form::Form_KeyDown(std::int16_t&, std::int16_t) {}
void Form::Form_KeyUp(std::int16_t&, std::int16_t) {}
void Form::Form_KeyPress(std::int16_t&) {}
void Form::Form_MouseDown(std::int16_t, std::int16_t, float, float) {}
void Form::Form_MouseUp(std::int16_t, std::int16_t, float, float) {}
void Form::Form_MouseMove(std::int16_t, std::int16_t, float, float) {}

} // namespace platform
