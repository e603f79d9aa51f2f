#include "patch_config.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <sstream>
#include <vector>

const char *const GENERATED_CONFIG_MARK = "# Written by make-assets";

namespace {

// Files "NNN_*.pat" of `dir`, keyed by NNN.
std::map<int, std::string> numberedPatches(const std::string &dir)
{
    std::map<int, std::string> found;
    DIR *d = opendir(dir.c_str());
    if (!d) return found;
    while (dirent *entry = readdir(d)) {
        const std::string name = entry->d_name;
        if (name.size() < 8 || name.compare(name.size() - 4, 4, ".pat") != 0) continue;
        if (!std::isdigit(static_cast<unsigned char>(name[0])) || !std::isdigit(static_cast<unsigned char>(name[1])) ||
            !std::isdigit(static_cast<unsigned char>(name[2])) || name[3] != '_')
            continue;
        // NOLINTNEXTLINE(performance-inefficient-string-concatenation): one path per patch file
        found[std::atoi(name.substr(0, 3).c_str())] = dir + "/" + name;
    }
    closedir(d);
    return found;
}

bool isFile(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

PatchSet scanFreepats(const std::string &freepatsDir)
{
    PatchSet set;
    for (const auto &[program, path] : numberedPatches(freepatsDir + "/Tone_000"))
        if (program < 128) set.programs[program] = path;
    for (const auto &[key, path] : numberedPatches(freepatsDir + "/Drum_000"))
        if (key < 128) set.drums[key] = path;
    return set;
}

std::string digmidConfig(const PatchSet &set)
{
    std::ostringstream out;
    out << "# Allegro DIGMID patch index for Debian's freepats.\n"
           "# Melodic lines: General MIDI program + 1, then the patch.\n"
           "# Drum lines, inside the multipatch block: the percussion key.\n";
    for (const auto &[program, path] : set.programs) out << (program + 1) << " " << path << "\n";
    out << "\n129-256 begin_multipatch default blank\n";
    for (const auto &[key, path] : set.drums) out << key << " " << path << "\n";
    out << "end_multipatch\n";
    return out.str();
}

PatchSet readDigmidConfig(const std::string &text)
{
    PatchSet set;
    std::istringstream in(text);
    std::string line;
    bool inDrums = false;
    while (std::getline(in, line)) {
        const auto hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first, second;
        if (!(words >> first)) continue;
        words >> second;
        if (second == "begin_multipatch") {
            inDrums = true;
            continue;
        }
        if (first == "end_multipatch") {
            inDrums = false;
            continue;
        }
        if (first.empty() || !std::isdigit(static_cast<unsigned char>(first[0])) || second.empty()) continue;
        const int number = std::atoi(first.c_str());
        if (inDrums)
            set.drums[number] = second;
        else if (number >= 1 && number <= 128)
            set.programs[number - 1] = second;
    }
    return set;
}

std::string allegroConfig()
{
    return std::string(GENERATED_CONFIG_MARK) + " beside the game: DIGMID's instruments come from freepats\n"
                                                "# through default.cfg in this directory. A bare file name here is\n"
                                                "# looked for beside the program whatever the working directory\n"
                                                "# (a path with directories would be taken from the working one).\n"
                                                "[sound]\n"
                                                "patches = default.cfg\n";
}

std::string userAllegroConfig()
{
    std::vector<std::string> candidates;
    if (const char *dir = std::getenv("ALLEGRO")) candidates.push_back(std::string(dir) + "/allegro.cfg");
    if (const char *home = std::getenv("HOME")) {
        candidates.push_back(std::string(home) + "/allegro.cfg");
        candidates.push_back(std::string(home) + "/.allegrorc");
    }
    candidates.push_back("/etc/allegro.cfg");
    candidates.push_back("/etc/allegrorc");
    for (const std::string &path : candidates)
        if (isFile(path)) return path;
    return {};
}
