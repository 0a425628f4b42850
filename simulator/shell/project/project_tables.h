#pragma once
// Everything the simulator reads from a project drawing at start-up besides the parts themselves:
// the settings in page 0's ExtraText, the screen records in the page texts and the tables carried by
// page 0's objects "Lock1" to "Lock4". All tables have fixed capacities.

#include <string_view>

#include "simulator/shell/project/analog_alarm_table.h"
#include "simulator/shell/project/data_transfer.h"
#include "simulator/shell/project/discrete_alarm_table.h"
#include "simulator/shell/project/project_settings.h"
#include "simulator/shell/project/recipe_table.h"
#include "simulator/shell/project/screen_table.h"

namespace engine {
class DrawObject;
class View;
}  // namespace engine

namespace sim {

struct ProjectTables {
    ProjectSettings settings;
    ScreenTable screens;
    RecipeTable recipes;                // "Lock2" ConfigText
    DiscreteAlarmTable discreteAlarms;  // "Lock1" ConfigText
    AnalogAlarmTable analogAlarms;      // "Lock1" ExtraText
    bool lock3Read = false;             // the "Lock3" table was found (its contents are not used)
    DataTransferTable transfers;        // "Lock4" ConfigText
};

// The first object of page 0, in page order, whose Name is exactly `name`; nullptr when there is none
// (or no page 0).
engine::DrawObject* FindLockObject(const engine::View& view, std::string_view name);

// Runs the loaders in start-up order: settings, screens, recipes (only when the recipe flag is set),
// discrete alarms, analog alarms, "Lock3" (only when its flag is set), data transfers. Every table is
// emptied first; a missing page 0 or Lock object leaves its table empty. The recipe flag ends up set
// only when the project really has recipes: a missing "Lock2" object or an empty text clears it.
void LoadProjectTables(const engine::View& view, ProjectTables& tables);

}  // namespace sim
