// Paths: the code names its files relative to the program folder, with "\" and in mixed letter
// case; these calls find them on a case-sensitive file system and keep the program folder current.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Accepts relative (to the current directory) and absolute paths with "\" or "/" between
// components. Every component that exists is matched without regard to ASCII letter case (an
// exact match wins; among other matches the first in byte order); from the first component that
// does not exist on, the rest is kept as given, so a file being created keeps its new name in the
// folders so found. A relative path stays relative. Empty components and "." are dropped.
std::filesystem::path ResolvePath(std::string_view path);

// The folder the running program lies in (beside its Gfx, Sfx, Music and Maps folders), unless a
// test has set another.
std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);

// Makes the program folder the current directory, as at start and after every file dialog;
// false (and a line on stderr) when it cannot.
bool SetProgramFolderAsCurrent();

// Makes the resolved path the current directory; false when it is not a folder.
bool SetCurrentDirectoryA(std::string_view path);

} // namespace platform
