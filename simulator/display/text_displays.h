#pragma once
// The refresh handlers of the parts that show register values as text: numeric displays and the
// display side of numeric entries, character displays and the display side of character entries, and
// message displays, for the dispatch table.

#include "simulator/display/display_context.h"

namespace sim {

void RefreshNumericDisplay(DisplayContext& context, engine::DrawObject& part);  // type 16
void RefreshNumericInput(DisplayContext& context, engine::DrawObject& part);    // type 12
void RefreshAsciiDisplay(DisplayContext& context, engine::DrawObject& part);    // types 17, 13
void RefreshMessageDisplay(DisplayContext& context, engine::DrawObject& part);  // type 7

}  // namespace sim
