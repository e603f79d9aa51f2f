// The text form of a recorded game: what a --record run writes and a
// --replay run reads. Plain C++ without Allegro, so the reader can be
// fuzzed on its own.
//
//   grog-sloop recording 1                        the version line, always first
//   # ...                                         comment lines are skipped
//   seed 3598                                     the seed of the levels
//   title 17165 23                                a waiting screen left: the key
//   gameover 17165 40                             (readkey code) and the timer ticks
//                                                 spent waiting there
//   -                                             one play step: the controls held,
//   RU                                            L R U D arrows, P SPACE, M F2,
//                                                 Q ESC, C the close button; "-" none
//   name saved Cappy Bilgewig                     the name dialog: "saved" when YARRR
//                                                 was pressed, "dismissed" otherwise,
//                                                 then the name as it was left
//   end steps 812 level 3 lives 2 score 40        the final state (the last line; a
//                                                 recording cut short by a crash has none)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr const char *RECORDING_VERSION_LINE = "grog-sloop recording 1";

// Bounds that keep a hostile file from costing more than a real one could:
// a million steps is more than eighteen hours of play.
constexpr std::size_t RECORDING_BYTES_MAX = 16u << 20;
constexpr std::uint32_t RECORDING_STEPS_MAX = 1000000;
// The name dialog takes 100 characters; in UTF-8 no more than 4 bytes each.
constexpr std::size_t RECORDED_NAME_CHARACTERS_MAX = 100;
constexpr std::size_t RECORDED_NAME_BYTES_MAX = 400;
// Key codes as readkey gives them: the scancode above the character byte.
constexpr int RECORDED_KEY_MAX = 0x7fff;

// The controls of one step as bits.
enum StepKey : std::uint8_t {
    STEP_LEFT = 1 << 0,
    STEP_RIGHT = 1 << 1,
    STEP_UP = 1 << 2,
    STEP_DOWN = 1 << 3,
    STEP_PAUSE = 1 << 4,
    STEP_MUSIC = 1 << 5,
    STEP_QUIT = 1 << 6,
    STEP_CLOSE = 1 << 7,
};

// The final state a run reached, as printed when it ends:
// "game steps 812 level 3 lives 2 score 40".
struct GameSummary {
    std::uint32_t steps = 0;  // play steps of every game of the run, each one that read controls
    int level = 0;            // the level shown, LevelIndex + 1
    int lives = 0;
    int score = 0;

    bool operator==(const GameSummary &other) const
    {
        return steps == other.steps && level == other.level && lives == other.lives && score == other.score;
    }
};

struct RecordedEvent {
    enum class Kind : std::uint8_t { Steps, TitleKey, GameOverKey, Name };
    Kind kind = Kind::Steps;
    std::uint8_t keys = 0;    // Steps: StepKey bits
    bool saved = false;       // Name: the YARRR button recorded the score
    std::uint32_t count = 0;  // Steps: that many alike in a row
    int key = 0;              // TitleKey, GameOverKey: the readkey code
    int ticks = 0;            //   and the timer ticks spent waiting
    std::uint32_t name = 0;   // Name: index into Recording::names
};

struct Recording {
    std::uint32_t seed = 0;
    // Steps alike in a row share one event, so a long idle stretch is small.
    std::vector<RecordedEvent> events;
    std::vector<std::string> names;
    bool ended = false;  // the "end" line was there
    GameSummary summary;
};

// Reads a whole recording. On any fault returns false with `error` saying
// what and on which line; `recording` is then unspecified.
bool parseRecording(const char *text, std::size_t size, Recording &recording, std::string &error);

// The lines a recorder writes, each with its newline.
std::string recordingHeader(std::uint32_t seed);
std::string stepLine(std::uint8_t keys);
std::string waitLine(RecordedEvent::Kind screen, int key, int ticks);
std::string nameLine(bool saved, const std::string &name);
std::string endLine(const GameSummary &summary);
// "game steps 812 level 3 lives 2 score 40\n"
std::string summaryLine(const GameSummary &summary);
