#pragma once
// The data transfer records: the ConfigText of page 0's "Lock4" object. Each record copies a run of
// bits or words from a source to a destination every n seconds or while a trigger bit is on.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

// A register of a transfer record: trigger, source or destination.
struct TransferAddress {
    std::int32_t plcNumber = 0;  // 0 panel memory, 1 PLC 1, 2 PLC 2
    std::int32_t link = 0;       // not used by the transfer
    std::int32_t station = 0;    // not used by the transfer
    std::string areaName;        // trimmed
    std::string addressText;     // trimmed
};

struct DataTransfer {
    enum Mode : std::int32_t { kPeriodic = 1, kTriggered = 2 };
    enum ItemType : std::int32_t { kBits = 0, kWords = 1, kDoubleWords = 2 };

    std::int32_t mode = 0;    // 1 periodic, 2 triggered, anything else inactive
    std::int32_t period = 0;  // seconds, periodic mode
    std::int32_t itemType = 0;
    std::int32_t itemCount = 0;
    TransferAddress trigger, source, destination;

    // A record that runs: triggered, or periodic with a period of at least one second (a period of 0
    // cannot be evaluated, so such a record never runs).
    bool Active() const { return mode == kTriggered || (mode == kPeriodic && period >= 1); }
};

struct DataTransferTable {
    static constexpr int kCapacity = 10;

    std::array<DataTransfer, kCapacity> records;
    int enabledCount = 0;  // records that are Active()
};

DataTransferTable ReadDataTransfers(std::string_view text);

}  // namespace sim
