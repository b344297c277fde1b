// The launcher: start-up at creation, loading at every showing, drawing, input, the one-button
// scan, launching a game and ending the program.
#include "shell/MenuForm.h"

#include "common/Common.h"
#include "platform/Input.h"
#include "platform/Numbers.h"
#include "shell/GameRegistry.h"
#include "shell/MenuOptions.h"
#include "shell/MenuSettings.h"
#include "shell/StartUp.h"
#include "toolkit/GameUtil.h"

namespace {

constexpr const char* IconPictures[6] = {
    "Gfx\\Menu\\tambloIcon.gif", "Gfx\\Menu\\zentarIcon.gif", "Gfx\\Menu\\lupidoIcon.gif",
    "Gfx\\Menu\\krevinIcon.gif", "Gfx\\Menu\\morvexIcon.gif", "Gfx\\Menu\\quadrelIcon.gif",
};
constexpr platform::Color HotspotBorder = 0xFF0000; // blue

} // namespace

MenuForm::MenuForm()
{
    gOneButtonTimer.OnTimer = [this] { gOneButtonTimer_Timer(); };
}

namespace {

// Never destroyed at exit: windows live for the process, and the window system may go first.
MenuForm* launcher = nullptr;

} // namespace

MenuForm& TheMenuForm()
{
    if (launcher == nullptr) {
        launcher = new MenuForm;
    }
    return *launcher;
}

void DiscardMenuForm()
{
    if (launcher == nullptr) {
        return;
    }
    if (launcher->IsLoaded()) {
        launcher->ExitProgram();
    }
    delete launcher;
    launcher = nullptr;
}

void MenuForm::Form_Initialize()
{
    splashShown = false;
    previousInstance = StartUp::BeginProgram();
}

void MenuForm::Form_Load()
{
    if (previousInstance) {
        Unload();
        return;
    }
    SetMousePointer(platform::MousePointer::Hourglass);
    SetDrawWidth(4);
    if (!splashShown) {
        splash.Show(platform::vbModal, this);
        splashShown = true;
    }
    if (Common::gFullScreen) {
        SetWindowState(platform::WindowState::Maximized);
    } else {
        SetClientSize(platform::ScreenWidth, platform::ScreenHeight);
        SetCaption("Vandrel");
    }
    SetIcon("Gfx\\icon\\icon.ico");
    OpenSounds();
    ReadSettings();
    LoadGraphics();
    BuildIconList();
    DrawMenu(0, 0);
    if (menuMusicOn) {
        music.PlayMedia();
    }
    SetMousePointer(platform::MousePointer::Default);
}

void MenuForm::Form_QueryUnload(std::int16_t&, std::int16_t unloadMode)
{
    // The close box leaves the program as Esc does; closing for a game keeps everything.
    if (unloadMode == platform::vbFormControlMenu) {
        LeaveProgram();
    }
}

void MenuForm::OpenSounds()
{
    music.OpenMedia("Music\\menu.mid");
    click.OpenMedia("Sfx\\click.wav");
}

void MenuForm::CloseSounds()
{
    music.CloseMedia();
    click.CloseMedia();
}

void MenuForm::ReadSettings()
{
    menuMusicOn = MenuSettings::Boolean("MusicOn", true);
    menuFxOn = MenuSettings::Boolean("FxOn", true);
    Common::gOneButton = MenuSettings::Boolean("OneButton", false);
    gOneButtonTimer.SetEnabled(Common::gOneButton);
}

void MenuForm::LoadGraphics()
{
    background.LoadDCImage("Gfx\\Menu\\background.jpg", *this);
    background.X = 0;
    background.Y = 0;

    exitHotspot.width = 56;
    exitHotspot.Height = 56;
    exitHotspot.X = 10;
    exitHotspot.Y = 10;

    optionsHotspot.width = 58;
    optionsHotspot.Height = 58;
    optionsHotspot.X = platform::ScreenWidth - 58 - 10;
    optionsHotspot.Y = 10;

    // The frame's transparent colour is the one at its centre: everything inside the ring.
    selectionFrame.LoadDCImage("Gfx\\Menu\\frame.gif", *this);
    selectionFrame.colorKey =
        selectionFrame.GetDCPixel(selectionFrame.width / 2, selectionFrame.Height / 2);

    innerFrame.LoadDCImage("Gfx\\Menu\\innerFrame.gif", *this);

    for (std::size_t i = 0; i < icons.size(); ++i) {
        SpriteClass& icon = icons[i];
        icon.LoadDCImage(IconPictures[i], *this);
        icon.X = IconLeft[i % 3];
        if (i == 0 || i == 3) {
            icon.Y = (i == 0 ? UpperRowCentre : LowerRowCentre) - icon.Height / 2;
        } else {
            icon.Y = icons[i < 3 ? 0 : 3].Y;
        }
    }
}

void MenuForm::FreeGraphics()
{
    background.CleanUp();
    selectionFrame.CleanUp();
    innerFrame.CleanUp();
    for (SpriteClass& icon : icons) {
        icon.CleanUp();
    }
}

void MenuForm::BuildIconList()
{
    iconList.clear();
    for (SpriteClass& icon : icons) {
        iconList.push_back(&icon);
    }
}

void MenuForm::DrawMenu(std::int16_t x, std::int16_t y)
{
    background.Draw(*this);
    for (const SpriteClass& icon : icons) {
        innerFrame.DrawAt(*this, platform::CLng(icon.X) - 4, platform::CLng(icon.Y) - 4);
        if (icon.active) {
            DrawSelectionFrame(icon);
        }
        icon.Draw(*this);
    }
    if (exitHotspot.IsUnder(x, y)) {
        exitHotspot.DrawBorder(HotspotBorder, *this);
    }
    if (optionsHotspot.IsUnder(x, y)) {
        optionsHotspot.DrawBorder(HotspotBorder, *this);
    }
    Refresh();
}

void MenuForm::DrawSelectionFrame(const SpriteClass& icon)
{
    GameUtil::BlitTransparent(hDC(), platform::CLng(icon.X) - 17, platform::CLng(icon.Y) - 17,
                              selectionFrame.width, selectionFrame.Height, selectionFrame.GetDC(0),
                              0, 0, selectionFrame.colorKey);
}

void MenuForm::Form_MouseMove(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    for (SpriteClass& icon : icons) {
        icon.active = icon.IsUnder(px, py);
    }
    DrawMenu(px, py);
}

void MenuForm::Form_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    const std::int16_t px = platform::CInt(x);
    const std::int16_t py = platform::CInt(y);
    if (exitHotspot.IsUnder(px, py)) {
        if (menuFxOn) {
            click.PlayMedia();
        }
        ExitProgram();
    } else if (optionsHotspot.IsUnder(px, py)) {
        ShowOptions();
    } else {
        LaunchSelectedGame();
    }
}

void MenuForm::Form_KeyDown(std::int16_t& keyCode, std::int16_t)
{
    switch (keyCode) {
    case platform::vbKeyEscape:
        ExitProgram();
        break;
    case platform::vbKeyF1:
        ShowOptions();
        break;
    case platform::vbKeySpace:
        ScanStep();
        break;
    case platform::vbKeyReturn:
        LaunchSelectedGame();
        break;
    default:
        break;
    }
}

void MenuForm::gOneButtonTimer_Timer()
{
    std::int16_t keyCode = platform::vbKeySpace;
    Form_KeyDown(keyCode, 0);
}

void MenuForm::ScanStep()
{
    ++scanIndex;
    if (scanIndex > static_cast<std::int16_t>(iconList.size())) {
        scanIndex = 1;
    }
    if (iconList.empty()) {
        return;
    }
    // The warp posts a pointer move, which selects the icon and draws its frame.
    const SpriteClass& icon = *iconList[static_cast<std::size_t>(scanIndex - 1)];
    platform::Point point{platform::CLng(icon.X + icon.width / 2),
                          platform::CLng(icon.Y + icon.Height / 2)};
    platform::ClientToScreen(*this, &point);
    platform::SetCursorPos(point.x, point.y);
}

void MenuForm::ShowOptions()
{
    if (menuFxOn) {
        click.PlayMedia();
    }
    const bool scanning = gOneButtonTimer.Enabled();
    gOneButtonTimer.SetEnabled(false);
    TheMenuOptions().Show(platform::vbModal, this);
    gOneButtonTimer.SetEnabled(scanning);
    if (!Common::gOptionsOk) {
        return;
    }
    ReadSettings();
    if (menuMusicOn) {
        music.PlayMedia();
    } else {
        music.StopMedia();
    }
}

void MenuForm::LaunchSelectedGame()
{
    for (std::size_t i = 0; i < icons.size(); ++i) {
        if (icons[i].active) {
            LaunchGame(static_cast<std::int16_t>(i));
            return;
        }
    }
}

void MenuForm::LaunchGame(std::int16_t index)
{
    platform::Form* game = GameRegistry::GameWindow(index);
    if (game == nullptr) {
        return;
    }
    SetMousePointer(platform::MousePointer::Hourglass);
    music.StopMedia();
    game->Show(platform::vbModeless, nullptr);
    if (!game->IsLoaded()) {
        // The game closed while it loaded: the launcher stays as it was.
        SetMousePointer(platform::MousePointer::Default);
        if (menuMusicOn) {
            music.PlayMedia();
        }
        return;
    }
    FreeGraphics();
    Unload();
}

void MenuForm::LeaveProgram()
{
    iconList.clear();
    FreeGraphics();
    CloseSounds();
    StartUp::EndProgram();
    SetMousePointer(platform::MousePointer::Default);
}

void MenuForm::ExitProgram()
{
    LeaveProgram();
    Unload();
}
