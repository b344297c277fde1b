// Reading a whole file; writing one through a temporary file, fsync, rename over the target (the
// end of its chain of links) and fsync of the folder, and clearing away the temporary files that
// interrupted writes left.
#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

// The most links followed in one chain, as the kernel allows when it opens a path.
constexpr int MaxLinks = 40;

WriteFailure& LatestFailure()
{
    thread_local WriteFailure failure;
    return failure;
}

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

// ".<name>.XXXXXX": the temporary files of target, as mkostemp names them.
bool IsTemporaryOf(const std::string& entry, const std::string& target)
{
    constexpr std::size_t RandomPart = 6;
    if (entry.size() != target.size() + 2 + RandomPart || entry.front() != '.' ||
        entry.compare(1, target.size(), target) != 0 || entry[target.size() + 1] != '.') {
        return false;
    }
    for (std::size_t i = entry.size() - RandomPart; i < entry.size(); ++i) {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

// A writer holds a lock on its temporary file until the file is renamed, so one that can be locked
// was left by a writer that died (killed, or out of power) and is removed.
void RemoveStaleTemporaries(const fs::path& folder, const fs::path& target)
{
    const std::string name = target.filename().string();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string entryName = entry.path().filename().string();
        if (!IsTemporaryOf(entryName, name)) {
            continue;
        }
        const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(entry.path().c_str());
        }
        ::close(fd);
    }
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

std::optional<std::string> ReadWholeFile(const fs::path& file, std::size_t maxBytes, int* error)
{
    // Without blocking: opening a FIFO for reading would otherwise wait for a writer for ever.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return std::nullopt;
    }
    const auto fail = [fd, error](int reason) {
        *error = reason;
        ::close(fd);
        return std::nullopt;
    };
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return fail(errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return fail(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return fail(EFBIG);
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return fail(errno);
        }
        if (count == 0) {
            break;
        }
        if (text.size() + static_cast<std::size_t>(count) > maxBytes) {
            return fail(EFBIG);
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return text;
}

std::string ReadFailureText(int error)
{
    // ReadWholeFile's own reason for a FIFO, a device or a socket.
    return error == EINVAL ? "it is not a regular file" : std::strerror(error);
}

std::optional<fs::path> FinalTarget(const fs::path& path, int* error)
{
    fs::path current = path;
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::error_code readError;
        const fs::path next = fs::read_symlink(current, readError);
        if (readError) {
            *error = readError.value();
            return std::nullopt;
        }
        // A relative link is relative to the folder the link lies in.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    *error = ELOOP;
    return std::nullopt;
}

bool WriteFileAtomically(const fs::path& target, std::string_view contents)
{
    int linkError = 0;
    const std::optional<fs::path> file = FinalTarget(target, &linkError);
    if (!file) {
        NoteWriteFailure(target, std::strerror(linkError));
        return false;
    }
    const fs::path folder = file->has_parent_path() ? file->parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + file->filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        NoteWriteFailure(target, std::strerror(errno));
        return false;
    }
    // The lock marks the file as being written until the rename (see RemoveStaleTemporaries).
    bool written = ::flock(fd, LOCK_EX) == 0 && WriteAll(fd, contents) &&
                   ::fchmod(fd, ModeFor(*file)) == 0 && ::fsync(fd) == 0;
    int savedError = errno;
    if (written && ::rename(name.data(), file->c_str()) != 0) {
        written = false;
        savedError = errno;
    }
    if (!written) {
        ::unlink(name.data());
    }
    ::close(fd); // only now: the lock covers the file until it has its final name
    if (!written) {
        NoteWriteFailure(target, std::strerror(savedError));
        return false;
    }
    RemoveStaleTemporaries(folder, *file);
    SyncFolder(folder);
    return true;
}

const WriteFailure& LastWriteFailure()
{
    return LatestFailure();
}

void NoteWriteFailure(const fs::path& file, std::string reason)
{
    std::cerr << "vandrel: cannot write " << file.string() << ": " << reason << '\n';
    LatestFailure() = {file, std::move(reason)};
}

} // namespace platform
