// Case-insensitive path resolution, the program folder and the current directory.
#include "platform/Paths.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "platform/Ascii.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path>& ProgramFolderOverride()
{
    static std::optional<fs::path> folder;
    return folder;
}

std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find_first_of("/\\", start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        const auto part = path.substr(start, end - start);
        if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The entry of folder named like part without regard to letter case, exact spelling first.
std::optional<std::string> FindEntry(const fs::path& folder, std::string_view part)
{
    const fs::path exact = folder / std::string(part);
    if (Exists(exact)) {
        return std::string(part);
    }
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    if (error) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    for (const auto end = fs::directory_iterator(); entries != end; entries.increment(error)) {
        if (error) {
            break;
        }
        std::string name = entries->path().filename().string();
        if (EqualsIgnoringCase(name, part) && (!best || name < *best)) {
            best = std::move(name);
        }
    }
    return best;
}

} // namespace

fs::path ResolvePath(std::string_view path)
{
    const bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
    fs::path resolved = absolute ? fs::path("/") : fs::path();
    bool searching = true;
    for (const auto part : Components(path)) {
        if (searching) {
            if (auto found = FindEntry(resolved, part)) {
                resolved /= *found;
                continue;
            }
            searching = false;
        }
        resolved /= std::string(part);
    }
    return resolved;
}

fs::path ProgramFolder()
{
    if (ProgramFolderOverride()) {
        return *ProgramFolderOverride();
    }
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return fs::current_path(error);
    }
    return executable.parent_path();
}

void SetProgramFolder(const fs::path& folder)
{
    ProgramFolderOverride() = folder;
}

bool SetProgramFolderAsCurrent()
{
    const fs::path folder = ProgramFolder();
    if (::chdir(folder.c_str()) != 0) {
        std::cerr << "vandrel: cannot make " << folder.string()
                  << " the current directory: " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

bool SetCurrentDirectoryA(std::string_view path)
{
    const fs::path folder = ResolvePath(path);
    return !folder.empty() && ::chdir(folder.c_str()) == 0;
}

} // namespace platform
