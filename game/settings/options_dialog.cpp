#include "settings/options_dialog.h"

#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "input/key_bindings.h"
#include "input/key_wait.h"
#include "platform/end_request.h"
#include "platform/fullscreen.h"
#include "platform/window_scale.h"
#include "scores/dialog_idle_rest.h"
#include "scores/name_dialog.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "sound/effect_settings.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "widgets/theme.h"

namespace {

// clang-format off
// Rows of the dialog, by index.
enum Row {
    ROW_WINDOW, ROW_MUSIC_LABEL, ROW_MUSIC, ROW_EFFECTS_LABEL, ROW_EFFECTS, ROW_EFFECTS_ON, ROW_TAPS, ROW_FULLSCREEN,
    ROW_KEYS_LABEL, ROW_ARROWS, ROW_WASD, ROW_CUSTOM,
    ROW_KEY_UP, ROW_KEY_DOWN, ROW_KEY_LEFT, ROW_KEY_RIGHT, ROW_KEY_PAUSE, ROW_KEY_MUSIC,
    ROW_MESSAGE, ROW_SCALE_LABEL, ROW_SCALE, ROW_LOOK_LABEL, ROW_LOOK, ROW_OK, ROW_CANCEL, ROW_IDLE, ROW_END,
};
constexpr int KEYS_GROUP      = 1;  // the radio group of the key sets
constexpr int VOLUME_STEPS    = 100;
constexpr int MESSAGE_BYTES   = 80;
constexpr int KEY_LABEL_BYTES = 32;
// clang-format on

const char *const CONTROL_LABELS[CONTROL_COUNT] = {"Up", "Down", "Left", "Right", "Pause", "Music"};
const char *const SCALE_NAMES[] = {"1", "2", "3", "4", "auto"};
constexpr int SCALE_CHOICES = 5;

char Message[MESSAGE_BYTES] = "";
char KeyLabels[CONTROL_COUNT][KEY_LABEL_BYTES];
Settings Editing;
DIALOG *Rows = nullptr;

char Title[] = "Options";
char MusicLabel[] = "Music volume";
char EffectsLabel[] = "Effects volume";
char EffectsOnLabel[] = "Sound effects";
char TapsLabel[] = "Short taps count";
char FullscreenLabel[] = "Fullscreen (F11)";
char KeysLabel[] = "Keys";
char ArrowsLabel[] = "Arrows";
char WasdLabel[] = "Arrows + WASD";
char CustomLabel[] = "Custom:";
char ScaleLabel[] = "Scale (next start)";
char LookLabel[] = "Dialog look";
char OkLabel[] = "OK";
char CancelLabel[] = "Cancel";

void setKeyLabel(int control)
{
    std::snprintf(KeyLabels[control], KEY_LABEL_BYTES, "%s: %s", CONTROL_LABELS[control],
                  keyName(Editing.customKeys[control]));
}

// A line under the key buttons, shown at once (a key capture waits).
void say(const char *text)
{
    std::snprintf(Message, sizeof Message, "%s", text);
    broadcast_dialog_message(MSG_DRAW, 0);
    presentScreen();
}

// The volumes are heard while they move.
int musicVolumeChanged(void *, int value)
{
    Editing.musicVolume = value;
    applyMusicVolume(value);
    return D_O_K;
}

int effectsVolumeChanged(void *, int value)
{
    Editing.effectsVolume = value;
    // A bottle at the new volume; each move starts it over, so the one left
    // when the slider stops is heard whole.
    setEffectsVolume(value);
    playEffect(SoundEffect::BottleTaken);
    return D_O_K;
}

char *scaleItem(int index, int *size)
{
    if (index < 0) {
        *size = SCALE_CHOICES;
        return nullptr;
    }
    return const_cast<char *>(SCALE_NAMES[index]);
}

char *lookItem(int index, int *size)
{
    if (index < 0) {
        *size = theme_count();
        return nullptr;
    }
    return const_cast<char *>(theme_at(index)->name);
}

// A key button: the next key pressed becomes the control's. ESC keeps the
// old one; a key another control has is refused with a message.
int captureKey(DIALOG *row)
{
    const int control = static_cast<int>(row - &Rows[ROW_KEY_UP]);
    std::snprintf(KeyLabels[control], KEY_LABEL_BYTES, "%s: press a key", CONTROL_LABELS[control]);
    say("Press the new key, or ESC to keep the old one.");
    clear_keybuf();
    // readkey alone would keep a logout waiting for a key that never comes.
    while (!keypressed() && !endRequested()) rest(KEY_WAIT_REST_MS);
    if (!keypressed()) {
        setKeyLabel(control);
        return D_CLOSE;
    }
    const int scancode = readkey() >> 8;
    clear_keybuf();
    setKeyLabel(control);
    if (scancode == KEY_ESC) {
        say("");
        return D_REDRAW;
    }
    if (keyName(scancode)[0] == '\0' || scancode == KEY_F1 || scancode == KEY_F10) {
        say("That key cannot be used for play.");
        return D_REDRAW;
    }
    for (int other = 0; other < CONTROL_COUNT; ++other) {
        if (other != control && Editing.customKeys[other] == scancode) {
            std::string text = std::string(keyName(scancode)) + " is already " + CONTROL_LABELS[other] + ".";
            say(text.c_str());
            return D_REDRAW;
        }
    }
    Editing.customKeys[control] = scancode;
    setKeyLabel(control);
    // Choosing a key chooses the custom set.
    Rows[ROW_ARROWS].flags &= ~D_SELECTED;
    Rows[ROW_WASD].flags &= ~D_SELECTED;
    Rows[ROW_CUSTOM].flags |= D_SELECTED;
    say("");
    return D_REDRAW;
}

int scaleIndex(int scale)
{
    return scale == 0 ? SCALE_CHOICES - 1 : scale - 1;
}

int lookIndex(const std::string &name)
{
    for (int i = 0; i < theme_count(); ++i) {
        if (name == theme_at(i)->name) return i;
    }
    return 0;
}

bool selected(int row)
{
    return (Rows[row].flags & D_SELECTED) != 0;
}

// What the rows say, read back into settings.
Settings chosenSettings()
{
    Settings chosen = Editing;
    chosen.musicVolume = Rows[ROW_MUSIC].d2;
    chosen.effectsVolume = Rows[ROW_EFFECTS].d2;
    chosen.effectsOn = selected(ROW_EFFECTS_ON);
    chosen.shortTaps = selected(ROW_TAPS);
    chosen.fullscreen = selected(ROW_FULLSCREEN);
    chosen.keySet = selected(ROW_CUSTOM) ? KeySet::Custom : selected(ROW_WASD) ? KeySet::ArrowsAndWasd : KeySet::Arrows;
    chosen.windowScale = Rows[ROW_SCALE].d1 == SCALE_CHOICES - 1 ? 0 : Rows[ROW_SCALE].d1 + 1;
    if (Rows[ROW_LOOK].d1 >= 0 && Rows[ROW_LOOK].d1 < theme_count()) chosen.look = theme_at(Rows[ROW_LOOK].d1)->name;
    return chosen;
}

// What to save: the chosen settings, except that a value the command line
// set for this run and the player left alone keeps what the file says.
Settings settingsToSave(const Settings &chosen, const Settings &atOpen)
{
    Settings saved = chosen;
    const Settings &file = savedSettings();
    if (chosen.windowScale == atOpen.windowScale && atOpen.windowScale != file.windowScale)
        saved.windowScale = file.windowScale;
    if (chosen.fullscreen == atOpen.fullscreen && atOpen.fullscreen != file.fullscreen)
        saved.fullscreen = file.fullscreen;
    if (chosen.effectsOn == atOpen.effectsOn && atOpen.effectsOn != file.effectsOn) saved.effectsOn = file.effectsOn;
    return saved;
}

}  // namespace

void applyDialogLook(const std::string &name)
{
    Theme *look = find_theme(name.c_str());
    if (look == nullptr) {
        std::fprintf(stderr, "grog-sloop: there is no look \"%s\"; the dialogs use \"GTK\"\n", name.c_str());
        look = theme_gtk;
    }
    if (current_theme != look) {
        shutdown_theme();
        init_theme(look);
    }
}

void applySettings(const Settings &settings)
{
    applyKeySettings(settings);
    applyMusicVolume(settings.musicVolume);
    setEffectsVolume(settings.effectsVolume);
    setEffectsOn(settings.effectsOn);
    applyDialogLook(settings.look);
}

bool runOptionsDialog()
{
    const Settings atOpen = currentSettings();
    Editing = atOpen;
    Message[0] = '\0';
    for (int control = 0; control < CONTROL_COUNT; ++control) setKeyLabel(control);

    // clang-format off
    DIALOG rows[] = {
      // proc                 x    y    w    h   fg bg key flags  d1                  d2                     dp                  dp2                                         dp3
      { theme_window_proc,    0,   0, 440, 440, 0, 0, 0,  0,      0,                  0,                     Title,              nullptr,                                    nullptr },
      { theme_text_proc,     20,  36, 160,  10, 0, 0, 0,  0,      0,                  0,                     MusicLabel,         nullptr,                                    nullptr },
      { theme_slider_proc,  200,  34, 200,  14, 0, 0, 0,  0,      VOLUME_STEPS,       atOpen.musicVolume,    nullptr,            reinterpret_cast<void *>(musicVolumeChanged),   nullptr },
      { theme_text_proc,     20,  58, 160,  10, 0, 0, 0,  0,      0,                  0,                     EffectsLabel,       nullptr,                                    nullptr },
      { theme_slider_proc,  200,  56, 200,  14, 0, 0, 0,  0,      VOLUME_STEPS,       atOpen.effectsVolume,  nullptr,            reinterpret_cast<void *>(effectsVolumeChanged), nullptr },
      { theme_check_proc,    20,  80, 180,  14, 0, 0, 0,  0,      0,                  0,                     EffectsOnLabel,     nullptr,                                    nullptr },
      { theme_check_proc,   220,  80, 180,  14, 0, 0, 0,  0,      0,                  0,                     TapsLabel,          nullptr,                                    nullptr },
      { theme_check_proc,    20,  98, 180,  14, 0, 0, 0,  0,      0,                  0,                     FullscreenLabel,    nullptr,                                    nullptr },
      { theme_text_proc,     20, 116, 160,  10, 0, 0, 0,  0,      0,                  0,                     KeysLabel,          nullptr,                                    nullptr },
      { theme_radio_proc,    20, 134, 120,  14, 0, 0, 0,  0,      KEYS_GROUP,         0,                     ArrowsLabel,        nullptr,                                    nullptr },
      { theme_radio_proc,   150, 134, 130,  14, 0, 0, 0,  0,      KEYS_GROUP,         0,                     WasdLabel,          nullptr,                                    nullptr },
      { theme_radio_proc,   290, 134, 110,  14, 0, 0, 0,  0,      KEYS_GROUP,         0,                     CustomLabel,        nullptr,                                    nullptr },
      { theme_push_proc,     20, 158, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[0],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_push_proc,    155, 158, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[1],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_push_proc,    290, 158, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[2],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_push_proc,     20, 182, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[3],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_push_proc,    155, 182, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[4],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_push_proc,    290, 182, 125,  18, 0, 0, 0,  0,      0,                  0,                     KeyLabels[5],       nullptr,                                    reinterpret_cast<void *>(captureKey) },
      { theme_text_proc,     20, 206, 400,  10, 0, 0, 0,  0,      0,                  0,                     Message,            nullptr,                                    nullptr },
      { theme_text_proc,     20, 224, 200,  10, 0, 0, 0,  0,      0,                  0,                     ScaleLabel,         nullptr,                                    nullptr },
      { theme_list_proc,     20, 240, 180, 140, 0, 0, 0,  0,      scaleIndex(atOpen.windowScale), 0,         reinterpret_cast<void *>(scaleItem), nullptr,                   nullptr },
      { theme_text_proc,    220, 224, 200,  10, 0, 0, 0,  0,      0,                  0,                     LookLabel,          nullptr,                                    nullptr },
      { theme_list_proc,    220, 240, 180, 140, 0, 0, 0,  0,      lookIndex(atOpen.look), 0,                 reinterpret_cast<void *>(lookItem), nullptr,                    nullptr },
      { theme_button_proc,  220, 400, 90,   22, 0, 0, 0,  D_EXIT, 0,                  0,                     OkLabel,            nullptr,                                    nullptr },
      { theme_button_proc,  320, 400, 90,   22, 0, 0, 0,  D_EXIT, 0,                  0,                     CancelLabel,        nullptr,                                    nullptr },
      { restWhileIdleProc,    0,   0,   0,   0, 0, 0, 0,  0,      0,                  0,                     nullptr,            nullptr,                                    nullptr },
      { nullptr,              0,   0,   0,   0, 0, 0, 0,  0,      0,                  0,                     nullptr,            nullptr,                                    nullptr },
    };
    // clang-format on
    static_assert(sizeof rows / sizeof rows[0] == ROW_END + 1, "one row for every Row");
    Rows = rows;
    if (atOpen.effectsOn) rows[ROW_EFFECTS_ON].flags |= D_SELECTED;
    if (atOpen.shortTaps) rows[ROW_TAPS].flags |= D_SELECTED;
    if (isFullscreen()) rows[ROW_FULLSCREEN].flags |= D_SELECTED;
    const Row keySetRow = atOpen.keySet == KeySet::Custom          ? ROW_CUSTOM
                          : atOpen.keySet == KeySet::ArrowsAndWasd ? ROW_WASD
                                                                   : ROW_ARROWS;
    rows[keySetRow].flags |= D_SELECTED;

    // The game's own dialog colours, as in the name dialog.
    gui_fg_color = makecol(0, 0, 0);
    gui_mg_color = makecol(128, 128, 128);
    gui_bg_color = makecol(200, 240, 200);
    set_dialog_color(rows, gui_fg_color, gui_bg_color);
    centre_dialog(rows);

    const int closedBy = NameDialogRunner(rows, ROW_MUSIC);
    Settings chosen = chosenSettings();
    Rows = nullptr;
    if (closedBy != ROW_OK) {
        applySettings(atOpen);
        return false;
    }
    if (chosen.fullscreen != isFullscreen() && !setFullscreen(chosen.fullscreen)) chosen.fullscreen = isFullscreen();
    currentSettings() = chosen;
    applySettings(chosen);
    const Settings toSave = settingsToSave(chosen, atOpen);
    std::string error;
    if (saveSettings(playerSettingsPath(), toSave, error)) {
        savedSettings() = toSave;
    } else {
        std::fprintf(stderr, "grog-sloop: the settings cannot be saved: %s\n", error.c_str());
    }
    return true;
}
