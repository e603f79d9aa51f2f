#include "widgets/lookfile/look_file_text.h"

#include <cstdio>
#include <utility>

namespace {

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string &s)
{
    std::size_t first = 0, last = s.size();
    while (first < last && is_blank(s[first])) ++first;
    while (last > first && is_blank(s[last - 1])) --last;
    return s.substr(first, last - first);
}

bool is_key_char(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '.' ||
           c == '-';
}

bool is_key(const std::string &s)
{
    if (s.empty()) return false;
    for (char c : s)
        if (!is_key_char(c)) return false;
    return true;
}

// Control characters (but the tab) make a line not text.
bool has_control(const std::string &s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') return true;
    return false;
}

int hex_digit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads one line (without its end) into entries or problems.
void parse_line(int number, const std::string &raw, std::string &section, std::vector<LookFileEntry> &entries,
                std::vector<LookFileSyntaxProblem> &problems)
{
    if (raw.size() > LOOK_FILE_MAX_LINE) {
        problems.push_back({number, "the line is longer than 1024 bytes"});
        return;
    }
    if (has_control(raw)) {
        problems.push_back({number, "the line holds control characters"});
        return;
    }
    const std::string line = trimmed(raw);
    if (line.empty() || line[0] == '#') return;
    if (line[0] == '[') {
        const std::string name = line.back() == ']' ? trimmed(line.substr(1, line.size() - 2)) : "";
        if (!is_key(name)) {
            problems.push_back({number, "a section is a name in brackets: [name]"});
            return;
        }
        section = name;
        return;
    }
    const std::size_t equals = line.find('=');
    const std::string key = equals == std::string::npos ? "" : trimmed(line.substr(0, equals));
    if (!is_key(key)) {
        problems.push_back({number, "not \"key = value\", \"[section]\" or \"# comment\""});
        return;
    }
    add_look_file_entry(entries, {number, section, key, trimmed(line.substr(equals + 1))});
}

}  // namespace

void parse_look_file(const char *data, std::size_t size, std::vector<LookFileEntry> &entries,
                     std::vector<LookFileSyntaxProblem> &problems)
{
    std::string section;
    int number = 0;
    std::size_t start = 0;
    while (data && start < size) {
        std::size_t end = start;
        while (end < size && data[end] != '\n') ++end;
        std::size_t stop = end;
        if (stop > start && data[stop - 1] == '\r') --stop;
        parse_line(++number, std::string(data + start, stop - start), section, entries, problems);
        start = end + 1;
    }
}

std::string look_file_text(const std::vector<LookFileEntry> &entries)
{
    // A heading wherever the section changes, so the order stays as it is.
    std::string text, section;
    for (const LookFileEntry &entry : entries) {
        if (entry.section != section) {
            section = entry.section;
            text += "\n[" + section + "]\n";
        }
        text += entry.key + " = " + entry.value + "\n";
    }
    return text;
}

bool parse_look_colour(const std::string &text, int *rgb)
{
    if (text.size() != 7 || text[0] != '#') return false;
    int value = 0;
    for (std::size_t i = 1; i < 7; ++i) {
        const int digit = hex_digit(text[i]);
        if (digit < 0) return false;
        value = value * 16 + digit;
    }
    *rgb = value;
    return true;
}

bool parse_look_number(const std::string &text, int *value)
{
    const bool signed_number = !text.empty() && (text[0] == '-' || text[0] == '+');
    const bool negative = signed_number && text[0] == '-';
    std::size_t i = signed_number ? 1 : 0;
    if (i >= text.size() || text.size() - i > 9) return false;
    int n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        n = n * 10 + (text[i] - '0');
    }
    *value = negative ? -n : n;
    return true;
}

std::string look_colour_text(int rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", rgb & 0xFFFFFF);
    return text;
}

std::string look_number_text(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

void add_look_file_entry(std::vector<LookFileEntry> &entries, LookFileEntry entry)
{
    entries.push_back(std::move(entry));
}
