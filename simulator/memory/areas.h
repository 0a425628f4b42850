#pragma once
// The panel memory areas: their names, kinds and sizes, in the order of the value reader's base-pointer
// table. Header-only and free of other dependencies so that the converter libraries, which receive that
// table, size-check their accesses against the same numbers the simulator allocates.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sim {

// The enumerators follow the order of the table handed to the value reader, so an area's value is
// also its position in that table.
enum class Area : std::uint8_t { X, Y, D, M, T, C, TT, CC, LB, LW, RWI, ValueScratch, N, L, EM };

inline constexpr std::size_t kAreaCount = 15;

enum class AreaKind : std::uint8_t {
    Bit,   // one byte per bit, value 0 or 1; index = bit number
    Word,  // 16-bit words, low byte first; index = word number, byte offset = 2 x index
    Bytes  // ValueScratch: plain bytes addressed by byte offset
};

struct AreaInfo {
    std::string_view name;  // as the configuration spells it
    AreaKind kind;
    std::int32_t units;  // bits, words or bytes, by kind
};

inline constexpr std::array<AreaInfo, kAreaCount> kAreas = {{
    {"X", AreaKind::Bit, 102400},
    {"Y", AreaKind::Bit, 102400},
    {"D", AreaKind::Word, 50000},
    {"M", AreaKind::Bit, 102400},
    {"T", AreaKind::Bit, 102400},
    {"C", AreaKind::Bit, 102400},
    {"TT", AreaKind::Word, 51200},
    {"CC", AreaKind::Word, 51200},
    {"LB", AreaKind::Bit, 409600},
    {"LW", AreaKind::Word, 204800},
    {"RWI", AreaKind::Word, 204800},
    {"ValueScratch", AreaKind::Bytes, 100000},
    {"N", AreaKind::Word, 51200},
    {"L", AreaKind::Bit, 102400},
    {"EM", AreaKind::Word, 51200},
}};

constexpr const AreaInfo& Info(Area area) {
    return kAreas[static_cast<std::size_t>(area)];
}

constexpr std::size_t AreaBytes(Area area) {
    const AreaInfo& info = Info(area);
    return info.kind == AreaKind::Word ? 2 * static_cast<std::size_t>(info.units)
                                       : static_cast<std::size_t>(info.units);
}

// Looks an area up by the name a configuration or a converter gives it. "AR" and "CR" are two PLC
// families' names for auxiliary and control relays; the panel keeps them in "L". `ValueScratch` has no
// configuration name and is never found here.
constexpr std::optional<Area> AreaFromName(std::string_view name) {
    if (name == "AR" || name == "CR") return Area::L;
    for (std::size_t i = 0; i < kAreaCount; ++i) {
        if (kAreas[i].kind != AreaKind::Bytes && kAreas[i].name == name) return static_cast<Area>(i);
    }
    return std::nullopt;
}

}  // namespace sim
