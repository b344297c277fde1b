// Per-user settings: text values by application, section and key, as the desktop's settings store
// offered them. Kept in one INI file per application, written whole or not at all at every save.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// The stored text, or defaultValue only when the key is absent (a stored "" reads as "").
// Sections and keys match without regard to ASCII letter case.
std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultValue = {});

// Stores value (any text) and rewrites the file at once. A new section or key keeps the caller's
// spelling; an existing one keeps the spelling it was first written with. When the file cannot be
// written (full disk, unwritable folder) the old file stays intact, one line goes to stderr, the
// value holds for the rest of this run and the result is false.
bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value);

namespace settings {

// $XDG_CONFIG_HOME/vandrel/<app>.ini ($HOME/.config when XDG_CONFIG_HOME is unset, empty or
// relative), the application's name in lower case with bytes other than letters, digits, "-",
// "_" and a "." not in front written as %HH: application "Vandrel" is vandrel/vandrel.ini. The
// environment is read at every call, so tests can point it elsewhere. A file that changed on
// disk is read again; one with unreadable lines is copied to <file>.bad (or .bad.1, .bad.2, ...)
// before the first save replaces it.
std::filesystem::path FilePath(std::string_view app);

} // namespace settings

} // namespace platform
