#pragma once
// The online poll list of the shown screen: the PLC operands of its parts, one entry per distinct
// operand, grouped into blocks for the PLC family of port 1.

#include "simulator/memory/evaluate_part.h"
#include "simulator/shell/project/poll_list.h"

namespace engine {
class Page;
}

namespace sim {

// Empties `list`, collects the PLC registers (links 1 and 2) of every part of `page` in page order,
// then groups the list for (`protocol`, `model`). Build it aside and install it under ExchangeLock.
void BuildPollList(const engine::Page& page, ValueAccess& access, const EvaluationTables& tables,
                   int protocol, int model, PollList& list);

}  // namespace sim
