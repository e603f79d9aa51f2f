// libFuzzer entry for the look-file reader's text layer: any bytes give
// entries with valid keys and lines in order, never crash, hang or read out
// of bounds, and what the writer makes of the entries reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "widgets/lookfile/look_file_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<LookFileEntry> entries;
    std::vector<LookFileSyntaxProblem> problems;
    parse_look_file(reinterpret_cast<const char *>(data), size, entries, problems);
    int last = 0;
    for (const LookFileEntry &entry : entries) {
        if (entry.line <= last || entry.key.empty() || entry.key.size() > LOOK_FILE_MAX_LINE) std::abort();
        last = entry.line;
        int value = 0;
        if (parse_look_colour(entry.value, &value) && (value < 0 || value > 0xFFFFFF)) std::abort();
        if (parse_look_colour(entry.value, &value) && look_colour_text(value).size() != 7) std::abort();
        parse_look_number(entry.value, &value);
    }
    std::vector<LookFileEntry> again;
    std::vector<LookFileSyntaxProblem> none;
    const std::string text = look_file_text(entries);
    parse_look_file(text.data(), text.size(), again, none);
    if (!none.empty() || again.size() != entries.size()) std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (again[i].section != entries[i].section || again[i].key != entries[i].key ||
            again[i].value != entries[i].value)
            std::abort();
    return 0;
}
