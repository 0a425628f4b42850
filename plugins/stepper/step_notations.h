#pragma once
// The address texts of the stepper: a start text advanced by a number of positions in one notation.

#include <cstdint>
#include <string>
#include <string_view>

#include "plugins/stepper/step_table.h"

namespace plcaddr {

// Appends the text of `start` advanced by `delta` positions. False, with nothing appended, for
// StepNotation::Nothing and when the new position would be below 0 (no register has that address).
// `protocol` matters only for an empty word+hex digit text: protocol 11 starts it at 0 and adds the
// step, protocol 6 gives position 0 without the step.
bool StepText(StepRule rule, int32_t protocol, std::string_view start, int64_t delta, std::string& out);

// The hundreds-16 notation, which works from the caller's last value instead of the copy counter:
// `last` (0 = not yet set: the start text is read) is advanced by `step`, normalised so that only xx00
// to xx15 occur in each hundred, and stored back. False, with nothing appended but the value stored,
// when the value is above 99915 or below 0.
bool StepHundreds16(int32_t& last, std::string_view start, int32_t step, std::string& out);

}  // namespace plcaddr
