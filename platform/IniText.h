// The settings file's text: sections of "key=value" lines. Reading is lenient (a line it cannot
// understand is dropped and counted); writing escapes names and values so that any text reads back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // Names in ASCII lower case to their places, so that a lookup does not walk every name and a
    // file with many keys parses in linear time.
    using Index = std::unordered_map<std::string, std::size_t>;

    const Section* FindSection(std::string_view name) const;
    Section& SectionFor(std::string_view name);

    std::vector<Section> sections_;
    Index sectionIndex_;
    std::vector<Index> keyIndex_; // one per section, in the same order
    std::size_t droppedLines_ = 0;
};

} // namespace platform
