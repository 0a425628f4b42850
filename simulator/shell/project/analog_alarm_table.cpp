#include "simulator/shell/project/analog_alarm_table.h"

#include <algorithm>

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

constexpr std::size_t kEntries = AnalogAlarmTable::kEntries;

// After the head: one enable flag per level entry, one message per entry, then per entry a record of
// limit text, fraction text and data format.
constexpr Column kInUse{AlarmHead::kBytes, 1};
constexpr Column kMessage{kInUse.pos + kEntries, 30};
constexpr std::size_t kLimits = kMessage.pos + kMessage.len * kEntries;
constexpr std::size_t kLimitRecordBytes = 16;
constexpr Column kLimitText{0, 10};
constexpr Column kFractionText{10, 5};
constexpr Column kDataFormat{15, 1};

}  // namespace

AnalogAlarmTable ReadAnalogAlarmTable(std::string_view text) {
    AnalogAlarmTable table;
    table.head = ReadAlarmHead(text);
    table.count = std::clamp(table.head.count, 0, AnalogAlarmTable::kCapacity);
    for (std::size_t k = 0; k < kEntries; ++k) {
        AnalogAlarmLevel& level = table.levels[k];
        level.inUse = FieldNumber(text, Shifted(kInUse, kInUse.len * k));
        level.message = AlarmMessage(Field(text, Shifted(kMessage, kMessage.len * k)));
        const std::size_t record = kLimits + kLimitRecordBytes * k;
        level.limitText = FieldText(text, Shifted(kLimitText, record));
        level.fractionText = FieldText(text, Shifted(kFractionText, record));
        level.dataFormat = FieldNumber(text, Shifted(kDataFormat, record));
    }
    return table;
}

}  // namespace sim
