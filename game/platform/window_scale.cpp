#include "platform/window_scale.h"

#include <allegro.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/exit_on_failure.h"
#include "platform/screen_size.h"
#include "scores/name_dialog.h"

int RequestedWindowScale = 1;
int WindowScale = 1;

namespace {

BITMAP *RealScreen = nullptr;  // the window itself
BITMAP *Canvas = nullptr;      // 800x600, what the game takes for `screen`
BITMAP *Shown = nullptr;       // the canvas as last shown, to find changed rows
BITMAP *Enlarged = nullptr;    // the window's picture before it goes out
bool WholeCanvasStale = true;  // the window shows nothing of the canvas yet

int canvasMouseX()
{
    poll_mouse();
    return mouse_x / WindowScale;
}

int canvasMouseY()
{
    poll_mouse();
    return mouse_y / WindowScale;
}

void rowsToWindow(int firstRow, int lastRow)
{
    enlargeRows(Canvas, Enlarged, WindowScale, firstRow, lastRow);
    const int top = firstRow * WindowScale;
    const int height = (lastRow - firstRow + 1) * WindowScale;
    blit(Enlarged, RealScreen, 0, top, 0, top, Enlarged->w, height);
    for (int y = firstRow; y <= lastRow; ++y)
        std::memcpy(Shown->line[y], Canvas->line[y], static_cast<std::size_t>(SCREEN_WIDTH) * 2);
}

// Allegro's exit handler destroys `screen` and closes the window through
// it: it must find the window's own bitmap there, not the canvas.
void restoreRealScreen()
{
    if (RealScreen == nullptr) return;
    screen = RealScreen;
    RealScreen = nullptr;
    destroy_bitmap(Canvas);
    destroy_bitmap(Shown);
    destroy_bitmap(Enlarged);
    Canvas = Shown = Enlarged = nullptr;
}

double secondsNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// Shows the canvas with the mouse pointer drawn on it, as Allegro's own
// software pointer appears in a dialog at scale 1, then takes it away.
void presentWithPointer()
{
    BITMAP *pointer = mouse_sprite;
    if (pointer == nullptr) {
        presentScreen();
        return;
    }
    const int x = canvasMouseX() - mouse_x_focus;
    const int y = canvasMouseY() - mouse_y_focus;
    BITMAP *under = create_bitmap(pointer->w, pointer->h);
    if (under == nullptr) {
        presentScreen();
        return;
    }
    blit(Canvas, under, x, y, 0, 0, pointer->w, pointer->h);
    draw_sprite(Canvas, pointer, x, y);
    presentScreen();
    blit(under, Canvas, 0, 0, x, y, pointer->w, pointer->h);
    destroy_bitmap(under);
}

}  // namespace

int largestFittingScale(int desktopWidth, int desktopHeight)
{
    int scale = MAX_WINDOW_SCALE;
    while (scale > MIN_WINDOW_SCALE &&
           (SCREEN_WIDTH * scale > desktopWidth || SCREEN_HEIGHT * scale > desktopHeight - DESKTOP_HEIGHT_RESERVED))
        --scale;
    return scale;
}

int scaleFittingDesktop()
{
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return MIN_WINDOW_SCALE;
    return largestFittingScale(width, height);
}

void openScaledWindowOrExit(int scale)
{
    openWindowOrExit(GFX_AUTODETECT_WINDOWED, SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale);
    if (scale == 1) return;
    WindowScale = scale;
    RealScreen = screen;
    Canvas = createBitmapOrExit(SCREEN_WIDTH, SCREEN_HEIGHT, "window canvas");
    Shown = createBitmapOrExit(SCREEN_WIDTH, SCREEN_HEIGHT, "window canvas");
    Enlarged = createBitmapOrExit(SCREEN_WIDTH * scale, SCREEN_HEIGHT * scale, "enlarged window");
    WholeCanvasStale = true;
    screen = Canvas;
    std::atexit(restoreRealScreen);

    // The mouse moves over the real window; the dialogs think in canvas pixels.
    gui_mouse_x = canvasMouseX;
    gui_mouse_y = canvasMouseY;
    NameDialogRunner = runScaledDialog;
}

void presentScreen()
{
    if (RealScreen == nullptr) return;
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

int runScaledDialog(DIALOG *dialog, int focusObject)
{
    DIALOG_PLAYER *player = init_dialog(dialog, focusObject);
    // The picture goes out at most 60 times a second; the dialog engine
    // itself loops far more often.
    constexpr double FRAME_SECONDS = 1.0 / 60;
    double lastShown = 0;
    while (update_dialog(player)) {
        const double now = secondsNow();
        if (now - lastShown >= FRAME_SECONDS) {
            presentWithPointer();
            lastShown = now;
        }
        rest(1);
    }
    const int closedBy = shutdown_dialog(player);
    presentScreen();
    return closedBy;
}

void enlargeRows(const BITMAP *source, BITMAP *target, int scale, int firstRow, int lastRow)
{
    const int width = source->w;
    const std::size_t targetRowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(scale) * 2;
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto *from = reinterpret_cast<const std::uint16_t *>(source->line[y]);
        unsigned char *firstCopy = target->line[y * scale];
        if (scale == 2) {
            // The common case, two pixels per store.
            auto *to = reinterpret_cast<std::uint32_t *>(firstCopy);
            for (int x = 0; x < width; ++x) to[x] = from[x] * 0x10001u;
        } else {
            auto *to = reinterpret_cast<std::uint16_t *>(firstCopy);
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < scale; ++k) *to++ = from[x];
        }
        for (int k = 1; k < scale; ++k) std::memcpy(target->line[y * scale + k], firstCopy, targetRowBytes);
    }
}
