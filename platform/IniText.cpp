// Parsing and writing of the settings file's text.
//
// Escapes: "\\" is a backslash and "\xHH" any byte. Names escape control bytes and = [ ] ; # and
// blanks at their ends; values escape control bytes and blanks at their ends. So a line's first
// raw "=" separates key and value, blanks around either can be trimmed, and no name looks like a
// comment or a section header.
#include "platform/IniText.h"

#include <optional>

#include "platform/Ascii.h"

namespace platform {
namespace {

std::string Escape(std::string_view text, std::string_view alsoEscaped)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool endBlank = text[i] == ' ' && (i == 0 || i + 1 == text.size());
        if (text[i] == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F || endBlank ||
                   alsoEscaped.find(text[i]) != std::string_view::npos) {
            out += "\\x";
            out += HexDigit(byte >> 4);
            out += HexDigit(byte);
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string EscapeName(std::string_view name)
{
    return Escape(name, "=[];#");
}
std::string EscapeValue(std::string_view value)
{
    return Escape(value, "");
}

std::string LowerName(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower) {
        c = AsciiLower(c);
    }
    return lower;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = AsciiLower(c);
    if (lower >= 'a' && lower <= 'f') {
        return lower - 'a' + 10;
    }
    return -1;
}

std::optional<std::string> Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            i += 1;
            continue;
        }
        if (i + 3 < text.size() && text[i + 1] == 'x') {
            const int high = HexValue(text[i + 2]);
            const int low = HexValue(text[i + 3]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 3;
                continue;
            }
        }
        return std::nullopt;
    }
    return out;
}

} // namespace

IniText IniText::Parse(std::string_view text)
{
    IniText ini;
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        text.remove_prefix(ByteOrderMark.size());
    }
    std::optional<std::string> section; // the name as first spelt, once a header was read
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = TrimBlanks(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = Unescape(TrimBlanks(line.substr(1, line.size() - 2)));
            if (!section) {
                ++ini.droppedLines_;
                continue;
            }
            section = ini.SectionFor(*section).name;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!section || equals == std::string_view::npos) {
            ++ini.droppedLines_;
            continue;
        }
        const auto key = Unescape(TrimBlanks(line.substr(0, equals)));
        const auto value = Unescape(TrimBlanks(line.substr(equals + 1)));
        if (!key || !value) {
            ++ini.droppedLines_;
            continue;
        }
        ini.Set(*section, *key, *value);
    }
    return ini;
}

std::string IniText::Serialize() const
{
    std::string out = "; Vandrel settings: [section] and key=value lines; \"\\\\\" and \"\\xHH\" "
                      "in names and values stand for a backslash and the byte HH.\n";
    for (const auto& section : sections_) {
        out += "\n[" + EscapeName(section.name) + "]\n";
        for (const auto& entry : section.entries) {
            out += EscapeName(entry.key) + "=" + EscapeValue(entry.value) + "\n";
        }
    }
    return out;
}

const std::string* IniText::Find(std::string_view section, std::string_view key) const
{
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return nullptr;
    }
    const Index& keys = keyIndex_[static_cast<std::size_t>(found - sections_.data())];
    const auto entry = keys.find(LowerName(key));
    return entry == keys.end() ? nullptr : &found->entries[entry->second].value;
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = SectionFor(section);
    Index& keys = keyIndex_[static_cast<std::size_t>(&target - sections_.data())];
    const auto [entry, added] = keys.try_emplace(LowerName(key), target.entries.size());
    if (added) {
        target.entries.push_back({std::string(key), std::string(value)});
    } else {
        target.entries[entry->second].value = value;
    }
}

const IniText::Section* IniText::FindSection(std::string_view name) const
{
    const auto found = sectionIndex_.find(LowerName(name));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

IniText::Section& IniText::SectionFor(std::string_view name)
{
    const auto [found, added] = sectionIndex_.try_emplace(LowerName(name), sections_.size());
    if (added) {
        sections_.push_back({std::string(name), {}});
        keyIndex_.emplace_back();
    }
    return sections_[found->second];
}

} // namespace platform
