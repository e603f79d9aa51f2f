#include "settings/options_dialog.h"

#include <allegro.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "display/desktop_keys.h"
#include "display/fullscreen.h"
#include "display/window_canvas.h"
#include "display/window_scale.h"
#include "input/key_bindings.h"
#include "input/key_wait.h"
#include "platform/player_folders.h"
#include "process/end_request.h"
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
constexpr int KEYS_GROUP         = 1;  // the radio group of the key sets
constexpr int VOLUME_STEPS       = 100;
constexpr int MESSAGE_BYTES      = 80;
constexpr int KEY_LABEL_BYTES    = 32;
constexpr int ON_OFF_LABEL_BYTES = 32;
// clang-format on

const char *const CONTROL_LABELS[CONTROL_COUNT] = {"Up", "Down", "Left", "Right", "Pause", "Music"};
const char *const SCALE_NAMES[] = {"1", "2", "3", "4"};
const char *const SCALE_AUTO_NAME = "auto";

char Message[MESSAGE_BYTES] = "";
char KeyLabels[CONTROL_COUNT][KEY_LABEL_BYTES];
Settings Editing;
DIALOG *Rows = nullptr;
// Only the scales whose window fits the desktop are offered, then "auto":
// the list's length, and the row it showed when the dialog opened.
int ScaleChoices = MAX_WINDOW_SCALE + 1;
int ScaleIndexAtOpen = 0;

char Title[] = "Options";
char MusicLabel[] = "Music volume";
char EffectsLabel[] = "Effects volume";
char KeysLabel[] = "Keys";
char ArrowsLabel[] = "Arrows";
char WasdLabel[] = "Arrows + WASD";
char CustomLabel[] = "Custom:";
char ScaleLabel[] = "Scale (next start)";
char LookLabel[] = "Dialog look";
char OkLabel[] = "OK";
char CancelLabel[] = "Cancel";
// The on/off choices: the name, and the label that ends in the state.
const char EffectsOnName[] = "Sound effects";
const char TapsName[] = "Short taps count";
const char FullscreenName[] = "Fullscreen (F11)";
char EffectsOnLabel[ON_OFF_LABEL_BYTES];
char TapsLabel[ON_OFF_LABEL_BYTES];
char FullscreenLabel[ON_OFF_LABEL_BYTES];
// What the fullscreen row last showed of the window: F11 while the dialog
// is open changes the window, and the row follows.
bool FullscreenSeen = false;

const char *const PRESS_A_KEY = "press a key";
const char *const CAPTURE_MESSAGE = "Press the new key, or ESC to keep the old one.";
const char *const UNUSABLE_KEY_MESSAGE = "That key cannot be used for play.";

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

std::string keyTakenMessage(const char *keyNamed, const char *control)
{
    return std::string(keyNamed) + " is already " + control + ".";
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
        *size = ScaleChoices;
        return nullptr;
    }
    return const_cast<char *>(index == ScaleChoices - 1 ? SCALE_AUTO_NAME : SCALE_NAMES[index]);
}

char *lookItem(int index, int *size)
{
    if (index < 0) {
        *size = theme_count();
        return nullptr;
    }
    return const_cast<char *>(theme_at(index)->name);
}

// A check box whose label ends in its state in words, as in "Sound
// effects: on": some looks show a ticked box too faintly to read. dp2 holds
// the choice's name, dp the label made from it.
int onOffCheckProc(int msg, DIALOG *row, int c)
{
    if (msg == MSG_DRAW && row->dp2 != nullptr)
        std::snprintf(static_cast<char *>(row->dp), ON_OFF_LABEL_BYTES, "%s",
                      onOffLabel(static_cast<const char *>(row->dp2), (row->flags & D_SELECTED) != 0).c_str());
    return theme_check_proc(msg, row, c);
}

// F11 or Alt+Enter switched the window while the dialog is open: the
// fullscreen row shows the window as it is now, and OK keeps it so.
void followFullscreen()
{
    if (Rows == nullptr || isFullscreen() == FullscreenSeen) return;
    FullscreenSeen = isFullscreen();
    if (FullscreenSeen)
        Rows[ROW_FULLSCREEN].flags |= D_SELECTED;
    else
        Rows[ROW_FULLSCREEN].flags &= ~D_SELECTED;
    object_message(&Rows[ROW_FULLSCREEN], MSG_DRAW, 0);
}

int optionsIdleProc(int msg, DIALOG *row, int c)
{
    if (msg == MSG_IDLE) followFullscreen();
    return restWhileIdleProc(msg, row, c);
}

// A key button: the next key pressed becomes the control's. ESC keeps the
// old one; a key another control has is refused with a message.
int captureKey(DIALOG *row)
{
    const int control = static_cast<int>(row - &Rows[ROW_KEY_UP]);
    std::snprintf(KeyLabels[control], KEY_LABEL_BYTES, "%s: %s", CONTROL_LABELS[control], PRESS_A_KEY);
    say(CAPTURE_MESSAGE);
    clear_keybuf();
    // readkey alone would keep a logout waiting for a key that never comes.
    // F11, Alt+Enter and F12 never reach the buffer: they act now, as
    // anywhere else, rather than once the capture is over.
    while (!keypressed() && !endRequested()) {
        serviceDesktopKeys();
        followFullscreen();
        rest(KEY_WAIT_REST_MS);
    }
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
        say(UNUSABLE_KEY_MESSAGE);
        return D_REDRAW;
    }
    for (int other = 0; other < CONTROL_COUNT; ++other) {
        if (other != control && Editing.customKeys[other] == scancode) {
            say(keyTakenMessage(keyName(scancode), CONTROL_LABELS[other]).c_str());
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

// A scale saved for a larger desktop shows as the largest on offer here.
int scaleIndex(int scale)
{
    return scale == SCALE_TO_DESKTOP ? ScaleChoices - 1 : std::min(scale, ScaleChoices - 1) - 1;
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
    // The list left alone keeps the scale as it was, even one that only a
    // larger desktop offers.
    if (Rows[ROW_SCALE].d1 != ScaleIndexAtOpen)
        chosen.windowScale = Rows[ROW_SCALE].d1 == ScaleChoices - 1 ? SCALE_TO_DESKTOP : Rows[ROW_SCALE].d1 + 1;
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

// The dialog as it opens, before the settings are filled in.
// clang-format off
void *const CAPTURE = reinterpret_cast<void *>(captureKey);
DIALOG LAYOUT[] = {
  // proc                 x    y    w    h   fg bg key flags  d1            d2            dp                                   dp2                                             dp3
  { theme_window_proc,    0,   0, 500, 440, 0, 0, 0,  0,      0,            0,            Title,                               nullptr,                                        nullptr },
  { theme_text_proc,     20,  36, 170,  10, 0, 0, 0,  0,      0,            0,            MusicLabel,                          nullptr,                                        nullptr },
  { theme_slider_proc,  200,  34, 280,  14, 0, 0, 0,  0,      VOLUME_STEPS, 0,            nullptr,                             reinterpret_cast<void *>(musicVolumeChanged),   nullptr },
  { theme_text_proc,     20,  58, 170,  10, 0, 0, 0,  0,      0,            0,            EffectsLabel,                        nullptr,                                        nullptr },
  { theme_slider_proc,  200,  56, 280,  14, 0, 0, 0,  0,      VOLUME_STEPS, 0,            nullptr,                             reinterpret_cast<void *>(effectsVolumeChanged), nullptr },
  { onOffCheckProc,      20,  80, 220,  14, 0, 0, 0,  0,      0,            0,            EffectsOnLabel,                      const_cast<char *>(EffectsOnName),              nullptr },
  { onOffCheckProc,     260,  80, 220,  14, 0, 0, 0,  0,      0,            0,            TapsLabel,                           const_cast<char *>(TapsName),                   nullptr },
  { onOffCheckProc,      20,  98, 220,  14, 0, 0, 0,  0,      0,            0,            FullscreenLabel,                     const_cast<char *>(FullscreenName),             nullptr },
  { theme_text_proc,     20, 116, 170,  10, 0, 0, 0,  0,      0,            0,            KeysLabel,                           nullptr,                                        nullptr },
  { theme_radio_proc,    20, 134, 140,  14, 0, 0, 0,  0,      KEYS_GROUP,   0,            ArrowsLabel,                         nullptr,                                        nullptr },
  { theme_radio_proc,   175, 134, 150,  14, 0, 0, 0,  0,      KEYS_GROUP,   0,            WasdLabel,                           nullptr,                                        nullptr },
  { theme_radio_proc,   330, 134, 150,  14, 0, 0, 0,  0,      KEYS_GROUP,   0,            CustomLabel,                         nullptr,                                        nullptr },
  { theme_push_proc,     20, 158, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_UP],               nullptr,                                        CAPTURE },
  { theme_push_proc,    175, 158, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_DOWN],             nullptr,                                        CAPTURE },
  { theme_push_proc,    330, 158, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_LEFT],             nullptr,                                        CAPTURE },
  { theme_push_proc,     20, 182, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_RIGHT],            nullptr,                                        CAPTURE },
  { theme_push_proc,    175, 182, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_PAUSE],            nullptr,                                        CAPTURE },
  { theme_push_proc,    330, 182, 150,  18, 0, 0, 0,  0,      0,            0,            KeyLabels[CONTROL_MUSIC],            nullptr,                                        CAPTURE },
  { theme_text_proc,     20, 206, 460,  10, 0, 0, 0,  0,      0,            0,            Message,                             nullptr,                                        nullptr },
  { theme_text_proc,     20, 224, 200,  10, 0, 0, 0,  0,      0,            0,            ScaleLabel,                          nullptr,                                        nullptr },
  { theme_list_proc,     20, 240, 200, 140, 0, 0, 0,  0,      0,            0,            reinterpret_cast<void *>(scaleItem), nullptr,                                        nullptr },
  { theme_text_proc,    260, 224, 200,  10, 0, 0, 0,  0,      0,            0,            LookLabel,                           nullptr,                                        nullptr },
  { theme_list_proc,    260, 240, 220, 140, 0, 0, 0,  0,      0,            0,            reinterpret_cast<void *>(lookItem),  nullptr,                                        nullptr },
  { theme_button_proc,  280, 400,  90,  22, 0, 0, 0,  D_EXIT, 0,            0,            OkLabel,                             nullptr,                                        nullptr },
  { theme_button_proc,  390, 400,  90,  22, 0, 0, 0,  D_EXIT, 0,            0,            CancelLabel,                         nullptr,                                        nullptr },
  { optionsIdleProc,      0,   0,   0,   0, 0, 0, 0,  0,      0,            0,            nullptr,                             nullptr,                                        nullptr },
  { nullptr,              0,   0,   0,   0, 0, 0, 0,  0,      0,            0,            nullptr,                             nullptr,                                        nullptr },
};
// clang-format on
static_assert(sizeof LAYOUT / sizeof LAYOUT[0] == ROW_END + 1, "one row for every Row");

}  // namespace

std::string onOffLabel(const char *name, bool on)
{
    return std::string(name) + (on ? ": on" : ": off");
}

const DIALOG *optionsDialogLayout()
{
    return LAYOUT;
}

std::vector<OptionsRowText> optionsRowTexts()
{
    std::vector<OptionsRowText> texts;
    for (int row = 0; row < ROW_END; ++row) {
        const DIALOG &d = LAYOUT[row];
        if (d.dp2 != nullptr && d.proc == onOffCheckProc) {
            texts.push_back({row, onOffLabel(static_cast<const char *>(d.dp2), true), true});
            texts.push_back({row, onOffLabel(static_cast<const char *>(d.dp2), false), false});
        } else if (d.proc == theme_text_proc || d.proc == theme_radio_proc || d.proc == theme_button_proc ||
                   d.proc == theme_window_proc) {
            if (row != ROW_MESSAGE) texts.push_back({row, static_cast<const char *>(d.dp), false});
        }
    }
    // The widest key name there is, and the widest control's.
    std::string widestKey;
    for (int scancode = 1; scancode < KEY_MAX; ++scancode) {
        if (text_length(font, keyName(scancode)) > text_length(font, widestKey.c_str())) widestKey = keyName(scancode);
    }
    const char *widestControl = CONTROL_LABELS[0];
    for (int control = 0; control < CONTROL_COUNT; ++control) {
        texts.push_back({ROW_KEY_UP + control, std::string(CONTROL_LABELS[control]) + ": " + PRESS_A_KEY, false});
        texts.push_back({ROW_KEY_UP + control, std::string(CONTROL_LABELS[control]) + ": " + widestKey, false});
        if (text_length(font, CONTROL_LABELS[control]) > text_length(font, widestControl))
            widestControl = CONTROL_LABELS[control];
    }
    texts.push_back({ROW_MESSAGE, CAPTURE_MESSAGE, false});
    texts.push_back({ROW_MESSAGE, UNUSABLE_KEY_MESSAGE, false});
    texts.push_back({ROW_MESSAGE, keyTakenMessage(widestKey.c_str(), widestControl), false});
    return texts;
}

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
    ScaleChoices = largestOfferedScale() + 1;
    ScaleIndexAtOpen = scaleIndex(atOpen.windowScale);
    Message[0] = '\0';
    for (int control = 0; control < CONTROL_COUNT; ++control) setKeyLabel(control);

    DIALOG rows[ROW_END + 1];
    std::copy(std::begin(LAYOUT), std::end(LAYOUT), rows);
    rows[ROW_MUSIC].d2 = atOpen.musicVolume;
    rows[ROW_EFFECTS].d2 = atOpen.effectsVolume;
    rows[ROW_SCALE].d1 = ScaleIndexAtOpen;
    rows[ROW_LOOK].d1 = lookIndex(atOpen.look);
    Rows = rows;
    FullscreenSeen = isFullscreen();
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
