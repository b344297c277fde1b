// Number conversions shared by every layer: ties-to-even rounding and truncating integer division.
// Every Double that becomes an integer goes through these, so rounding is the same everywhere.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace platform {

// Nearest integer, ties to the even one (10.5 -> 10, 11.5 -> 12); NaN gives 0; values beyond the
// target type's range are clamped to it.
template <typename Int> inline Int RoundHalfEven(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value); // the default rounding mode is to nearest-even
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min())) {
        return std::numeric_limits<Int>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(rounded);
}

inline std::int16_t CInt(double value)
{
    return RoundHalfEven<std::int16_t>(value);
}
inline std::int32_t CLng(double value)
{
    return RoundHalfEven<std::int32_t>(value);
}

// Integer division that drops the remainder (truncates towards zero); a zero divisor gives 0.
template <typename Int> constexpr Int IntDiv(Int dividend, Int divisor)
{
    return divisor == 0 ? Int{0} : static_cast<Int>(dividend / divisor);
}

} // namespace platform
