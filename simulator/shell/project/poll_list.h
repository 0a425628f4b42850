#pragma once
// The PLC operands the online exchange polls: one entry per distinct operand of the shown screen's
// parts, then grouped into blocks so one request covers many bit addresses.

#include <array>
#include <cstdint>
#include <string>

namespace sim {

struct PollEntry {
    std::string area;          // PLC area name as the part's configuration writes it ("D", "X", "IR")
    std::int32_t address = 0;  // start address from the address converter
    std::int32_t station = 0;
    std::int32_t count = 1;      // units read from the address on: 1 bit or word, 2 for 32 bits, text words
    std::int32_t plcNumber = 0;  // link: 1 or 2
    std::int32_t kind = 0;       // operand kind (7 for a bit); tells duplicates apart
};

struct PollList {
    static constexpr int kCapacity = 300;

    std::array<PollEntry, kCapacity> entries;
    int count = 0;

    void Clear() { count = 0; }
};

enum class PollAdd { Added, Duplicate, Widened, Full };

// Adds `entry` unless the list already holds the same operand (area, address, station, plcNumber and
// kind). A duplicate that asks for more units widens the entry already there, so the longer read
// still covers every part; a full list refuses the entry.
PollAdd AddPollEntry(PollList& list, const PollEntry& entry);

// Internal areas: the panel's own memory, never sent to the PLC.
bool IsInternalArea(const std::string& area);

// Regroups a built list for the PLC family (`protocol`, `model` of PLC 1). For each (area, block size)
// of the family, the entries of that area are sorted by address and replaced by one entry per block,
// at the block's first address; the other entries follow in their order, without the internal ones.
// A family without a grouping row keeps the list as built.
void GroupPollList(PollList& list, int protocol, int model);

}  // namespace sim
