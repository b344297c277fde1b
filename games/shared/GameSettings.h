// Settings reads shared by the game windows and their options dialogs: application "Vandrel", each
// key read as text and converted, falling back to the reader's own default where it does not
// convert.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Gdi.h"

namespace GameSettings {

inline constexpr std::string_view App = "Vandrel";
inline constexpr std::string_view Menu = "Menu";

bool ReadBoolean(std::string_view section, std::string_view key, bool fallback);
std::int16_t ReadInteger(std::string_view section, std::string_view key, std::int16_t fallback);
float ReadSingle(std::string_view section, std::string_view key, float fallback);
// A speed that is not a number or is below 1 is the default: a speed of 0 never arrives anywhere,
// and a negative one runs the wrong way for ever.
std::int16_t ReadSpeed(std::string_view section, std::string_view key, std::int16_t fallback);
// "normal" only when stored exactly so, "easy" otherwise: a bad stored mode must not leave every
// launch without a map.
std::string ReadMode(std::string_view section);
// The plain colour of a section: "Red", "Green" and "Blue" (50 each by default), each brought into
// 0..255.
platform::Color ReadColour(std::string_view section);

void SaveBoolean(std::string_view section, std::string_view key, bool value); // "1" or "0"
void SaveInteger(std::string_view section, std::string_view key, std::int32_t value);

} // namespace GameSettings
