// MMedia: one sound, music or video file driven through media command strings. Each object talks
// through a media context of its own, so two objects that open the same file never disturb each
// other. Failures are silent unless error messages are switched on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Media.h"

class MMedia {
public:
    MMedia();
    ~MMedia();
    MMedia(const MMedia&) = delete;
    MMedia& operator=(const MMedia&) = delete;

    // Opens a ".wav", ".mid" or ".avi" file (any letter case) under its path as alias, closing
    // what was open first; any other ending opens nothing.
    void OpenMedia(std::string_view sTheFile);
    void CloseMedia();
    void PauseMedia();
    // Plays from the beginning; with Wait set, returns when the playback has ended.
    void PlayMedia();
    void StopMedia();
    void SeekMedia(float nPosition);

    const std::string& Filename() const { return mediaFile; } // empty when nothing is open
    void SetFilename(std::string_view sTheFile) { OpenMedia(sTheFile); }
    bool Wait() const { return wait; }
    void SetWait(bool bWaitValue) { wait = bWaitValue; }
    std::int32_t Length(); // milliseconds; 0 when nothing is open or on an error
    float Position();      // in the device's current time format; 0 when nothing is open
    void SetPosition(float nPosition) { SeekMedia(nPosition); }
    std::string Status(); // the device's mode ("stopped", "playing", ...); "0" when closed
    bool UseErrorMessages() const { return useErrorMessages; }
    void SetUseErrorMessages(bool bUseError) { useErrorMessages = bUseError; }

private:
    std::uint32_t Send(const std::string& command, std::string* reply = nullptr);
    void CheckMciError(std::uint32_t code);

    platform::MediaContext context;
    std::string mciAlias;  // the path, in double quotes when it holds a blank; empty when closed
    std::string mediaFile; // the path as passed to OpenMedia
    bool wait = false;
    bool useErrorMessages = false;
};
