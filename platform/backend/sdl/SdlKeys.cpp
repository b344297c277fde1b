// SDL key codes to virtual-key codes: letters by their upper-case code whatever Shift or Caps Lock,
// both Shift, Ctrl and Alt keys to one code each, the keypad to codes of its own.
#include "platform/backend/sdl/SdlKeys.h"

#include "platform/Input.h"

namespace platform::sdl {

std::int16_t VirtualKey(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z) {
        return static_cast<std::int16_t>(vbKeyA + (key - SDLK_a));
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<std::int16_t>(vbKey0 + (key - SDLK_0));
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return static_cast<std::int16_t>(vbKeyF1 + (key - SDLK_F1));
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return static_cast<std::int16_t>(vbKeyNumpad0 + 1 + (key - SDLK_KP_1));
    }
    switch (key) {
    case SDLK_BACKSPACE:
        return vbKeyBack;
    case SDLK_TAB:
        return vbKeyTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return vbKeyReturn;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return vbKeyShift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return vbKeyControl;
    case SDLK_LALT:
    case SDLK_RALT:
        return vbKeyMenu;
    case SDLK_PAUSE:
        return vbKeyPause;
    case SDLK_CAPSLOCK:
        return vbKeyCapital;
    case SDLK_ESCAPE:
        return vbKeyEscape;
    case SDLK_SPACE:
        return vbKeySpace;
    case SDLK_PAGEUP:
        return vbKeyPageUp;
    case SDLK_PAGEDOWN:
        return vbKeyPageDown;
    case SDLK_END:
        return vbKeyEnd;
    case SDLK_HOME:
        return vbKeyHome;
    case SDLK_LEFT:
        return vbKeyLeft;
    case SDLK_UP:
        return vbKeyUp;
    case SDLK_RIGHT:
        return vbKeyRight;
    case SDLK_DOWN:
        return vbKeyDown;
    case SDLK_PRINTSCREEN:
        return vbKeySnapshot;
    case SDLK_INSERT:
        return vbKeyInsert;
    case SDLK_DELETE:
        return vbKeyDelete;
    case SDLK_KP_0:
        return vbKeyNumpad0;
    case SDLK_KP_MULTIPLY:
        return vbKeyMultiply;
    case SDLK_KP_PLUS:
        return vbKeyAdd;
    case SDLK_KP_MINUS:
        return vbKeySubtract;
    case SDLK_KP_PERIOD:
        return vbKeyDecimal;
    case SDLK_KP_DIVIDE:
        return vbKeyDivide;
    case SDLK_NUMLOCKCLEAR:
        return vbKeyNumlock;
    case SDLK_SCROLLLOCK:
        return vbKeyScrollLock;
    case SDLK_SEMICOLON:
        return vbKeySemicolon;
    case SDLK_EQUALS:
        return vbKeyEquals;
    case SDLK_COMMA:
        return vbKeyComma;
    case SDLK_MINUS:
        return vbKeyMinus;
    case SDLK_PERIOD:
        return vbKeyPeriod;
    case SDLK_SLASH:
        return vbKeySlash;
    case SDLK_BACKQUOTE:
        return vbKeyGrave;
    case SDLK_LEFTBRACKET:
        return vbKeyLeftBracket;
    case SDLK_BACKSLASH:
        return vbKeyBackslash;
    case SDLK_RIGHTBRACKET:
        return vbKeyRightBracket;
    case SDLK_QUOTE:
        return vbKeyQuote;
    default:
        return 0;
    }
}

std::int16_t ButtonMask(std::uint8_t button)
{
    switch (button) {
    case SDL_BUTTON_LEFT:
        return vbLeftButton;
    case SDL_BUTTON_RIGHT:
        return vbRightButton;
    case SDL_BUTTON_MIDDLE:
        return vbMiddleButton;
    default:
        return 0;
    }
}

} // namespace platform::sdl
