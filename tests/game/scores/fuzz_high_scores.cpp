// libFuzzer target for the reading of "High.txt": whatever the file holds,
// the table read from it has ten entries of whole lines inside their
// fields, writes back as exactly thirty lines, reads back the same, and
// takes a new score without growing or breaking.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "scores/high_score_table.h"

namespace {

void require(bool condition)
{
    if (!condition) std::abort();
}

void requireWellFormed(const ScoreTable &table)
{
    require(table.size() == SCORE_TABLE_ENTRIES);
    for (const ScoreEntry &entry : table) {
        for (const char *field : {entry.name, entry.score, entry.level}) {
            const void *end = std::memchr(field, '\0', SCORE_FIELD_SIZE);
            require(end != nullptr);
            std::size_t length = static_cast<std::size_t>(static_cast<const char *>(end) - field);
            require(length >= 1 && field[length - 1] == '\n');
            require(std::strchr(field, '\n') == field + length - 1);
            require(std::strchr(field, '\r') == nullptr);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    ScoreTable table = parseScoreTable(text, size);
    requireWellFormed(table);

    std::string written = formatScoreTable(table);
    std::size_t lines = 0;
    for (char c : written) lines += c == '\n';
    require(lines == SCORE_TABLE_LINES);
    require(formatScoreTable(parseScoreTable(written.data(), written.size())) == written);

    // The same bytes as a name and a score for an insertion.
    std::string name(text, size);
    int score =
        size >= 4 ? static_cast<int>(data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned>(data[3]) << 24) : 0;
    bool earns = scoreEarnsPlace(table, score);
    require(insertScore(table, score, name.c_str(), 1) == earns);
    requireWellFormed(table);
    return 0;
}
