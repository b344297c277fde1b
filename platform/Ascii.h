// Text without a locale: names of settings and files are compared ignoring the case of the ASCII
// letters A-Z only (every other byte, UTF-8 included, must match exactly); blanks are space and
// tab.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

constexpr char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

// The blanks that settings lines, list-format items and media command strings may have around
// their parts.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The upper-case hexadecimal digit of the low four bits of value, for escapes such as "%2F".
constexpr char HexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 0x0F];
}

} // namespace platform
