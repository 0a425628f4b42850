#pragma once
// The per-type lists of the parts the last refresh tick redrew, walked by the periodic passes
// (blinking, pictures, trends, alarms, motion), and the blink state of every listed picture.

#include <array>
#include <cstdint>

namespace engine {
class DrawObject;
}

namespace sim {

struct PartList {
    static constexpr int kCapacity = 99;  // entries are numbered 1..count

    std::int32_t typeCode = 0;  // type of the last part registered, 0 when empty
    std::int32_t count = 0;
    std::int32_t listValue = 0;
    // Entry i uses element i; elements 100 + i serve as a second per-entry value.
    std::array<std::int32_t, 200> valueA{};
    std::array<std::int32_t, 200> valueB{};
    std::array<engine::DrawObject*, 100> parts{};
    std::array<std::int32_t, 100> valueC{};
};

class PartLists {
  public:
    static constexpr int kTypeCount = 100;

    // Start of a refresh tick: every list's type, count and list value are cleared; per-entry values
    // stay until their entry is registered again.
    void BeginTick();
    // End of the walk: the counts the periodic passes use until the next refresh tick.
    void TakeSnapshot();
    // Registers `part` in the list of `type`; returns its entry number (1..99), or 0 when the type is
    // outside 0..99 or its list is full (the part is drawn but no pass sees it).
    int RegisterPart(int type, engine::DrawObject* part);

    PartList& List(int type) { return m_lists[static_cast<std::size_t>(type)]; }
    const PartList& List(int type) const { return m_lists[static_cast<std::size_t>(type)]; }
    // Count left by the last refresh tick for `type` (0 outside 0..99).
    int SnapshotCount(int type) const;

  private:
    std::array<PartList, kTypeCount> m_lists{};
    std::array<int, kTypeCount> m_snapshot{};
};

// 1 while a picture shows its swapped colours; per (type 0..99, entry 0..199, picture 0 or 1).
// Cleared only when the main window is created.
class BlinkStates {
  public:
    // The state cell, or nullptr for indices outside the table.
    std::int32_t* At(int type, int entry, int picture);

  private:
    std::array<std::array<std::array<std::int32_t, 2>, 200>, 100> m_states{};
};

}  // namespace sim
