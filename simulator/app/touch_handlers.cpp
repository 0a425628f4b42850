#include "simulator/app/touch_handlers.h"

#include "simulator/shell/panel/panel.h"

namespace sim {

// The operating parts (bit switches, value entry, screen switches, function keys) add their
// handlers here as they come; a touchable type without one is hit and checked and does nothing.
void InstallTouchHandlers(Panel&) {}

}  // namespace sim
