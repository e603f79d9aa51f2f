#include "widgets/looks/shared/menu_text.h"

#include <allegro.h>

#include <cstring>

const char *menu_text_split(const char *text, char *buf, int size)
{
    const int terminator = ucwidth(0);
    if (size < terminator) return nullptr;  // no room even for an empty label
    int used = 0;
    bool full = false;
    usetc(buf, 0);
    if (!text) return nullptr;

    for (const char *p = text;;) {
        const int ch = ugetc(p);
        if (ch == 0) return nullptr;
        const int bytes = uwidth(p);
        if (ch == '\t') return p + bytes;
        // Once a character does not fit, later (smaller) ones are not taken
        // either: the label is cut, not thinned out.
        if (!full && used + bytes + terminator <= size) {
            std::memcpy(buf + used, p, bytes);
            used += bytes;
            usetc(buf + used, 0);
        } else {
            full = true;
        }
        p += bytes;
    }
}
