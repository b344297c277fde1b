// Loops whose picture holds until input arrives: an idle editor and a paused game draw nothing
// while they wait, and one pass after each pointer move or key.
#include <gtest/gtest.h>

#include <functional>

#include "editors/tamblo/TambloEditorForm.h"
#include "games/krevin/KrevinForm.h"
#include "games/lupido/LupidoForm.h"
#include "games/morvex/MorvexForm.h"
#include "games/quadrel/QuadrelForm.h"
#include "games/tamblo/TambloForm.h"
#include "games/zentar/ZentarForm.h"
#include "shell/MenuForm.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/GameWindowFixture.h"

namespace {

namespace headless = platform::headless;

// Runs a loop with a pointer move 1 s, a key that does nothing 2 s and Esc 3 s after its start;
// answers the windows' refreshes meanwhile. A loop that waits for input draws once at its start
// and once after each event but Esc, which ends it; one that runs on draws 60 times a second.
std::int32_t RefreshesOfALoop(platform::Point pointer, const std::function<void()>& runLoop)
{
    const std::int32_t before = headless::RefreshCount();
    headless::After(1000).MouseMove(pointer.x, pointer.y);
    headless::After(2000).KeyPress(platform::vbKeyF12);
    headless::After(3000).KeyPress(platform::vbKeyEscape);
    runLoop();
    return headless::RefreshCount() - before;
}

class IdleEditorTest : public EditorFixture<TambloEditorForm> {
public:
    IdleEditorTest() : EditorFixture("Tamblo") {}
};

TEST_F(IdleEditorTest, AnIdleEditorDrawsOncePerEventAndNeverWhileItWaits)
{
    Show();
    EXPECT_EQ(RefreshesOfALoop({400, 300}, [this] { form.RunEditorLoop(); }), 3);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(messageBoxes, 0);
}

template <typename Game> class PausedGameTest : public testsupport::GameWindowFixture<Game> {
};

using Games =
    ::testing::Types<TambloForm, ZentarForm, LupidoForm, KrevinForm, MorvexForm, QuadrelForm>;
TYPED_TEST_SUITE(PausedGameTest, Games);

TYPED_TEST(PausedGameTest, APausedGameDrawsOncePerEventAndNeverWhileItWaits)
{
    this->UseShippedMaps();
    this->ShowWindow();
    ASSERT_FALSE(this->form.QuitGame);
    this->form.GameMode = decltype(this->form.GameMode)::Paused;
    EXPECT_EQ(RefreshesOfALoop(this->OnScreen(400, 200), [this] { this->form.RunGameLoop(); }), 3);
    EXPECT_FALSE(this->form.IsLoaded());
    TheMenuForm().Unload();
}

// The explosions of a hit show for their time even while the game is paused; until they have gone
// the paused game does not stand still.
class PausedZentarTest : public testsupport::GameWindowFixture<ZentarForm> {};

TEST_F(PausedZentarTest, APausedGameStandsStillOnceTheExplosionsOfAHitHaveGone)
{
    UseShippedMaps();
    ShowWindow();
    form.GameMode = zentar::GameMode::Paused;
    form.HitExplosionUntil = GameUtil::GetTickMs() + 100;
    const struct {
        std::int32_t afterMs;
        bool standsStill;
    } cases[] = {{0, false}, {99, false}, {100, true}, {500, true}};
    const std::int32_t start = GameUtil::GetTickMs();
    for (const auto& c : cases) {
        platform::virtualclock::Advance(start + c.afterMs - GameUtil::GetTickMs());
        form.RunPass();
        EXPECT_EQ(form.StandsStill(), c.standsStill) << c.afterMs << " ms";
    }
}

} // namespace
