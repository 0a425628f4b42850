#pragma once
// The analog alarms: the ExtraText of page 0's "Lock1" object. Each alarm watches one number against
// four limit levels; the table stores one entry per level, entry 4j + n - 1 for level n of alarm j.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "simulator/shell/project/alarm_head.h"

namespace sim {

struct AnalogAlarmLevel {
    std::int32_t inUse = 0;    // 1: the level is evaluated
    std::string message;       // padding removed
    std::string limitText;     // integer part of the limit, trimmed
    std::string fractionText;  // digits after the decimal point (data format 6), trimmed
    std::int32_t dataFormat = 0;
};

struct AnalogAlarmTable {
    static constexpr int kCapacity = 32;
    static constexpr int kLevels = 4;
    static constexpr int kEntries = kCapacity * kLevels;

    AlarmHead head;
    int count = 0;  // head.count, clamped to 0..kCapacity
    std::array<AnalogAlarmLevel, kEntries> levels;

    // Level 1..4 of alarm 0..kCapacity-1; anything else gives an empty level that is not in use.
    const AnalogAlarmLevel& Level(int alarm, int level) const {
        static const AnalogAlarmLevel kNone;
        if (alarm < 0 || alarm >= kCapacity || level < 1 || level > kLevels) return kNone;
        return levels[static_cast<std::size_t>(alarm * kLevels + level - 1)];
    }
    // The data format of alarm j: the one written with its first level.
    std::int32_t DataFormat(int alarm) const { return Level(alarm, 1).dataFormat; }
};

AnalogAlarmTable ReadAnalogAlarmTable(std::string_view text);

}  // namespace sim
