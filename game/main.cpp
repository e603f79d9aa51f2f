// GROG SLOOP: a pirate in a dungeon of random levels, steered with the
// arrow keys. Everything after start-up happens inside the first game.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "command_line.h"
#include "new_game.h"
#include "shut_down.h"
#include "start_up.h"
#include "window_scale.h"

int main(int argc, char *argv[])
{
    LaunchOptions options;
    if (!parseCommandLine(argc, argv, options)) {
        std::fputs(usageLine(), stderr);
        return EXIT_USAGE;
    }
    RequestedWindowScale = options.windowScale;
    std::srand(options.seedGiven ? options.seed : static_cast<unsigned int>(std::time(nullptr)));

    if (startUp() != 0)
        return 1;
    newGame();
    shutDown();
    return 0;
}
END_OF_MAIN()
