// The table of the ten best results: its entries, how they are read from the
// text of "High.txt", how they are written back, and where a new score goes.
// Plain C++ with no Allegro, so that the reading can be checked on its own.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// Bytes of one field: at most 38 characters of text, the newline, the
// terminator.
constexpr std::size_t SCORE_FIELD_SIZE = 40;
constexpr std::size_t SCORE_FIELD_TEXT_MAX = SCORE_FIELD_SIZE - 2;

// Entries that count; anything after them in the file is kept but unused.
constexpr std::size_t SCORE_TABLE_ENTRIES = 10;
constexpr std::size_t SCORE_LINES_PER_ENTRY = 3;
constexpr std::size_t SCORE_TABLE_LINES = SCORE_TABLE_ENTRIES * SCORE_LINES_PER_ENTRY;

// One result. Each field is one line of the file, newline included, always
// zero-terminated within its 40 bytes.
struct ScoreEntry {
    char level[SCORE_FIELD_SIZE];
    char score[SCORE_FIELD_SIZE];
    char name[SCORE_FIELD_SIZE];
};

// Best first, in file order. Every table handed out by the reading has
// exactly ten entries.
using ScoreTable = std::vector<ScoreEntry>;

// The entry that fills a fresh file ten times over, and every place that a
// short or damaged file leaves empty.
extern const char *const DEFAULT_SCORE_NAME;    // "Captain Bilgewig"
extern const char *const DEFAULT_SCORE_POINTS;  // "100"
extern const char *const DEFAULT_SCORE_LEVEL;   // "10"
ScoreEntry defaultScoreEntry();
ScoreTable defaultScoreTable();

// Copies `text` into a field: cut at the first line break, NUL bytes
// dropped, at most 38 bytes kept without splitting a UTF-8 character, then
// the newline and the terminator.
void setScoreField(char (&field)[SCORE_FIELD_SIZE], const char *text);

// The field's text without its newline.
std::string scoreFieldText(const char *field);

// The number a score or level field holds, read like atoi (leading blanks,
// a sign, digits; anything else ends it, no digits give 0) but held to the
// range of int instead of overflowing.
int scoreFieldValue(const char *field);

// Reads the table from the start of `in`: three lines per entry (name,
// score, level), up to ten entries, and stops there without reading the
// rest. A line ends at LF, CRLF or the end of the file; it is cut to what a
// field holds and the remainder of that line is skipped, so one long line
// never spills into the next field. Places that the file leaves empty, and
// an entry that the file ends inside, take the default entry.
ScoreTable parseScoreTable(std::FILE *in);

// The same from a block of memory (used by the fuzzer and the tests).
ScoreTable parseScoreTable(const char *data, std::size_t size);

// The thirty lines of the first ten entries, name, score, level each.
std::string formatScoreTable(const ScoreTable &table);

// Whether `score` beats one of the first ten entries, so that it earns a
// place.
bool scoreEarnsPlace(const ScoreTable &table, int score);

// Puts the new result in its place: above the first entry with a lower
// score, so below every entry with the same score. The entry pushed out of
// tenth place is dropped. Returns false, leaving the table as it was, when
// the score earns no place. `levelReached` is counted from 1.
bool insertScore(ScoreTable &table, int score, const char *name, int levelReached);
