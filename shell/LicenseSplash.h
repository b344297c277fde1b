// LicenseSplash: the start-up window, 400 x 300, shown once per run before the launcher: a picture
// with the program's name, what it is, how to play with one key and its version, for 5000 ms.
#pragma once

#include <array>
#include <string_view>

#include "platform/Form.h"
#include "platform/Timer.h"

class LicenseSplash : public platform::Form {
public:
    LicenseSplash();

    static constexpr std::int32_t ShowMs = 5000;
    // The four lines under the picture's figures, top to bottom.
    static constexpr std::array<std::string_view, 4> Lines = {
        "Vandrel",
        "Six small arcade games, a launcher and map editors",
        "One key will do: F1 in the launcher turns on one-button play",
        "Version 1.0",
    };

protected:
    void Form_Load() override;

private:
    void startTimer_Timer();

    platform::Timer startTimer{*this, ShowMs, true};
};
