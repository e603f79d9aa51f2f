#include "note_list.h"

#include <cctype>

namespace {

// Semitones above C of the natural notes C D E F G A B.
int naturalOffset(char upper)
{
    switch (upper) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return -1;
    }
}

struct Reader {
    const std::string &s;
    size_t i = 0;
    std::string error;

    bool more() const { return i < s.size(); }
    char peek() const { return more() ? s[i] : '\0'; }

    void fail(const std::string &what)
    {
        if (error.empty()) error = what + " at character " + std::to_string(i);
    }

    // Reads an optional length; 1 when none is written.
    int length()
    {
        int n = 0;
        bool any = false;
        while (more() && std::isdigit(static_cast<unsigned char>(peek()))) {
            n = n * 10 + (s[i++] - '0');
            any = true;
            if (n > 10000) {
                fail("length too long");
                return 1;
            }
        }
        if (any && n == 0) fail("zero length");
        return any ? n : 1;
    }

    // Reads one pitch (accidentals, letter, octave marks); -1 on failure.
    int pitch()
    {
        int accidental = 0;
        while (peek() == '^' || peek() == '_' || peek() == '=') {
            if (peek() == '^') ++accidental;
            if (peek() == '_') --accidental;
            ++i;
        }
        const char letter = peek();
        const int offset = naturalOffset(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
        if (offset < 0) {
            fail(std::string("unknown pitch '") + letter + "'");
            return -1;
        }
        ++i;
        int note = 60 + offset + accidental + (std::islower(static_cast<unsigned char>(letter)) ? 12 : 0);
        while (peek() == ',' || peek() == '\'') note += (s[i++] == ',') ? -12 : 12;
        if (note < 0 || note > 127) {
            fail("pitch out of range");
            return -1;
        }
        return note;
    }
};

// Follows the bar lines of a note list or drum grid and checks that every
// bar holds `length` eighths (any number when `length` is 0). Only the
// first fault is kept in `error`.
struct BarCheck {
    int length;
    int start = 0;  // position where the current bar began
    int number = 1;

    void barLine(int position, std::string &error)
    {
        check(position, error);
        start = position;
        ++number;
    }
    // Text after the last bar line must still fill a bar of its own.
    void end(int position, std::string &error)
    {
        if (position != start) check(position, error);
    }

private:
    void check(int position, std::string &error) const
    {
        if (length > 0 && error.empty() && position - start != length)
            error = "bar " + std::to_string(number) + " holds " + std::to_string(position - start) + " eighths, not " +
                    std::to_string(length);
    }
};

}  // namespace

NoteList parseNoteList(const std::string &text, int barLength)
{
    NoteList list;
    Reader r{text, 0, {}};
    BarCheck bars{barLength};
    int position = 0;
    // Reads the length written after a note, rest or chord and places it.
    auto place = [&](std::vector<int> pitches) {
        const int len = r.length();
        list.events.push_back({position, len, std::move(pitches)});
        position += len;
    };
    while (r.more() && r.error.empty()) {
        const char c = r.peek();
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++r.i;
        } else if (c == '|') {
            ++r.i;
            bars.barLine(position, r.error);
        } else if (c == 'z') {
            ++r.i;
            place({});
        } else if (c == '[') {
            ++r.i;
            std::vector<int> chord;
            while (r.more() && r.peek() != ']' && r.error.empty()) {
                if (std::isspace(static_cast<unsigned char>(r.peek()))) {
                    ++r.i;
                    continue;
                }
                chord.push_back(r.pitch());
            }
            if (r.peek() != ']') r.fail("unclosed chord");
            ++r.i;
            if (chord.empty()) r.fail("empty chord");
            place(std::move(chord));
        } else {
            place({r.pitch()});
        }
    }
    bars.end(position, r.error);
    list.length = position;
    list.error = r.error;
    if (!list.error.empty()) list.events.clear();
    return list;
}

DrumGrid parseDrumGrid(const std::string &text, int barLength)
{
    DrumGrid grid;
    BarCheck bars{barLength};
    int position = 0;
    for (size_t i = 0; i < text.size() && grid.error.empty(); ++i) {
        const char c = text[i];
        switch (c) {
        case ' ':
        case '\t':
        case '\n':
            break;
        case '|':
            bars.barLine(position, grid.error);
            break;
        case 'X':
            grid.hits.push_back({position++, 2});
            break;
        case 'x':
            grid.hits.push_back({position++, 1});
            break;
        case 'o':
            grid.hits.push_back({position++, 0});
            break;
        case '-':
            ++position;
            break;
        default:
            grid.error = std::string("unknown drum mark '") + c + "' at character " + std::to_string(i);
        }
    }
    bars.end(position, grid.error);
    grid.length = position;
    if (!grid.error.empty()) grid.hits.clear();
    return grid;
}
