// The timed play loop of one game and the step it repeats.
#pragma once

// Play is paused (SPACE, the pause button, a lost focus).
extern unsigned char Paused;

// The real-time waits of play, there so a player sees and feels them: the
// timer's pace, a toggle's 200 ms and the trap's 400 ms. Off for a run
// nobody watches (a headless verification, the soak), which changes
// nothing else.
extern bool PlayWaits;

enum class StepResult { Continue, Quit };

// One play step, without any waiting for the timer: ESC or the close button
// end the game (Quit); SPACE and F2 toggle the pause and the music, F3 the
// sound effects; unless paused the world moves on; then the frame is drawn
// and the trap rule applied. Reads its controls once, from StepInputSource, and may run a
// whole nested game when the last life is lost. What happened in the world
// waits in the world's event list (takeWorldEvents).
StepResult playStep();

// Runs steps paced by TickCounter, one per observed tick change, sleeping
// in 20 ms slices while it waits, until a step returns Quit. After each
// step the sound effects of what happened in it play.
void playLoop();

// Called at the top of every timed step, before the step itself, when set.
// Lets a test or tool arrange the world as a game goes on; the game itself
// leaves it empty.
extern void (*PlayStepHook)();

// The pause a SPACE or F2 press costs, so one press toggles only once.
constexpr int TOGGLE_KEY_REST_MS = 200;
