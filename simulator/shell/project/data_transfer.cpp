#include "simulator/shell/project/data_transfer.h"

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns within one record; record k starts at kRecordBytes * k.
constexpr std::size_t kRecordBytes = 102;
constexpr Column kMode{0, 1};
constexpr Column kPeriod{1, 8};
constexpr Column kItemType{9, 1};
constexpr Column kItemCount{10, 8};
constexpr std::size_t kTrigger = 18, kSource = 46, kDestination = 74;

// Within a register reference (28 characters).
constexpr Column kPlcNumber{0, 1};
constexpr Column kLink{1, 3};
constexpr Column kStation{4, 3};
constexpr Column kAreaName{7, 13};
constexpr Column kAddressText{20, 8};

TransferAddress ReadAddress(std::string_view text, std::size_t at) {
    TransferAddress a;
    a.plcNumber = FieldNumber(text, Shifted(kPlcNumber, at));
    a.link = FieldNumber(text, Shifted(kLink, at));
    a.station = FieldNumber(text, Shifted(kStation, at));
    a.areaName = FieldText(text, Shifted(kAreaName, at));
    a.addressText = FieldText(text, Shifted(kAddressText, at));
    return a;
}

}  // namespace

DataTransferTable ReadDataTransfers(std::string_view text) {
    DataTransferTable table;
    for (std::size_t k = 0; k < DataTransferTable::kCapacity; ++k) {
        const std::size_t base = kRecordBytes * k;
        DataTransfer& r = table.records[k];
        r.mode = FieldNumber(text, Shifted(kMode, base));
        r.period = FieldNumber(text, Shifted(kPeriod, base));
        r.itemType = FieldNumber(text, Shifted(kItemType, base));
        r.itemCount = FieldNumber(text, Shifted(kItemCount, base));
        r.trigger = ReadAddress(text, base + kTrigger);
        r.source = ReadAddress(text, base + kSource);
        r.destination = ReadAddress(text, base + kDestination);
        if (r.Active()) ++table.enabledCount;
    }
    return table;
}

}  // namespace sim
