// The sound output behind the media interpreter. It only makes sound: whether a device plays and
// where it stands is the interpreter's own clock, and a voice follows what it is told.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/MediaFile.h"

namespace platform {

class Voice {
public:
    virtual ~Voice() = default;
    virtual void Play(std::int64_t fromMs) = 0;
    virtual void Pause() = 0;
    virtual void Resume(std::int64_t atMs) = 0;
    virtual void Stop() = 0;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // A voice for the file; nullptr when this file cannot sound (it then plays silently).
    virtual std::unique_ptr<Voice> OpenVoice(std::shared_ptr<const MediaFile> file) = 0;
};

// The SDL2_mixer output, or nullptr when no audio device opens. Voices are used under mediaLock,
// which the output's own decoding thread also takes before it starts a voice.
std::unique_ptr<AudioOutput> OpenSdlAudio(std::mutex& mediaLock);

} // namespace platform
