// art-review GAME_DIR OUTPUT_DIR
// Renders the review pictures of the game's art from GAME_DIR/Gfx: a
// contact sheet of the sprite sheet (enlarged, gridded, every cell
// labelled) and a mock-up of a play screen with the status bar, as BMP
// files in OUTPUT_DIR.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <sys/stat.h>

#include "contact_sheet.h"
#include "play_mockup.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: art-review GAME_DIR OUTPUT_DIR\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    set_color_depth(24);
    const std::string game = argv[1], out = argv[2];
    mkdir(out.c_str(), 0755);

    BITMAP *sheet = load_bitmap((game + "/Gfx/Tile.bmp").c_str(), nullptr);
    BITMAP *status = load_bitmap((game + "/Gfx/Status.bmp").c_str(), nullptr);
    if (!sheet || !status) {
        std::fprintf(stderr, "art-review: cannot read %s/Gfx/Tile.bmp and Status.bmp\n", game.c_str());
        return 1;
    }
    int failures = 0;
    BITMAP *contact = renderContactSheet(sheet);
    if (!contact || save_bitmap((out + "/contact-sheet.bmp").c_str(), contact, nullptr) != 0) ++failures;
    for (int frame = 0; frame < 2; ++frame) {
        BITMAP *mock = renderPlayMockup(sheet, status, frame);
        const std::string name = out + "/play-mockup-" + std::to_string(frame) + ".bmp";
        if (!mock || save_bitmap(name.c_str(), mock, nullptr) != 0) ++failures;
        if (mock) destroy_bitmap(mock);
    }
    if (contact) destroy_bitmap(contact);
    destroy_bitmap(sheet);
    destroy_bitmap(status);
    if (failures) std::fprintf(stderr, "art-review: %d picture(s) not written\n", failures);
    return failures ? 1 : 0;
}
