// The level background of the games with a choice of four.
#include "games/shared/LevelBackground.h"

#include <string>

#include "games/shared/GameSettings.h"
#include "platform/Gdi.h"

namespace {

constexpr std::int16_t PlainColour = 2;
constexpr std::int16_t MapPicture = 3;
constexpr std::int32_t WindowWidth = 800;
constexpr std::int32_t WindowHeight = 600;
constexpr std::string_view Canvas = "Gfx\\Common\\Backgrounds\\background0.jpg";

} // namespace

void LoadLevelBackground(platform::Form& window, SpriteClass& background, std::int16_t choice,
                         std::string_view section, const BackgroundChoices& choices)
{
    background.CleanUp();
    if (choice >= 0 && choice < choices.simpleCount) {
        background.LoadDCImage(std::string(choices.simplePicture) + std::to_string(choice) + ".gif",
                               window);
    } else if (choice == PlainColour) {
        // A canvas of the window's size, painted in the stored colour.
        background.LoadDCImage(Canvas, window);
        window.SetBackColor(GameSettings::ReadColour(section));
        platform::BitBlt(background.GetDC(0), 0, 0, WindowWidth, WindowHeight, window.hDC(), 0, 0,
                         platform::SRCCOPY);
    } else if (choice == MapPicture) {
        background.LoadDCImage("Gfx\\Common\\Backgrounds\\background" +
                                   std::to_string(background.id) + ".jpg",
                               window);
        if (choices.mapFallsBack && background.GetDC(0) == 0) {
            background.LoadDCImage(Canvas, window);
        }
    }
}

void DrawLevelBackground(platform::Form& window, const SpriteClass& background)
{
    if (background.GetDC(0) != 0) {
        background.Draw(window);
    } else {
        window.Cls();
    }
}
