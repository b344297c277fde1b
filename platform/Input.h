// Keyboard and pointer: virtual-key codes, shift and button masks, the key state of held keys and
// the pointer position in screen coordinates (pixels of the 800 x 600 screen picture).
#pragma once

#include <cstdint>

namespace platform {

class Form;

// Virtual-key codes. Letters are their upper-case codes and digits their character codes whatever
// Shift or Caps Lock; the numeric keypad has codes of its own.
inline constexpr std::int16_t vbKeyLButton = 1;
inline constexpr std::int16_t vbKeyRButton = 2;
inline constexpr std::int16_t vbKeyMButton = 4;
inline constexpr std::int16_t vbKeyBack = 8;
inline constexpr std::int16_t vbKeyTab = 9;
inline constexpr std::int16_t vbKeyReturn = 13;
inline constexpr std::int16_t vbKeyShift = 16;
inline constexpr std::int16_t vbKeyControl = 17;
inline constexpr std::int16_t vbKeyMenu = 18; // Alt
inline constexpr std::int16_t vbKeyPause = 19;
inline constexpr std::int16_t vbKeyCapital = 20; // Caps Lock
inline constexpr std::int16_t vbKeyEscape = 27;
inline constexpr std::int16_t vbKeySpace = 32;
inline constexpr std::int16_t vbKeyPageUp = 33;
inline constexpr std::int16_t vbKeyPageDown = 34;
inline constexpr std::int16_t vbKeyEnd = 35;
inline constexpr std::int16_t vbKeyHome = 36;
inline constexpr std::int16_t vbKeyLeft = 37;
inline constexpr std::int16_t vbKeyUp = 38;
inline constexpr std::int16_t vbKeyRight = 39;
inline constexpr std::int16_t vbKeyDown = 40;
inline constexpr std::int16_t vbKeySnapshot = 44; // Print Screen
inline constexpr std::int16_t vbKeyInsert = 45;
inline constexpr std::int16_t vbKeyDelete = 46;
inline constexpr std::int16_t vbKey0 = 48;
inline constexpr std::int16_t vbKey1 = 49;
inline constexpr std::int16_t vbKey2 = 50;
inline constexpr std::int16_t vbKey3 = 51;
inline constexpr std::int16_t vbKey4 = 52;
inline constexpr std::int16_t vbKey5 = 53;
inline constexpr std::int16_t vbKey6 = 54;
inline constexpr std::int16_t vbKey7 = 55;
inline constexpr std::int16_t vbKey8 = 56;
inline constexpr std::int16_t vbKey9 = 57;
inline constexpr std::int16_t vbKeyA = 65;
inline constexpr std::int16_t vbKeyB = 66;
inline constexpr std::int16_t vbKeyC = 67;
inline constexpr std::int16_t vbKeyD = 68;
inline constexpr std::int16_t vbKeyE = 69;
inline constexpr std::int16_t vbKeyF = 70;
inline constexpr std::int16_t vbKeyG = 71;
inline constexpr std::int16_t vbKeyH = 72;
inline constexpr std::int16_t vbKeyI = 73;
inline constexpr std::int16_t vbKeyJ = 74;
inline constexpr std::int16_t vbKeyK = 75;
inline constexpr std::int16_t vbKeyL = 76;
inline constexpr std::int16_t vbKeyM = 77;
inline constexpr std::int16_t vbKeyN = 78;
inline constexpr std::int16_t vbKeyO = 79;
inline constexpr std::int16_t vbKeyP = 80;
inline constexpr std::int16_t vbKeyQ = 81;
inline constexpr std::int16_t vbKeyR = 82;
inline constexpr std::int16_t vbKeyS = 83;
inline constexpr std::int16_t vbKeyT = 84;
inline constexpr std::int16_t vbKeyU = 85;
inline constexpr std::int16_t vbKeyV = 86;
inline constexpr std::int16_t vbKeyW = 87;
inline constexpr std::int16_t vbKeyX = 88;
inline constexpr std::int16_t vbKeyY = 89;
inline constexpr std::int16_t vbKeyZ = 90;
inline constexpr std::int16_t vbKeyNumpad0 = 96;
inline constexpr std::int16_t vbKeyNumpad1 = 97;
inline constexpr std::int16_t vbKeyNumpad2 = 98;
inline constexpr std::int16_t vbKeyNumpad3 = 99;
inline constexpr std::int16_t vbKeyNumpad4 = 100;
inline constexpr std::int16_t vbKeyNumpad5 = 101;
inline constexpr std::int16_t vbKeyNumpad6 = 102;
inline constexpr std::int16_t vbKeyNumpad7 = 103;
inline constexpr std::int16_t vbKeyNumpad8 = 104;
inline constexpr std::int16_t vbKeyNumpad9 = 105;
inline constexpr std::int16_t vbKeyMultiply = 106;
inline constexpr std::int16_t vbKeyAdd = 107;      // keypad +
inline constexpr std::int16_t vbKeySubtract = 109; // keypad -
inline constexpr std::int16_t vbKeyDecimal = 110;
inline constexpr std::int16_t vbKeyDivide = 111;
inline constexpr std::int16_t vbKeyF1 = 112;
inline constexpr std::int16_t vbKeyF2 = 113;
inline constexpr std::int16_t vbKeyF3 = 114;
inline constexpr std::int16_t vbKeyF4 = 115;
inline constexpr std::int16_t vbKeyF5 = 116;
inline constexpr std::int16_t vbKeyF6 = 117;
inline constexpr std::int16_t vbKeyF7 = 118;
inline constexpr std::int16_t vbKeyF8 = 119;
inline constexpr std::int16_t vbKeyF9 = 120;
inline constexpr std::int16_t vbKeyF10 = 121;
inline constexpr std::int16_t vbKeyF11 = 122;
inline constexpr std::int16_t vbKeyF12 = 123;
inline constexpr std::int16_t vbKeyNumlock = 144;
inline constexpr std::int16_t vbKeyScrollLock = 145;
// Punctuation keys of a US layout: ; = , - . / ` [ \ ] '
inline constexpr std::int16_t vbKeySemicolon = 186;
inline constexpr std::int16_t vbKeyEquals = 187;
inline constexpr std::int16_t vbKeyComma = 188;
inline constexpr std::int16_t vbKeyMinus = 189;
inline constexpr std::int16_t vbKeyPeriod = 190;
inline constexpr std::int16_t vbKeySlash = 191;
inline constexpr std::int16_t vbKeyGrave = 192;
inline constexpr std::int16_t vbKeyLeftBracket = 219;
inline constexpr std::int16_t vbKeyBackslash = 220;
inline constexpr std::int16_t vbKeyRightBracket = 221;
inline constexpr std::int16_t vbKeyQuote = 222;

// The shift argument of key and mouse handlers: the modifier keys held.
inline constexpr std::int16_t vbShiftMask = 1;
inline constexpr std::int16_t vbCtrlMask = 2;
inline constexpr std::int16_t vbAltMask = 4;

// The button argument of mouse handlers (a mask of the held buttons for a move).
inline constexpr std::int16_t vbLeftButton = 1;
inline constexpr std::int16_t vbRightButton = 2;
inline constexpr std::int16_t vbMiddleButton = 4;

// A held key repeats as further key-downs: the first repeat after the delay, then one per period.
inline constexpr std::int32_t AutoRepeatDelayMs = 500;
inline constexpr std::int32_t AutoRepeatPeriodMs = 33;

// The state of a key as the delivered key events left it: a held key has bits &H8000 and &H1000
// set; the low bit toggles at each press (not at repeats). Any code from 0 to 255 may be asked.
// Before the first window is shown, Shift counts as held when the environment variable
// VANDREL_WINDOWED is "1" (for people and tests that cannot hold a key while starting).
std::int16_t GetKeyState(std::int32_t virtualKey);
inline constexpr std::int16_t KeyStateHeld = static_cast<std::int16_t>(0x9000);
inline constexpr std::int16_t KeyStateToggled = 0x0001;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

// The pointer in screen coordinates.
bool GetCursorPos(Point* point);
// Moves the pointer; the move is posted as a pointer-move event, delivered as any other move.
bool SetCursorPos(std::int32_t x, std::int32_t y);
// Between a form's client coordinates and screen coordinates; false while the form is not loaded.
bool ClientToScreen(const Form& form, Point* point);
bool ScreenToClient(const Form& form, Point* point);

} // namespace platform
