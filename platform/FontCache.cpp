// Font handles and the SDL_ttf fonts behind them, opened once per file and pixel size, with a
// bounded cache of rendered texts per font.
#include "platform/FontCache.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/Ascii.h"
#include "platform/GdiObjects.h"
#include "platform/Numbers.h"
#include "platform/Utf8.h"

namespace platform::detail {
namespace {

// Debian's fonts: Comic Neue stands in for "Comic Sans MS", DejaVu Sans for every other face.
constexpr const char* FontFiles[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
    "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
};

constexpr std::size_t MaxCachedTexts = 256;

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const
    {
        return std::hash<std::string_view>{}(text);
    }
};

} // namespace

class LoadedFont {
public:
    LoadedFont(std::string file, std::int32_t pixels, TTF_Font* font)
        : file_(std::move(file)), pixels_(pixels), font_(font)
    {
    }
    ~LoadedFont()
    {
        if (font_ != nullptr) {
            TTF_CloseFont(font_);
        }
    }
    LoadedFont(const LoadedFont&) = delete;
    LoadedFont& operator=(const LoadedFont&) = delete;

    bool Is(std::string_view file, std::int32_t pixels) const
    {
        return file_ == file && pixels_ == pixels;
    }
    TTF_Font* Font() const { return font_; }
    // The font that draws the characters this one has no glyph for (DejaVu Sans, which has far
    // more, at the same weight and size), so that they show instead of empty boxes.
    void SetFallback(LoadedFont* fallback) { fallback_ = fallback; }

    const RenderedText* Render(std::string_view text);

private:
    bool RenderNew(const std::string& text, RenderedText* rendered) const;
    bool UsesFallback(char32_t code) const;

    std::string file_;
    std::int32_t pixels_;
    TTF_Font* font_;
    LoadedFont* fallback_ = nullptr;
    std::unordered_map<std::string, RenderedText, StringHash, std::equal_to<>> texts_;
};

namespace {

struct FontHandle {
    Hgdiobj handle = 0;
    FontSpec spec;
    LoadedFont* font = nullptr;
};

struct TextState {
    bool initialised = false;
    bool initFailed = false;
    std::vector<FontHandle> handles; // in handle order, as handles only grow
    std::vector<std::unique_ptr<LoadedFont>> fonts;
};

// Never destroyed, like the drawing tables: contexts may select fonts while the program ends.
TextState& State()
{
    static TextState& state = *new TextState;
    return state;
}

bool InitTtf()
{
    auto& state = State();
    if (!state.initialised && !state.initFailed) {
        state.initialised = TTF_Init() == 0;
        state.initFailed = !state.initialised;
        if (state.initFailed) {
            std::fprintf(stderr, "vandrel: cannot start the font library: %s\n", SDL_GetError());
        }
    }
    return state.initialised;
}

FontHandle* FindHandle(Hgdiobj handle)
{
    auto& handles = State().handles;
    const auto found = std::lower_bound(
        handles.begin(), handles.end(), handle,
        [](const FontHandle& entry, Hgdiobj value) { return entry.handle < value; });
    return found == handles.end() || found->handle != handle ? nullptr : &*found;
}

LoadedFont* Open(const FontSpec& spec)
{
    if (!InitTtf()) {
        return nullptr;
    }
    const std::string file = FontFileFor(spec);
    const auto pixels = PixelSize(spec.points);
    auto& fonts = State().fonts;
    for (const auto& font : fonts) {
        if (font->Is(file, pixels)) {
            return font->Font() == nullptr ? nullptr : font.get();
        }
    }
    TTF_Font* opened = TTF_OpenFont(file.c_str(), pixels);
    if (opened == nullptr) {
        std::fprintf(stderr, "vandrel: cannot open font %s: %s\n", file.c_str(), SDL_GetError());
        fonts.push_back(std::make_unique<LoadedFont>(file, pixels, opened));
        return nullptr;
    }
    LoadedFont* const font =
        fonts.emplace_back(std::make_unique<LoadedFont>(file, pixels, opened)).get();
    const FontSpec fallback{"DejaVu Sans", spec.points, spec.bold};
    if (file != FontFileFor(fallback)) {
        font->SetFallback(Open(fallback));
    }
    return font;
}

} // namespace

const RenderedText* LoadedFont::Render(std::string_view text)
{
    if (const auto found = texts_.find(text); found != texts_.end()) {
        return &found->second;
    }
    std::string key(text);
    RenderedText rendered;
    if (!RenderNew(key, &rendered)) {
        return nullptr;
    }
    if (texts_.size() >= MaxCachedTexts) {
        texts_.clear(); // far more texts than a window shows at once: start afresh
    }
    return &texts_.emplace(std::move(key), std::move(rendered)).first->second;
}

namespace {

// The coverage of text drawn in one font; false when the font draws nothing for it.
bool RenderRun(TTF_Font* font, const std::string& text, RenderedText* rendered)
{
    SDL_Surface* drawn = TTF_RenderUTF8_Blended(font, text.c_str(), SDL_Color{255, 255, 255, 255});
    if (drawn == nullptr) {
        return false;
    }
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(drawn, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(drawn);
    if (argb == nullptr) {
        return false;
    }
    SDL_LockSurface(argb);
    rendered->width = argb->w;
    rendered->height = argb->h;
    rendered->coverage.resize(static_cast<std::size_t>(argb->w) *
                              static_cast<std::size_t>(argb->h));
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(argb->pixels) +
                          static_cast<std::ptrdiff_t>(y) * argb->pitch;
        for (int x = 0; x < argb->w; ++x) {
            std::uint32_t pixel = 0;
            std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
            rendered->coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(argb->w) +
                               static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>(pixel >> 24);
        }
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    return true;
}

// Copies a run's coverage into the whole text's at x, its baseline moved down by shift rows.
void Place(const RenderedText& run, std::int32_t x, std::int32_t shift, RenderedText* whole)
{
    for (std::int32_t y = 0; y < run.height; ++y) {
        const std::int32_t to = y + shift;
        if (to < 0 || to >= whole->height) {
            continue;
        }
        const auto* from = run.coverage.data() + static_cast<std::ptrdiff_t>(y) * run.width;
        std::copy(from, from + run.width,
                  whole->coverage.begin() + static_cast<std::ptrdiff_t>(to) * whole->width + x);
    }
}

} // namespace

bool LoadedFont::UsesFallback(char32_t code) const
{
    return fallback_ != nullptr && TTF_GlyphIsProvided32(font_, code) == 0 &&
           TTF_GlyphIsProvided32(fallback_->font_, code) != 0;
}

bool LoadedFont::RenderNew(const std::string& text, RenderedText* rendered) const
{
    // Bytes that are no UTF-8 show as replacement characters; drawing stops at a NUL.
    std::string valid = utf8::Valid(text);
    valid.resize(std::min(valid.size(), valid.find('\0')));
    // An empty text has no width but the font's height, as a measured empty line does.
    if (valid.empty()) {
        rendered->height = TTF_FontHeight(font_);
        return true;
    }
    // Runs of characters this font draws, and runs its fallback draws.
    std::vector<std::pair<bool, std::string>> runs;
    for (std::size_t at = 0; at < valid.size();) {
        const utf8::Character character = utf8::DecodeAt(valid, at);
        const bool fallback = UsesFallback(character.code);
        if (runs.empty() || runs.back().first != fallback) {
            runs.emplace_back(fallback, std::string());
        }
        runs.back().second.append(valid, at, character.length);
        at += character.length;
    }
    if (runs.size() == 1 && !runs.front().first) {
        return RenderRun(font_, valid, rendered);
    }
    std::vector<RenderedText> pieces(runs.size());
    rendered->width = 0;
    rendered->height = TTF_FontHeight(font_);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!RenderRun(runs[i].first ? fallback_->font_ : font_, runs[i].second, &pieces[i])) {
            pieces[i] = RenderedText{};
        }
        rendered->width += pieces[i].width;
    }
    rendered->coverage.assign(
        static_cast<std::size_t>(rendered->width) * static_cast<std::size_t>(rendered->height), 0);
    std::int32_t x = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const std::int32_t shift =
            runs[i].first ? TTF_FontAscent(font_) - TTF_FontAscent(fallback_->font_) : 0;
        Place(pieces[i], x, shift, rendered);
        x += pieces[i].width;
    }
    return true;
}

bool IsFont(Hgdiobj object)
{
    return object != 0 && FindHandle(object) != nullptr;
}

Hgdiobj DefaultFont()
{
    return CreateFontHandle(FontSpec{});
}

LoadedFont* FontOf(Hgdiobj handle)
{
    auto* entry = FindHandle(handle);
    if (entry == nullptr) {
        return nullptr;
    }
    if (entry->font == nullptr) {
        entry->font = Open(entry->spec);
    }
    return entry->font;
}

const RenderedText* Render(LoadedFont& font, std::string_view text)
{
    return font.Render(text);
}

TextMetrics MetricsOf(LoadedFont& font)
{
    TextMetrics metrics;
    metrics.height = TTF_FontHeight(font.Font());
    metrics.ascent = TTF_FontAscent(font.Font());
    metrics.descent = metrics.height - metrics.ascent;
    int advance = 0;
    if (TTF_GlyphMetrics32(font.Font(), 'x', nullptr, nullptr, nullptr, nullptr, &advance) == 0) {
        metrics.averageCharWidth = advance;
    }
    return metrics;
}

const char* FontFileFor(const FontSpec& spec)
{
    const bool comic = EqualsIgnoringCase(spec.face, "Comic Sans MS");
    return FontFiles[(comic ? 2 : 0) + (spec.bold ? 1 : 0)];
}

std::int32_t PixelSize(double points)
{
    // Points at 96 dpi; sizes outside 1..1000 pixels are brought into that range.
    return std::clamp(CLng(points * 96.0 / 72.0), 1, 1000);
}

} // namespace platform::detail

namespace platform {

Hgdiobj CreateFontHandle(const FontSpec& spec)
{
    auto& handles = detail::State().handles;
    for (const auto& entry : handles) {
        if (entry.spec == spec) {
            return entry.handle;
        }
    }
    const auto handle = detail::NewHandle();
    if (handle != 0) {
        handles.push_back(detail::FontHandle{handle, spec, nullptr});
    }
    return handle;
}

bool CheckFonts()
{
    bool complete = true;
    for (const char* file : detail::FontFiles) {
        if (std::FILE* opened = std::fopen(file, "rb")) {
            std::fclose(opened);
        } else {
            std::fprintf(stderr, "vandrel: font file %s is missing (Debian packages %s)\n", file,
                         "fonts-dejavu-core and fonts-comic-neue");
            complete = false;
        }
    }
    return complete;
}

} // namespace platform
