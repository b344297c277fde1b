// Fuzz target for picture loading as far as our code goes: any bytes give a header or nothing
// without harm, and a picture the size check lets through never decodes larger than its header
// said, so the check cannot be passed by a file that decodes to more than it declares.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/Picture.h"
#include "platform/PictureHeader.h"

namespace {

// Larger pictures are only checked, not decoded, to keep the runs quick.
constexpr std::int64_t MaxDecodedPixels = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto header = platform::ReadPictureHeader(bytes);
    if (!header || !platform::PictureSizeAllowed(*header) ||
        header->width * header->height > MaxDecodedPixels) {
        return 0;
    }
    const auto picture = platform::DecodePicture(bytes);
    if (picture && (picture->width > header->width || picture->height > header->height)) {
        std::abort();
    }
    return 0;
}
