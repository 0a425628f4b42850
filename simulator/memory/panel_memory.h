#pragma once
// The panel's memory: every bit and word area and ValueScratch, allocated once as one flat block.
//
// Every access names an area and an index and is bounds-checked against the area's size, last byte
// included: an index outside the area is refused, nothing is written, a read yields 0, and the result
// says so. Callers pass indices straight from configuration texts and converters, so a refusal is an
// expected outcome, not a programming error.
//
// Not synchronised: the window thread and, online, the exchange thread both touch the areas. Whoever
// shares a PanelMemory across threads decides how (see docs/memory.md).

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "simulator/memory/areas.h"

namespace sim {

// A read result: the value (0 when refused) and whether the index lay inside the area.
template <typename T>
struct Checked {
    T value{};
    bool ok = false;
    explicit operator bool() const { return ok; }
};

class PanelMemory {
  public:
    PanelMemory();
    PanelMemory(const PanelMemory&) = delete;
    PanelMemory& operator=(const PanelMemory&) = delete;

    // The start-up state: every area 0, then the panel's always-on bits LB1000 to LB1010 set to 1.
    void Clear();

    // Bit areas only (LB, X, Y, M, T, C, L).
    Checked<std::uint8_t> ReadBit(Area area, std::int32_t index) const;
    bool WriteBit(Area area, std::int32_t index, bool value);

    // Word areas only (LW, RWI, D, TT, CC, N, EM). A 32-bit value is two words, low word first, and
    // both must lie inside the area.
    Checked<std::uint16_t> ReadWord(Area area, std::int32_t index) const;
    bool WriteWord(Area area, std::int32_t index, std::uint16_t value);
    Checked<std::uint32_t> ReadDWord(Area area, std::int32_t index) const;
    bool WriteDWord(Area area, std::int32_t index, std::uint32_t value);
    bool WriteFloat(Area area, std::int32_t index, float value);

    // Raw bytes of any area at a byte offset (2 x word index in a word area, the offset itself in
    // ValueScratch). The whole run must fit; on refusal `out` is zero-filled and nothing is written.
    bool CopyOut(Area area, std::int64_t byteOffset, std::span<std::uint8_t> out) const;
    bool CopyIn(Area area, std::int64_t byteOffset, std::span<const std::uint8_t> in);

    // The value of format `code` that a register read left in ValueScratch at `offset`; 0 when the
    // offset or the code is out of range.
    double ScratchValue(std::int32_t offset, int code) const;

    // The fifteen base pointers in the value reader's order (the order of `Area`).
    void* const* BaseTable() { return m_baseTable.data(); }

    int UserLevel() const { return m_userLevel; }
    void SetUserLevel(int level) { m_userLevel = level; }
    int RecipeGroup() const { return m_recipeGroup; }
    void SetRecipeGroup(int group) { m_recipeGroup = group; }

  private:
    // The byte run [byteOffset, byteOffset + count) of `area`, or nullptr when it does not fit.
    std::uint8_t* Span(Area area, std::int64_t byteOffset, std::int64_t count) const;
    std::uint8_t* BitAt(Area area, std::int32_t index) const;
    std::uint8_t* WordsAt(Area area, std::int32_t index, std::int32_t words) const;

    std::unique_ptr<std::uint8_t[]> m_storage;
    std::array<std::uint8_t*, kAreaCount> m_base{};
    std::array<void*, kAreaCount> m_baseTable{};
    int m_userLevel = 0;
    int m_recipeGroup = 0;
};

}  // namespace sim
