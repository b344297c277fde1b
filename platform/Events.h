// The event loop: one thread, re-entrant. DoEvents delivers pending input and due timer ticks;
// modal shows run nested loops; RunProgram runs a program until its last form unloads.
#pragma once

#include <cstdint>

namespace platform {

class Form;

// Delivers every input event pending now (key presses and releases each to its handler, pointer
// moves merged into the latest), then the ticks of the timers that are due, and shows the screen
// when it has changed. Handlers it runs may call DoEvents again and show modal forms.
void DoEvents();

// Shows the start form modeless and runs the event loop, waiting for input or the next timer
// without spinning, until no form is loaded any more; answers the exit code (0).
std::int32_t RunProgram(Form& startForm);

// The number of loaded forms.
std::int32_t LoadedFormCount();

} // namespace platform
