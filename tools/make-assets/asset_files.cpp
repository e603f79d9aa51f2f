#include "asset_files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "Snd/sound_effect.h"
#include "patch_config.h"
#include "sound_effect_synth.h"
#include "shanty_midi.h"
#include "sprite_sheet.h"
#include "status_panel.h"
#include "wav_file.h"

namespace {

bool makeDir(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::create_directory(path, error)) return !error;
    fs::permissions(path,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                        fs::perms::others_exec,
                    error);
    return !error;
}

bool writeText(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

bool writeBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

std::string readText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Saves and frees; false when either the bitmap or the file failed.
bool saveAndFree(BITMAP *bmp, const std::string &path)
{
    if (!bmp) return false;
    const bool ok = save_bitmap(path.c_str(), bmp, nullptr) == 0;
    destroy_bitmap(bmp);
    return ok;
}

}  // namespace

std::string writeAssets(const AssetOptions &options, std::string *log)
{
    const std::string &out = options.outputDir;
    if (!makeDir(out) || !makeDir(out + "/Gfx") || !makeDir(out + "/Snd"))
        return "cannot create the output directories under " + out;

    if (!saveAndFree(buildSpriteSheet(), out + "/Gfx/Tile.bmp")) return "cannot write " + out + "/Gfx/Tile.bmp";
    if (!saveAndFree(buildStatusPanel(), out + "/Gfx/Status.bmp")) return "cannot write " + out + "/Gfx/Status.bmp";

    const ShantyMidi music = renderShanty(drunkenSailor());
    if (!music.error.empty()) return "music: " + music.error;
    if (!writeBytes(out + "/Snd/main.mid", music.bytes)) return "cannot write " + out + "/Snd/main.mid";
    char line[160];
    std::snprintf(line, sizeof line, "Snd/main.mid: \"%s\", %d bars, %.1f s a pass\n", drunkenSailor().title.c_str(),
                  music.bars, music.seconds);
    *log += line;

    for (const SoundEffectRecipe &recipe : gameSoundEffects()) {
        const std::vector<std::int16_t> samples = synthesiseEffect(recipe);
        const std::string path = out + "/Snd/" + recipe.name + ".wav";
        if (!writeBytes(path, monoWavBytes(samples, EFFECT_SAMPLE_RATE))) return "cannot write " + path;
    }
    std::snprintf(line, sizeof line, "Snd/*.wav: %zu sound effects\n", gameSoundEffects().size());
    *log += line;

    const PatchSet patches = scanFreepats(options.freepatsDir);
    if (patches.programs.empty())
        *log += "warning: no freepats under " + options.freepatsDir + "; DIGMID will be silent\n";
    if (!writeText(out + "/default.cfg", digmidConfig(patches))) return "cannot write " + out + "/default.cfg";
    std::snprintf(line, sizeof line, "default.cfg: %zu programs, %zu drum keys\n", patches.programs.size(),
                  patches.drums.size());
    *log += line;

    // The program's own allegro.cfg would hide the user's; where the user has
    // one, leave ours out (default.cfg beside the program is still found
    // when their configuration names no patch set).
    const std::string cfg = out + "/allegro.cfg";
    const std::string users = options.respectUserConfig ? userAllegroConfig() : std::string();
    if (!users.empty()) {
        if (readText(cfg).rfind(GENERATED_CONFIG_MARK, 0) == 0) std::remove(cfg.c_str());
        *log += "allegro.cfg: left out, the user's own " + users + " takes precedence\n";
    } else if (!writeText(cfg, allegroConfig())) {
        return "cannot write " + cfg;
    }
    return {};
}
