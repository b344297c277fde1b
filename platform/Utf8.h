// UTF-8, the encoding of all text from the keyboard to the screen to the files: characters decoded
// one by one, counted, and cut only at their boundaries. A byte that starts no valid sequence
// counts as one character and stands for U+FFFD, the replacement character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform::utf8 {

inline constexpr char32_t Replacement = 0xFFFD;

struct Character {
    char32_t code = Replacement;
    std::size_t length = 1; // bytes, at least 1
};

// The character that starts at text[at] (at < text.size()).
Character DecodeAt(std::string_view text, std::size_t at);

// Appends the encoding of code; a surrogate or a value beyond U+10FFFF appends U+FFFD.
void Append(std::string& text, char32_t code);

std::size_t CharacterCount(std::string_view text);

// The byte offset of character index (the text's size for an index at or past its end).
std::size_t ByteOffset(std::string_view text, std::size_t index);

// The text with each invalid byte replaced by U+FFFD.
std::string Valid(std::string_view text);

// The text as UTF-16 code units, as typed characters reach the key handlers (a character beyond
// U+FFFF as a pair of surrogates).
std::u16string Utf16Units(std::string_view text);

} // namespace platform::utf8
