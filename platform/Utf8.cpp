// Decoding and encoding UTF-8 strictly: no overlong forms, no surrogates, nothing beyond U+10FFFF.
#include "platform/Utf8.h"

namespace platform::utf8 {
namespace {

bool IsContinuation(std::string_view text, std::size_t at)
{
    return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

} // namespace

Character DecodeAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0; // the smallest code of this length: smaller ones are overlong
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (!IsContinuation(text, at + i)) {
            return {};
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

void Append(std::string& text, char32_t code)
{
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        code = Replacement;
    }
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += DecodeAt(text, at).length) {
        ++count;
    }
    return count;
}

std::size_t ByteOffset(std::string_view text, std::size_t index)
{
    std::size_t at = 0;
    for (; index > 0 && at < text.size(); --index) {
        at += DecodeAt(text, at).length;
    }
    return at;
}

std::string Valid(std::string_view text)
{
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Character character = DecodeAt(text, at);
        if (character.code == Replacement && character.length == 1) {
            Append(valid, Replacement);
        } else {
            valid.append(text.substr(at, character.length));
        }
        at += character.length;
    }
    return valid;
}

std::u16string Utf16Units(std::string_view text)
{
    std::u16string units;
    for (std::size_t at = 0; at < text.size();) {
        const Character character = DecodeAt(text, at);
        at += character.length;
        if (character.code < 0x10000) {
            units += static_cast<char16_t>(character.code);
        } else {
            const char32_t above = character.code - 0x10000;
            units += static_cast<char16_t>(0xD800 + (above >> 10));
            units += static_cast<char16_t>(0xDC00 + (above & 0x3FF));
        }
    }
    return units;
}

} // namespace platform::utf8
