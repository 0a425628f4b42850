// The library's one export.

#include <type_traits>

#include "converters/include/plc_converters.h"
#include "converters/regpeek/regpeek.h"

extern "C" HMI_CONVERTER_EXPORT void valuate(void* const* areaTable, const char* registerName, int index,
                                             int scratchOffset, int format, int protocol, int model) {
    if (!registerName) return;
    conv::Peek(areaTable, registerName, index, scratchOffset, format, protocol, model);
}

static_assert(std::is_same_v<decltype(&valuate), ValuateFn>);
