#include "recording/recording_file.h"

#include <cstring>

namespace {

// clang-format off
// letter  bit          (written in this order)
const struct { char letter; std::uint8_t bit; } STEP_LETTERS[] = {
    { 'L', STEP_LEFT  },
    { 'R', STEP_RIGHT },
    { 'U', STEP_UP    },
    { 'D', STEP_DOWN  },
    { 'P', STEP_PAUSE },
    { 'M', STEP_MUSIC },
    { 'Q', STEP_QUIT  },
    { 'C', STEP_CLOSE },
};
// clang-format on

// Decimal digits only, at most `limit`: signs, blanks and hex prefixes
// would let two files mean the same and hide typing slips.
bool parseNumber(const std::string &text, long long limit, long long &value)
{
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= limit;
}

std::vector<std::string> splitWords(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t space = line.find(' ', start);
        if (space == std::string::npos) space = line.size();
        words.push_back(line.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

bool parseStepKeys(const std::string &line, std::uint8_t &keys)
{
    keys = 0;
    if (line == "-") return true;
    std::size_t next = 0;  // letters come in the written order, each once
    for (char c : line) {
        while (next < sizeof STEP_LETTERS / sizeof STEP_LETTERS[0] && STEP_LETTERS[next].letter != c) ++next;
        if (next == sizeof STEP_LETTERS / sizeof STEP_LETTERS[0]) return false;
        keys |= STEP_LETTERS[next++].bit;
    }
    return !line.empty();
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Undoes the writer's escapes; refuses what the dialog could not have made:
// control characters, broken UTF-8, more than the field takes.
bool decodeName(const std::string &text, std::string &name, std::string &why)
{
    name.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (i + 1 < text.size() && text[i + 1] == '\\') {
                name += '\\';
                i += 1;
                continue;
            }
            int high = i + 3 < text.size() && text[i + 1] == 'x' ? hexDigit(text[i + 2]) : -1;
            int low = high >= 0 ? hexDigit(text[i + 3]) : -1;
            if (low < 0) {
                why = "a backslash in the name starts neither \\\\ nor \\xHH";
                return false;
            }
            name += static_cast<char>(high * 16 + low);
            i += 3;
            continue;
        }
        name += c;
    }
    if (name.size() > RECORDED_NAME_BYTES_MAX) {
        why = "the name is longer than the dialog takes";
        return false;
    }
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++characters) {
        const unsigned char lead = static_cast<unsigned char>(name[i]);
        std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
        if (lead < 0x20 || lead == 0x7f) {
            why = "the name holds a control character";
            return false;
        }
        if (length == 0 || i + length > name.size()) {
            why = "the name is not valid UTF-8";
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(name[i + k]) & 0xC0) != 0x80) {
                why = "the name is not valid UTF-8";
                return false;
            }
        }
        i += length;
    }
    if (characters > RECORDED_NAME_CHARACTERS_MAX) {
        why = "the name is longer than the dialog takes";
        return false;
    }
    return true;
}

bool parseSummary(const std::vector<std::string> &words, std::size_t first, GameSummary &summary)
{
    static const char *const LABELS[] = {"steps", "level", "lives", "score"};
    if (words.size() != first + 8) return false;
    long long values[4];
    for (int k = 0; k < 4; ++k) {
        if (words[first + 2 * k] != LABELS[k] || !parseNumber(words[first + 2 * k + 1], 2147483647, values[k]))
            return false;
    }
    summary.steps = static_cast<std::uint32_t>(values[0]);
    summary.level = static_cast<int>(values[1]);
    summary.lives = static_cast<int>(values[2]);
    summary.score = static_cast<int>(values[3]);
    return true;
}

}  // namespace

bool parseRecording(const char *text, std::size_t size, Recording &recording, std::string &error)
{
    recording = Recording();
    if (size > RECORDING_BYTES_MAX) {
        error = "the file is larger than any recording (" + std::to_string(RECORDING_BYTES_MAX) + " bytes)";
        return false;
    }
    if (size == 0) {
        error = "the file is empty";
        return false;
    }
    if (std::memchr(text, '\0', size) != nullptr) {
        error = "the file holds a NUL byte: not a recording";
        return false;
    }
    if (text[size - 1] != '\n') {
        error = "the last line has no line end: the file is cut short";
        return false;
    }

    bool seedSeen = false;
    std::uint32_t steps = 0;
    std::size_t number = 0;
    for (std::size_t start = 0; start < size; ++number) {
        const char *end = static_cast<const char *>(std::memchr(text + start, '\n', size - start));
        std::string line(text + start, static_cast<std::size_t>(end - (text + start)));
        start = static_cast<std::size_t>(end - text) + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = "line " + std::to_string(number + 1) + ": ";
        auto fail = [&](const std::string &why) {
            error = where + why;
            return false;
        };

        if (number == 0) {
            if (line != RECORDING_VERSION_LINE)
                return fail("expected \"" + std::string(RECORDING_VERSION_LINE) + "\", the version line");
            continue;
        }
        if (!line.empty() && line[0] == '#') continue;
        if (recording.ended) return fail("nothing may follow the \"end\" line");

        const std::vector<std::string> words = splitWords(line);
        long long value = 0;
        if (!seedSeen) {
            if (words.size() != 2 || words[0] != "seed" || !parseNumber(words[1], 4294967295LL, value))
                return fail("expected \"seed N\" with N from 0 to 4294967295");
            recording.seed = static_cast<std::uint32_t>(value);
            seedSeen = true;
            continue;
        }

        std::uint8_t keys = 0;
        if (parseStepKeys(line, keys)) {
            if (++steps > RECORDING_STEPS_MAX)
                return fail("more than " + std::to_string(RECORDING_STEPS_MAX) + " steps");
            if (!recording.events.empty() && recording.events.back().kind == RecordedEvent::Kind::Steps &&
                recording.events.back().keys == keys) {
                recording.events.back().count += 1;
            } else {
                RecordedEvent event;
                event.keys = keys;
                event.count = 1;
                recording.events.push_back(event);
            }
            continue;
        }
        if (words[0] == "title" || words[0] == "gameover") {
            long long key = 0, ticks = 0;
            if (words.size() != 3 || !parseNumber(words[1], RECORDED_KEY_MAX, key) ||
                !parseNumber(words[2], 2147483647, ticks))
                return fail("expected \"" + words[0] + " KEY TICKS\" with KEY from 0 to " +
                            std::to_string(RECORDED_KEY_MAX));
            RecordedEvent event;
            event.kind = words[0] == "title" ? RecordedEvent::Kind::TitleKey : RecordedEvent::Kind::GameOverKey;
            event.key = static_cast<int>(key);
            event.ticks = static_cast<int>(ticks);
            recording.events.push_back(event);
            continue;
        }
        if (words[0] == "name") {
            if (words.size() < 2 || (words[1] != "saved" && words[1] != "dismissed"))
                return fail("expected \"name saved NAME\" or \"name dismissed NAME\"");
            const std::size_t prefix = 5 + words[1].size() + 1;
            std::string name, why;
            if (!decodeName(line.size() > prefix ? line.substr(prefix) : std::string(), name, why)) return fail(why);
            RecordedEvent event;
            event.kind = RecordedEvent::Kind::Name;
            event.saved = words[1] == "saved";
            event.name = static_cast<std::uint32_t>(recording.names.size());
            recording.names.push_back(name);
            recording.events.push_back(event);
            continue;
        }
        if (words[0] == "end") {
            if (!parseSummary(words, 1, recording.summary))
                return fail("expected \"end steps S level L lives N score P\"");
            if (recording.summary.steps != steps)
                return fail("the end line counts " + std::to_string(recording.summary.steps) +
                            " steps, the file holds " + std::to_string(steps));
            recording.ended = true;
            continue;
        }
        // Quoted with anything unprintable masked: the message goes to a
        // terminal, and a hostile file must not send it control sequences.
        std::string quoted = line.substr(0, 40);
        for (char &c : quoted)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
        return fail("not a line of a recording: \"" + quoted + (line.size() > 40 ? "...\"" : "\""));
    }
    if (!seedSeen) {
        error = "the file ends before its \"seed\" line";
        return false;
    }
    return true;
}

std::string recordingHeader(std::uint32_t seed)
{
    return std::string(RECORDING_VERSION_LINE) +
           "\n"
           "# A recorded game of GROG SLOOP; replay it with: grog-sloop --replay FILE\n"
           "# One line per play step: L R U D arrows, P SPACE, M F2, Q ESC, C close button, - none.\n"
           "seed " +
           std::to_string(seed) + "\n";
}

std::string stepLine(std::uint8_t keys)
{
    std::string line;
    for (const auto &step : STEP_LETTERS)
        if (keys & step.bit) line += step.letter;
    return (line.empty() ? "-" : line) + "\n";
}

std::string waitLine(RecordedEvent::Kind screen, int key, int ticks)
{
    return std::string(screen == RecordedEvent::Kind::TitleKey ? "title " : "gameover ") + std::to_string(key) + " " +
           std::to_string(ticks) + "\n";
}

std::string nameLine(bool saved, const std::string &name)
{
    static const char HEX[] = "0123456789ABCDEF";
    std::string line = saved ? "name saved " : "name dismissed ";
    for (char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            line += "\\\\";
        } else if (byte < 0x20 || byte >= 0x7f) {
            line += "\\x";
            line += HEX[byte >> 4];
            line += HEX[byte & 15];
        } else {
            line += c;
        }
    }
    return line + "\n";
}

namespace {

std::string summaryWords(const GameSummary &summary)
{
    return "steps " + std::to_string(summary.steps) + " level " + std::to_string(summary.level) + " lives " +
           std::to_string(summary.lives) + " score " + std::to_string(summary.score) + "\n";
}

}  // namespace

std::string endLine(const GameSummary &summary)
{
    return "end " + summaryWords(summary);
}

std::string summaryLine(const GameSummary &summary)
{
    return "game " + summaryWords(summary);
}
