#pragma once
// The demo project: a 640 x 480 panel (model 1 or 2 skin) showing lamps bound to panel bits and words
// and the switches that drive them, and a second screen with an overview of the same registers.
//
// Screen 0 (start screen)                      Screen 1
//   lamps LB10, LB11, LB12 (blinks while ON)     the same registers as large indicators
//   lamp on bit 3 of LW20, LW21 in 4 states      a switch back to screen 0
//   switches: LB12 toggle (blinking), LB10 on/off, LB11 momentary, LW21 -1/+1, LW20 = 0/8, screen 1

#include <memory>

#include "engine/model/drawing.h"

namespace projectbuilder {

std::unique_ptr<engine::Drawing> DemoProject();

}  // namespace projectbuilder
