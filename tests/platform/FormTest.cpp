// Form life: loading at each showing, modal and modeless shows, closing from handlers, the end of
// the program when the last form unloads, key preview and focus, and the composed screen.
#include "platform/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Control.h"
#include "platform/Events.h"
#include "platform/Gdi.h"
#include "platform/Headless.h"
#include "platform/Input.h"
#include "platform/Timer.h"

namespace platform {
namespace {

std::vector<std::string> events;

class TraceForm : public Form {
public:
    explicit TraceForm(std::string name) : name_(std::move(name)) {}
    std::function<void()> onLoad;
    std::function<void(std::int16_t&, std::int16_t)> onQueryUnload;
    std::function<void(std::int16_t)> onKeyDown;

protected:
    void Form_Initialize() override { events.push_back(name_ + ".Initialize"); }
    void Form_Load() override
    {
        events.push_back(name_ + ".Load");
        if (onLoad) {
            onLoad();
        }
    }
    void Form_QueryUnload(std::int16_t& cancel, std::int16_t unloadMode) override
    {
        events.push_back(name_ + ".QueryUnload" + std::to_string(unloadMode));
        if (onQueryUnload) {
            onQueryUnload(cancel, unloadMode);
        }
    }
    void Form_Unload(std::int16_t&) override { events.push_back(name_ + ".Unload"); }
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) override
    {
        events.push_back(name_ + ".KeyDown" + std::to_string(keyCode) + "/" +
                         std::to_string(shift));
        if (onKeyDown) {
            onKeyDown(keyCode);
        }
    }
    void Form_KeyUp(std::int16_t& keyCode, std::int16_t) override
    {
        events.push_back(name_ + ".KeyUp" + std::to_string(keyCode));
    }
    void Form_MouseDown(std::int16_t button, std::int16_t, float x, float y) override
    {
        events.push_back(name_ + ".MouseDown" + std::to_string(button) + "@" +
                         std::to_string(static_cast<int>(x)) + "," +
                         std::to_string(static_cast<int>(y)));
    }
    void Form_MouseUp(std::int16_t button, std::int16_t, float, float) override
    {
        events.push_back(name_ + ".MouseUp" + std::to_string(button));
    }
    void Form_MouseMove(std::int16_t, std::int16_t, float x, float y) override
    {
        events.push_back(name_ + ".MouseMove@" + std::to_string(static_cast<int>(x)) + "," +
                         std::to_string(static_cast<int>(y)));
    }
    void Form_Click() override { events.push_back(name_ + ".Click"); }

private:
    std::string name_;
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        headless::Install();
        events.clear();
    }
};

TEST_F(FormTest, InitializeRunsOncePerProcessAndLoadAtEveryShowing)
{
    TraceForm form("F");
    form.Show();
    ASSERT_TRUE(form.Unload());
    form.Show();
    EXPECT_EQ(events, (std::vector<std::string>{"F.Initialize", "F.Load", "F.QueryUnload1",
                                                "F.Unload", "F.Load"}));
    EXPECT_TRUE(form.Visible());
    form.Unload();
}

TEST_F(FormTest, FormUnloadedInsideItsOwnLoadIsNeverShown)
{
    TraceForm form("F");
    form.onLoad = [&form] { form.Unload(); };
    form.Show();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(LoadedFormCount(), 0);
    EXPECT_EQ(RunProgram(form), 0); // ends at once: no form remains
}

TEST_F(FormTest, ModalShowReturnsWhenTheFormClosesItselfFromItsTimer)
{
    TraceForm splash("Splash");
    Timer startTimer(splash, 5000, true);
    startTimer.OnTimer = [&] {
        startTimer.SetEnabled(false);
        splash.Unload();
    };
    TraceForm menu("Menu");
    menu.onLoad = [&] {
        splash.Show(ShowMode::Modal, &menu);
        events.push_back("Menu.LoadGoesOn@" + std::to_string(headless::Elapsed()));
    };
    menu.Show();
    EXPECT_EQ(events, (std::vector<std::string>{"Menu.Initialize", "Menu.Load", "Splash.Initialize",
                                                "Splash.Load", "Splash.QueryUnload1",
                                                "Splash.Unload", "Menu.LoadGoesOn@5000"}));
    EXPECT_TRUE(menu.Visible());
    EXPECT_FALSE(splash.IsLoaded());
    menu.Unload();
}

TEST_F(FormTest, ModelessShowFromAHandlerLoadsTheNewFormAtOnceAndTheLastUnloadEndsTheProgram)
{
    TraceForm menu("Menu");
    TraceForm game("Game");
    menu.onKeyDown = [&](std::int16_t) {
        game.Show();
        events.push_back("Menu.AfterShow");
        menu.Unload();
    };
    game.onKeyDown = [&](std::int16_t) { game.Unload(); };
    headless::At(100).KeyDown(vbKeyReturn);
    headless::At(200).KeyDown(vbKeyEscape);
    EXPECT_EQ(RunProgram(menu), 0);
    EXPECT_EQ(events, (std::vector<std::string>{
                          "Menu.Initialize", "Menu.Load", "Menu.KeyDown13/0", "Game.Initialize",
                          "Game.Load", "Menu.AfterShow", "Menu.QueryUnload1", "Menu.Unload",
                          "Game.KeyDown27/0", "Game.QueryUnload1", "Game.Unload"}));
    EXPECT_EQ(headless::Elapsed(), 200);
    EXPECT_EQ(LoadedFormCount(), 0);
}

TEST_F(FormTest, CancelInQueryUnloadKeepsTheFormAndTheCloseBoxAsksWithItsOwnMode)
{
    TraceForm editor("Editor");
    bool quit = false;
    // The editor's close rule: a first request is cancelled and turned into the quit flag.
    editor.onQueryUnload = [&](std::int16_t& cancel, std::int16_t) {
        if (!quit) {
            cancel = 1;
            quit = true;
        }
    };
    editor.Show();
    headless::After(10).Close();
    DoEvents(); // nothing due yet
    EXPECT_TRUE(editor.IsLoaded());
    EXPECT_FALSE(quit);
    while (!quit) {
        editor.Refresh();
        DoEvents();
    }
    EXPECT_EQ(events, (std::vector<std::string>{"Editor.Initialize", "Editor.Load",
                                                "Editor.QueryUnload0"}));
    EXPECT_TRUE(editor.IsLoaded());
    EXPECT_TRUE(editor.Unload());
    EXPECT_EQ(events.back(), "Editor.Unload");
    EXPECT_EQ(events[events.size() - 2], "Editor.QueryUnload1");
}

TEST_F(FormTest, HidingAModalFormEndsItsShowButKeepsItLoaded)
{
    TraceForm dialog("Dialog");
    dialog.onKeyDown = [&](std::int16_t) { dialog.Hide(); };
    headless::At(50).KeyDown(vbKeySpace);
    dialog.Show(ShowMode::Modal);
    EXPECT_TRUE(dialog.IsLoaded());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
    dialog.Unload();
}

TEST_F(FormTest, SizesAreClientSizesAndSmallFormsAreCentredOverTheirOwner)
{
    TraceForm game("Game");
    TraceForm dialog("Dialog");
    dialog.onLoad = [&] { dialog.SetClientSize(340, 420); };
    game.Show();
    EXPECT_EQ(game.ScaleWidth(), 800);
    EXPECT_EQ(game.ScaleHeight(), 600);
    EXPECT_TRUE(game.FillsScreen());
    EXPECT_EQ(game.Width(), 800);
    dialog.Load();
    EXPECT_EQ(dialog.ScaleWidth(), 340);
    EXPECT_EQ(dialog.ScaleHeight(), 420);
    EXPECT_EQ(dialog.Width(), 340 + 2 * FrameWidth);
    EXPECT_EQ(dialog.Height(), 420 + 2 * FrameWidth + CaptionHeight);
    dialog.Show(ShowMode::Modeless, &game);
    EXPECT_EQ(dialog.Left(), (800 - dialog.Width()) / 2);
    EXPECT_EQ(dialog.Top(), (600 - dialog.Height()) / 2);
    Point origin;
    ASSERT_TRUE(ClientToScreen(dialog, &origin));
    EXPECT_EQ(origin,
              (Point{dialog.Left() + FrameWidth, dialog.Top() + FrameWidth + CaptionHeight}));
    dialog.Unload();
    game.Unload();
}

TEST_F(FormTest, MaximisedFormFillsTheScreenAndItsCaptionNamesTheScreenWindow)
{
    TraceForm game("Game");
    game.onLoad = [&] {
        game.SetClientSize(640, 480);
        game.SetWindowState(WindowState::Maximized);
        game.SetCaption("Vandrel");
    };
    game.Show();
    EXPECT_TRUE(game.FillsScreen());
    EXPECT_EQ(game.Left(), 0);
    EXPECT_EQ(game.Top(), 0);
    EXPECT_EQ(headless::Title(), "Vandrel");
    game.SetCaption("Tamblo Editor");
    EXPECT_EQ(headless::Title(), "Tamblo Editor");
    game.Unload();
}

TEST_F(FormTest, RefreshPresentsOnlyAChangedPictureAndAdvancesTheClockByOneFramePeriod)
{
    TraceForm game("Game");
    game.Show();
    const std::int64_t before = headless::Elapsed();
    game.Refresh(); // the first picture
    const std::int32_t presents = headless::PresentCount();
    const Color drawn[] = {Rgb(255, 0, 0), Rgb(255, 0, 0), Rgb(0, 0, 255)};
    for (const Color colour : drawn) {
        SetPixel(game.hDC(), 10, 20, colour); // drawing the same pixels again changes nothing
        game.Refresh();
        game.Refresh();
    }
    EXPECT_EQ(headless::Elapsed() - before, 7 * 16);
    EXPECT_EQ(headless::RefreshCount(), 7);
    EXPECT_EQ(headless::PresentCount() - presents, 2);
    virtualclock::SetFramePeriod(20);
    game.Refresh();
    virtualclock::SetFramePeriod(16);
    EXPECT_EQ(headless::Elapsed() - before, 7 * 16 + 20);
    game.Unload();
    game.Refresh(); // a closed window presents nothing
    EXPECT_EQ(headless::RefreshCount(), 8);
}

TEST_F(FormTest, MousePointerFollowsTheFormUnderThePointer)
{
    TraceForm editor("Editor");
    editor.Show();
    editor.SetMousePointer(MousePointer::Crosshair);
    EXPECT_EQ(headless::PointerShape(), MousePointer::Crosshair);
    editor.SetMousePointer(MousePointer::Hourglass);
    EXPECT_EQ(headless::PointerShape(), MousePointer::Hourglass);
    editor.Unload();
    EXPECT_EQ(headless::PointerShape(), MousePointer::Default);
}

} // namespace
} // namespace platform
