// Media: the media command strings ("Open f ALIAS f TYPE Waveaudio wait", "Play f", "Status f
// mode") and their error texts. Each MediaContext owns its devices, so two media objects never
// touch each other's sounds; WAV and MIDI play at once, and status and length follow the file even
// when silent.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Error codes of mciSendStringA; 0 is success.
inline constexpr std::uint32_t MCIERR_BASE = 256;
inline constexpr std::uint32_t MCIERR_UNRECOGNIZED_KEYWORD = MCIERR_BASE + 3;
inline constexpr std::uint32_t MCIERR_UNRECOGNIZED_COMMAND = MCIERR_BASE + 5;
inline constexpr std::uint32_t MCIERR_INVALID_DEVICE_NAME = MCIERR_BASE + 7;
inline constexpr std::uint32_t MCIERR_CANNOT_LOAD_DRIVER = MCIERR_BASE + 10;
inline constexpr std::uint32_t MCIERR_MISSING_COMMAND_STRING = MCIERR_BASE + 11;
inline constexpr std::uint32_t MCIERR_MISSING_STRING_ARGUMENT = MCIERR_BASE + 13;
inline constexpr std::uint32_t MCIERR_BAD_INTEGER = MCIERR_BASE + 14;
inline constexpr std::uint32_t MCIERR_MISSING_PARAMETER = MCIERR_BASE + 17;
inline constexpr std::uint32_t MCIERR_FILE_NOT_FOUND = MCIERR_BASE + 19;
inline constexpr std::uint32_t MCIERR_OUTOFRANGE = MCIERR_BASE + 26;
inline constexpr std::uint32_t MCIERR_DUPLICATE_ALIAS = MCIERR_BASE + 33;
inline constexpr std::uint32_t MCIERR_MISSING_DEVICE_NAME = MCIERR_BASE + 36;
inline constexpr std::uint32_t MCIERR_BAD_TIME_FORMAT = MCIERR_BASE + 37;
inline constexpr std::uint32_t MCIERR_NO_CLOSING_QUOTE = MCIERR_BASE + 38;
inline constexpr std::uint32_t MCIERR_INVALID_FILE = MCIERR_BASE + 40;

struct MediaDevices;

// The devices opened by one media object. Destroying it closes them.
class MediaContext {
public:
    MediaContext();
    ~MediaContext();
    MediaContext(const MediaContext&) = delete;
    MediaContext& operator=(const MediaContext&) = delete;

private:
    friend std::uint32_t mciSendStringA(MediaContext& context, std::string_view command,
                                        std::string* reply);
    std::unique_ptr<MediaDevices> devices_;
};

// Carries out one command string in the context; a status command's answer goes to reply (which
// may be null). Keywords and aliases match without regard to letter case; a name with blanks
// stands in double quotes. Understood:
//   open <file> [alias <a>] [type Waveaudio|Sequencer|AviVideo] [wait]   (video never opens)
//   play <a> [wait] | stop <a> | pause <a> | close <a> | seek <a> to <ms>
//   set <a> time format milliseconds | status <a> mode|length|position
// Play goes on from the current position ("seek ... to 0" first restarts); "play ... wait"
// returns when the sound has ended. Mode answers "playing", "paused" or "stopped".
std::uint32_t mciSendStringA(MediaContext& context, std::string_view command, std::string* reply);

// The text for an error code; false (and an empty text) for a code that is not ours.
bool mciGetErrorStringA(std::uint32_t code, std::string* text);

namespace headless {
// Tests switch the media to the headless backend: no audio output, every command string recorded,
// lengths played out on the clock (the virtual clock in tests).
void UseMedia(bool on);
const std::vector<std::string>& MediaLog();
void ClearMediaLog();
} // namespace headless

} // namespace platform
