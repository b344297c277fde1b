// Form life: loading at each showing, modal and modeless shows, closing from handlers, the end of
// the program when the last form unloads, key preview and focus, and the composed screen.
#include "platform/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Events.h"
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

} // namespace
} // namespace platform
