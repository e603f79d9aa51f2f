// Writes every data file the game reads, from the sources in Gfx/ and Snd/,
// into one output directory (the directory the game runs in).
#pragma once

#include <string>

struct AssetOptions {
    std::string outputDir;
    std::string freepatsDir = "/usr/share/midi/freepats";
    bool respectUserConfig = true;  // leave allegro.cfg out when the user has one
};

// Writes Gfx/Tile.bmp, Gfx/Status.bmp, Snd/main.mid, the sound effects
// Snd/*.wav, default.cfg and allegro.cfg. Needs Allegro installed (SYSTEM_NONE is enough). Returns an
// empty string on success, otherwise what failed; progress notes go to `log`.
std::string writeAssets(const AssetOptions &options, std::string *log);
