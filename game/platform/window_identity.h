// The window as the desktop sees it: the title "GROG SLOOP", X11 instance
// and class names that the desktop entry's StartupWMClass matches (so a
// taskbar groups the window under the menu entry), and the pirate as the
// window's icon.
#pragma once

constexpr const char *WINDOW_TITLE = "GROG SLOOP";
constexpr const char *WINDOW_INSTANCE_NAME = "grog-sloop";
constexpr const char *WINDOW_CLASS_NAME = "grog-sloop";

// Names the window and gives Allegro its icon. Allegro makes its window when
// the library starts, so this must come before install_allegro.
void nameWindowBeforeLibraryStarts();

// The title, and the icon as the property desktops read (Allegro itself
// only gives the old-style icon pixmap). Needs the window open.
void finishWindowIdentity();
