// The grammar of media command strings: a verb, a device name, then keywords in any order.
#include "platform/MediaCommand.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "platform/Ascii.h"
#include "platform/Media.h"

namespace platform {
namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Splits on blanks; a double-quoted part is one token whatever it holds.
std::uint32_t Tokenize(std::string_view text, std::vector<std::string>* tokens)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string_view::npos) {
                return MCIERR_NO_CLOSING_QUOTE;
            }
            tokens->emplace_back(text.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !IsBlank(text[end])) {
            ++end;
        }
        tokens->emplace_back(text.substr(i, end - i));
        i = end;
    }
    return 0;
}

std::uint32_t ParseVerb(std::string_view word, MediaVerb* verb)
{
    static constexpr struct {
        std::string_view name;
        MediaVerb verb;
    } verbs[] = {{"open", MediaVerb::Open}, {"close", MediaVerb::Close},  {"play", MediaVerb::Play},
                 {"stop", MediaVerb::Stop}, {"pause", MediaVerb::Pause},  {"seek", MediaVerb::Seek},
                 {"set", MediaVerb::Set},   {"status", MediaVerb::Status}};
    for (const auto& entry : verbs) {
        if (EqualsIgnoringCase(word, entry.name)) {
            *verb = entry.verb;
            return 0;
        }
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

MediaType ParseType(std::string_view word)
{
    if (EqualsIgnoringCase(word, "waveaudio")) {
        return MediaType::Waveaudio;
    }
    if (EqualsIgnoringCase(word, "sequencer")) {
        return MediaType::Sequencer;
    }
    if (EqualsIgnoringCase(word, "avivideo")) {
        return MediaType::AviVideo;
    }
    return MediaType::Other;
}

std::uint32_t ParseNumber(std::string_view text, double* value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, *value);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(*value)) {
        return MCIERR_BAD_INTEGER;
    }
    return 0;
}

} // namespace

std::uint32_t ParseMediaCommand(std::string_view text, MediaCommand* command)
{
    std::vector<std::string> tokens;
    if (const auto error = Tokenize(text, &tokens); error != 0) {
        return error;
    }
    if (tokens.empty()) {
        return MCIERR_MISSING_COMMAND_STRING;
    }
    *command = MediaCommand{};
    if (const auto error = ParseVerb(tokens[0], &command->verb); error != 0) {
        return error;
    }
    if (tokens.size() < 2) {
        return MCIERR_MISSING_DEVICE_NAME;
    }
    command->device = tokens[1];
    command->alias = tokens[1];

    bool hasItem = false;
    for (std::size_t i = 2; i < tokens.size(); ++i) {
        const std::string_view word = tokens[i];
        const bool hasNext = i + 1 < tokens.size();
        if (EqualsIgnoringCase(word, "wait")) {
            command->wait = true;
        } else if (command->verb == MediaVerb::Open &&
                   (EqualsIgnoringCase(word, "alias") || EqualsIgnoringCase(word, "type"))) {
            if (!hasNext) {
                return MCIERR_MISSING_STRING_ARGUMENT;
            }
            const std::string& value = tokens[++i];
            if (EqualsIgnoringCase(word, "alias")) {
                command->alias = value;
            } else {
                command->type = ParseType(value);
            }
        } else if (command->verb == MediaVerb::Seek && EqualsIgnoringCase(word, "to")) {
            if (!hasNext) {
                return MCIERR_MISSING_PARAMETER;
            }
            const std::string_view target = tokens[++i];
            hasItem = true;
            if (EqualsIgnoringCase(target, "start")) {
                command->seekTo = 0;
            } else if (EqualsIgnoringCase(target, "end")) {
                command->seekToEnd = true;
            } else if (const auto error = ParseNumber(target, &command->seekTo); error != 0) {
                return error;
            }
        } else if (command->verb == MediaVerb::Set && EqualsIgnoringCase(word, "time")) {
            if (!hasNext || !EqualsIgnoringCase(tokens[i + 1], "format") ||
                i + 2 >= tokens.size()) {
                return MCIERR_MISSING_PARAMETER;
            }
            const std::string_view format = tokens[i + 2];
            if (!EqualsIgnoringCase(format, "milliseconds") && !EqualsIgnoringCase(format, "ms")) {
                return MCIERR_BAD_TIME_FORMAT;
            }
            i += 2;
            hasItem = true;
        } else if (command->verb == MediaVerb::Status && !hasItem &&
                   (EqualsIgnoringCase(word, "mode") || EqualsIgnoringCase(word, "length") ||
                    EqualsIgnoringCase(word, "position"))) {
            command->item = EqualsIgnoringCase(word, "mode")     ? MediaStatusItem::Mode
                            : EqualsIgnoringCase(word, "length") ? MediaStatusItem::Length
                                                                 : MediaStatusItem::Position;
            hasItem = true;
        } else {
            return MCIERR_UNRECOGNIZED_KEYWORD;
        }
    }
    const bool needsItem = command->verb == MediaVerb::Seek || command->verb == MediaVerb::Set ||
                           command->verb == MediaVerb::Status;
    if (needsItem && !hasItem) {
        return MCIERR_MISSING_PARAMETER;
    }
    return 0;
}

} // namespace platform
