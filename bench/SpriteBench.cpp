// Sprite benchmark: 200 moving, animating sprites through Update and DrawTransp on the headless
// backend, against the same scene drawn with SDL_BlitSurface and a colour key; the two take turns
// in rounds of 50 frames, 1000 frames each in all.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/Interleaved.h"
#include "platform/Clock.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"
#include "platform/Surface.h"
#include "toolkit/GameUtil.h"
#include "toolkit/SpriteClass.h"

namespace {

constexpr std::int32_t ScreenWidth = 800;
constexpr std::int32_t ScreenHeight = 600;
constexpr int SpriteCount = 200;
constexpr int Rounds = 20;
constexpr int FramesPerRound = 50;
constexpr int FramesPerSprite = 4;
constexpr std::int32_t SpriteSize = 40;
constexpr platform::Color Key = platform::Rgb(255, 0, 255);

// Frame f of the sprite pictures: a disc whose radius changes with the frame, on the key colour.
platform::Bitmap FramePicture(int f)
{
    platform::Bitmap bitmap(SpriteSize, SpriteSize);
    const int radius = 12 + 2 * f;
    for (std::int32_t y = 0; y < SpriteSize; ++y) {
        for (std::int32_t x = 0; x < SpriteSize; ++x) {
            const int dx = x - SpriteSize / 2;
            const int dy = y - SpriteSize / 2;
            const bool inside = dx * dx + dy * dy < radius * radius;
            bitmap.Row(y)[x] = static_cast<std::uint32_t>(
                inside ? platform::Rgb(40 * f, 255 - 30 * f, (x * 6) & 0xFF) : Key);
        }
    }
    return bitmap;
}

platform::Bitmap Background()
{
    platform::Bitmap bitmap(ScreenWidth, ScreenHeight);
    for (std::int32_t y = 0; y < ScreenHeight; ++y) {
        for (std::int32_t x = 0; x < ScreenWidth; ++x) {
            bitmap.Row(y)[x] = static_cast<std::uint32_t>(platform::Rgb(x & 0xFF, y & 0xFF, 90));
        }
    }
    return bitmap;
}

platform::Hdc ContextOf(platform::Bitmap bitmap)
{
    const platform::Hdc dc = platform::CreateCompatibleDC(0);
    platform::DeleteObject(
        platform::SelectObject(dc, platform::CreateBitmapFrom(std::move(bitmap))));
    return dc;
}

// A scene of sprites that load their frames as the games do, each with its own place, speed and
// frame times.
std::vector<SpriteClass> MakeScene(const std::vector<std::string>& frameFiles,
                                   platform::Surface& form)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> placeX(0, ScreenWidth - SpriteSize);
    std::uniform_real_distribution<double> placeY(0, ScreenHeight - SpriteSize);
    std::uniform_real_distribution<double> speed(-200, 200);
    std::uniform_int_distribution<int> frameTime(30, 120);
    std::vector<SpriteClass> sprites(SpriteCount);
    for (SpriteClass& sprite : sprites) {
        for (const std::string& file : frameFiles) {
            sprite.LoadDCImage(file, form);
        }
        sprite.X = placeX(random);
        sprite.Y = placeY(random);
        sprite.xMov = speed(random);
        sprite.yMov = speed(random);
        const double time = frameTime(random);
        sprite.SetFrameTime({time, time, time, time});
    }
    return sprites;
}

// Keeps a sprite on the screen by turning it round at the edges.
void Bounce(SpriteClass& sprite)
{
    if ((sprite.X < 0 && sprite.xMov < 0) ||
        (sprite.X > ScreenWidth - SpriteSize && sprite.xMov > 0)) {
        sprite.xMov = -sprite.xMov;
    }
    if ((sprite.Y < 0 && sprite.yMov < 0) ||
        (sprite.Y > ScreenHeight - SpriteSize && sprite.yMov > 0)) {
        sprite.yMov = -sprite.yMov;
    }
}

// One frame of a scene: the background, then every sprite moved, animated and drawn.
template <typename DrawSprite> void RunFrame(std::vector<SpriteClass>& sprites, DrawSprite& draw)
{
    platform::virtualclock::Advance(16);
    draw(nullptr);
    for (SpriteClass& sprite : sprites) {
        sprite.Update(SpriteClass::SincePrevious);
        Bounce(sprite);
        draw(&sprite);
    }
}

} // namespace

int main()
{
    platform::virtualclock::Enable(true);

    const auto folder = std::filesystem::temp_directory_path() /
                        ("vandrel-spritebench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::vector<platform::Bitmap> pictures;
    std::vector<std::string> frameFiles;
    for (int f = 0; f < FramesPerSprite; ++f) {
        pictures.push_back(FramePicture(f));
        frameFiles.push_back((folder / ("frame" + std::to_string(f) + ".bmp")).string());
        if (!platform::SaveBitmapFile(pictures.back(), frameFiles.back())) {
            std::fprintf(stderr, "vandrel: cannot write %s\n", frameFiles.back().c_str());
            return 1;
        }
    }
    const platform::Bitmap background = Background();
    const platform::Hdc backgroundDC = ContextOf(background);

    // Our path: a window's back buffer, Update and DrawTransp.
    platform::Surface form;
    form.Resize(ScreenWidth, ScreenHeight);
    std::vector<SpriteClass> scene = MakeScene(frameFiles, form);
    std::filesystem::remove_all(folder);
    std::vector<SpriteClass> ourScene = scene;
    const auto ourDraw = [&](SpriteClass* sprite) {
        if (sprite == nullptr) {
            platform::BitBlt(form.hDC(), 0, 0, ScreenWidth, ScreenHeight, backgroundDC, 0, 0,
                             platform::SRCCOPY);
            return;
        }
        sprite->DrawTransp(form);
    };

    // SDL's path: the same pixels in SDL surfaces, the same Update, SDL_BlitSurface with a key.
    SDL_Surface* screen =
        SDL_CreateRGBSurfaceWithFormat(0, ScreenWidth, ScreenHeight, 32, SDL_PIXELFORMAT_XBGR8888);
    SDL_Surface* backgroundSurface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint32_t*>(background.pixels.data()), ScreenWidth, ScreenHeight, 32,
        ScreenWidth * 4, SDL_PIXELFORMAT_XBGR8888);
    std::vector<SDL_Surface*> frameSurfaces;
    for (platform::Bitmap& picture : pictures) {
        SDL_Surface* surface =
            SDL_CreateRGBSurfaceWithFormatFrom(picture.pixels.data(), SpriteSize, SpriteSize, 32,
                                               SpriteSize * 4, SDL_PIXELFORMAT_XBGR8888);
        SDL_SetColorKey(surface, SDL_TRUE, static_cast<std::uint32_t>(Key));
        frameSurfaces.push_back(surface);
    }
    std::vector<SpriteClass> sdlScene = scene;
    const auto sdlDraw = [&](SpriteClass* sprite) {
        if (sprite == nullptr) {
            SDL_BlitSurface(backgroundSurface, nullptr, screen, nullptr);
            return;
        }
        SDL_Rect place{platform::CLng(sprite->X), platform::CLng(sprite->Y), SpriteSize,
                       SpriteSize};
        SDL_BlitSurface(
            frameSurfaces[static_cast<std::size_t>(sprite->frame) % frameSurfaces.size()], nullptr,
            screen, &place);
    };

    for (std::vector<SpriteClass>* sprites : {&ourScene, &sdlScene}) {
        for (SpriteClass& sprite : *sprites) {
            sprite.Update(SpriteClass::RestartClock);
        }
    }
    const bench::Comparison result = bench::Interleaved(
        Rounds, FramesPerRound, [&] { RunFrame(ourScene, ourDraw); },
        [&] { RunFrame(sdlScene, sdlDraw); });
    std::printf("%-44s %9.1f us per frame\n", "toolkit: Update + DrawTransp, 200 sprites",
                result.oursNs / 1000);
    std::printf("%-44s %9.1f us per frame\n", "SDL: Update + SDL_BlitSurface colour key",
                result.peerNs / 1000);
    std::printf("toolkit / SDL: %.2f (median of %d interleaved rounds)\n", result.ratio, Rounds);

    for (SDL_Surface* surface : frameSurfaces) {
        SDL_FreeSurface(surface);
    }
    SDL_FreeSurface(backgroundSurface);
    SDL_FreeSurface(screen);
    for (SpriteClass& sprite : scene) {
        sprite.CleanUp();
    }
    return 0;
}
