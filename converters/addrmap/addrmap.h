#pragma once
// Addrmap.dll's work: the index of a PLC register within its panel memory area.

#include <string_view>

namespace conv {

// kNoIndex for an unknown register, an empty text or an index beyond the 32-bit range.
int IndexOf(std::string_view registerName, std::string_view addressText, int protocol, int model);

}  // namespace conv
