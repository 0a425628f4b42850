#pragma once
// The common area code of an area name of (protocol, model).

#include <cstdint>
#include <string_view>

namespace plcaddr {

// The renamed area, the name itself when the protocol's row does not list it, or the empty text for an
// empty name or a protocol outside 0..43. T* and C* become t and c unless the row renames them.
// The result views either `area` or a static string.
std::string_view RenameArea(std::string_view area, int32_t protocol, int32_t model);

}  // namespace plcaddr
