// Temporary file, fsync, rename over the target, fsync of the folder.
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The new file keeps the mode of the file it replaces; a new file gets the usual 0666 less umask.
mode_t ModeFor(const fs::path& target)
{
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        return old.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const fs::path& target, std::string_view contents)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        std::cerr << "vandrel: cannot write " << target.string() << ": " << std::strerror(errno)
                  << '\n';
        return false;
    }
    bool written = WriteAll(fd, contents) && ::fchmod(fd, ModeFor(target)) == 0 && ::fsync(fd) == 0;
    int savedError = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        savedError = errno;
    }
    if (written && ::rename(name.data(), target.c_str()) != 0) {
        written = false;
        savedError = errno;
    }
    if (!written) {
        ::unlink(name.data());
        std::cerr << "vandrel: cannot write " << target.string() << ": "
                  << std::strerror(savedError) << '\n';
        return false;
    }
    SyncFolder(folder);
    return true;
}

} // namespace platform
