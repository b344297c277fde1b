// Conversions between settings or file text and Booleans and numbers, shared by every reader, so
// that "1", "True" and "12.5" mean the same wherever they are read. Locale-independent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Number text: blanks (spaces, tabs) around it are ignored; an optional sign, decimal digits with
// an optional "." fraction (at least one digit in all) and an optional exponent ("e" or "E", an
// optional sign, digits). Nothing else converts: no hexadecimal, no thousands separators, no
// "inf" or "nan". A number too large for its type, or too small in magnitude to be held by it
// (beyond its smallest subnormal), does not convert.
std::optional<double> ParseDouble(std::string_view text);
std::optional<float> ParseSingle(std::string_view text);

// Integers take the number to the nearest integer, ties to even (10.5 gives 10, 11.5 gives 12),
// and then must lie in the type's range: "32767.5" does not convert to 16 bits.
std::optional<std::int16_t> ParseInt16(std::string_view text);
std::optional<std::int32_t> ParseInt32(std::string_view text);

// "True" and "False" in any letter case, or any number: non-zero is True.
std::optional<bool> ParseBoolean(std::string_view text);

// The reader's own default when the text does not convert.
bool ToBoolean(std::string_view text, bool fallback);
std::int16_t ToInt16(std::string_view text, std::int16_t fallback);
std::int32_t ToInt32(std::string_view text, std::int32_t fallback);
float ToSingle(std::string_view text, float fallback);
double ToDouble(std::string_view text, double fallback);

// A Boolean as the platform writes it: "True" or "False".
std::string BooleanText(bool value);

// The shortest decimal text that reads back to exactly the same value ("0.1", "1e+16", "-0");
// nothing for infinities and NaN, which no reader accepts.
std::optional<std::string> NumberText(double value);
std::optional<std::string> NumberText(float value);

} // namespace platform
