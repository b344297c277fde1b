// Text to Boolean and number conversions, and numbers to their shortest round-trip text.
#include "platform/Convert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/Ascii.h"
#include "platform/Numbers.h"

namespace platform {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The number text without blanks and without a leading "+" (which from_chars refuses), or nothing
// when the text is not a decimal number as Convert.h describes it.
std::optional<std::string_view> NumberBody(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return text;
}

template <typename Int> std::optional<Int> ParseInteger(std::string_view text)
{
    const auto number = ParseDouble(text);
    if (!number) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(*number); // to nearest, ties to even
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return RoundHalfEven<Int>(rounded);
}

template <typename Float> std::optional<std::string> ShortestText(Float value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::optional<double> ParseDouble(std::string_view text)
{
    const auto body = NumberBody(text);
    if (!body) {
        return std::nullopt;
    }
    double value = 0;
    const auto result = std::from_chars(body->data(), body->data() + body->size(), value);
    if (result.ec != std::errc{} || result.ptr != body->data() + body->size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> ParseSingle(std::string_view text)
{
    const auto body = NumberBody(text);
    if (!body) {
        return std::nullopt;
    }
    float value = 0;
    const auto result = std::from_chars(body->data(), body->data() + body->size(), value);
    if (result.ec == std::errc{} && result.ptr == body->data() + body->size()) {
        return value;
    }
    if (result.ec != std::errc::result_out_of_range) {
        return std::nullopt;
    }
    // The direct conversion refuses subnormal results; they are reached through a Double.
    const auto wide = ParseDouble(*body);
    if (!wide) {
        return std::nullopt;
    }
    const auto narrow = static_cast<float>(*wide);
    if (std::isinf(narrow) || (narrow == 0.0F && *wide != 0.0)) {
        return std::nullopt;
    }
    return narrow;
}

std::optional<std::int16_t> ParseInt16(std::string_view text)
{
    return ParseInteger<std::int16_t>(text);
}

std::optional<std::int32_t> ParseInt32(std::string_view text)
{
    return ParseInteger<std::int32_t>(text);
}

std::optional<bool> ParseBoolean(std::string_view text)
{
    const auto word = TrimBlanks(text);
    if (EqualsIgnoringCase(word, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(word, "false")) {
        return false;
    }
    const auto number = ParseDouble(word);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

bool ToBoolean(std::string_view text, bool fallback)
{
    return ParseBoolean(text).value_or(fallback);
}

std::int16_t ToInt16(std::string_view text, std::int16_t fallback)
{
    return ParseInt16(text).value_or(fallback);
}

std::int32_t ToInt32(std::string_view text, std::int32_t fallback)
{
    return ParseInt32(text).value_or(fallback);
}

float ToSingle(std::string_view text, float fallback)
{
    return ParseSingle(text).value_or(fallback);
}

double ToDouble(std::string_view text, double fallback)
{
    return ParseDouble(text).value_or(fallback);
}

std::string BooleanText(bool value)
{
    return value ? "True" : "False";
}

std::optional<std::string> NumberText(double value)
{
    return ShortestText(value);
}

std::optional<std::string> NumberText(float value)
{
    return ShortestText(value);
}

} // namespace platform
