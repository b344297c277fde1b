// For the control tests: a form that fills the screen, so that client and screen coordinates are
// the same, and running the event loop over virtual time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Headless.h"

namespace platform::controltest {

class HostForm : public Form {};

// Delivers input and timer ticks millisecond by millisecond for the given time.
inline void RunFor(std::int64_t ms)
{
    for (std::int64_t i = 0; i < ms; ++i) {
        virtualclock::Advance(1);
        DoEvents();
    }
}

// What handlers saw, in order, as short texts ("Click0", "Change25").
using Trace = std::vector<std::string>;

} // namespace platform::controltest
