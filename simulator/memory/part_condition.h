#pragma once
// A part's common display condition, decided from its loaded configuration lines.

#include "simulator/memory/value_access.h"

namespace sim {

// 1 when the part is shown (or enabled), 0 when not:
//  - no condition (line 1 = 0 and line 3 = 0): 1;
//  - bit condition (line 1 = 1): the bit of the group (link line 5, register line 8, address line 9)
//    equals line 2; a register outside the bit areas gives 0;
//  - otherwise, user level condition (line 3 = 1): line 4 is not above the current user level.
int PartCondition(const PartConfig& config, ValueAccess& access);

}  // namespace sim
