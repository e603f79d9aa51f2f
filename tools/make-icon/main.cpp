// make-icon OUTPUT.png SIZE
// make-icon OUTPUT.cpp SIZE NAME
// Draws the game's SIZE x SIZE icon (the pirate, enlarged by whole factors)
// and writes it as a PNG file, or as XPM data in C++ source under NAME. The
// build makes the 48 and 256 pixel menu icons and the window's icon.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "icon_files.h"
#include "pirate_icon.h"

int main(int argc, char **argv)
{
    const int size = argc == 3 || argc == 4 ? std::atoi(argv[2]) : 0;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "usage: make-icon OUTPUT.png SIZE | make-icon OUTPUT.cpp SIZE NAME (SIZE 16 to 1024)\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "make-icon: cannot start Allegro\n");
        return 1;
    }
    set_color_depth(24);
    const std::vector<std::uint8_t> rgba = pirateIcon(size);
    const bool written = !rgba.empty() && (argc == 4 ? writeTextFile(argv[1], iconXpmSource(argv[3], size, rgba))
                                                     : writeIconPng(argv[1], size, rgba));
    if (!written) {
        std::fprintf(stderr, "make-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
END_OF_MAIN()
