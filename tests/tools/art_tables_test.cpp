// The art sources themselves: every table's rows are equally wide and use
// only characters of the palette (or a space for "leave as is"). A short
// row would silently leave a notch of the picture unpainted.
#include <gtest/gtest.h>

#include <dirent.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "Gfx/palette.h"

namespace {

struct Table {
    std::string file, name;
    std::vector<std::string> rows;
};

// The name of the table a line opens ("const char *const NAME[...] = {"),
// or "" for any other line.
std::string tableOpenedBy(const std::string &text)
{
    const std::string lead = "const char *const ";
    const std::size_t at = text.find(lead);
    if (at == std::string::npos) return "";
    const std::size_t name = at + lead.size(), bracket = text.find('[', name);
    if (bracket == std::string::npos || bracket == name) return "";
    const std::size_t close = text.find(']', bracket);
    if (close == std::string::npos || text.compare(close, 5, "] = {") != 0) return "";
    std::string found = text.substr(name, bracket - name);
    for (const char c : found)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return "";
    return found;
}

// A row line: a quoted string alone, a comma and a "//" comment allowed
// after it. False for any other line.
bool rowOf(const std::string &text, std::string &row)
{
    const std::size_t open = text.find_first_not_of(" \t");
    if (open == std::string::npos || text[open] != '"') return false;
    const std::size_t close = text.find('"', open + 1);
    if (close == std::string::npos) return false;
    std::size_t rest = close + 1;
    if (rest < text.size() && text[rest] == ',') ++rest;
    rest = text.find_first_not_of(" \t", rest);
    if (rest != std::string::npos && text.compare(rest, 2, "//") != 0) return false;
    row = text.substr(open + 1, close - open - 1);
    return true;
}

std::vector<Table> tablesIn(const std::string &path)
{
    std::ifstream in(path);
    std::vector<Table> tables;
    std::string text, row;
    Table *open = nullptr;
    while (std::getline(in, text)) {
        const std::string name = tableOpenedBy(text);
        if (!name.empty()) {
            tables.push_back({path, name, {}});
            open = &tables.back();
        } else if (open && text.find("};") != std::string::npos) {
            open = nullptr;
        } else if (open && rowOf(text, row)) {
            open->rows.push_back(row);
        }
    }
    return tables;
}

std::vector<Table> allArtTables()
{
    std::vector<Table> all;
    const std::string dir = std::string(GROG_SOURCE_DIR) + "/Gfx";
    DIR *d = opendir(dir.c_str());
    if (!d) return all;
    while (dirent *e = readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".cpp") == 0) {
            // NOLINTNEXTLINE(performance-inefficient-string-concatenation): one path per file read
            auto found = tablesIn(dir + "/" + name);
            all.insert(all.end(), found.begin(), found.end());
        }
    }
    closedir(d);
    return all;
}

TEST(ArtTables, EveryRowOfATableIsAsWideAsItsFirst)
{
    const auto tables = allArtTables();
    ASSERT_GT(tables.size(), 20u) << "the art tables were not found under Gfx/";
    for (const Table &t : tables) {
        ASSERT_FALSE(t.rows.empty()) << t.file << ": " << t.name;
        for (size_t r = 0; r < t.rows.size(); ++r)
            EXPECT_EQ(t.rows[r].size(), t.rows[0].size()) << t.file << ": " << t.name << " row " << r;
    }
}

TEST(ArtTables, CellSizedTablesFitTheirCell)
{
    for (const Table &t : allArtTables()) {
        EXPECT_LE(t.rows.size(), 32u) << t.name;
        EXPECT_LE(t.rows[0].size(), 32u) << t.name;
    }
}

TEST(ArtTables, OnlyPaletteCharactersAreUsed)
{
    std::string known = " ";
    for (int i = 0; i < artPaletteSize(); ++i) known += artPalette()[i].ch;
    for (const Table &t : allArtTables())
        for (size_t r = 0; r < t.rows.size(); ++r) {
            const size_t bad = t.rows[r].find_first_not_of(known);
            EXPECT_EQ(bad, std::string::npos) << t.file << ": " << t.name << " row " << r << " has '"
                                              << (bad == std::string::npos ? ' ' : t.rows[r][bad]) << "'";
        }
}

TEST(ArtTables, PaletteCharactersAreUnique)
{
    for (int i = 0; i < artPaletteSize(); ++i)
        for (int j = i + 1; j < artPaletteSize(); ++j)
            EXPECT_NE(artPalette()[i].ch, artPalette()[j].ch) << i << "," << j;
}

}  // namespace
