#pragma once
// Regpeek.dll's work: copying a register's value into ValueScratch.

#include <string_view>

namespace conv {

void Peek(void* const* areaTable, std::string_view registerName, int index, int scratchOffset, int format,
          int protocol, int model);

}  // namespace conv
