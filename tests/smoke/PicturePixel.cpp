// Prints pixels of a picture file as the programs load it, as RRGGBB, one per x,y argument (the
// argument "size" prints its width and height); the launcher smoke test compares with a screenshot.
#include <cstdio>
#include <string_view>

#include "platform/Picture.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: PicturePixel FILE X,Y...\n", stderr);
        return 2;
    }
    const auto picture = platform::LoadPicture(argv[1]);
    if (!picture) {
        std::fprintf(stderr, "vandrel: cannot load %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        if (std::string_view(argv[i]) == "size") {
            std::printf("%d %d\n", picture->width, picture->height);
            continue;
        }
        int x = 0;
        int y = 0;
        if (std::sscanf(argv[i], "%d,%d", &x, &y) != 2 || x < 0 || y < 0 || x >= picture->width ||
            y >= picture->height) {
            std::printf("outside\n");
            continue;
        }
        const std::uint32_t pixel = picture->Row(y)[x]; // 0x00BBGGRR
        std::printf("%02X%02X%02X\n", pixel & 0xFFU, (pixel >> 8) & 0xFFU, (pixel >> 16) & 0xFFU);
    }
    return 0;
}
