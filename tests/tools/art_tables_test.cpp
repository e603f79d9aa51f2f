// The art sources themselves: every table's rows are equally wide and use
// only characters of the palette (or a space for "leave as is"). A short
// row would silently leave a notch of the picture unpainted.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "Gfx/palette.h"

namespace {

struct Table {
    std::string file, name;
    std::vector<std::string> rows;
};

std::vector<Table> tablesIn(const std::string &path)
{
    std::ifstream in(path);
    std::vector<Table> tables;
    const std::regex start(R"re(const char \*const (\w+)\[[^\]]*\] = \{)re");
    const std::regex row(R"re(^\s*"([^"]*)",?\s*(//.*)?$)re");
    std::string text;
    Table *open = nullptr;
    while (std::getline(in, text)) {
        std::smatch m;
        if (std::regex_search(text, m, start)) {
            tables.push_back({path, m[1], {}});
            open = &tables.back();
        } else if (open && text.find("};") != std::string::npos) {
            open = nullptr;
        } else if (open && std::regex_match(text, m, row)) {
            open->rows.push_back(m[1]);
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
