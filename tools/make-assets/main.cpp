// make-assets OUTPUT_DIR [--freepats DIR] [--ignore-user-config]
// Writes the game's sprite sheet, status bar, music and MIDI instrument
// configuration into OUTPUT_DIR, the directory the game runs in.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "asset_files.h"

namespace {

int usage()
{
    std::fprintf(stderr, "usage: make-assets OUTPUT_DIR [--freepats DIR] [--ignore-user-config]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    AssetOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--freepats") == 0 && i + 1 < argc)
            options.freepatsDir = argv[++i];
        else if (std::strcmp(argv[i], "--ignore-user-config") == 0)
            options.respectUserConfig = false;
        else if (argv[i][0] != '-' && options.outputDir.empty())
            options.outputDir = argv[i];
        else
            return usage();
    }
    if (options.outputDir.empty()) return usage();
    // No display is needed: memory bitmaps, makecol and save_bitmap work
    // with the "none" system driver.
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "make-assets: cannot start Allegro\n");
        return 1;
    }
    std::string log;
    const std::string error = writeAssets(options, &log);
    std::fputs(log.c_str(), stdout);
    if (!error.empty()) {
        std::fprintf(stderr, "make-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
