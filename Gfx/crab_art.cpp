// The crab: a round orange shell on eye stalks, pincers raised, three legs
// a side. It scuttles sideways, so facing left or right it keeps its front
// to the player and only looks that way; from behind the eyes are hidden.
// The walk alternates leg poses (the shell bobs a pixel) and snaps the
// pincers shut every other pair of frames.
#include "palette.h"
#include "sheet_art.h"

namespace {

// clang-format off
const char *const CRAB_FRONT[] = {
    "          KKKK    KKKK          ",
    "         KWWWWK  KWWWWK         ",
    "         KWWKKK  KKKWWK         ",
    "         KWWKKK  KKKWWK         ",
    "          KKKK    KKKK          ",
    "           KcK    KcK           ",
    "         KKKcKKKKKKcKKK         ",
    "       KKOOOOOOOoooooooKK       ",
    "      KOOOOOoooooooooooocK      ",
    "     KOOOooooooooooooooccK      ",
    "     KOOooooooooooooooooocK     ",
    "     KOooooooKooooKoooooocK     ",
    "     KoooooooKKKKKKoooooocK     ",
    "     KoooooooooooooooooocK      ",
    "      KcooooooooooooooccK       ",
    "       KKcccoooooocccKKK        ",
    "         KKKKKKKKKKKKK          ",
};
const char *const CRAB_BACK[] = {
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "         KKKKKKKKKKKKKK         ",
    "       KKOOOOOOOoooooooKK       ",
    "      KOOOOOoooOOooooooocK      ",
    "     KOOOooooOOOOooOOoooccK     ",
    "     KOOooOOoooooooOOOoooocK    ",
    "     KOoooOOOoooOOooooooocK     ",
    "     KoooooOOoooOOOoooooocK     ",
    "     KooooooooooooooooooocK     ",
    "      KcooooooooooooooccK       ",
    "       KKcccoooooocccKKK        ",
    "         KKKKKKKKKKKKK          ",
};
const char *const CLAW_OPEN[] = {
    "   KKK                          ",
    "  KOOoK                         ",
    "  KOooK KK                      ",
    "  KoooKKOoK                     ",
    "  KooocKooK                     ",
    "   KoooccoK                     ",
    "   KKooooooK                    ",
    "     KKcoooK                    ",
    "       KKcoK                    ",
    "         KKcK                   ",
    "          KcK                   ",
    "           KK                   ",
};
const char *const CLAW_SHUT[] = {
    "                                ",
    "    KKKK                        ",
    "   KOOooK                       ",
    "  KOoooooK                      ",
    "  KoooooooK                     ",
    "  KooocccoK                     ",
    "   KoooooooK                    ",
    "    KKKcoooK                    ",
    "       KKcoK                    ",
    "         KKcK                   ",
    "          KcK                   ",
    "           KK                   ",
};
const char *const LEGS_OUT[] = {
    "  KK KK                         ",
    " KoKKoK                         ",
    "KocKocK KK                      ",
    "KcKKcK KocK                     ",
    " K  K  KcK                      ",
    "        K                       ",
};
const char *const LEGS_IN[] = {
    "                                ",
    "   KK KK                        ",
    "  KoKKoK KK                     ",
    "  KcK KcKKocK                   ",
    "   KK  KK KcK                   ",
    "           K                    ",
};
// Eyes turned toward the side the crab is heading (right when mirrored).
const char *const EYES_LEFT[] = {
    "          KKKK    KKKK          ",
    "         KWWWWK  KWWWWK         ",
    "         KKKWWK  KKKWWK         ",
    "         KKKWWK  KKKWWK         ",
};
// clang-format on

// The whole crab sits this far down its cell, so it stands on the same
// ground line as the pirate; then where the pieces sit below that. The
// turned eyes cover the top rows of the front view, where its eyes are.
constexpr int DROP = 4;
constexpr int SHELL_TOP = 7;
constexpr int CLAW_TOP = 4;
constexpr int LEGS_TOP = 17;
constexpr int EYES_TOP = SHELL_TOP;

enum class Look { Front, Back, Left, Right };

// Legs and pincers come in pairs: the left one as drawn, the right one its
// mirror image.
void paintPair(BITMAP *sheet, int x, int y, ArtPart left)
{
    paintArt(sheet, x, y, left);
    paintArt(sheet, x, y, left, true);
}

void paintCrabFrame(BITMAP *sheet, int column, int row, Look look, int frame)
{
    // Odd frames tuck the legs in, and the whole crab bobs a pixel lower.
    const bool legsIn = frame % 2 == 1;
    const bool clawsShut = frame >= 2;
    const int x = cellX(column);
    const int y = cellY(row) + DROP + (legsIn ? 1 : 0);

    paintPair(sheet, x, y + LEGS_TOP, legsIn ? part(LEGS_IN) : part(LEGS_OUT));
    // The pincers' arms tuck under the shell and the eye stalks stand in
    // front of them.
    paintPair(sheet, x, y + CLAW_TOP, clawsShut ? part(CLAW_SHUT) : part(CLAW_OPEN));
    paintArt(sheet, x, y + SHELL_TOP, look == Look::Back ? part(CRAB_BACK) : part(CRAB_FRONT));
    if (look == Look::Left || look == Look::Right) paintArt(sheet, x, y + EYES_TOP, EYES_LEFT, look == Look::Right);
}

}  // namespace

void paintCrab(BITMAP *sheet)
{
    // Rows 4 to 7: up, left, down, right.
    const Look looks[4] = {Look::Back, Look::Left, Look::Front, Look::Right};
    for (int facing = 0; facing < 4; ++facing)
        for (int frame = 0; frame < 4; ++frame) paintCrabFrame(sheet, frame, 4 + facing, looks[facing], frame);
}
