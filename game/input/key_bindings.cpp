#include "input/key_bindings.h"

#include <allegro.h>

namespace {

// clang-format off
// The second key of each control in the "arrows+wasd" set; 0 for none.
const int WASD_KEYS[CONTROL_COUNT] = {
    /* up    */ KEY_W,
    /* down  */ KEY_S,
    /* left  */ KEY_A,
    /* right */ KEY_D,
    /* pause */ 0,
    /* music */ 0,
};
// clang-format on

constexpr int KEYS_PER_CONTROL = 2;

int Bound[CONTROL_COUNT][KEYS_PER_CONTROL] = {
    {KEY_UP, 0}, {KEY_DOWN, 0}, {KEY_LEFT, 0}, {KEY_RIGHT, 0}, {KEY_SPACE, 0}, {KEY_F2, 0},
};
bool ShortTaps = true;
// Set by the input thread at a press, cleared by the play step.
volatile unsigned char PressedSinceStep[KEY_MAX];

bool walking(int control)
{
    return control <= CONTROL_RIGHT;
}

}  // namespace

void applyKeySettings(const Settings &settings)
{
    const Settings arrows;
    for (int control = 0; control < CONTROL_COUNT; ++control) {
        const bool custom = settings.keySet == KeySet::Custom;
        Bound[control][0] = custom ? settings.customKeys[control] : arrows.customKeys[control];
        Bound[control][1] = settings.keySet == KeySet::ArrowsAndWasd ? WASD_KEYS[control] : 0;
    }
    ShortTaps = settings.shortTaps;
    forgetTaps();
}

bool controlDown(Control control)
{
    for (int scancode : Bound[control]) {
        if (scancode <= 0 || scancode >= KEY_MAX) continue;
        if (key[scancode]) return true;
        if (ShortTaps && walking(control) && PressedSinceStep[scancode]) return true;
    }
    return false;
}

void forgetTaps()
{
    for (volatile unsigned char &pressed : PressedSinceStep) pressed = 0;
}

void noteKeyEvent(int scancode)
{
    // The release bit marks a key let go; only presses are noted.
    if ((scancode & 0x80) == 0 && scancode > 0 && scancode < KEY_MAX) PressedSinceStep[scancode] = 1;
}
END_OF_FUNCTION(noteKeyEvent)

std::string controlKeyNames(Control control)
{
    std::string names;
    for (int scancode : Bound[control]) {
        if (scancode <= 0) continue;
        if (!names.empty()) names += " or ";
        names += keyName(scancode);
    }
    return names;
}

Control controlOfKey(int scancode)
{
    for (int control = 0; control < CONTROL_COUNT; ++control) {
        for (int bound : Bound[control]) {
            if (bound == scancode && scancode > 0) return static_cast<Control>(control);
        }
    }
    return CONTROL_COUNT;
}
