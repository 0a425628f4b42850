#pragma once
// Areamap.dll's work: the panel memory area of a PLC register.

#include <string_view>

namespace conv {

// The area name as a constant zero-terminated text; "" when the family has no such register.
const char* AreaNameOf(std::string_view registerName, int protocol, int model);

}  // namespace conv
