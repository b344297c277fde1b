// Fuzz target for the media file headers: any bytes measured as a WAV and as a MIDI file give a
// length of zero or more, or nothing, without harm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/MediaFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto wave = platform::WaveLengthMs(bytes);
    const auto midi = platform::MidiLengthMs(bytes);
    if ((wave && *wave < 0) || (midi && *midi < 0)) {
        std::abort();
    }
    return 0;
}
