#pragma once
// The register table shared by the three converter libraries: for each PLC family, which panel memory
// area a register name lands in and how its address text becomes an index. Compiled into each library
// so that the area ConverStr names, the area valuate reads and the index addrmap computes all come
// from one table (documented in converters/include/plc_converters.h).

#include <cstdint>
#include <string_view>

#include "simulator/memory/areas.h"

namespace conv {

enum class IndexRule : std::uint8_t {
    Decimal,    // leading decimal integer
    Octal,      // digit values weighted by powers of 8
    WordBit16,  // "w.b": 16 x w + (b mod 100)
};

struct PlcRegister {
    std::string_view name;  // exactly as the project writes it, letter case included
    sim::Area area;
    IndexRule rule;
};

// The register `name` of the family (`protocol`, `model`), or nullptr when the family has no such
// register or is not in the table. The panel's own LB, LW and RWI are found under every pair.
const PlcRegister* FindRegister(int protocol, int model, std::string_view name);

}  // namespace conv
