#pragma once
// The protocol and model of the PLC an address belongs to, read from the caller's connection records.

#include <cstddef>
#include <cstdint>

#include "plugins/include/plcaddr_plugins.h"

namespace plcaddr {

struct PlcCodes {
    int32_t protocol = 0;
    int32_t model = 0;
};

// Record 1 serves PLC 1 and record 2 PLC 2; false for any other PLC number or missing records.
inline bool ReadPlcCodes(const PlcLink* links, int32_t plcNumber, PlcCodes& codes) {
    if (!links || (plcNumber != 1 && plcNumber != 2)) return false;
    codes = {links[plcNumber].protocol, links[plcNumber].model};
    return true;
}

}  // namespace plcaddr

static_assert(sizeof(PlcLink) == 64, "connection records are 64 bytes");
static_assert(offsetof(PlcLink, protocol) == 12 && offsetof(PlcLink, model) == 16,
              "protocol and model are the fourth and fifth 32-bit fields");
