// Where the game's 800x600 picture lands in its window and how large: the
// whole window at scale N, or centred on a black screen in fullscreen.
#pragma once

#include "display/screen_size.h"

// A screen taller than this (one and a half pictures) is not left with the
// picture at its own size when no whole factor fits: it is filled instead.
constexpr int FILL_ABOVE_SCREEN_HEIGHT = SCREEN_HEIGHT * 3 / 2;

struct PictureLayout {
    int left = 0, top = 0;                             // the picture's top-left in the window
    int width = SCREEN_WIDTH, height = SCREEN_HEIGHT;  // its size there
    // Every picture pixel a factor x factor square; 0 when the picture is
    // filled to width x height by repeating whole rows and columns.
    int factor = 1;

    bool operator==(const PictureLayout &other) const
    {
        return left == other.left && top == other.top && width == other.width && height == other.height &&
               factor == other.factor;
    }
};

// The window at `scale`: the picture enlarged by it, filling the window.
PictureLayout windowedLayout(int scale);

// The picture column or row that window column `windowX` or row `windowY`
// shows, kept inside the picture: where a click there lands.
int pictureColumnAt(const PictureLayout &layout, int windowX);
int pictureRowAt(const PictureLayout &layout, int windowY);

// A screen of the given size: the largest whole factor that fits, centred;
// where that is 1 and the screen is taller than FILL_ABOVE_SCREEN_HEIGHT,
// the largest 4:3 size that fits instead. The screen must hold 800x600.
PictureLayout fullscreenLayout(int screenWidth, int screenHeight);
