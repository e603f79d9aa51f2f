// Allegro announces a menu through the draw-menu hook before drawing its
// items, but only an item is told whether it sits on the menu bar. Looks
// that frame the bar differently from a pop-up ("Photon", "BeOS") remember
// the announced rectangle and let the first item after it draw the frame;
// an item redrawn later, as the highlight moves, leaves the frame alone.
#ifndef GROG_WIDGETS_SHARED_DEFERRED_MENU_FRAME_H
#define GROG_WIDGETS_SHARED_DEFERRED_MENU_FRAME_H

struct DeferredMenuFrame {
    int x = 0, y = 0, w = 0, h = 0;
    // A menu was announced and its frame is not drawn yet. Starts false: an
    // item drawn before any announcement has no frame to draw.
    bool pending = false;

    void announce(int ax, int ay, int aw, int ah)
    {
        x = ax;
        y = ay;
        w = aw;
        h = ah;
        pending = true;
    }

    // True for the first item after an announcement only.
    bool take()
    {
        const bool first = pending;
        pending = false;
        return first;
    }
};

#endif
