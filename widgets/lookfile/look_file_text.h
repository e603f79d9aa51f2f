// The text of a look file, without Allegro: lines of Allegro's configuration
// syntax ("key = value", "[section]", "# comment") split into entries, and
// entries written back as such lines. The reader that applies a file to a
// look (look_file_reader.cpp) and the writer build on this; the fuzzer runs
// it alone.
#ifndef WIDGETS_LOOKFILE_LOOK_FILE_TEXT_H
#define WIDGETS_LOOKFILE_LOOK_FILE_TEXT_H

#include <cstddef>
#include <string>
#include <vector>

enum {
    LOOK_FILE_MAX_BYTES = 65536,  // a bigger file is refused whole
    LOOK_FILE_MAX_LINE = 1024     // a longer line is refused alone
};

struct LookFileEntry {
    int line;             // from 1
    std::string section;  // "" before the first [section]
    std::string key;      // letters, digits, '_', '.' and '-'; never empty
    std::string value;    // without the blanks round it; may be empty
};

// A line that is none of the forms above; the rest of the text is read on.
struct LookFileSyntaxProblem {
    int line;
    std::string message;
};

void parse_look_file(const char *data, std::size_t size, std::vector<LookFileEntry> &entries,
                     std::vector<LookFileSyntaxProblem> &problems);

// Appends an entry. The library's only place that grows the list: a
// Windows build makes its internals local in one prelinked object, where a
// container routine copied into two of its objects would lose its name.
void add_look_file_entry(std::vector<LookFileEntry> &entries, LookFileEntry entry);

// Lines that read back as `entries` (their line numbers aside), in their
// order, with a section heading wherever the section changes. Entries
// outside any section must come first.
std::string look_file_text(const std::vector<LookFileEntry> &entries);

// "#RRGGBB" (either case) as 0xRRGGBB; false for anything else.
bool parse_look_colour(const std::string &text, int *rgb);
// A whole number, optionally signed, of at most 9 digits; false otherwise.
bool parse_look_number(const std::string &text, int *value);
// 0xRRGGBB as "#RRGGBB".
std::string look_colour_text(int rgb);
// A whole number in decimal.
std::string look_number_text(int value);

#endif
