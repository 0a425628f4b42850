#pragma once
// The discrete alarms: the ConfigText of page 0's "Lock1" object. Each alarm watches one bit.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "simulator/shell/project/alarm_head.h"

namespace sim {

struct DiscreteAlarmTable {
    static constexpr int kCapacity = 512;

    AlarmHead head;
    int count = 0;                                // head.count, clamped to 0..kCapacity
    std::array<std::int32_t, kCapacity> inUse{};  // 1: the alarm is evaluated
    std::array<std::string, kCapacity> messages;  // padding removed
};

DiscreteAlarmTable ReadDiscreteAlarmTable(std::string_view text);

}  // namespace sim
