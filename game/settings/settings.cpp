#include "settings/settings.h"

#include <allegro.h>

#include <cstring>

namespace {

struct KeyNameEntry {
    int scancode;
    const char *name;
};

// clang-format off
// The keys a player can bind, by the names the file uses.
const KeyNameEntry KEY_NAMES[] = {
    {KEY_A, "A"}, {KEY_B, "B"}, {KEY_C, "C"}, {KEY_D, "D"}, {KEY_E, "E"}, {KEY_F, "F"}, {KEY_G, "G"},
    {KEY_H, "H"}, {KEY_I, "I"}, {KEY_J, "J"}, {KEY_K, "K"}, {KEY_L, "L"}, {KEY_M, "M"}, {KEY_N, "N"},
    {KEY_O, "O"}, {KEY_P, "P"}, {KEY_Q, "Q"}, {KEY_R, "R"}, {KEY_S, "S"}, {KEY_T, "T"}, {KEY_U, "U"},
    {KEY_V, "V"}, {KEY_W, "W"}, {KEY_X, "X"}, {KEY_Y, "Y"}, {KEY_Z, "Z"},
    {KEY_0, "0"}, {KEY_1, "1"}, {KEY_2, "2"}, {KEY_3, "3"}, {KEY_4, "4"},
    {KEY_5, "5"}, {KEY_6, "6"}, {KEY_7, "7"}, {KEY_8, "8"}, {KEY_9, "9"},
    {KEY_0_PAD, "KP0"}, {KEY_1_PAD, "KP1"}, {KEY_2_PAD, "KP2"}, {KEY_3_PAD, "KP3"}, {KEY_4_PAD, "KP4"},
    {KEY_5_PAD, "KP5"}, {KEY_6_PAD, "KP6"}, {KEY_7_PAD, "KP7"}, {KEY_8_PAD, "KP8"}, {KEY_9_PAD, "KP9"},
    {KEY_F1, "F1"}, {KEY_F2, "F2"}, {KEY_F3, "F3"}, {KEY_F4, "F4"},  {KEY_F5, "F5"},  {KEY_F6, "F6"},
    {KEY_F7, "F7"}, {KEY_F8, "F8"}, {KEY_F9, "F9"}, {KEY_F10, "F10"}, {KEY_F11, "F11"}, {KEY_F12, "F12"},
    {KEY_UP, "UP"}, {KEY_DOWN, "DOWN"}, {KEY_LEFT, "LEFT"}, {KEY_RIGHT, "RIGHT"},
    {KEY_SPACE, "SPACE"}, {KEY_ENTER, "ENTER"}, {KEY_TAB, "TAB"}, {KEY_BACKSPACE, "BACKSPACE"},
    {KEY_HOME, "HOME"}, {KEY_END, "END"}, {KEY_PGUP, "PGUP"}, {KEY_PGDN, "PGDN"},
    {KEY_INSERT, "INSERT"}, {KEY_DEL, "DELETE"},
};

// The controls' names in the file, in Control order.
const char *const CONTROL_KEYS[CONTROL_COUNT] = {"key_up", "key_down", "key_left", "key_right", "key_pause", "key_music"};
// clang-format on

std::string trimmed(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// "0".."100" exactly: no sign, no spaces inside, no leading zeros past one.
bool parsePercent(const std::string &text, int &value)
{
    if (text.empty() || text.size() > 3 || (text.size() > 1 && text[0] == '0')) return false;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    if (number > 100) return false;
    value = number;
    return true;
}

bool parseSwitch(const std::string &text, bool &value)
{
    if (text == "on" || text == "off") {
        value = text == "on";
        return true;
    }
    return false;
}

bool parseKeySet(const std::string &text, KeySet &set)
{
    for (KeySet candidate : {KeySet::Arrows, KeySet::ArrowsAndWasd, KeySet::Custom}) {
        if (text == keySetName(candidate)) {
            set = candidate;
            return true;
        }
    }
    return false;
}

bool parseScale(const std::string &text, int &scale)
{
    if (text == "auto") {
        scale = 0;
        return true;
    }
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4') {
        scale = text[0] - '0';
        return true;
    }
    return false;
}

// A look's name as the file may hold it: printable, one line, short.
bool parseLook(const std::string &text, std::string &look)
{
    if (text.empty() || text.size() > 40) return false;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return false;
    }
    look = text;
    return true;
}

// One "key = value" line into `settings`; false when the key is unknown or
// the value is not one it takes.
bool applySetting(const std::string &key, const std::string &value, Settings &settings, std::string &why)
{
    bool ok = false;
    if (key == "music_volume") {
        ok = parsePercent(value, settings.musicVolume);
    } else if (key == "effects_volume") {
        ok = parsePercent(value, settings.effectsVolume);
    } else if (key == "effects") {
        ok = parseSwitch(value, settings.effectsOn);
    } else if (key == "keys") {
        ok = parseKeySet(value, settings.keySet);
    } else if (key == "short_taps") {
        ok = parseSwitch(value, settings.shortTaps);
    } else if (key == "scale") {
        ok = parseScale(value, settings.windowScale);
    } else if (key == "fullscreen") {
        ok = parseSwitch(value, settings.fullscreen);
    } else if (key == "look") {
        ok = parseLook(value, settings.look);
    } else {
        for (int control = 0; control < CONTROL_COUNT; ++control) {
            if (key != CONTROL_KEYS[control]) continue;
            const int scancode = keyNamed(value);
            if (scancode != 0) settings.customKeys[control] = scancode;
            ok = scancode != 0;
            break;
        }
        if (!ok && why.empty()) {
            bool known = false;
            for (const char *name : CONTROL_KEYS) known = known || key == name;
            if (!known) why = "unknown setting \"" + key + "\"";
        }
    }
    if (!ok && why.empty()) why = "\"" + value + "\" is not a value for " + key;
    return ok;
}

}  // namespace

Settings::Settings() : customKeys{KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_SPACE, KEY_F2} {}

bool Settings::operator==(const Settings &other) const
{
    return musicVolume == other.musicVolume && effectsVolume == other.effectsVolume && effectsOn == other.effectsOn &&
           keySet == other.keySet && std::memcmp(customKeys, other.customKeys, sizeof customKeys) == 0 &&
           shortTaps == other.shortTaps && windowScale == other.windowScale && fullscreen == other.fullscreen &&
           look == other.look;
}

const char *keySetName(KeySet set)
{
    switch (set) {
    case KeySet::Arrows:
        return "arrows";
    case KeySet::ArrowsAndWasd:
        return "arrows+wasd";
    case KeySet::Custom:
        return "custom";
    }
    return "arrows";
}

const char *keyName(int scancode)
{
    for (const KeyNameEntry &entry : KEY_NAMES) {
        if (entry.scancode == scancode) return entry.name;
    }
    return "";
}

int keyNamed(const std::string &name)
{
    for (const KeyNameEntry &entry : KEY_NAMES) {
        if (name == entry.name) return entry.scancode;
    }
    return 0;
}

Settings parseSettings(const char *text, std::size_t size, std::vector<std::string> &problems)
{
    Settings settings;
    if (size > SETTINGS_BYTES_MAX) {
        problems.push_back("the file is larger than " + std::to_string(SETTINGS_BYTES_MAX / 1024) +
                           " KiB, so it is not a settings file; defaults are used");
        return settings;
    }
    if (std::memchr(text, '\0', size) != nullptr) {
        problems.push_back("the file holds binary data, so it is not a settings file; defaults are used");
        return settings;
    }
    const std::string all(text, size);
    std::size_t start = 0;
    int lineNumber = 0;
    bool versionSeen = false;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string::npos) end = all.size();
        const std::string line = trimmed(all.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::size_t equals = line.find('=');
        if (!versionSeen) {
            versionSeen = true;
            // A file written by hand may leave the version out: it is read
            // as the first version. Another version is not this game's to
            // read.
            if (equals != std::string::npos && trimmed(line.substr(0, equals)) == "version") {
                if (trimmed(line.substr(equals + 1)) != "1") {
                    problems.push_back(where + "the first setting must be \"" + SETTINGS_VERSION_LINE +
                                       "\"; the file is not read");
                    return Settings();
                }
                continue;
            }
        }
        if (equals == std::string::npos) {
            problems.push_back(where + "not a \"key = value\" line");
            continue;
        }
        const std::string key = trimmed(line.substr(0, equals));
        if (key == "version") {
            problems.push_back(where + "the version belongs on the first setting's line");
            continue;
        }
        std::string why;
        if (!applySetting(key, trimmed(line.substr(equals + 1)), settings, why)) problems.push_back(where + why);
    }
    return settings;
}

std::string settingsText(const Settings &settings)
{
    std::string text = "# GROG SLOOP settings: written by the game's options (F10 on the title\n"
                       "# screen). Edit with care; a value the game cannot use keeps its default.\n";
    text += std::string(SETTINGS_VERSION_LINE) + "\n";
    text += "music_volume = " + std::to_string(settings.musicVolume) + "\n";
    text += "effects_volume = " + std::to_string(settings.effectsVolume) + "\n";
    text += std::string("effects = ") + (settings.effectsOn ? "on" : "off") + "\n";
    text += std::string("keys = ") + keySetName(settings.keySet) + "\n";
    for (int control = 0; control < CONTROL_COUNT; ++control)
        text += std::string(CONTROL_KEYS[control]) + " = " + keyName(settings.customKeys[control]) + "\n";
    text += std::string("short_taps = ") + (settings.shortTaps ? "on" : "off") + "\n";
    text +=
        "scale = " + (settings.windowScale == 0 ? std::string("auto") : std::to_string(settings.windowScale)) + "\n";
    text += std::string("fullscreen = ") + (settings.fullscreen ? "on" : "off") + "\n";
    text += "look = " + settings.look + "\n";
    return text;
}
