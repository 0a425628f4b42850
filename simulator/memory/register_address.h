#pragma once
// A part names each register it shows or operates by an address group: five consecutive configuration
// lines starting at a type-specific line k.

#include <cstdint>
#include <string>

#include "simulator/shell/project/part_config.h"

namespace sim {

// Lines of an address group, relative to its first line.
enum AddressGroupLine { kGroupLink = 0, kGroupStation = 1, kGroupRegister = 3, kGroupAddress = 4 };

// An address group as the configuration writes it.
struct AddressGroup {
    std::int32_t link = 0;  // 0 panel memory, 1 PLC on the first port, 2 PLC on the second port
    std::int32_t station = 0;
    std::string registerName;
    std::string addressText;
};

inline AddressGroup ReadAddressGroup(const PartConfig& config, int firstLine) {
    return {config.Number(firstLine + kGroupLink), config.Number(firstLine + kGroupStation),
            std::string(config.Text(firstLine + kGroupRegister)),
            std::string(config.Text(firstLine + kGroupAddress))};
}

// A resolved address group: where in the panel memory the register lives.
struct RegisterAddress {
    std::int32_t link = 0;
    std::int32_t station = 0;
    std::string registerName;
    std::string area;  // a panel memory area name, or empty when the register has none
    std::int32_t index = 0;
};

}  // namespace sim
