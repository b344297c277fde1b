// The headless backend for tests: input scripted at virtual times, an in-memory screen whose pixels
// tests read, a configurable display; it never waits (the virtual clock jumps instead).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Display.h"
#include "platform/FileDialog.h"
#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/Input.h"

namespace platform::headless {

// Makes a fresh headless backend the one in use: nothing scripted, no key held, the pointer at the
// screen's centre, a desktop of 1024 x 768 at 32 bits listing 800 x 600 at 32, 16 and 8 bits.
// Virtual times of the script count from this moment.
void Install();

// Input at a virtual time. DoEvents (and every event loop) delivers what is due; a loop waiting for
// input makes the virtual clock jump to the next scripted event or timer.
class Script {
public:
    explicit Script(std::int64_t atMs) : atMs_(atMs) {}
    // A key held from KeyDown to KeyUp repeats as further key-downs (AutoRepeatDelayMs, then every
    // AutoRepeatPeriodMs). A letter, digit, Space or Enter key-down also types its character.
    Script& KeyDown(std::int16_t key);
    Script& KeyUp(std::int16_t key);
    Script& KeyPress(std::int16_t key);  // down and up at once
    Script& Type(std::string_view text); // typed characters alone, without key events
    // Pointer input in screen coordinates.
    Script& MouseMove(std::int32_t x, std::int32_t y);
    Script& MouseDown(std::int16_t button, std::int32_t x, std::int32_t y);
    Script& MouseUp(std::int16_t button, std::int32_t x, std::int32_t y);
    Script& Click(std::int16_t button, std::int32_t x, std::int32_t y); // move, press, release
    // The screen window's close request.
    Script& Close();

private:
    std::int64_t atMs_;
};

Script At(std::int64_t msFromInstall);
Script After(std::int64_t msFromNow);
// Virtual milliseconds since Install.
std::int64_t Elapsed();

// Sets a key's state directly, as held or released, without any event.
void SetKeyState(std::int16_t key, bool held);
// Whether Shift counts as held before the first window (as a person holding it at start).
void SetShiftHeldAtStart(bool held);

// Runs when a loop waits for input while nothing is scripted and no timer runs; it may script
// more. Without it, such a wait ends the test program with a message (the test forgot its input).
// A loop that polls on and on with nothing scripted and never waits (a game nobody ends) ends the
// test program with a message too.
void OnIdle(std::function<void()> hook);
// A test's bound on a program that may run on without ever waiting for input: once the virtual
// clock is msFromNow past now, every poll for input runs the hook first, until it is replaced
// (nullptr: none).
void OnTimeLimit(std::int64_t msFromNow, std::function<void()> hook);

// The screen as composed now, and one of its pixels (-1 outside).
const Bitmap& Screen();
Color ScreenPixel(std::int32_t x, std::int32_t y);
// Presents that showed a changed picture so far, and the presents asked for by a window's Refresh
// (changed or not).
std::int32_t PresentCount();
std::int32_t RefreshCount();
// The bands of rows the last present showed changed (none when it changed nothing), and a pixel of
// the picture presented last, as a colour (-1 outside it or before the first present).
const std::vector<Rect>& PresentedBands();
Color PresentedPixel(std::int32_t x, std::int32_t y);
// What the screen window shows: title, whether an icon is set, pointer shape and full screen.
const std::string& Title();
bool HasIcon();
MousePointer PointerShape();
bool IsFullScreen();
// Every pointer warp so far.
const std::vector<Point>& Warps();

// The display: the desktop's mode, the listed modes and the desktop's width.
void SetDisplay(const DevMode& desktop, std::vector<DevMode> modes);
void SetDesktopWidth(std::int32_t width);
struct DisplayAttempt {
    DevMode mode;
    std::uint32_t flags = 0;
    std::int32_t result = 0;
};
const std::vector<DisplayAttempt>& DisplayAttempts();

// File dialogs. Each answer queued is taken by the next GetOpenFileNameA or GetSaveFileNameA in
// turn instead of the chooser window: a name as the user would type it (relative to the dialog's
// first folder, or absolute; the default extension is added when it has none), or a cancel. With
// none queued the chooser window shows, driven by the script like any window.
void AnswerFileDialog(std::string_view name);
void CancelFileDialog();
struct FileDialogRecord {
    bool save = false;
    OpenFileName request; // as the program filled it in
};
// Every file dialog asked for so far.
const std::vector<FileDialogRecord>& FileDialogs();

// The text of every message box shown so far.
const std::vector<std::string>& MessageBoxes();

} // namespace platform::headless
