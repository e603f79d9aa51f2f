// The pirate: red bandana, eye patch, black beard, striped shirt under a
// dark vest, blue breeches and boots. Built from a head, a torso and a pair
// of legs per facing; the walk swaps leg poses. Facing left is facing right
// seen in a mirror.
#include "palette.h"
#include "sheet_art.h"

namespace {

// Rows of the cell where each part starts.
constexpr int HEAD_TOP = 0;
constexpr int TORSO_TOP = 14;
constexpr int LEGS_TOP = 23;

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

struct Pose {
    const char *const *head, *const *torso, *const *legs;
    int headRows, torsoRows, legRows;
    bool mirrorLegs;   // the other foot forward
};

template <int H, int T, int L>
Pose pose(const char *const (&head)[H], const char *const (&torso)[T], const char *const (&legs)[L],
          bool mirrorLegs = false)
{
    return {head, torso, legs, H, T, L, mirrorLegs};
}

void paintPose(BITMAP *sheet, int column, int row, const Pose &p, bool mirrored)
{
    const int x = cellX(column), y = cellY(row);
    paintArt(sheet, x, y + HEAD_TOP, p.head, ART_CELL, p.headRows, mirrored);
    paintArt(sheet, x, y + TORSO_TOP, p.torso, ART_CELL, p.torsoRows, mirrored);
    paintArt(sheet, x, y + LEGS_TOP, p.legs, ART_CELL, p.legRows, mirrored != p.mirrorLegs);
}

}  // namespace

void paintPirate(BITMAP *sheet)
{
    // Walk cycles: step, stand, other step, stand.
    const Pose up[4] = {
        pose(HEAD_BACK, TORSO_BACK, LEGS_FRONT_STEP), pose(HEAD_BACK, TORSO_BACK, LEGS_FRONT_STAND),
        pose(HEAD_BACK, TORSO_BACK, LEGS_FRONT_STEP, true), pose(HEAD_BACK, TORSO_BACK, LEGS_FRONT_STAND)};
    const Pose down[4] = {
        pose(HEAD_FRONT, TORSO_FRONT, LEGS_FRONT_STEP), pose(HEAD_FRONT, TORSO_FRONT, LEGS_FRONT_STAND),
        pose(HEAD_FRONT, TORSO_FRONT, LEGS_FRONT_STEP, true), pose(HEAD_FRONT, TORSO_FRONT, LEGS_FRONT_STAND)};
    const Pose side[4] = {
        pose(HEAD_SIDE, TORSO_SIDE, LEGS_SIDE_STRIDE), pose(HEAD_SIDE, TORSO_SIDE, LEGS_SIDE_STAND),
        pose(HEAD_SIDE, TORSO_SIDE, LEGS_SIDE_STRIDE), pose(HEAD_SIDE, TORSO_SIDE, LEGS_SIDE_STAND)};

    // Rows by facing: 0 up, 1 right, 2 down, 3 left.
    for (int frame = 0; frame < 4; ++frame) {
        paintPose(sheet, frame, 0, up[frame], false);
        paintPose(sheet, frame, 1, side[frame], false);
        paintPose(sheet, frame, 2, down[frame], false);
        paintPose(sheet, frame, 3, side[frame], true);
    }
}
