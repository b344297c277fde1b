// Inside the platform: the file chooser window behind the file dialogs, and the rules it shares
// with scripted answers (the folder shown first, the filter, the default extension).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileDialog.h"

namespace platform::detail {

// The chooser's client area and the places of its parts, in its client pixels.
inline constexpr std::int32_t ChooserWidth = 520;
inline constexpr std::int32_t ChooserHeight = 420;
inline constexpr std::int32_t ChooserMargin = 12;
inline constexpr std::int32_t ChooserListTop = 44;
inline constexpr std::int32_t ChooserListHeight = 260;
inline constexpr std::int32_t ChooserButtonWidth = 100;
inline constexpr std::int32_t ChooserButtonHeight = 36;

struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};

// The first description and pattern pair of a filter; every file when there is none.
FileFilter FirstFilter(std::string_view filter);
// "*" stands for any characters, "?" for one; letter case does not matter; "*.*" matches every
// name, with or without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesFilter(std::string_view name, const FileFilter& filter);

// The folder a dialog shows first: the initial folder resolved, when it is one, else the current
// directory.
std::filesystem::path StartFolder(const OpenFileName& request);
// A name typed in the dialog resolved in the folder (or an absolute path), letter case as found.
std::filesystem::path ResolveIn(const std::filesystem::path& folder, std::string_view name);
// The name with "." and the default extension added when it has no extension of its own.
std::string WithDefaultExtension(std::string_view name, std::string_view defaultExtension);

// Shows the chooser modally over the request's owner; the path chosen, or nothing on cancel.
std::optional<std::filesystem::path> RunFileChooser(const OpenFileName& request, bool save);

} // namespace platform::detail
