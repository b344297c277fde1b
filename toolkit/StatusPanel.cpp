// DrawPanel: level, score and life icons in the status strip (y 480 to 600) of a game window.
#include <string>

#include "platform/Numbers.h"
#include "platform/Text.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SpriteClass.h"

namespace GameUtil {
namespace {

constexpr std::int32_t WindowWidth = 800;
constexpr std::int32_t PanelTextY = 540;
constexpr std::int32_t LevelCentreX = 175;
constexpr std::int32_t ScoreCentreX = 630;
constexpr std::int32_t LivesBottom = 595;
constexpr std::int32_t LivesGap = 10;

// Prints text centred on (centreX, centreY) in the form's current font and text colour.
void PrintCentred(platform::Surface& aForm, const std::string& text, std::int32_t centreX,
                  std::int32_t centreY)
{
    platform::Size extent;
    platform::GetTextExtentPoint32A(aForm.hDC(), text, &extent);
    aForm.CurrentX = centreX - platform::IntDiv(extent.cx, 2);
    aForm.CurrentY = centreY - platform::IntDiv(extent.cy, 2);
    aForm.Print(text);
}

} // namespace

void DrawPanel(platform::Surface& aForm, std::int16_t level, std::int32_t score, std::int16_t lives,
               const SpriteClass& icon)
{
    PrintCentred(aForm, std::to_string(level), LevelCentreX, PanelTextY);
    PrintCentred(aForm, std::to_string(score), ScoreCentreX, PanelTextY);

    const std::int32_t w = icon.width;
    const std::int32_t total = lives * w + (lives - 1) * LivesGap;
    const std::int32_t left = platform::IntDiv(WindowWidth - total, 2);
    for (std::int32_t i = 0; i < lives; ++i) {
        icon.DrawTranspAt(aForm, left + i * (w + LivesGap), LivesBottom - icon.Height);
    }
}

} // namespace GameUtil
