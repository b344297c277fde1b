// Presenting the screen picture: through an SDL renderer (on a real graphics card), or through the
// window surface, letterboxed by our own nearest-pixel scaling, with only the changed rows sent.
#include "platform/backend/sdl/SdlPresenter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/Letterbox.h"

namespace platform::sdl {
namespace {

[[noreturn]] void CannotDraw()
{
    std::fprintf(stderr, "vandrel: cannot draw in the screen window: %s\n", SDL_GetError());
    std::exit(1);
}

// A renderer whose logical size scales and letterboxes the picture (and maps the pointer).
class RendererPresenter final : public Presenter {
public:
    explicit RendererPresenter(SDL_Renderer* renderer) : renderer_(renderer)
    {
        SDL_RendererInfo info;
        vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 &&
                 (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
        SDL_RenderSetLogicalSize(renderer_, ScreenWidth, ScreenHeight);
        // The screen picture's pixels are 0x00RRGGBB, which SDL calls RGB888.
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     ScreenWidth, ScreenHeight);
        if (texture_ == nullptr) {
            CannotDraw();
        }
    }
    ~RendererPresenter() override
    {
        SDL_DestroyTexture(texture_);
        SDL_DestroyRenderer(renderer_);
    }
    RendererPresenter(const RendererPresenter&) = delete;
    RendererPresenter& operator=(const RendererPresenter&) = delete;

    void Show(const Bitmap& screen, std::span<const Rect> changed, bool whole) override
    {
        const Rect all{0, 0, screen.width, screen.height};
        for (const Rect& rows : whole ? std::span<const Rect>(&all, 1) : changed) {
            const SDL_Rect area{0, rows.top, screen.width, rows.bottom - rows.top};
            SDL_UpdateTexture(texture_, &area, screen.Row(rows.top),
                              static_cast<int>(screen.width * sizeof(std::uint32_t)));
        }
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }

    bool VSync() const override { return vsync_; }
    // The logical size already maps pointer events into the picture.
    Point ToScreen(Point window) const override { return window; }
    Point ToWindow(Point screen) const override
    {
        int x = screen.x;
        int y = screen.y;
        SDL_RenderLogicalToWindow(renderer_, static_cast<float>(screen.x),
                                  static_cast<float>(screen.y), &x, &y);
        return {x, y};
    }

private:
    SDL_Renderer* renderer_;
    SDL_Texture* texture_ = nullptr;
    bool vsync_ = false;
};

// The window's own surface: the cheapest way to the screen without a graphics card.
class SurfacePresenter final : public Presenter {
public:
    explicit SurfacePresenter(SDL_Window* window) : window_(window) {}
    ~SurfacePresenter() override
    {
        if (converted_ != nullptr) {
            SDL_FreeSurface(converted_);
        }
    }
    SurfacePresenter(const SurfacePresenter&) = delete;
    SurfacePresenter& operator=(const SurfacePresenter&) = delete;

    void Show(const Bitmap& screen, std::span<const Rect> changed, bool whole) override
    {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (surface == nullptr) {
            return;
        }
        if (!box_ || box_->WindowWidth() != surface->w || box_->WindowHeight() != surface->h) {
            box_.emplace(surface->w, surface->h);
            whole = true;
        }
        const std::uint32_t format = surface->format->format;
        const bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_XBGR8888;
        // Other window formats (16 bits, a palette) are drawn at 32 bits and converted by SDL.
        SDL_Surface* target = direct ? surface : Converted(surface);
        if (target == nullptr) {
            return;
        }
        if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) {
            return;
        }
        areas_.clear();
        const Rect all{0, 0, screen.width, screen.height};
        for (const Rect& band : whole ? std::span<const Rect>(&all, 1) : changed) {
            const Rect rows = box_->Draw(screen, band.top, band.bottom - 1,
                                         static_cast<std::uint32_t*>(target->pixels),
                                         target->pitch / static_cast<int>(sizeof(std::uint32_t)),
                                         target->format->format == SDL_PIXELFORMAT_XBGR8888, whole);
            if (rows.bottom > rows.top) {
                areas_.push_back(
                    {rows.left, rows.top, rows.right - rows.left, rows.bottom - rows.top});
            }
        }
        if (SDL_MUSTLOCK(target)) {
            SDL_UnlockSurface(target);
        }
        if (areas_.empty()) {
            return;
        }
        if (!direct) {
            for (SDL_Rect& area : areas_) {
                SDL_Rect to = area;
                SDL_BlitSurface(target, &area, surface, &to);
            }
        }
        SDL_UpdateWindowSurfaceRects(window_, areas_.data(), static_cast<int>(areas_.size()));
    }

    bool VSync() const override { return false; }
    Point ToScreen(Point window) const override { return box_ ? box_->ToPicture(window) : window; }
    Point ToWindow(Point screen) const override { return box_ ? box_->ToWindow(screen) : screen; }

private:
    SDL_Surface* Converted(const SDL_Surface* surface)
    {
        if (converted_ != nullptr && (converted_->w != surface->w || converted_->h != surface->h)) {
            SDL_FreeSurface(converted_);
            converted_ = nullptr;
        }
        if (converted_ == nullptr) {
            converted_ = SDL_CreateRGBSurfaceWithFormat(0, surface->w, surface->h, 32,
                                                        SDL_PIXELFORMAT_RGB888);
        }
        return converted_;
    }

    SDL_Window* window_;
    std::optional<Letterbox> box_;
    std::vector<SDL_Rect> areas_; // the window rows each band was drawn into
    SDL_Surface* converted_ = nullptr;
};

// Whether the machine may have a graphics card: a device of the kernel's graphics drivers.
bool MayHaveGraphicsCard()
{
    const char* softwareOnly = std::getenv("LIBGL_ALWAYS_SOFTWARE");
    if (softwareOnly != nullptr && *softwareOnly != '\0' && std::string_view(softwareOnly) != "0") {
        return false;
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("card") || name.starts_with("renderD")) {
            return true;
        }
    }
    return std::filesystem::exists("/dev/nvidiactl", ec);
}

// Whether an OpenGL renderer draws with the processor (Mesa's llvmpipe, softpipe, swrast).
bool DrawsInSoftware(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0 ||
        (info.flags & SDL_RENDERER_ACCELERATED) == 0) {
        return true;
    }
    const std::string_view name = info.name;
    if (name != "opengl" && name != "opengles2") {
        return false;
    }
    using GetString = const unsigned char* (*)(unsigned int);
    constexpr unsigned int GlRenderer = 0x1F01;
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* text = getString != nullptr ? getString(GlRenderer) : nullptr;
    if (text == nullptr) {
        return false;
    }
    const std::string_view gl = reinterpret_cast<const char*>(text);
    for (const std::string_view soft : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
        if (gl.find(soft) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

std::unique_ptr<Presenter> CreatePresenter(SDL_Window* window)
{
    const char* forced = std::getenv("VANDREL_RENDERER");
    const std::string_view choice = forced != nullptr ? forced : "";
    if (choice != "software" && (choice == "accelerated" || MayHaveGraphicsCard())) {
        SDL_Renderer* renderer =
            SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
        if (renderer != nullptr && (choice == "accelerated" || !DrawsInSoftware(renderer))) {
            return std::make_unique<RendererPresenter>(renderer);
        }
        if (renderer != nullptr) {
            SDL_DestroyRenderer(renderer);
        }
    }
    // Without a card the window surface is cheapest; SDL must not put a renderer behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_GetWindowSurface(window) != nullptr) {
        return std::make_unique<SurfacePresenter>(window);
    }
    // A video driver without window surfaces: any renderer SDL has.
    SDL_ResetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) {
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    if (renderer == nullptr) {
        CannotDraw();
    }
    return std::make_unique<RendererPresenter>(renderer);
}

} // namespace platform::sdl
