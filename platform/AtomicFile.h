// Files written whole or not at all: the contents go to a temporary file beside the target, are
// synced, and replace the target by a rename, so a failed write leaves the old file as it was.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Writes contents to target (its folder must exist). On failure the target and its folder are as
// they were, one line goes to stderr and the result is false.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

} // namespace platform
