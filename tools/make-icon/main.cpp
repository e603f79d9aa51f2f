// make-icon OUTPUT.png SIZE
// Writes the game's SIZE x SIZE icon (the pirate, enlarged by whole
// factors) as a PNG file; the build makes the 48 and 256 pixel ones.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "pirate_icon.h"
#include "png_writer.h"

int main(int argc, char **argv)
{
    const int size = argc == 3 ? std::atoi(argv[2]) : 0;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: make-icon OUTPUT.png SIZE (16 to 1024)\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "make-icon: cannot start Allegro\n");
        return 1;
    }
    set_color_depth(24);
    const std::vector<std::uint8_t> rgba = pirateIcon(size);
    if (rgba.empty() || !writeFile(argv[1], encodePng(size, size, rgba))) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
END_OF_MAIN()
