#include "simulator/shell/project/alarm_head.h"

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns of the head. The address text ends with the head at character 19: an eighth character
// would be the first enable flag, which follows the head directly.
constexpr Column kCount{0, 3};
constexpr Column kLink{3, 1};
constexpr Column kStation{4, 3};
constexpr Column kScanTime{7, 3};
constexpr Column kRegisterName{10, 3};
constexpr Column kAddressText{13, AlarmHead::kBytes - 13};

}  // namespace

AlarmHead ReadAlarmHead(std::string_view text) {
    AlarmHead head;
    head.count = FieldNumber(text, kCount);
    head.link = FieldNumber(text, kLink);
    head.station = FieldNumber(text, kStation);
    head.scanTime = FieldNumber(text, kScanTime);
    head.registerName = FieldText(text, kRegisterName);
    head.addressText = FieldText(text, kAddressText);
    return head;
}

std::string AlarmMessage(std::string_view field) {
    const std::size_t end = field.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : field.substr(0, end + 1));
}

}  // namespace sim
