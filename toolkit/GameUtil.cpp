// GameUtil: the clock, random integers, the colour-keyed copy, rectangles, angles, the visible
// count and the release of a frame's context.
#include "toolkit/GameUtil.h"

#include <cmath>
#include <random>

#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "toolkit/SpriteClass.h"

namespace GameUtil {

double gFontScale = 1;

namespace {

std::int64_t counterFrequency = 0; // read once, at the first clock reading

// SplitMix64's output function: a bijection that spreads every input bit over the whole word.
std::uint64_t Mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t InitialRandomState()
{
    // On the virtual clock every run repeats; a real run starts somewhere new.
    if (platform::virtualclock::Enabled()) {
        return 0x853C49E6748FEA9BULL;
    }
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

std::uint64_t& RandomState()
{
    static std::uint64_t state = InitialRandomState();
    return state;
}

} // namespace

std::int32_t GetTickMs()
{
    if (counterFrequency == 0) {
        platform::QueryPerformanceFrequency(&counterFrequency);
    }
    std::int64_t counter = 0;
    platform::QueryPerformanceCounter(&counter);
    const double ms = static_cast<double>(counter) / static_cast<double>(counterFrequency) * 1000.0;
    // Wraps at the 32-bit limit instead of sticking there, so differences stay right.
    const auto wide = static_cast<std::uint64_t>(platform::RoundHalfEven<std::int64_t>(ms));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

std::int32_t TicksBetween(std::int32_t earlier, std::int32_t later)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) -
                                     static_cast<std::uint32_t>(earlier));
}

std::int16_t RandomInt(std::int16_t low, std::int16_t high)
{
    // The tick is mixed into the running state rather than replacing it: reseeding from the clock
    // would give every call of one millisecond the same number.
    std::uint64_t& state = RandomState();
    const auto tick = static_cast<std::uint32_t>(GetTickMs());
    state = Mix64((state + 0x9E3779B97F4A7C15ULL) ^ tick);
    const double r = static_cast<double>(state >> 11) * 0x1.0p-53; // uniform in [0, 1)
    const std::int32_t count = std::int32_t{high} - low + 1;
    return platform::CInt(std::floor(r * count) + low);
}

void SetRandomState(std::uint64_t state)
{
    RandomState() = state;
}

std::int32_t RectsIntersect(const platform::Rect& a, const platform::Rect& b, platform::Rect& d)
{
    return platform::IntersectRect(&d, &a, &b) ? 1 : 0;
}

double Pi()
{
    return 4.0 * std::atan(1.0);
}

float DegToRad(double degrees)
{
    return static_cast<float>(degrees * (Pi() / 180.0));
}

float RadToDeg(double radians)
{
    return static_cast<float>((180.0 * radians) / Pi());
}

std::int16_t CountVisible(std::span<const SpriteClass> sprites)
{
    std::int16_t count = 0;
    for (const SpriteClass& sprite : sprites) {
        if (sprite.visible) {
            ++count;
        }
    }
    return count;
}

std::int32_t DeleteDCImage(platform::Hdc& handle)
{
    if (handle == 0) {
        return 1;
    }
    // Swap a 1 x 1 bitmap in, so that the frame's picture is no longer selected and can go.
    const platform::Hbitmap placeholder = platform::CreateBitmap(1, 1, 1, 1, nullptr);
    platform::DeleteObject(platform::SelectObject(handle, placeholder));
    const bool deleted = platform::DeleteDC(handle);
    platform::DeleteObject(placeholder);
    if (!deleted) {
        return 0;
    }
    handle = 0;
    return 1;
}

} // namespace GameUtil
