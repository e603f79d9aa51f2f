#include "process/shut_down.h"

#include <allegro.h>

#include "screens/status_bar.h"
#include "sound/music.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"
#include "world/world_owner.h"

namespace {

void destroyBitmap(BITMAP *&bitmap)
{
    if (bitmap != nullptr) destroy_bitmap(bitmap);
    bitmap = nullptr;
}

}  // namespace

void shutDown()
{
    destroyBitmap(WorldBitmap);
    destroyBitmap(StatusBitmap);
    destroyBitmap(StatusImage);
    releaseMusic();
    releaseSoundEffects();
    // The last game's cells and actors too, so that a leak checker sees a
    // clean exit. The sprite sheet stays until the library exits.
    releaseWorldObjects();
}
