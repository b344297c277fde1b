// The settings store: one INI file per application under the user's config folder, cached in
// memory and read again when the file on disk changes.
#include "platform/Settings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <map>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "platform/Ascii.h"
#include "platform/AtomicFile.h"
#include "platform/IniText.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// What identifies one version of the file on disk: every save renames a new file over it.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const Stamp&) const = default;
};

struct CachedFile {
    bool loaded = false;
    Stamp stamp;
    IniText ini;
    bool damaged = false;    // some lines could not be read: keep the old text aside before saving
    std::string damagedText; // that old text
    bool unreadable = false; // the file exists but cannot be read: never save over it
};

std::map<std::string, CachedFile>& Cache()
{
    static std::map<std::string, CachedFile> cache;
    return cache;
}

Stamp StampOf(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return {};
    }
    return {true, info.st_dev, info.st_ino, info.st_size,
            std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::optional<std::string> ReadWholeFile(const fs::path& file, std::string& error)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        error = "not a regular file";
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            error = std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return text;
}

CachedFile& Load(const fs::path& file)
{
    const Stamp stamp = StampOf(file);
    CachedFile& cached = Cache()[file.string()];
    if (cached.loaded && cached.stamp == stamp) {
        return cached;
    }
    cached = CachedFile{};
    cached.loaded = true;
    cached.stamp = stamp;
    if (!stamp.exists) {
        return cached;
    }
    std::string error;
    const auto text = ReadWholeFile(file, error);
    if (!text) {
        cached.unreadable = true;
        std::cerr << "vandrel: cannot read settings file " << file.string() << ": " << error
                  << '\n';
        return cached;
    }
    cached.ini = IniText::Parse(*text);
    if (cached.ini.DroppedLines() > 0) {
        cached.damaged = true;
        cached.damagedText = *text;
        std::cerr << "vandrel: settings file " << file.string() << ": " << cached.ini.DroppedLines()
                  << " unreadable lines ignored\n";
    }
    return cached;
}

fs::path ConfigFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return fs::path(home) / ".config";
    }
    const passwd* user = ::getpwuid(::getuid());
    if (user != nullptr && user->pw_dir != nullptr) {
        return fs::path(user->pw_dir) / ".config";
    }
    return fs::path(".config");
}

std::string FileName(std::string_view app)
{
    constexpr std::string_view HexDigits = "0123456789ABCDEF";
    std::string name;
    for (std::size_t i = 0; i < app.size(); ++i) {
        const char c = AsciiLower(app[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || (c == '.' && i > 0);
        if (plain) {
            name += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            name += '%';
            name += HexDigits[byte >> 4];
            name += HexDigits[byte & 0x0F];
        }
    }
    return name + ".ini";
}

std::optional<fs::path> AsideName(const fs::path& file)
{
    constexpr int Attempts = 1000;
    for (int n = 0; n < Attempts; ++n) {
        fs::path candidate = file;
        candidate += n == 0 ? std::string(".bad") : ".bad." + std::to_string(n);
        std::error_code error;
        if (!fs::exists(fs::symlink_status(candidate, error))) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool KeepAside(const fs::path& file, CachedFile& cached)
{
    const auto aside = AsideName(file);
    if (!aside) {
        std::cerr << "vandrel: no free name to keep " << file.string() << " aside; not saved\n";
        return false;
    }
    if (!WriteFileAtomically(*aside, cached.damagedText)) {
        return false;
    }
    std::cerr << "vandrel: settings file " << file.string() << " kept as " << aside->string()
              << " before it is rewritten\n";
    cached.damaged = false;
    cached.damagedText.clear();
    return true;
}

} // namespace

namespace settings {

fs::path FilePath(std::string_view app)
{
    return ConfigFolder() / "vandrel" / FileName(app);
}

} // namespace settings

std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultValue)
{
    const CachedFile& cached = Load(settings::FilePath(app));
    const std::string* value = cached.ini.Find(section, key);
    return value != nullptr ? *value : std::string(defaultValue);
}

bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value)
{
    const fs::path file = settings::FilePath(app);
    CachedFile& cached = Load(file);
    cached.ini.Set(section, key, value);
    if (cached.unreadable) {
        std::cerr << "vandrel: settings not saved: " << file.string() << " cannot be read\n";
        return false;
    }
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error) {
        std::cerr << "vandrel: cannot create " << file.parent_path().string() << ": "
                  << error.message() << '\n';
        return false;
    }
    if (cached.damaged && !KeepAside(file, cached)) {
        return false;
    }
    if (!WriteFileAtomically(file, cached.ini.Serialize())) {
        return false;
    }
    cached.stamp = StampOf(file);
    return true;
}

} // namespace platform
