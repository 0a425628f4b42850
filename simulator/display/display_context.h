#pragma once
// What every display handler works with: the value access of the panel, the project tables, the
// current part record, the per-type part lists and blink states. The main window owns all of it; a
// popup window passes its own objects but the main window's context.

#include "engine/model/draw_object.h"
#include "simulator/display/message_scroll.h"
#include "simulator/display/part_list.h"
#include "simulator/memory/evaluate_part.h"
#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/part_preparation.h"

namespace sim {

struct DisplayContext {
    ValueAccess& access;
    EvaluationTables tables;
    PartRecord& current;  // the part whose lines are loaded
    PartLists& lists;
    BlinkStates& blink;
    const PreparedParts& prepared;  // the bit-lamp reference number and the start-up lists
    ScrollStates& scrolls;          // the texts being scrolled out of view, one per part
};

// The refresh handler of one part type: load, evaluate, decide visibility, draw. Every property the
// handler owns is written on every call, changed or not.
using RefreshHandler = void (*)(DisplayContext& context, engine::DrawObject& part);

// The handler of `type`, or nullptr for a type the refresh cycle does not redraw (yet).
RefreshHandler RefreshHandlerFor(int type);

// One blink step of picture `picture` of `part`, which is entry `entry` of the list of `type`. The
// part's lines are loaded first (it becomes the current part); the colours are its lines
// `firstColourLine` and `secondColourLine`. A picture showing its own colours gets background = second,
// text = first; one showing swapped colours gets them back. Indices outside the blink table do nothing.
void Blink(DisplayContext& context, int type, engine::DrawObject& part, int entry, int picture,
           int firstColourLine, int secondColourLine);

// One tick of the blink timer over the lists the last refresh tick left.
void BlinkPass(DisplayContext& context);

}  // namespace sim
