// The media interpreter: devices per context, their play state on the clock, "play ... wait", the
// error texts and the headless command log.
#include "platform/Media.h"

#include <algorithm>
#include <limits>
#include <mutex>

#include "platform/Ascii.h"
#include "platform/AudioOutput.h"
#include "platform/Clock.h"
#include "platform/MediaCommand.h"
#include "platform/MediaFile.h"
#include "platform/Numbers.h"

namespace platform {

enum class MediaMode { Stopped, Playing, Paused };

// One open file. Its position runs on the clock while it plays, so status and "wait" are the same
// with a sounding voice, a silent one (no audio device) or none (headless).
struct MediaDevice {
    std::string alias;
    std::shared_ptr<const MediaFile> file;
    std::unique_ptr<Voice> voice;
    MediaMode mode = MediaMode::Stopped;
    std::int64_t position = 0; // while not playing
    std::int64_t playFrom = 0;
    std::int64_t playStartedAt = 0;

    std::int64_t Length() const { return file->lengthMs; }
    std::int64_t Position(std::int64_t now) const
    {
        return mode == MediaMode::Playing ? std::min(Length(), playFrom + now - playStartedAt)
                                          : position;
    }
    // A device that has played to its end is stopped at its end.
    void Update(std::int64_t now)
    {
        if (mode == MediaMode::Playing && Position(now) >= Length()) {
            mode = MediaMode::Stopped;
            position = Length();
        }
    }
};

struct MediaDevices {
    std::vector<std::unique_ptr<MediaDevice>> open;

    MediaDevice* Find(std::string_view alias)
    {
        for (auto& device : open) {
            if (EqualsIgnoringCase(device->alias, alias)) {
                return device.get();
            }
        }
        return nullptr;
    }
};

namespace {

struct MediaSystem {
    std::mutex lock;
    bool headless = false;
    std::vector<std::string> log;
    bool outputTried = false;
    std::unique_ptr<AudioOutput> output;

    AudioOutput* Output()
    {
        if (headless) {
            return nullptr;
        }
        if (!outputTried) {
            outputTried = true;
            output = OpenSdlAudio(lock);
        }
        return output.get();
    }
};

// Never destroyed: media objects that live as long as the program close their devices after main
// has returned, and a decoding thread may still be running then.
MediaSystem& System()
{
    static auto* const system = new MediaSystem;
    return *system;
}

std::uint32_t TypeOf(const MediaCommand& command, MediaKind* kind)
{
    MediaType type = command.type;
    if (type == MediaType::Unspecified) {
        const std::string_view name = command.device;
        const auto dot = name.rfind('.');
        const std::string_view extension =
            dot == std::string_view::npos ? "" : name.substr(dot + 1);
        type = EqualsIgnoringCase(extension, "wav") ? MediaType::Waveaudio
               : EqualsIgnoringCase(extension, "mid") || EqualsIgnoringCase(extension, "midi")
                   ? MediaType::Sequencer
               : EqualsIgnoringCase(extension, "avi") ? MediaType::AviVideo
                                                      : MediaType::Other;
    }
    switch (type) {
    case MediaType::Waveaudio:
        *kind = MediaKind::Wave;
        return 0;
    case MediaType::Sequencer:
        *kind = MediaKind::Midi;
        return 0;
    case MediaType::AviVideo:
        return MCIERR_CANNOT_LOAD_DRIVER;
    case MediaType::Unspecified:
    case MediaType::Other:
        break;
    }
    return MCIERR_INVALID_DEVICE_NAME;
}

std::uint32_t Open(MediaSystem& system, MediaDevices& devices, const MediaCommand& command)
{
    if (devices.Find(command.alias) != nullptr) {
        return MCIERR_DUPLICATE_ALIAS;
    }
    MediaKind kind = MediaKind::Wave;
    if (const auto error = TypeOf(command, &kind); error != 0) {
        return error;
    }
    MediaFileError fileError = MediaFileError::None;
    auto file = LoadMediaFile(command.device, kind, &fileError);
    if (!file) {
        return fileError == MediaFileError::Invalid ? MCIERR_INVALID_FILE : MCIERR_FILE_NOT_FOUND;
    }
    auto device = std::make_unique<MediaDevice>();
    device->alias = command.alias;
    if (auto* output = system.Output()) {
        device->voice = output->OpenVoice(file);
    }
    device->file = std::move(file);
    devices.open.push_back(std::move(device));
    return 0;
}

std::uint32_t Seek(MediaDevice& device, const MediaCommand& command)
{
    const std::int64_t target =
        command.seekToEnd ? device.Length() : RoundHalfEven<std::int64_t>(command.seekTo);
    if (target < 0 || target > device.Length()) {
        return MCIERR_OUTOFRANGE;
    }
    if (device.voice) {
        device.voice->Stop();
    }
    device.mode = MediaMode::Stopped;
    device.position = target;
    return 0;
}

void Play(MediaDevice& device, std::int64_t now)
{
    if (device.mode == MediaMode::Playing || device.position >= device.Length()) {
        return;
    }
    const bool resume = device.mode == MediaMode::Paused;
    device.mode = MediaMode::Playing;
    device.playFrom = device.position;
    device.playStartedAt = now;
    if (device.voice) {
        if (resume) {
            device.voice->Resume(device.position);
        } else {
            device.voice->Play(device.position);
        }
    }
}

void Halt(MediaDevice& device, MediaMode mode, std::int64_t now)
{
    if (device.mode == MediaMode::Stopped) {
        return;
    }
    if (device.mode == MediaMode::Playing) {
        device.position = device.Position(now);
    }
    device.mode = mode;
    if (device.voice) {
        if (mode == MediaMode::Paused) {
            device.voice->Pause();
        } else {
            device.voice->Stop();
        }
    }
}

std::string StatusText(const MediaDevice& device, MediaStatusItem item, std::int64_t now)
{
    switch (item) {
    case MediaStatusItem::Mode:
        return device.mode == MediaMode::Playing  ? "playing"
               : device.mode == MediaMode::Paused ? "paused"
                                                  : "stopped";
    case MediaStatusItem::Length:
        return std::to_string(device.Length());
    case MediaStatusItem::Position:
        return std::to_string(device.Position(now));
    }
    return {};
}

std::uint32_t Execute(MediaSystem& system, MediaDevices& devices, const MediaCommand& command,
                      std::string* reply)
{
    if (command.verb == MediaVerb::Open) {
        return Open(system, devices, command);
    }
    MediaDevice* device = devices.Find(command.device);
    if (device == nullptr) {
        return MCIERR_INVALID_DEVICE_NAME;
    }
    const std::int64_t now = NowMs();
    device->Update(now);
    switch (command.verb) {
    case MediaVerb::Close:
        std::erase_if(devices.open, [device](const auto& open) { return open.get() == device; });
        break;
    case MediaVerb::Play:
        Play(*device, now);
        break;
    case MediaVerb::Stop:
        Halt(*device, MediaMode::Stopped, now);
        break;
    case MediaVerb::Pause:
        Halt(*device, MediaMode::Paused, now);
        break;
    case MediaVerb::Seek:
        return Seek(*device, command);
    case MediaVerb::Set:
        break;
    case MediaVerb::Status:
        if (reply != nullptr) {
            *reply = StatusText(*device, command.item, now);
        }
        break;
    case MediaVerb::Open:
        break;
    }
    return 0;
}

// Blocks until the device has played to its end, stopped, or gone.
void WaitForEnd(MediaSystem& system, MediaDevices& devices, std::string_view alias)
{
    for (;;) {
        std::int64_t remaining = 0;
        {
            const std::scoped_lock guard(system.lock);
            MediaDevice* device = devices.Find(alias);
            if (device == nullptr) {
                return;
            }
            const std::int64_t now = NowMs();
            device->Update(now);
            if (device->mode != MediaMode::Playing) {
                return;
            }
            remaining = device->Length() - device->Position(now);
        }
        // The virtual clock jumps to the end at once; the real one is watched in short steps.
        const std::int64_t step =
            virtualclock::Enabled() ? remaining : std::min<std::int64_t>(remaining, 10);
        Sleep(static_cast<std::int32_t>(
            std::clamp<std::int64_t>(step, 1, std::numeric_limits<std::int32_t>::max())));
    }
}

} // namespace

MediaContext::MediaContext() : devices_(std::make_unique<MediaDevices>()) {}

MediaContext::~MediaContext()
{
    const std::scoped_lock guard(System().lock);
    devices_.reset();
}

std::uint32_t mciSendStringA(MediaContext& context, std::string_view command, std::string* reply)
{
    auto& system = System();
    if (reply != nullptr) {
        reply->clear();
    }
    MediaCommand parsed;
    std::uint32_t result = 0;
    {
        const std::scoped_lock guard(system.lock);
        if (system.headless) {
            system.log.emplace_back(command);
        }
        result = ParseMediaCommand(command, &parsed);
        if (result == 0) {
            result = Execute(system, *context.devices_, parsed, reply);
        }
    }
    if (result == 0 && parsed.verb == MediaVerb::Play && parsed.wait) {
        WaitForEnd(system, *context.devices_, parsed.device);
    }
    return result;
}

bool mciGetErrorStringA(std::uint32_t code, std::string* text)
{
    static constexpr struct {
        std::uint32_t code;
        std::string_view text;
    } texts[] = {
        {0, "The command was carried out."},
        {MCIERR_UNRECOGNIZED_KEYWORD, "The command holds a word that is not understood."},
        {MCIERR_UNRECOGNIZED_COMMAND, "The command is not understood."},
        {MCIERR_INVALID_DEVICE_NAME, "No device of that name is open."},
        {MCIERR_CANNOT_LOAD_DRIVER, "This kind of media cannot be played here."},
        {MCIERR_MISSING_COMMAND_STRING, "The command is empty."},
        {MCIERR_MISSING_STRING_ARGUMENT, "A keyword lacks its value."},
        {MCIERR_BAD_INTEGER, "A number in the command cannot be read."},
        {MCIERR_MISSING_PARAMETER, "The command lacks a required part."},
        {MCIERR_FILE_NOT_FOUND, "The file cannot be found."},
        {MCIERR_OUTOFRANGE, "The position lies outside the media."},
        {MCIERR_DUPLICATE_ALIAS, "The alias is already open."},
        {MCIERR_MISSING_DEVICE_NAME, "The command names no device."},
        {MCIERR_BAD_TIME_FORMAT, "Only milliseconds can be used as the time format."},
        {MCIERR_NO_CLOSING_QUOTE, "A quoted name has no closing quote."},
        {MCIERR_INVALID_FILE, "The file is not a sound of the given type."},
    };
    if (text == nullptr) {
        return false;
    }
    for (const auto& entry : texts) {
        if (entry.code == code) {
            *text = entry.text;
            return true;
        }
    }
    text->clear();
    return false;
}

namespace headless {

void UseMedia(bool on)
{
    const std::scoped_lock guard(System().lock);
    System().headless = on;
}

const std::vector<std::string>& MediaLog()
{
    return System().log;
}

void ClearMediaLog()
{
    const std::scoped_lock guard(System().lock);
    System().log.clear();
}

} // namespace headless
} // namespace platform
