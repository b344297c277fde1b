// The event loop: one thread, re-entrant. DoEvents delivers pending input and due timer ticks;
// modal shows run nested loops; RunProgram runs a program until its last form unloads.
#pragma once

#include <cstdint>

namespace platform {

class Form;

// Delivers every input event pending now (key presses and releases each to its handler, pointer
// moves merged into the latest), then the ticks of the timers that are due, and shows the screen
// when it has changed. Handlers it runs may call DoEvents again and show modal forms. Answers
// whether it delivered anything (an event or a tick).
bool DoEvents();

// For a loop whose picture holds until input arrives: waits, without spinning, until an input
// event, a timer's tick or a close request is there, then delivers it and whatever else is pending
// as DoEvents does.
void WaitEvents();

// Starts a program: makes the program folder the current directory, checks that the font files are
// there (a missing one ends the program at once with a message and exit code 1), shows the start
// form modeless and runs the event loop, waiting for input or the next timer without spinning,
// until no form is loaded any more; then answers the exit code 0.
std::int32_t RunProgram(Form& startForm);

// The number of loaded forms.
std::int32_t LoadedFormCount();

} // namespace platform
