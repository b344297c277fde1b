// Prints pixels of an X window dump (xwd, 24 or 32 bits per pixel) as RRGGBB, one per x,y argument.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::uint32_t Field(const std::vector<unsigned char>& data, std::size_t index)
{
    const std::size_t at = index * 4;
    return (std::uint32_t{data[at]} << 24) | (std::uint32_t{data[at + 1]} << 16) |
           (std::uint32_t{data[at + 2]} << 8) | std::uint32_t{data[at + 3]};
}

int Channel(std::uint32_t pixel, std::uint32_t mask)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1U) == 0) {
        ++shift;
    }
    return static_cast<int>((pixel & mask) >> shift);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: XwdPixel FILE X,Y...\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<unsigned char> data{std::istreambuf_iterator<char>(in), {}};
    if (data.size() < 100) {
        std::fputs("vandrel: not a window dump\n", stderr);
        return 1;
    }
    const std::uint32_t headerSize = Field(data, 0);
    const std::uint32_t width = Field(data, 4);
    const std::uint32_t height = Field(data, 5);
    const std::uint32_t byteOrder = Field(data, 7);
    const std::uint32_t bitsPerPixel = Field(data, 11);
    const std::uint32_t bytesPerLine = Field(data, 12);
    const std::uint32_t redMask = Field(data, 14);
    const std::uint32_t greenMask = Field(data, 15);
    const std::uint32_t blueMask = Field(data, 16);
    const std::uint32_t colours = Field(data, 19);
    const std::size_t pixels = headerSize + std::size_t{colours} * 12;
    const std::uint32_t bytes = bitsPerPixel / 8;
    if (bytes < 3 || data.size() < pixels + std::size_t{bytesPerLine} * height) {
        std::fputs("vandrel: unsupported window dump\n", stderr);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        unsigned x = 0;
        unsigned y = 0;
        if (std::sscanf(argv[i], "%u,%u", &x, &y) != 2 || x >= width || y >= height) {
            std::printf("outside\n");
            continue;
        }
        const std::size_t at = pixels + std::size_t{y} * bytesPerLine + std::size_t{x} * bytes;
        std::uint32_t pixel = 0;
        for (std::uint32_t b = 0; b < bytes; ++b) {
            const std::uint32_t byte = data[at + b];
            pixel |= byteOrder == 0 ? byte << (8 * b) : byte << (8 * (bytes - 1 - b));
        }
        std::printf("%02X%02X%02X\n", Channel(pixel, redMask), Channel(pixel, greenMask),
                    Channel(pixel, blueMask));
    }
    return 0;
}
