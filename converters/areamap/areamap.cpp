#include "converters/areamap/areamap.h"

#include "converters/common/plc_families.h"

namespace conv {

const char* AreaNameOf(std::string_view registerName, int protocol, int model) {
    const PlcRegister* reg = FindRegister(protocol, model, registerName);
    // Area names in sim::kAreas are string literals, so data() is zero-terminated.
    return reg ? sim::Info(reg->area).name.data() : "";
}

}  // namespace conv
