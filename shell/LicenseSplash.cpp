// The splash: its picture and lines, and the timer that closes it.
#include "shell/LicenseSplash.h"

#include "platform/Gdi.h"
#include "platform/Text.h"
#include "toolkit/SpriteClass.h"

namespace {

constexpr platform::Color SplashBack = platform::Rgb(181, 162, 254);
constexpr platform::Color TextColour = platform::Rgb(36, 20, 96);
constexpr std::int32_t FirstLineTop = 186;

} // namespace

LicenseSplash::LicenseSplash()
{
    startTimer.OnTimer = [this] { startTimer_Timer(); };
}

void LicenseSplash::Form_Load()
{
    SetClientSize(400, 300);
    SetBackColor(SplashBack);
    SetCaption("Vandrel");
    startTimer.SetEnabled(true);

    SpriteClass picture;
    picture.LoadDCImage("Gfx\\Menu\\splash.jpg", *this);
    picture.Draw(*this);
    picture.CleanUp();

    SetForeColor(TextColour);
    double top = FirstLineTop;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        SetFont(platform::FontSpec{"Comic Sans MS", i == 0 ? 16.0 : 9.0, i == 0});
        platform::Size extent{};
        platform::GetTextExtentPoint32A(hDC(), Lines[i], &extent);
        CurrentX = (ScaleWidth() - extent.cx) / 2;
        CurrentY = top;
        Print(Lines[i]);
        top += extent.cy + (i == 0 ? 6 : 4);
    }
}

void LicenseSplash::startTimer_Timer()
{
    startTimer.SetEnabled(false);
    Unload();
}
