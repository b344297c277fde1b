// The settings file's text: sections of "key=value" lines. Reading is lenient (a line it cannot
// understand is dropped and counted); writing escapes names and values so that any text reads back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniText {
public:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    // Sections and keys that differ only in ASCII letter case are one (the first spelling is
    // kept; of repeated keys the last value holds). Lines outside any section are dropped.
    static IniText Parse(std::string_view text);
    std::string Serialize() const;

    const std::string* Find(std::string_view section, std::string_view key) const;
    // A new section or key is added after the others, spelled as given.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<Section>& Sections() const { return sections_; }
    // Lines that could not be read (no "=", a bad escape, a key before any section).
    std::size_t DroppedLines() const { return droppedLines_; }

private:
    Section* FindSection(std::string_view name);

    std::vector<Section> sections_;
    std::size_t droppedLines_ = 0;
};

} // namespace platform
