// The library's one export.

#include <type_traits>

#include "converters/addrmap/addrmap.h"
#include "converters/include/plc_converters.h"

extern "C" HMI_CONVERTER_EXPORT int addrmap(const char* registerName, const char* addressText, int protocol,
                                            int model) {
    if (!registerName || !addressText) return conv::kNoIndex;
    return conv::IndexOf(registerName, addressText, protocol, model);
}

static_assert(std::is_same_v<decltype(&addrmap), AddrmapFn>);
