// Everything the world library offers, for users who want it all at once.
#pragma once

#include "world/animation.h"
#include "world/bottle.h"
#include "world/cells.h"
#include "world/game_start.h"
#include "world/game_state.h"
#include "world/generator.h"
#include "world/level.h"
#include "world/level_digest.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/random.h"
#include "world/sprite_sheet.h"
#include "world/stairs_rule.h"
#include "world/tile.h"
#include "world/world_event.h"
#include "world/world_owner.h"
