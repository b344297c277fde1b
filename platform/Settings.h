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
// written (full disk, unwritable folder) the old file stays intact, the store reads as that file
// again (the value is forgotten), LastWriteFailure (AtomicFile.h) names the file and the reason,
// and the result is false. Inside a SettingsBatch the write waits for the batch.
bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value);

// Groups saves into one write, so that keys that belong together reach the disk all or nothing:
//   { platform::SettingsBatch batch; SaveSetting(...); SaveSetting(...); }
// While a batch is open, SaveSetting on this thread changes the values at once (GetSetting sees
// them) but writes nothing; when the outermost batch commits or ends, each file it changed is
// written once. A batch left by an exception writes nothing and its changes are forgotten.
class SettingsBatch {
public:
    SettingsBatch();
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

    // Ends the batch now: false when a file could not be written (its values are forgotten, as
    // with SaveSetting). Inside another batch it leaves the writing to the outermost one.
    bool Commit();

private:
    int exceptions_;
    bool open_ = true;
};

namespace settings {

// $XDG_CONFIG_HOME/vandrel/<app>.ini ($HOME/.config when XDG_CONFIG_HOME is unset, empty or
// relative), the application's name in lower case with bytes other than letters, digits, "-",
// "_" and a "." not in front written as %HH: application "Vandrel" is vandrel/vandrel.ini. The
// environment is read at every call, so tests can point it elsewhere. A file that changed on
// disk is read again; one with unreadable lines is copied to <file>.bad (or .bad.1, .bad.2, ...)
// before the first save replaces it, and one larger than 16 MB reads as empty and is moved there.
// A file that is not a regular file (a FIFO, a folder), or a link that loops, is unreadable and
// never saved over. A file that is a symbolic link stays one: the file it leads to is rewritten.
std::filesystem::path FilePath(std::string_view app);

} // namespace settings

} // namespace platform
