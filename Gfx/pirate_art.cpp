// The pirate: red bandana, eye patch, black beard, striped shirt under a
// dark vest, blue breeches and boots. Facing left is facing right seen in a
// mirror; the walk swaps leg poses.
#include "figure.h"
#include "palette.h"
#include "sheet_art.h"

namespace {

// clang-format off
const char *const HEAD_FRONT[] = {
    "                                ",
    "                                ",
    "           KKKKKKKKKK           ",
    "          KrRRRRRRRRrK          ",
    "         KrRRRRRRRRRRrK         ",
    "         KrrrrrrrrrrrrKKK       ",
    "         KkffffffffffkKrrK      ",
    "         KkKKKKffffffkKKxK      ",
    "         KkfKKKffKWffkK KK      ",
    "         KffKKfffKKfffK         ",
    "         KFfffffFFffffK         ",
    "          KkfkkkkkkfkK          ",
    "          KkkkkxxkkkkK          ",
    "          KKkkkkkkkkKK          ",
};
const char *const TORSO_FRONT[] = {
    "        KWWWWWWWWWWWWWWK        ",
    "      KrrKkkkrrrrrrkkkKrrK      ",
    "      KWWKkkkWWWWWWkkkKWWK      ",
    "      KrrKkkkrrrrrrkkkKrrK      ",
    "      KWWKkkkWWWWWWkkkKWWK      ",
    "      KrrKkkkrrrrrrkkkKrrK      ",
    "      KffKdddddggdddddKffK      ",
    "       KKKuuuuuuuuuuuuKKK       ",
    "         KuuuuuuuuuuuuK         ",
};
const char *const HEAD_BACK[] = {
    "                                ",
    "                                ",
    "           KKKKKKKKKK           ",
    "          KrRRRRRRRRrK          ",
    "         KrRRRRRRRRRRrK         ",
    "         KrrrrrrrrrrrrK         ",
    "         KrrrrrrrrrrrrK         ",
    "         KkkkkKrrKkkkkK         ",
    "         KkkkkKrxKkkkkK         ",
    "         KFkkkKxrKkkkFK         ",
    "          KkkkKrxKkkkK          ",
    "          KkkkkKKkkkkK          ",
    "          KKkkkkkkkkKK          ",
    "          KKKffffffKKK          ",
};
const char *const TORSO_BACK[] = {
    "        KWWWWWWWWWWWWWWK        ",
    "      KrrKkkkkkKKkkkkkKrrK      ",
    "      KWWKkkkkkKKkkkkkKWWK      ",
    "      KrrKkkkkkKKkkkkkKrrK      ",
    "      KWWKkkkkkKKkkkkkKWWK      ",
    "      KrrKkkkkkKKkkkkkKrrK      ",
    "      KffKddddddddddddKffK      ",
    "       KKKuuuuuuuuuuuuKKK       ",
    "         KuuuuuuuuuuuuK         ",
};
const char *const LEGS_FRONT_STAND[] = {
    "         KuuUKKKKKKuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KkkkK    KkkkK         ",
    "        KkkkkK    KkkkkK        ",
    "        KKKKKK    KKKKKK        ",
};
const char *const LEGS_FRONT_STEP[] = {
    "         KuuUKKKKKKuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KuuUK    KuuUK         ",
    "         KuuUK    KkkkK         ",
    "         KuuUK   KkkkkK         ",
    "         KkkkK   KKKKKK         ",
    "        KkkkkK                  ",
    "        KKKKKK                  ",
};
const char *const HEAD_SIDE[] = {
    "                                ",
    "                                ",
    "            KKKKKKKKK           ",
    "           KrRRRRRRRRK          ",
    "          KrRRRRRRRRRRK         ",
    "        KKKrrrrrrrrrrrrK        ",
    "       KrrKkkkkffffffffK        ",
    "       KxrKkkkkffffffKfK        ",
    "        KxKkkkkfffffffffK       ",
    "         KKkkkFfffffffFK        ",
    "          KkkkkkkkkkffK         ",
    "          KkkkkkkkkkkkK         ",
    "           KKkkkkkkkK           ",
    "            KKKffffKK           ",
};
const char *const TORSO_SIDE[] = {
    "           KWWWWWWWWWK          ",
    "           KkkkKrrKrrK          ",
    "           KkkkKWWKWWK          ",
    "           KkkkKrrKrrK          ",
    "           KkkkKWWKWWK          ",
    "           KkkkKrrKrrK          ",
    "           KdddKffKddK          ",
    "           KuuuKFFKuuK          ",
    "           KuuuuKKuuuK          ",
};
const char *const LEGS_SIDE_STAND[] = {
    "            KuuuUuK             ",
    "            KuuuUuK             ",
    "            KuuuUuK             ",
    "            KuuuUuK             ",
    "            KuuuUuK             ",
    "            KkkkkkK             ",
    "            KkkkkkkkK           ",
    "            KKKKKKKKK           ",
};
const char *const LEGS_SIDE_STRIDE[] = {
    "           KuuuuuuuK            ",
    "          KuuUK KuuUK           ",
    "         KuuUK   KuuUK          ",
    "         KuuUK   KuuUK          ",
    "        KuuUK     KuuUK         ",
    "        KkkkK     KkkkK         ",
    "       KkkkK      KkkkkkK       ",
    "       KKKK       KKKKKKK       ",
};
// clang-format on

}  // namespace

void paintPirate(BITMAP *sheet)
{
    const WalkCycle back =
        walkCycle(part(HEAD_BACK), part(TORSO_BACK), part(LEGS_FRONT_STEP), part(LEGS_FRONT_STAND), true);
    const WalkCycle front =
        walkCycle(part(HEAD_FRONT), part(TORSO_FRONT), part(LEGS_FRONT_STEP), part(LEGS_FRONT_STAND), true);
    const WalkCycle side =
        walkCycle(part(HEAD_SIDE), part(TORSO_SIDE), part(LEGS_SIDE_STRIDE), part(LEGS_SIDE_STAND), false);
    // Rows by facing: 0 up, 1 right, 2 down, 3 left.
    paintWalkRow(sheet, 0, back, false);
    paintWalkRow(sheet, 1, side, false);
    paintWalkRow(sheet, 2, front, false);
    paintWalkRow(sheet, 3, side, true);
}
