// The library's one export.

#include <type_traits>

#include "converters/areamap/areamap.h"
#include "converters/include/plc_converters.h"

extern "C" HMI_CONVERTER_EXPORT const char* ConverStr(const char* registerName, int protocol, int model) {
    if (!registerName) return "";
    return conv::AreaNameOf(registerName, protocol, model);
}

static_assert(std::is_same_v<decltype(&ConverStr), ConverStrFn>);
