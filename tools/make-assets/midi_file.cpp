#include "midi_file.h"

#include <algorithm>

namespace {

void put32(std::vector<uint8_t> &out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void put16(std::vector<uint8_t> &out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

// A chunk of the file: four-letter type, length, body.
void putChunk(std::vector<uint8_t> &out, const char (&type)[5], const std::vector<uint8_t> &body)
{
    out.insert(out.end(), type, type + 4);
    put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
}

uint8_t data7(int v)
{
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}
uint8_t status(int kind, int channel)
{
    return static_cast<uint8_t>(kind | (channel & 0x0F));
}

enum { ORDER_OFF = 0, ORDER_SETUP = 1, ORDER_ON = 2 };

void putVarLen(std::vector<uint8_t> &out, uint32_t value)
{
    const auto bytes = midiVarLen(value);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// A meta event (tempo, time signature, track name, end of track): 0xFF, its
// type, the length of its data, the data.
std::vector<uint8_t> metaEvent(uint8_t type, const std::vector<uint8_t> &data)
{
    std::vector<uint8_t> out{0xFF, type};
    putVarLen(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

}  // namespace

std::vector<uint8_t> midiVarLen(uint32_t value)
{
    std::vector<uint8_t> groups{static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7) groups.push_back(static_cast<uint8_t>((value & 0x7F) | 0x80));
    std::reverse(groups.begin(), groups.end());
    return groups;
}

MidiTrack::MidiTrack(std::string name) : name_(std::move(name)) {}

void MidiTrack::add(uint32_t tick, int order, std::vector<uint8_t> bytes)
{
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::noteOn(uint32_t tick, int channel, int note, int velocity)
{
    // A velocity of 0 would read as a note-off; keep every struck note audible.
    add(tick, ORDER_ON, {status(0x90, channel), data7(note), data7(std::max(1, velocity))});
}

void MidiTrack::noteOff(uint32_t tick, int channel, int note)
{
    add(tick, ORDER_OFF, {status(0x80, channel), data7(note), 64});
}

void MidiTrack::programChange(uint32_t tick, int channel, int program)
{
    add(tick, ORDER_SETUP, {status(0xC0, channel), data7(program)});
}

void MidiTrack::controlChange(uint32_t tick, int channel, int controller, int value)
{
    add(tick, ORDER_SETUP, {status(0xB0, channel), data7(controller), data7(value)});
}

void MidiTrack::tempo(uint32_t tick, int beatsPerMinute)
{
    const uint32_t usPerQuarter = 60000000u / static_cast<uint32_t>(std::max(1, beatsPerMinute));
    add(tick, ORDER_SETUP,
        metaEvent(0x51, {static_cast<uint8_t>(usPerQuarter >> 16), static_cast<uint8_t>(usPerQuarter >> 8),
                         static_cast<uint8_t>(usPerQuarter)}));
}

void MidiTrack::timeSignature(uint32_t tick, int beatsPerBar, int beatUnit)
{
    uint8_t power = 0;
    while ((1 << power) < beatUnit) ++power;
    add(tick, ORDER_SETUP, metaEvent(0x58, {data7(beatsPerBar), power, 24, 8}));
}

std::vector<uint8_t> MidiTrack::encode(uint32_t endTick) const
{
    // Stable, so events that share tick and order keep the order they came in.
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event &a, const Event &b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        return a.order < b.order;
    });

    std::vector<uint8_t> out;
    auto put = [&out](uint32_t delta, const std::vector<uint8_t> &bytes) {
        putVarLen(out, delta);
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
    if (!name_.empty()) put(0, metaEvent(0x03, std::vector<uint8_t>(name_.begin(), name_.end())));
    uint32_t now = 0;
    for (const Event &e : sorted) {
        put(e.tick - now, e.bytes);
        now = e.tick;
    }
    put(endTick > now ? endTick - now : 0, metaEvent(0x2F, {}));
    return out;
}

std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack> &tracks, int ticksPerQuarter, uint32_t endTick)
{
    std::vector<uint8_t> header;
    put16(header, 1);  // format 1: several tracks played together
    put16(header, static_cast<uint32_t>(tracks.size()));
    put16(header, static_cast<uint32_t>(ticksPerQuarter));
    std::vector<uint8_t> out;
    putChunk(out, "MThd", header);
    for (const MidiTrack &track : tracks) putChunk(out, "MTrk", track.encode(endTick));
    return out;
}
