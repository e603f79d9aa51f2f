#include "scores/high_score_table.h"

#include <climits>
#include <cstring>

const char *const DEFAULT_SCORE_NAME = "Captain Bilgewig";
const char *const DEFAULT_SCORE_POINTS = "100";
const char *const DEFAULT_SCORE_LEVEL = "10";

ScoreEntry defaultScoreEntry()
{
    ScoreEntry entry;
    setScoreField(entry.name, DEFAULT_SCORE_NAME);
    setScoreField(entry.score, DEFAULT_SCORE_POINTS);
    setScoreField(entry.level, DEFAULT_SCORE_LEVEL);
    return entry;
}

ScoreTable defaultScoreTable()
{
    return ScoreTable(SCORE_TABLE_ENTRIES, defaultScoreEntry());
}

namespace {

bool isUtf8Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A line of the file as read so far. Keeps one byte more than a field holds,
// so that cutting can see whether the byte at the cut continues a character.
constexpr std::size_t LINE_KEEP = SCORE_FIELD_TEXT_MAX + 1;

// Reads one line from `in` into `line` (without its end). NUL bytes and
// carriage returns are dropped, so a CRLF file reads like an LF one and a
// stray NUL can never cut a field short of its newline. Bytes beyond what a
// field can use are read and thrown away. Returns false at the end of the
// file when not even an empty line was there.
// `nextByte` gives the bytes one by one, then EOF.
template <typename NextByte> bool readLine(NextByte &nextByte, std::string &line)
{
    line.clear();
    bool any = false;
    for (;;) {
        int c = nextByte();
        if (c == EOF) return any;
        any = true;
        if (c == '\n') return true;
        if (c == '\0' || c == '\r') continue;
        if (line.size() < LINE_KEEP) line.push_back(static_cast<char>(c));
    }
}

// Reads the first ten entries, then stops. An entry needs all three lines;
// a table that runs out early is made up with default entries.
template <typename NextByte> ScoreTable readEntries(NextByte nextByte)
{
    ScoreTable table;
    table.reserve(SCORE_TABLE_ENTRIES);
    std::string name, score, level;
    while (table.size() < SCORE_TABLE_ENTRIES) {
        if (!readLine(nextByte, name) || !readLine(nextByte, score) || !readLine(nextByte, level)) break;
        ScoreEntry entry;
        setScoreField(entry.name, name.c_str());
        setScoreField(entry.score, score.c_str());
        setScoreField(entry.level, level.c_str());
        table.push_back(entry);
    }
    table.resize(SCORE_TABLE_ENTRIES, defaultScoreEntry());
    return table;
}

}  // namespace

void setScoreField(char (&field)[SCORE_FIELD_SIZE], const char *text)
{
    std::size_t length = std::strcspn(text, "\r\n");
    if (length > SCORE_FIELD_TEXT_MAX) {
        // Step back to the first byte of the character that would be split.
        length = SCORE_FIELD_TEXT_MAX;
        while (length > 0 && isUtf8Continuation(text[length])) --length;
    }
    std::memcpy(field, text, length);
    field[length] = '\n';
    field[length + 1] = '\0';
}

std::string scoreFieldText(const char *field)
{
    return std::string(field, std::strcspn(field, "\n"));
}

int scoreFieldValue(const char *field)
{
    const char *p = field;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        // Past the range of int there is nothing left to learn from more digits.
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

ScoreTable parseScoreTable(std::FILE *in)
{
    return readEntries([in] { return std::getc(in); });
}

ScoreTable parseScoreTable(const char *data, std::size_t size)
{
    std::size_t next = 0;
    return readEntries([data, size, &next] { return next < size ? static_cast<unsigned char>(data[next++]) : EOF; });
}

std::string formatScoreTable(const ScoreTable &table)
{
    std::string text;
    for (std::size_t i = 0; i < SCORE_TABLE_ENTRIES; ++i) {
        const ScoreEntry entry = i < table.size() ? table[i] : defaultScoreEntry();
        // Each written line ends with exactly one newline, whatever the entry
        // was built from, so the file always starts with thirty whole lines.
        text += scoreFieldText(entry.name) + "\n";
        text += scoreFieldText(entry.score) + "\n";
        text += scoreFieldText(entry.level) + "\n";
    }
    return text;
}

bool scoreEarnsPlace(const ScoreTable &table, int score)
{
    for (std::size_t i = 0; i < SCORE_TABLE_ENTRIES && i < table.size(); ++i) {
        if (score > scoreFieldValue(table[i].score)) return true;
    }
    return false;
}

bool insertScore(ScoreTable &table, int score, const char *name, int levelReached)
{
    if (table.size() < SCORE_TABLE_ENTRIES) table.resize(SCORE_TABLE_ENTRIES, defaultScoreEntry());
    for (std::size_t i = 0; i < SCORE_TABLE_ENTRIES; ++i) {
        if (score > scoreFieldValue(table[i].score)) {
            ScoreEntry entry;
            setScoreField(entry.name, name);
            setScoreField(entry.score, std::to_string(score).c_str());
            setScoreField(entry.level, std::to_string(levelReached).c_str());
            table.insert(table.begin() + static_cast<std::ptrdiff_t>(i), entry);
            table.erase(table.begin() + SCORE_TABLE_ENTRIES, table.end());
            return true;
        }
    }
    return false;
}
