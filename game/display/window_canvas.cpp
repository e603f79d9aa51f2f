#include "display/window_canvas.h"

#include <allegro.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "display/desktop_keys.h"
#include "display/enlarge_rows.h"
#include "display/screen_size.h"
#include "display/window_scale.h"
#include "process/exit_on_failure.h"

namespace {

BITMAP *RealScreen = nullptr;     // the window itself, while the canvas stands in for it
BITMAP *Canvas = nullptr;         // 800x600, what the game takes for `screen`
BITMAP *Shown = nullptr;          // the canvas as last shown, to find changed rows
BITMAP *Enlarged = nullptr;       // the picture enlarged, before it goes out; none at factor 1
PictureLayout Layout;             // where the picture lands in the window
bool WholeCanvasStale = true;     // the window shows nothing of the canvas yet
volatile int ScreenRestored = 0;  // set by onScreenRestored on the window thread

int canvasMouseX()
{
    poll_mouse();
    return pictureColumnAt(Layout, mouse_x);
}

int canvasMouseY()
{
    poll_mouse();
    return pictureRowAt(Layout, mouse_y);
}

void rowsToWindow(int firstRow, int lastRow)
{
    if (Layout.factor == 1) {
        blit(Canvas, RealScreen, 0, firstRow, Layout.left, Layout.top + firstRow, SCREEN_WIDTH, lastRow - firstRow + 1);
    } else {
        int top = firstRow * Layout.factor, bottom = (lastRow + 1) * Layout.factor - 1;
        if (Layout.factor == 0)
            fillRows(Canvas, Enlarged, firstRow, lastRow, top, bottom);
        else
            enlargeRows(Canvas, Enlarged, Layout.factor, firstRow, lastRow);
        blit(Enlarged, RealScreen, 0, top, Layout.left, Layout.top + top, Layout.width, bottom - top + 1);
    }
    for (int y = firstRow; y <= lastRow; ++y)
        std::memcpy(Shown->line[y], Canvas->line[y], static_cast<std::size_t>(SCREEN_WIDTH) * 2);
}

// Sends the rows of the canvas that changed since they last went out.
void presentCanvas()
{
    if (RealScreen == nullptr) return;
    if (ScreenRestored) {
        ScreenRestored = 0;
        clear_bitmap(RealScreen);
        WholeCanvasStale = true;
    }
    // Runs of changed rows go out together: a step that moves a monster
    // sends a band of 32 rows, not the whole window.
    int runStart = -1;
    for (int y = 0; y <= SCREEN_HEIGHT; ++y) {
        const bool changed =
            y < SCREEN_HEIGHT && (WholeCanvasStale || std::memcmp(Canvas->line[y], Shown->line[y],
                                                                  static_cast<std::size_t>(SCREEN_WIDTH) * 2) != 0);
        if (changed && runStart < 0) runStart = y;
        if (!changed && runStart >= 0) {
            rowsToWindow(runStart, y - 1);
            runStart = -1;
        }
    }
    WholeCanvasStale = false;
}

void destroyBitmap(BITMAP *&bitmap)
{
    if (bitmap != nullptr) destroy_bitmap(bitmap);
    bitmap = nullptr;
}

// Allegro's exit handler destroys `screen` and closes the window through
// it: it must find the window's own bitmap there, not the canvas.
void restoreRealScreen()
{
    if (RealScreen == nullptr) return;
    screen = RealScreen;
    RealScreen = nullptr;
    destroyBitmap(Canvas);
    destroyBitmap(Shown);
    destroyBitmap(Enlarged);
}

// The window as it is open now, drawn into straight (scale 1) or through
// the canvas (anything else).
void showPictureAs(const PictureLayout &layout)
{
    static bool exitHandlerSet = false;
    Layout = layout;
    // A fullscreen mode forgets its pixels when the player switches away:
    // it is always shown from the canvas, which keeps them.
    if (layout == windowedLayout(1) && is_windowed_mode()) {
        // Straight into the window, as the game has always drawn.
        if (Canvas != nullptr) blit(Canvas, screen, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        destroyBitmap(Canvas);
        destroyBitmap(Shown);
        return;
    }
    RealScreen = screen;
    if (Canvas == nullptr) Canvas = createBitmapOrExit(SCREEN_WIDTH, SCREEN_HEIGHT, "window canvas");
    if (Shown == nullptr) Shown = createBitmapOrExit(SCREEN_WIDTH, SCREEN_HEIGHT, "window canvas");
    if (layout.factor != 1) Enlarged = createBitmapOrExit(layout.width, layout.height, "enlarged picture");
    WholeCanvasStale = true;
    screen = Canvas;
    if (!exitHandlerSet) std::atexit(restoreRealScreen);
    exitHandlerSet = true;
    presentCanvas();
}

}  // namespace

void openScaledWindowOrExit(int scale)
{
    openWindowOrExit(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale);
    WindowScale = scale;
    showPictureAs(windowedLayout(scale));

    // The mouse moves over the real window; the dialogs think in canvas
    // pixels.
    gui_mouse_x = canvasMouseX;
    gui_mouse_y = canvasMouseY;
}

bool reopenWindow(int driver, int width, int height, const PictureLayout &layout)
{
    show_mouse(nullptr);
    if (RealScreen == nullptr) {
        // Drawn straight into the window until now: the picture moves to
        // the canvas before the window's bitmap goes.
        if (Canvas == nullptr) Canvas = createBitmapOrExit(SCREEN_WIDTH, SCREEN_HEIGHT, "window canvas");
        if (screen != nullptr) blit(screen, Canvas, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    } else {
        screen = RealScreen;  // set_gfx_mode releases the window's own bitmap
    }
    RealScreen = nullptr;
    destroyBitmap(Enlarged);
    if (set_gfx_mode(driver, width, height, 0, 0) != 0) return false;
    clear_bitmap(screen);
    showPictureAs(layout);
    return true;
}

void onScreenRestored()
{
    ScreenRestored = 1;
}

void presentIfScreenRestored()
{
    if (ScreenRestored) presentCanvas();
}

void presentScreen()
{
    presentCanvas();
    // Every screen shows its pictures through here: the window keys act
    // on the picture just shown.
    serviceDesktopKeys();
}

BITMAP *shownPicture()
{
    return RealScreen != nullptr ? Canvas : screen;
}

bool drawnStraightIntoWindow()
{
    return RealScreen == nullptr;
}

void presentWithPointer()
{
    BITMAP *pointer = mouse_sprite;
    if (pointer == nullptr) {
        presentCanvas();
        return;
    }
    const int x = canvasMouseX() - mouse_x_focus;
    const int y = canvasMouseY() - mouse_y_focus;
    BITMAP *under = create_bitmap(pointer->w, pointer->h);
    if (under == nullptr) {
        presentCanvas();
        return;
    }
    blit(Canvas, under, x, y, 0, 0, pointer->w, pointer->h);
    draw_sprite(Canvas, pointer, x, y);
    presentCanvas();
    blit(under, Canvas, 0, 0, x, y, pointer->w, pointer->h);
    destroy_bitmap(under);
}
