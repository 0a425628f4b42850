// Type 81: a part whose child "Timer" is hidden at start-up; its refresh only drops its selection.

#include "simulator/display/handler_steps.h"

namespace sim {

void RefreshSelectionClear(DisplayContext&, engine::DrawObject& part) {
    part.SetSelected(false);
}

}  // namespace sim
