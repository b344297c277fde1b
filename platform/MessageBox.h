// Message boxes: a small modal window drawn in the screen with a text, a title and buttons,
// answering the button pressed (Enter presses the first button, Esc the cancelling one).
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Button sets; the icon bits (16, 32, 48, 64) are accepted and not drawn.
inline constexpr std::int32_t vbOKOnly = 0;
inline constexpr std::int32_t vbOKCancel = 1;
inline constexpr std::int32_t vbYesNoCancel = 3;
inline constexpr std::int32_t vbYesNo = 4;
inline constexpr std::int32_t vbCritical = 16;
inline constexpr std::int32_t vbQuestion = 32;
inline constexpr std::int32_t vbExclamation = 48;
inline constexpr std::int32_t vbInformation = 64;

// Answers.
inline constexpr std::int32_t vbOK = 1;
inline constexpr std::int32_t vbCancel = 2;
inline constexpr std::int32_t vbYes = 6;
inline constexpr std::int32_t vbNo = 7;

// Shows the box modally over the form that has the input and answers the button pressed. Its
// close box and Esc answer vbCancel where there is a Cancel button, vbNo for Yes/No, else vbOK.
std::int32_t MsgBox(std::string_view prompt, std::int32_t buttons = vbOKOnly,
                    std::string_view title = "Vandrel");

} // namespace platform
