// A tiny program on the real SDL backend for the smoke test: it draws a known picture, expects the
// keys the test sends (keypad +, Shift+A, Esc) with their virtual-key codes, and ends on Esc.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Events.h"
#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/Input.h"
#include "platform/Timer.h"

namespace {

using namespace platform;

class SmokeForm final : public Form {
public:
    SmokeForm()
    {
        watchdog_.OnTimer = [this] { watchdog_Timer(); };
    }
    int exitCode = 0;

protected:
    void Form_Load() override
    {
        SetCaption("Vandrel Smoke");
        SetBackColor(Rgb(255, 0, 0));
        FillBox(hDC(), 400, 0, 799, 599, Rgb(0, 255, 0));
        FillBox(hDC(), 350, 250, 449, 349, Rgb(0, 0, 255));
        watchdog_.SetEnabled(true);
        Refresh();
    }

    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override
    {
        keys_.push_back(std::to_string(keyCode) + "/" + std::to_string(shift));
        if (keyCode != vbKeyEscape) {
            return;
        }
        const std::vector<std::string> expected{"107/0", "16/1", "65/1", "27/0"};
        if (keys_ != expected) {
            std::string seen;
            for (const std::string& key : keys_) {
                seen += " " + key;
            }
            std::fprintf(stderr, "vandrel: smoke: unexpected keys:%s\n", seen.c_str());
            exitCode = 2;
        }
        Unload();
    }

private:
    void watchdog_Timer()
    {
        std::fputs("vandrel: smoke: no Esc within 20 s\n", stderr);
        exitCode = 3;
        Unload();
    }

    Timer watchdog_{*this, 20000, false};
    std::vector<std::string> keys_;
};

} // namespace

int main()
{
    SmokeForm form;
    const int result = platform::RunProgram(form);
    return result != 0 ? result : form.exitCode;
}
