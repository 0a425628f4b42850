#include "simulator/shell/project/poll_list.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace sim {

namespace {

struct AreaBlock {
    std::string_view area;
    std::uint32_t blockSize;
};

constexpr int kAnyModel = -1;

struct GroupingRow {
    int protocol;
    int model;  // kAnyModel matches every model
    std::vector<AreaBlock> blocks;
};

// Bit areas each PLC family reads in whole blocks, in the order they are grouped. Protocol 0 models 0
// and 1 share a row.
const std::vector<GroupingRow>& GroupingTable() {
    static const std::vector<GroupingRow> table = {
        {0, 0, {{"Y", 8}, {"X", 8}, {"M", 8}, {"T", 8}, {"C", 8}}},
        {0, 1, {{"Y", 8}, {"X", 8}, {"M", 8}, {"T", 8}, {"C", 8}}},
        {0, 2, {{"Y", 8}, {"X", 8}, {"M", 8}, {"S", 8}, {"T", 8}, {"C", 8}}},
        {1, 0, {{"Y", 16}, {"X", 16}, {"M", 16}, {"T", 16}, {"C", 16}}},
        {2, 0, {{"IR", 100}, {"HR", 100}, {"AR", 100}, {"LR", 100}, {"TC", 16}}},
        {2, 1, {{"DIO", 100}, {"W", 100}, {"H", 100}, {"A", 100}, {"T", 8}, {"C", 8}}},
        {4, 0, {{"I", 16}, {"Q", 16}, {"M", 16}, {"V_B", 16}}},
        {6, 0, {{"Y", 16}, {"X", 16}, {"R", 16}, {"L", 16}, {"C", 16}, {"T", 16}}},
        {11, kAnyModel, {{"P", 16}, {"K", 16}, {"M", 16}, {"L", 16}, {"C", 8}, {"T", 8}}},
        {12, 0, {{"X", 16}, {"Y", 16}, {"M", 16}, {"C", 16}, {"T", 16}}},
        {13, kAnyModel, {{"X", 16}, {"Y", 16}, {"M", 16}, {"C", 16}, {"T", 16}}},
        {17, kAnyModel, {{"X", 16}, {"Y", 16}, {"M", 16}, {"C", 16}, {"T", 16}}},
        {19, kAnyModel, {{"0x", 16}, {"1x", 16}}},
    };
    return table;
}

const GroupingRow* FindRow(int protocol, int model) {
    for (const GroupingRow& row : GroupingTable())
        if (row.protocol == protocol && (row.model == kAnyModel || row.model == model)) return &row;
    return nullptr;
}

bool SameOperand(const PollEntry& a, const PollEntry& b) {
    return a.area == b.area && a.address == b.address && a.station == b.station &&
           a.plcNumber == b.plcNumber && a.kind == b.kind;
}

// Marks an entry taken out for grouping.
constexpr std::string_view kTaken = "NULL";

}  // namespace

PollAdd AddPollEntry(PollList& list, const PollEntry& entry) {
    for (int i = 0; i < list.count; ++i) {
        PollEntry& held = list.entries[static_cast<std::size_t>(i)];
        if (!SameOperand(held, entry)) continue;
        if (entry.count <= held.count) return PollAdd::Duplicate;
        held.count = entry.count;
        return PollAdd::Widened;
    }
    if (list.count >= PollList::kCapacity) return PollAdd::Full;
    list.entries[static_cast<std::size_t>(list.count++)] = entry;
    return PollAdd::Added;
}

bool IsInternalArea(const std::string& area) {
    return area.empty() || area == "LB" || area == "LW" || area == "RWI";
}

void GroupPollList(PollList& list, int protocol, int model) {
    const GroupingRow* row = FindRow(protocol, model);
    if (!row) return;
    list.count = std::clamp(list.count, 0, PollList::kCapacity);

    std::vector<PollEntry> grouped;
    grouped.reserve(PollList::kCapacity);
    std::vector<PollEntry> work;
    work.reserve(PollList::kCapacity);
    for (const AreaBlock& block : row->blocks) {
        work.clear();
        for (int i = 0; i < list.count; ++i) {
            PollEntry& entry = list.entries[static_cast<std::size_t>(i)];
            if (entry.area != block.area) continue;
            work.push_back(entry);
            entry.area = kTaken;
        }
        // Addresses are compared as the unsigned values the blocks are computed from, so the blocks
        // come out in ascending order even for an address with the top bit set.
        std::stable_sort(work.begin(), work.end(), [](const PollEntry& a, const PollEntry& b) {
            return static_cast<std::uint32_t>(a.address) < static_cast<std::uint32_t>(b.address);
        });
        std::optional<std::uint32_t> lastBlock;
        for (const PollEntry& entry : work) {
            const std::uint32_t number = static_cast<std::uint32_t>(entry.address) / block.blockSize;
            if (lastBlock && number <= *lastBlock) continue;
            lastBlock = number;
            PollEntry first = entry;
            first.address = static_cast<std::int32_t>(number * block.blockSize);
            grouped.push_back(first);
        }
    }
    for (int i = 0; i < list.count; ++i) {
        const PollEntry& entry = list.entries[static_cast<std::size_t>(i)];
        if (entry.area != kTaken && !IsInternalArea(entry.area)) grouped.push_back(entry);
    }
    list.count = static_cast<int>(grouped.size());
    std::copy(grouped.begin(), grouped.end(), list.entries.begin());
}

}  // namespace sim
