// Times our opaque and colour-keyed copies against SDL_BlitSurface on the same pixels, for a 60 x
// 60 sprite and a whole 800 x 600 picture, each onto an 800 x 600 back buffer; then the ratios,
// with both sides taking turns in short rounds.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "bench/Interleaved.h"
#include "platform/Gdi.h"

namespace {

using namespace platform;

constexpr Color Key = Rgb(255, 0, 255);

// A figure in the middle of a key-coloured field, as the games' pictures are: an ellipse filling
// the bitmap, striped inside.
Hdc Picture(std::int32_t width, std::int32_t height)
{
    Bitmap bitmap(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const double dx = (x + 0.5) / width * 2 - 1;
            const double dy = (y + 0.5) / height * 2 - 1;
            const bool inside = dx * dx + dy * dy <= 1;
            bitmap.Row(y)[x] = inside ? static_cast<std::uint32_t>(Rgb(x * 7, y * 5, (x + y) * 3))
                                      : static_cast<std::uint32_t>(Key);
        }
    }
    const Hdc dc = CreateCompatibleDC(0);
    DeleteObject(SelectObject(dc, CreateBitmapFrom(std::move(bitmap))));
    return dc;
}

Hdc BackBuffer()
{
    const Hdc dc = CreateCompatibleDC(0);
    DeleteObject(SelectObject(dc, CreateCompatibleBitmap(0, 800, 600)));
    return dc;
}

SDL_Surface* Wrap(Hdc dc)
{
    Bitmap& bitmap = *SelectedBitmap(dc);
    return SDL_CreateRGBSurfaceWithFormatFrom(bitmap.pixels.data(), bitmap.width, bitmap.height, 32,
                                              bitmap.width * 4, SDL_PIXELFORMAT_XBGR8888);
}

struct Scene {
    Hdc source;
    Hdc target = BackBuffer();
    std::int32_t width;
    std::int32_t height;

    Scene(std::int32_t w, std::int32_t h) : source(Picture(w, h)), width(w), height(h) {}
    ~Scene()
    {
        DeleteDC(source);
        DeleteDC(target);
    }
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
};

void SetSize(benchmark::State& state, const Scene& scene)
{
    state.SetItemsProcessed(state.iterations() * scene.width * scene.height);
    state.SetLabel(std::to_string(scene.width) + "x" + std::to_string(scene.height));
}

void OurOpaque(benchmark::State& state)
{
    const Scene scene(static_cast<std::int32_t>(state.range(0)),
                      static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        BitBlt(scene.target, 0, 0, scene.width, scene.height, scene.source, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
    }
    SetSize(state, scene);
}

void OurKeyed(benchmark::State& state)
{
    const Scene scene(static_cast<std::int32_t>(state.range(0)),
                      static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        TransparentBlt(scene.target, 0, 0, scene.width, scene.height, scene.source, 0, 0, Key);
        benchmark::ClobberMemory();
    }
    SetSize(state, scene);
}

// SDL_BlitSurface on the same pixels: opaque, with the colour key, or with the colour key
// run-length encoded (SDL encodes the surface once, before the first blit).
enum class SdlKey { None, Plain, RunLength };

void SdlCopy(benchmark::State& state, SdlKey key)
{
    const Scene scene(static_cast<std::int32_t>(state.range(0)),
                      static_cast<std::int32_t>(state.range(1)));
    SDL_Surface* source = Wrap(scene.source);
    SDL_Surface* target = Wrap(scene.target);
    if (key != SdlKey::None) {
        SDL_SetColorKey(source, SDL_TRUE, static_cast<Uint32>(Key));
    }
    if (key == SdlKey::RunLength) {
        SDL_SetSurfaceRLE(source, 1);
    }
    for (auto _ : state) {
        SDL_Rect place{0, 0, scene.width, scene.height};
        SDL_BlitSurface(source, nullptr, target, &place);
        benchmark::ClobberMemory();
    }
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
    SetSize(state, scene);
}

void SdlOpaque(benchmark::State& state)
{
    SdlCopy(state, SdlKey::None);
}

void SdlKeyed(benchmark::State& state)
{
    SdlCopy(state, SdlKey::Plain);
}

void SdlKeyedRle(benchmark::State& state)
{
    SdlCopy(state, SdlKey::RunLength);
}

// Ours against SDL's, interleaved: opaque, and colour-keyed against SDL's plain colour key.
void PrintRatios()
{
    std::printf("\nours / SDL, median of 31 interleaved rounds:\n");
    for (const bool keyed : {false, true}) {
        for (const std::int32_t width : {60, 800}) {
            const Scene scene(width, width == 60 ? 60 : 600);
            SDL_Surface* source = Wrap(scene.source);
            SDL_Surface* target = Wrap(scene.target);
            if (keyed) {
                SDL_SetColorKey(source, SDL_TRUE, static_cast<Uint32>(Key));
            }
            const int runs = width == 60 ? 2000 : 20;
            const bench::Comparison result = bench::Interleaved(
                31, runs,
                [&] {
                    if (keyed) {
                        TransparentBlt(scene.target, 0, 0, scene.width, scene.height, scene.source,
                                       0, 0, Key);
                    } else {
                        BitBlt(scene.target, 0, 0, scene.width, scene.height, scene.source, 0, 0,
                               SRCCOPY);
                    }
                    benchmark::ClobberMemory();
                },
                [&] {
                    SDL_Rect place{0, 0, scene.width, scene.height};
                    SDL_BlitSurface(source, nullptr, target, &place);
                    benchmark::ClobberMemory();
                });
            std::printf("%-8s %dx%d: %8.2f us / %8.2f us = %.2f\n", keyed ? "keyed" : "opaque",
                        scene.width, scene.height, result.oursNs / 1000, result.peerNs / 1000,
                        result.ratio);
            SDL_FreeSurface(source);
            SDL_FreeSurface(target);
        }
    }
}

} // namespace

BENCHMARK(OurOpaque)->Args({60, 60})->Args({800, 600});
BENCHMARK(SdlOpaque)->Args({60, 60})->Args({800, 600});
BENCHMARK(OurKeyed)->Args({60, 60})->Args({800, 600});
BENCHMARK(SdlKeyed)->Args({60, 60})->Args({800, 600});
BENCHMARK(SdlKeyedRle)->Args({60, 60})->Args({800, 600});

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
