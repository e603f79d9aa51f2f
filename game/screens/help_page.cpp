#include "screens/help_page.h"

#include <allegro.h>

#include <string>

#include "display/window_canvas.h"
#include "input/gamepad.h"
#include "input/key_bindings.h"
#include "input/key_gate.h"
#include "input/key_wait.h"
#include "process/end_request.h"
#include "process/library_callbacks.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sprite_sheet.h"

namespace {

// clang-format off
// Where the page's parts go, in pixels.
constexpr int MARGIN_X      = 100;
constexpr int TITLE_Y       = 40;
constexpr int GOAL_Y        = 80;
constexpr int PICTURES_Y    = 140;
constexpr int PICTURE_STEP  = 44;   // rows between the pictures
constexpr int LABEL_X       = 150;  // text beside a picture
constexpr int ACTORS_X      = 460;  // the pirate and the monsters, right of the stairs and bottle
constexpr int ACTOR_LABEL_X = 510;
constexpr int PICTURE_TEXT_DY = 12; // a label's row beside its picture
constexpr int TRAP_Y        = 290;
constexpr int KEYS_Y        = 360;
constexpr int KEY_ROW_STEP  = 16;
constexpr int KEY_NAME_X    = 240;  // the keys, beside what they do
constexpr int FOOT_Y        = 560;
constexpr int LINE_STEP     = 12;
constexpr int RELEASE_WAIT_MS = 20;
// clang-format on

void line(BITMAP *target, int y, int colour, const std::string &text, int x = MARGIN_X)
{
    textout_ex(target, font, text.c_str(), x, y, colour, -1);
}

std::string walkKeys()
{
    return controlKeyNames(CONTROL_UP) + ", " + controlKeyNames(CONTROL_DOWN) + ", " + controlKeyNames(CONTROL_LEFT) +
           ", " + controlKeyNames(CONTROL_RIGHT);
}

}  // namespace

bool anyKeyHeld()
{
    for (int scancode = 1; scancode < KEY_MAX; ++scancode) {
        if (key[scancode]) return true;
    }
    return false;
}

void drawHelpPage(BITMAP *target)
{
    const int grey = makecol(175, 175, 175);
    const int white = makecol(255, 255, 255);
    clear_to_color(target, makecol(0, 0, 0));

    textout_centre_ex(target, font, "HOW TO PLAY", target->w / 2, TITLE_Y, white, -1);
    line(target, GOAL_Y, grey, "Walk the pirate through the dungeon. Every bottle it walks onto scores 10 points.");
    line(target, GOAL_Y + LINE_STEP, grey,
         "Go deeper: stairs down lead to new levels, stairs up back to the levels left.");

    const int pictureRows[] = {PICTURES_Y, PICTURES_Y + PICTURE_STEP, PICTURES_Y + 2 * PICTURE_STEP};
    drawSheetPicture(TERRAIN_COLUMN, STAIRS_DOWN_ROW, target, MARGIN_X, pictureRows[0]);
    line(target, pictureRows[0] + PICTURE_TEXT_DY, grey, "Stairs down: to a deeper level", LABEL_X);
    drawSheetPicture(TERRAIN_COLUMN, STAIRS_UP_ROW, target, MARGIN_X, pictureRows[1]);
    line(target, pictureRows[1] + PICTURE_TEXT_DY, grey, "Stairs up: back to the level above", LABEL_X);
    drawSheetPicture(BOTTLE_COLUMN, 0, target, MARGIN_X, pictureRows[2]);
    line(target, pictureRows[2] + PICTURE_TEXT_DY, grey, "A bottle: 10 points", LABEL_X);
    // The actors as play shows them, facing the player.
    drawSheetPicture(0, playerSheetRow(FACING_DOWN), target, ACTORS_X, pictureRows[0]);
    line(target, pictureRows[0] + PICTURE_TEXT_DY, grey, "The pirate: yours to steer", ACTOR_LABEL_X);
    drawSheetPicture(0, monsterSheetRow(MONSTER_FACING_DOWN, 0), target, ACTORS_X, pictureRows[1]);
    line(target, pictureRows[1] + PICTURE_TEXT_DY, grey, "A crab: closes in", ACTOR_LABEL_X);
    drawSheetPicture(0, monsterSheetRow(MONSTER_FACING_DOWN, 1), target, ACTORS_X, pictureRows[2]);
    line(target, pictureRows[2] + PICTURE_TEXT_DY, grey, "A skeleton: closes in", ACTOR_LABEL_X);

    line(target, TRAP_Y, white, "Monsters do no harm by touch: they only close in.");
    line(target, TRAP_Y + LINE_STEP, white, "A pirate boxed in on all four sides, by walls or monsters, loses a life.");
    line(target, TRAP_Y + 2 * LINE_STEP, grey, "Three lives; when the last is lost, the game is over.");

    line(target, KEYS_Y, white, "KEYS");
    const std::string rows[][2] = {
        {"Walk", walkKeys()},
        {"Pause", controlKeyNames(CONTROL_PAUSE)},
        {"Music on/off", controlKeyNames(CONTROL_MUSIC)},
        {"Effects on/off", "F3"},
        {"How to play", "F1 (title screen and pause)"},
        {"Options", "F10 (title screen and pause)"},
        {"Fullscreen", "F11 or Alt+Enter"},
        {"Screenshot", "F12"},
        {"Quit", "ESC"},
    };
    int y = KEYS_Y + KEY_ROW_STEP;
    for (const auto &row : rows) {
        line(target, y, grey, row[0]);
        line(target, y, grey, row[1], KEY_NAME_X);
        y += KEY_ROW_STEP;
    }
    textout_centre_ex(target, font, "Press any key to go back", target->w / 2, FOOT_Y, white, -1);
}

void showHelpPage()
{
    answerKeysPressedFromNow();
    drawHelpPage(screen);
    presentScreen();
    // The F1 that opened the page, held on, must not close it by repeating.
    while (anyKeyHeld() && !CloseRequested && !endRequested()) rest(RELEASE_WAIT_MS);
    clear_keybuf();
    while (!keypressed() && !gamepadButtonPressed() && !CloseRequested && !endRequested()) rest(KEY_WAIT_REST_MS);
    // The key that leaves the page does nothing else: not a step, not a
    // pause, not the start of a game.
    while (anyKeyHeld() && !CloseRequested && !endRequested()) rest(RELEASE_WAIT_MS);
    clear_keybuf();
}
