// A run of the game's own play step that nobody watches: no window, no
// timer, no sound and no real-time waits. The headless verification of a
// recording, the soak bot and the measuring tools all run this way, so
// they play exactly what the game plays.
#pragma once

// Starts Allegro without a system driver (unless it runs already), makes
// `screen` and the game's canvases 16-bit memory bitmaps, loads the art
// from the game's data when it is there (a blank sheet otherwise: nothing
// is shown anyway), and turns off the step's waits (PlayWaits) and the
// music (MusicWanted). Returns false when Allegro cannot start.
bool startHeadlessRun();
