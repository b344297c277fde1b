// What presenting one frame costs the program on the X display, through both ways the SDL backend
// has: the accelerated renderer and the window surface (VANDREL_RENDERER), in an 800 x 600 window
// and in full screen, for a window's Refresh whose picture changed everywhere, in a band of 100
// rows, or nowhere. Refreshes are paced to the display, so the figure that counts is the CPU time
// of the whole process (SDL's and the graphics driver's threads included) per frame. Needs an X
// display: `./vandrel bench` runs it under xvfb-run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "platform/Backend.h"
#include "platform/Display.h"
#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/WindowSystem.h"

namespace {

using namespace platform;

// A picture whose pixels differ everywhere with the shade.
Hdc Picture(std::uint32_t shade)
{
    Bitmap bitmap(ScreenWidth, ScreenHeight);
    for (std::int32_t y = 0; y < ScreenHeight; ++y) {
        for (std::int32_t x = 0; x < ScreenWidth; ++x) {
            bitmap.Row(y)[x] = static_cast<std::uint32_t>(Rgb(x + shade, y, x + y + shade));
        }
    }
    const Hdc dc = CreateCompatibleDC(0);
    DeleteObject(SelectObject(dc, CreateBitmapFrom(std::move(bitmap))));
    return dc;
}

class Frame : public Form {
protected:
    void Form_Load() override
    {
        const Hdc picture = Picture(0);
        BitBlt(hDC(), 0, 0, ScreenWidth, ScreenHeight, picture, 0, 0, SRCCOPY);
        DeleteDC(picture);
    }
};

void ComposeScreen(benchmark::State& state)
{
    Frame frame;
    frame.Show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(detail::ComposeScreen().pixels.data());
    }
    frame.Unload();
}
BENCHMARK(ComposeScreen)->Unit(benchmark::kMicrosecond);

enum class Change { Whole, Band, None };

void Refresh(benchmark::State& state, const char* path, bool fullScreen, Change change)
{
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("needs an X display");
        return;
    }
    ::setenv("VANDREL_RENDERER", path, 1);
    backend::Install(backend::CreateSdl());
    SetFullScreen(fullScreen);
    Frame frame;
    frame.Show();
    frame.Refresh();
    const Hdc pictures[2] = {Picture(1), Picture(2)};
    const std::int32_t top = change == Change::Band ? 250 : 0;
    const std::int32_t rows = change == Change::Band ? 100 : ScreenHeight;
    std::size_t turn = 0;
    for (auto _ : state) {
        if (change != Change::None) {
            BitBlt(frame.hDC(), 0, top, ScreenWidth, rows, pictures[turn++ % 2], 0, top, SRCCOPY);
        }
        frame.Refresh();
    }
    DeleteDC(pictures[0]);
    DeleteDC(pictures[1]);
    frame.Unload();
    backend::Install(backend::CreateSdl());
}

#define VANDREL_PRESENT(name, path, full, change)                                                  \
    BENCHMARK_CAPTURE(Refresh, name, path, full, change)                                           \
        ->MeasureProcessCPUTime()                                                                  \
        ->Iterations(120)                                                                          \
        ->Unit(benchmark::kMicrosecond)

VANDREL_PRESENT(software_window_whole, "software", false, Change::Whole);
VANDREL_PRESENT(software_window_band, "software", false, Change::Band);
VANDREL_PRESENT(software_window_unchanged, "software", false, Change::None);
VANDREL_PRESENT(software_fullscreen_whole, "software", true, Change::Whole);
VANDREL_PRESENT(software_fullscreen_band, "software", true, Change::Band);
VANDREL_PRESENT(software_fullscreen_unchanged, "software", true, Change::None);
VANDREL_PRESENT(accelerated_window_whole, "accelerated", false, Change::Whole);
VANDREL_PRESENT(accelerated_window_band, "accelerated", false, Change::Band);
VANDREL_PRESENT(accelerated_window_unchanged, "accelerated", false, Change::None);
VANDREL_PRESENT(accelerated_fullscreen_whole, "accelerated", true, Change::Whole);
VANDREL_PRESENT(accelerated_fullscreen_band, "accelerated", true, Change::Band);
VANDREL_PRESENT(accelerated_fullscreen_unchanged, "accelerated", true, Change::None);

} // namespace

BENCHMARK_MAIN();
