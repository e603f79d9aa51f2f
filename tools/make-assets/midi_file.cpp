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

uint8_t data7(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 127)); }
uint8_t status(int kind, int channel) { return static_cast<uint8_t>(kind | (channel & 0x0F)); }

enum { ORDER_OFF = 0, ORDER_SETUP = 1, ORDER_ON = 2 };

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
    events_.push_back({tick, order, static_cast<int>(events_.size()), std::move(bytes)});
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
        {0xFF, 0x51, 0x03, static_cast<uint8_t>(usPerQuarter >> 16),
         static_cast<uint8_t>(usPerQuarter >> 8), static_cast<uint8_t>(usPerQuarter)});
}

void MidiTrack::timeSignature(uint32_t tick, int beatsPerBar, int beatUnit)
{
    uint8_t power = 0;
    while ((1 << power) < beatUnit) ++power;
    add(tick, ORDER_SETUP, {0xFF, 0x58, 0x04, data7(beatsPerBar), power, 24, 8});
}

uint32_t MidiTrack::lastTick() const
{
    uint32_t last = 0;
    for (const Event &e : events_) last = std::max(last, e.tick);
    return last;
}

std::vector<uint8_t> MidiTrack::encode(uint32_t endTick) const
{
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event &a, const Event &b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.order != b.order) return a.order < b.order;
        return a.seq < b.seq;
    });

    std::vector<uint8_t> out;
    if (!name_.empty()) {
        out.push_back(0x00);
        out.push_back(0xFF);
        out.push_back(0x03);
        const auto len = midiVarLen(static_cast<uint32_t>(name_.size()));
        out.insert(out.end(), len.begin(), len.end());
        out.insert(out.end(), name_.begin(), name_.end());
    }
    uint32_t now = 0;
    for (const Event &e : sorted) {
        const auto delta = midiVarLen(e.tick - now);
        out.insert(out.end(), delta.begin(), delta.end());
        out.insert(out.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    const auto delta = midiVarLen(endTick > now ? endTick - now : 0);
    out.insert(out.end(), delta.begin(), delta.end());
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

std::vector<uint8_t> encodeMidiFile(const std::vector<MidiTrack> &tracks, int ticksPerQuarter,
                                    uint32_t endTick)
{
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    put32(out, 6);
    put16(out, 1);  // format 1: several tracks played together
    put16(out, static_cast<uint32_t>(tracks.size()));
    put16(out, static_cast<uint32_t>(ticksPerQuarter));
    for (const MidiTrack &track : tracks) {
        const auto body = track.encode(endTick);
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put32(out, static_cast<uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}
