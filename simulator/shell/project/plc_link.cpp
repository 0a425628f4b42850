#include "simulator/shell/project/plc_link.h"

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns within one port record.
constexpr Column kPortText{0, 2};
constexpr Column kPlcName{2, 20};
constexpr Column kFirstNumber{22, 4};  // fourteen of them, 4 characters apart

// Which of the fourteen numbers each named field is (number k sits at character 22 + 4k). The
// protocol and model codes are fixed at 26 and 30. The places of the serial settings are our reading
// of the record (the system words LW4031-4036 publish characters 50, 42, 54, 46, 58 and 62); keeping
// them in this one table makes them easy to correct.
enum NumberIndex : int {
    kPortIndex = 0,      // character 22
    kProtocol = 1,       // 26
    kModel = 2,          // 30
    kBaudIndex = 5,      // 42
    kParityIndex = 6,    // 46
    kDataBitsIndex = 7,  // 50
    kStopBitsIndex = 8,  // 54
    kReplyTimeout = 9,   // 58
    kRetryCount = 10,    // 62
};

}  // namespace

PlcLink ReadPlcLink(std::string_view text, std::size_t offset) {
    PlcLink link;
    link.portText = FieldText(text, Shifted(kPortText, offset));
    link.plcName = FieldText(text, Shifted(kPlcName, offset));
    for (int k = 0; k < PlcLink::kNumberCount; ++k) {
        const Column column = Shifted(kFirstNumber, offset + kFirstNumber.len * static_cast<std::size_t>(k));
        link.numbers[static_cast<std::size_t>(k)] = FieldNumber(text, column);
    }
    auto number = [&](NumberIndex index) { return link.numbers[static_cast<std::size_t>(index)]; };
    link.protocol = number(kProtocol);
    link.model = number(kModel);
    link.portIndex = number(kPortIndex);
    link.baudIndex = number(kBaudIndex);
    link.parityIndex = number(kParityIndex);
    link.dataBitsIndex = number(kDataBitsIndex);
    link.stopBitsIndex = number(kStopBitsIndex);
    link.replyTimeout = number(kReplyTimeout);
    link.retryCount = number(kRetryCount);
    return link;
}

}  // namespace sim
