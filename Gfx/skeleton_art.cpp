// The skeleton: a skull with ghost-lit eyes under a black tricorn, ribs and
// bony limbs, so it reads at once against the pirate's colours. Monster rows face up, left,
// down, right; left is right mirrored.
#include "figure.h"
#include "palette.h"
#include "sheet_art.h"

namespace {

// clang-format off
const char *const SKULL_FRONT[] = {
    "                                ",
    "                                ",
    "            KKKKKKKK            ",
    "          KKbbbbbbbbKK          ",
    "         KbbbbbbbbbbbbK         ",
    "         KbbbbbbbbbbbBK         ",
    "         KbKKKbbbbKKKBK         ",
    "         KbKZKbbbbKZKBK         ",
    "         KbKKKbBBbKKKBK         ",
    "         KBbbbbKKbbbbBK         ",
    "          KBbbbbbbbbBK          ",
    "          KKbKbKbKbKKK          ",
    "           KBbBbBbBbK           ",
    "            KKKKKKKK            ",
};
const char *const SKULL_BACK[] = {
    "                                ",
    "                                ",
    "            KKKKKKKK            ",
    "          KKbbbbbbbbKK          ",
    "         KbbbbbbbbbbbbK         ",
    "         KbbbbbbbBbbbBK         ",
    "         KbbbbbbbbBbbBK         ",
    "         KbbbbbbbBbbBBK         ",
    "         KBbbbbbbbbbBBK         ",
    "         KBBbbbbbbbBBBK         ",
    "          KBBbbbbbBBBK          ",
    "          KKBBBBBBBBKK          ",
    "           KKBBBBBBKK           ",
    "            KKKKKKKK            ",
};
const char *const SKULL_SIDE[] = {
    "                                ",
    "                                ",
    "            KKKKKKKK            ",
    "          KKbbbbbbbbKK          ",
    "         KbbbbbbbbbbbbK         ",
    "         KBbbbbbbbbbbbK         ",
    "         KBbbbbbbbKKKbK         ",
    "         KBbbbbbbbKZKbbK        ",
    "         KBBbbbbbbKKKbbbK       ",
    "          KBBbbbbbbbbKKK        ",
    "           KBbbbbbbbbbK         ",
    "            KKbKbKbKbK          ",
    "            KbBbBbBbK           ",
    "             KKKKKKK            ",
};
const char *const RIBS[] = {
    "           KKKKbbKKKK           ",
    "       KKKKKbbbbbbbbKKKKK       ",
    "      KbbK KbKbbbbKbK KbbK      ",
    "      KbK  KbbbKKbbbK  KbK      ",
    "      KbK  KbKbbbbKbK  KbK      ",
    "      KbK  KKbbKKbbKK  KbK      ",
    "      KbK   KKKbbKKK   KbK      ",
    "     KbbbK   KbBbbK   KbbbK     ",
    "     KBKBK  KbbBBbbK  KBKBK     ",
};
const char *const RIBS_SIDE[] = {
    "              KbbK              ",
    "            KKbbbbKK            ",
    "           KbKbbKbbK            ",
    "           KbbKbbKbK            ",
    "           KbKbbKbbK            ",
    "            KbKbbbK             ",
    "             KbbbbbK            ",
    "            KBbbbbbK            ",
    "            KKBbbBKK            ",
};
const char *const ARM_SIDE[] = {
    "                                ",
    "               KKK              ",
    "               KbK              ",
    "               KbK              ",
    "               KBK              ",
    "               KbK              ",
    "               KbK              ",
    "              KbbbK             ",
    "              KKKKK             ",
};
const char *const BONES_STAND[] = {
    "           KbK    KbK           ",
    "           KbK    KbK           ",
    "           KBK    KBK           ",
    "           KbK    KbK           ",
    "           KbK    KbK           ",
    "          KbbK    KbbK          ",
    "         KbbbK    KbbbK         ",
    "         KKKKK    KKKKK         ",
};
const char *const BONES_STEP[] = {
    "           KbK    KbK           ",
    "           KbK    KbK           ",
    "           KBK    KBK           ",
    "           KbK   KbbbK          ",
    "           KbK   KKKKK          ",
    "          KbbK                  ",
    "         KbbbK                  ",
    "         KKKKK                  ",
};
const char *const BONES_SIDE_STAND[] = {
    "             KbK KbK            ",
    "             KbK KbK            ",
    "             KBK KBK            ",
    "             KbK KbK            ",
    "             KbK KbK            ",
    "             KbK KbK            ",
    "             KbbbKbbbK          ",
    "             KKKKKKKKK          ",
};
const char *const BONES_SIDE_STRIDE[] = {
    "             KbbbbbK            ",
    "            KbK   KbK           ",
    "           KbK     KbK          ",
    "           KBK     KBK          ",
    "          KbK       KbK         ",
    "          KbK       KbK         ",
    "         KbbK       KbbbK       ",
    "         KKKK       KKKKK       ",
};
// A battered black tricorn, worn over the skull (the front one keeps a
// little white skull badge).
const char *const HAT_FRONT[] = {
    "      KK     KKKKKK     KK      ",
    "      KkKKKKKkkkkkkKKKKKkK      ",
    "       KkkkkkkkkkkkkkkkkK       ",
    "       KkkkkkkkWkkkkkkkkK       ",
    "        KKKKKKKKKKKKKKKK        ",
};
const char *const HAT_BACK[] = {
    "      KK     KKKKKK     KK      ",
    "      KkKKKKKkkkkkkKKKKKkK      ",
    "       KkkkkkkkkkkkkkkkkK       ",
    "       KkkkkkkkkkkkkkkkkK       ",
    "        KKKKKKKKKKKKKKKK        ",
};
const char *const HAT_SIDE[] = {
    "        KK  KKKKKK              ",
    "        KkKKkkkkkkKK            ",
    "         KkkkkkkkkkkkKK         ",
    "         KkkkkkkkkkkkkkK        ",
    "         KKKKKKKKKKKKKKKK       ",
};
// clang-format on

}  // namespace

void paintSkeleton(BITMAP *sheet)
{
    const WalkCycle back = walkCycle(part(SKULL_BACK), part(RIBS), part(BONES_STEP), part(BONES_STAND), true);
    const WalkCycle front = walkCycle(part(SKULL_FRONT), part(RIBS), part(BONES_STEP), part(BONES_STAND), true);
    const WalkCycle side = walkCycle(part(SKULL_SIDE), part(RIBS_SIDE), part(BONES_SIDE_STRIDE), part(BONES_SIDE_STAND),
                                     false, part(ARM_SIDE));
    // Rows 8 to 11: up, left, down, right.
    paintWalkRow(sheet, 8, back, false);
    paintWalkRow(sheet, 9, side, true);
    paintWalkRow(sheet, 10, front, false);
    paintWalkRow(sheet, 11, side, false);

    for (int frame = 0; frame < 4; ++frame) {
        paintArt(sheet, cellX(frame), cellY(8), HAT_BACK);
        paintArt(sheet, cellX(frame), cellY(9), HAT_SIDE, true);
        paintArt(sheet, cellX(frame), cellY(10), HAT_FRONT);
        paintArt(sheet, cellX(frame), cellY(11), HAT_SIDE);
    }
}
