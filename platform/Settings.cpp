// The settings store: one INI file per application under the user's config folder, cached in
// memory and read again when the file on disk changes.
#include "platform/Settings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <vector>

#include "platform/Ascii.h"
#include "platform/AtomicFile.h"
#include "platform/IniText.h"
#include "platform/Paths.h"

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

// Settings files are small; a larger one is no settings file of ours (the same cap as list files).
constexpr std::size_t MaxFileSize = 16 * 1024 * 1024;

// What must be kept before a save replaces the file on disk.
enum class Aside {
    None,
    CopyText, // some lines could not be read: keep the old text as it was
    MoveFile, // too large to read: move the file itself aside
};

struct CachedFile {
    bool loaded = false;
    Stamp stamp;
    IniText ini;
    Aside aside = Aside::None;
    std::string damagedText; // the old text, for Aside::CopyText
    bool unreadable = false; // the file exists but cannot be read: never save over it
    std::string readFailure; // why, when it is unreadable
};

struct Change {
    std::string section;
    std::string key;
    std::string value;
};

// The saves of this thread's open batches, by file. They are applied to the cache at once and
// again whenever the file is read anew, and reach the disk when the outermost batch ends.
struct BatchState {
    int depth = 0;
    bool abandoned = false;
    std::map<std::string, std::vector<Change>> changes;
};

BatchState& Batch()
{
    thread_local BatchState state;
    return state;
}

std::map<std::string, CachedFile>& Cache()
{
    static std::map<std::string, CachedFile> cache;
    return cache;
}

Stamp StampOf(const fs::path& file)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        // Only a missing file reads as empty: one behind a link loop or a closed folder is there
        // and unreadable.
        return {errno != ENOENT && errno != ENOTDIR};
    }
    return {true, info.st_dev, info.st_ino, info.st_size,
            std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
}

void Read(const fs::path& file, CachedFile& cached)
{
    int error = 0;
    const auto text = ReadWholeFile(file, MaxFileSize, &error);
    if (!text && error == EFBIG) {
        cached.aside = Aside::MoveFile;
        std::cerr << "vandrel: settings file " << file.string() << " is larger than " << MaxFileSize
                  << " bytes; defaults are used\n";
        return;
    }
    if (!text) {
        cached.unreadable = true;
        cached.readFailure = ReadFailureText(error);
        std::cerr << "vandrel: cannot read settings file " << file.string() << ": "
                  << cached.readFailure << '\n';
        return;
    }
    cached.ini = IniText::Parse(*text);
    if (cached.ini.DroppedLines() > 0) {
        cached.aside = Aside::CopyText;
        cached.damagedText = *text;
        std::cerr << "vandrel: settings file " << file.string() << ": " << cached.ini.DroppedLines()
                  << " unreadable lines ignored\n";
    }
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
    if (stamp.exists) {
        Read(file, cached);
    }
    if (const auto pending = Batch().changes.find(file.string());
        pending != Batch().changes.end()) {
        for (const Change& change : pending->second) {
            cached.ini.Set(change.section, change.key, change.value);
        }
    }
    return cached;
}

std::string FileName(std::string_view app)
{
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
            name += HexDigit(byte >> 4);
            name += HexDigit(byte);
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

// file is the final target of the settings file's path, so that a link is never moved aside.
bool KeepAside(const fs::path& file, CachedFile& cached)
{
    const auto aside = AsideName(file);
    if (!aside) {
        NoteWriteFailure(file, "no free name to keep the unreadable old file aside");
        return false;
    }
    if (cached.aside == Aside::MoveFile) {
        if (::rename(file.c_str(), aside->c_str()) != 0) {
            NoteWriteFailure(file, std::string("the old file cannot be moved aside: ") +
                                       std::strerror(errno));
            return false;
        }
    } else if (!WriteFileAtomically(*aside, cached.damagedText)) {
        return false;
    }
    std::cerr << "vandrel: settings file " << file.string() << " kept as " << aside->string()
              << " before it is rewritten\n";
    cached.aside = Aside::None;
    cached.damagedText.clear();
    return true;
}

bool WriteFile(const fs::path& file, CachedFile& cached)
{
    if (cached.unreadable) {
        NoteWriteFailure(file, "it cannot be read: " + cached.readFailure);
        return false;
    }
    std::error_code error;
    fs::create_directories(file.parent_path(), error);
    if (error) {
        NoteWriteFailure(file, "its folder cannot be made: " + error.message());
        return false;
    }
    int linkError = 0;
    const std::optional<fs::path> target = FinalTarget(file, &linkError);
    if (!target) {
        NoteWriteFailure(file, std::strerror(linkError));
        return false;
    }
    if (cached.aside != Aside::None && !KeepAside(*target, cached)) {
        return false;
    }
    if (!WriteFileAtomically(file, cached.ini.Serialize())) {
        return false;
    }
    cached.stamp = StampOf(file);
    return true;
}

// Writes the cached file; when that fails, forgets the cache, so that the store reads as the file
// on disk again and nobody is shown as stored what is not.
bool Write(const fs::path& file, CachedFile& cached)
{
    if (WriteFile(file, cached)) {
        return true;
    }
    Cache().erase(file.string());
    return false;
}

// Ends one batch; the outermost writes what the batches changed, or forgets it when one of them
// was left by an exception.
bool EndBatch()
{
    BatchState& batch = Batch();
    if (--batch.depth > 0) {
        return true;
    }
    const bool keep = !batch.abandoned;
    batch.abandoned = false;
    bool written = true;
    for (const auto& entry : batch.changes) {
        const fs::path file = entry.first;
        if (keep) {
            written = Write(file, Load(file)) && written;
        } else {
            Cache().erase(entry.first); // read from disk again at the next use
        }
    }
    batch.changes.clear();
    return keep && written;
}

} // namespace

namespace settings {

fs::path FilePath(std::string_view app)
{
    return UserConfigFolder() / "vandrel" / FileName(app);
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
    if (Batch().depth > 0) {
        Batch().changes[file.string()].push_back(
            {std::string(section), std::string(key), std::string(value)});
        return !cached.unreadable;
    }
    return Write(file, cached);
}

SettingsBatch::SettingsBatch() : exceptions_(std::uncaught_exceptions())
{
    ++Batch().depth;
}

SettingsBatch::~SettingsBatch()
{
    if (!open_) {
        return;
    }
    if (std::uncaught_exceptions() > exceptions_) {
        Batch().abandoned = true;
    }
    EndBatch();
}

bool SettingsBatch::Commit()
{
    if (!open_) {
        return true;
    }
    open_ = false;
    return EndBatch();
}

} // namespace platform
