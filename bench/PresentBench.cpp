// Times one full present of an 800 x 600 frame: composing the screen picture from a window, handing
// it to SDL (texture upload, copy, present) on an offscreen window, and a window's paced Refresh.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/Form.h"
#include "platform/Gdi.h"
#include "platform/WindowSystem.h"

namespace {

using namespace platform;

// A window that filled its back buffer with a gradient, shown on the screen.
class Frame : public Form {
protected:
    void Form_Load() override
    {
        Bitmap& pixels = *SelectedBitmap(hDC());
        for (std::int32_t y = 0; y < pixels.height; ++y) {
            for (std::int32_t x = 0; x < pixels.width; ++x) {
                pixels.Row(y)[x] = static_cast<std::uint32_t>(Rgb(x, y, x + y));
            }
        }
    }
};

void ComposeScreen(benchmark::State& state)
{
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    Frame frame;
    frame.Show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(detail::ComposeScreen().pixels.data());
    }
    frame.Unload();
}
BENCHMARK(ComposeScreen)->Unit(benchmark::kMicrosecond);

// What the SDL backend does with each composed frame, without its pacing to the display.
void SdlPresent(benchmark::State& state)
{
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    SDL_Window* window =
        SDL_CreateWindow("bench", 0, 0, ScreenWidth, ScreenHeight, SDL_WINDOW_HIDDEN);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_RenderSetLogicalSize(renderer, ScreenWidth, ScreenHeight);
    SDL_Texture* texture = SDL_CreateTexture(
        renderer, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING, ScreenWidth, ScreenHeight);
    Bitmap screen(ScreenWidth, ScreenHeight);
    for (auto _ : state) {
        SDL_UpdateTexture(texture, nullptr, screen.pixels.data(), ScreenWidth * 4);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_RenderPresent(renderer);
    }
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(SdlPresent)->Unit(benchmark::kMicrosecond);

// A window's Refresh on the SDL backend: composing and presenting, paced to the display's refresh,
// so a loop of refreshes runs at the display's rate and no faster.
void PacedRefresh(benchmark::State& state)
{
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    Frame frame;
    frame.Show();
    for (auto _ : state) {
        frame.Refresh();
    }
    frame.Unload();
}
BENCHMARK(PacedRefresh)->Unit(benchmark::kMillisecond)->Iterations(60);

} // namespace

BENCHMARK_MAIN();
