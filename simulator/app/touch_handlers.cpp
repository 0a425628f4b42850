#include "simulator/app/touch_handlers.h"

#include "simulator/operate/parts/bit_switch.h"
#include "simulator/operate/parts/value_entry.h"
#include "simulator/shell/panel/panel.h"

namespace sim {

// The operating handler of each touchable part type; a touchable type without one (screen switches,
// function keys, multistate switches and combination keys for now) is hit and checked and does nothing.
void InstallTouchHandlers(Panel& panel) {
    panel.SetTouchHandler(1, PressBitSwitch);
    panel.SetTouchHandler(2, PressWordSwitch);
    panel.SetTouchHandler(12, PressNumericInput);
    panel.SetTouchHandler(13, PressAsciiInput);
    panel.SetReleaseHandler(ReleaseMomentary);
}

}  // namespace sim
