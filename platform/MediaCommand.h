// Parsing of media command strings into commands; the interpreter in Media.cpp carries them out.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class MediaVerb { Open, Close, Play, Stop, Pause, Seek, Set, Status };
enum class MediaStatusItem { Mode, Length, Position };
enum class MediaType { Unspecified, Waveaudio, Sequencer, AviVideo, Other };

struct MediaCommand {
    MediaVerb verb = MediaVerb::Open;
    std::string device; // the file for open, the alias otherwise; quotes removed
    std::string alias;  // open: the alias given, else the file
    MediaType type = MediaType::Unspecified;
    bool wait = false;
    bool seekToEnd = false;
    double seekTo = 0; // milliseconds
    MediaStatusItem item = MediaStatusItem::Mode;
};

// 0 and the command, or the error code of the first thing that is not understood.
std::uint32_t ParseMediaCommand(std::string_view text, MediaCommand* command);

} // namespace platform
