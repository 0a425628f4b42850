#include "simulator/shell/project/discrete_alarm_table.h"

#include <algorithm>

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// After the head: one enable flag per alarm, then one message per alarm.
constexpr Column kInUse{AlarmHead::kBytes, 1};
constexpr Column kMessage{AlarmHead::kBytes + DiscreteAlarmTable::kCapacity, 30};

}  // namespace

DiscreteAlarmTable ReadDiscreteAlarmTable(std::string_view text) {
    DiscreteAlarmTable table;
    table.head = ReadAlarmHead(text);
    table.count = std::clamp(table.head.count, 0, DiscreteAlarmTable::kCapacity);
    for (std::size_t k = 0; k < DiscreteAlarmTable::kCapacity; ++k) {
        table.inUse[k] = FieldNumber(text, Shifted(kInUse, kInUse.len * k));
        table.messages[k] = AlarmMessage(Field(text, Shifted(kMessage, kMessage.len * k)));
    }
    return table;
}

}  // namespace sim
