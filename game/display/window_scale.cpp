#include "display/window_scale.h"

#include <allegro.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "display/desktop_keys.h"
#include "process/exit_on_failure.h"
#include "display/screen_size.h"

int RequestedWindowScale = 1;
int WindowScale = 1;

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

double secondsNow()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Shows the canvas with the mouse pointer drawn on it, as Allegro's own
// software pointer appears in a dialog at scale 1, then takes it away.
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

int largestOfferedScale()
{
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return MAX_WINDOW_SCALE;
    return largestFittingScale(width, height);
}

int scaleToOpen(int requested)
{
    if (requested == SCALE_TO_DESKTOP) return scaleFittingDesktop();
    int width = 0, height = 0;
    if (get_desktop_resolution(&width, &height) != 0) return requested;
    const int fitting = largestFittingScale(width, height);
    if (requested <= fitting) return requested;
    std::fprintf(stderr,
                 "grog-sloop: a scale %d window (%dx%d) does not fit the %dx%d desktop; opening scale %d (%dx%d)\n",
                 requested, SCREEN_WIDTH * requested, SCREEN_HEIGHT * requested, width, height, fitting,
                 SCREEN_WIDTH * fitting, SCREEN_HEIGHT * fitting);
    return fitting;
}

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

int runScaledDialog(DIALOG *dialog, int focusObject)
{
    DIALOG_PLAYER *player = init_dialog(dialog, focusObject);
    // The picture goes out at most 60 times a second; the dialog engine
    // itself loops far more often.
    constexpr double FRAME_SECONDS = 1.0 / 60;
    double lastShown = 0;
    bool allegroPointer = false;  // Allegro draws the pointer into the window
    while (update_dialog(player)) {
        serviceDesktopKeys();
        const bool straight = RealScreen == nullptr;
        if (straight != allegroPointer) {
            // Straight into the window, Allegro draws the pointer, as in do_dialog.
            show_mouse(straight ? screen : nullptr);
            allegroPointer = straight;
        }
        if (straight) continue;
        const double now = secondsNow();
        if (now - lastShown >= FRAME_SECONDS) {
            presentWithPointer();
            lastShown = now;
        }
        rest(1);
    }
    const int closedBy = shutdown_dialog(player);
    if (allegroPointer) show_mouse(nullptr);
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

void fillRows(const BITMAP *source, BITMAP *target, int firstRow, int lastRow, int &firstTargetRow, int &lastTargetRow)
{
    // Target row t shows source row t * sh / th: the rows of source rows
    // firstRow..lastRow run from ceil(firstRow * th / sh) to
    // ceil((lastRow + 1) * th / sh) - 1.
    const int sh = source->h, th = target->h;
    firstTargetRow = (firstRow * th + sh - 1) / sh;
    lastTargetRow = ((lastRow + 1) * th + sh - 1) / sh - 1;
    // Which source column each target column shows; made again when the
    // target's width changes.
    static std::vector<int> columnOf;
    static int columnsFor = 0;
    if (columnsFor != target->w * 65536 + source->w) {
        columnsFor = target->w * 65536 + source->w;
        columnOf.resize(static_cast<std::size_t>(target->w));
        for (int x = 0; x < target->w; ++x) columnOf[static_cast<std::size_t>(x)] = x * source->w / target->w;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(target->w) * 2;
    int madeFrom = -1;  // the source row the previous target row showed
    for (int y = firstTargetRow; y <= lastTargetRow; ++y) {
        const int sourceRow = y * sh / th;
        if (sourceRow == madeFrom) {
            std::memcpy(target->line[y], target->line[y - 1], rowBytes);
            continue;
        }
        const auto *from = reinterpret_cast<const std::uint16_t *>(source->line[sourceRow]);
        auto *to = reinterpret_cast<std::uint16_t *>(target->line[y]);
        for (std::size_t x = 0; x < columnOf.size(); ++x) to[x] = from[columnOf[x]];
        madeFrom = sourceRow;
    }
}
