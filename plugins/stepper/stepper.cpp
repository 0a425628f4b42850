// The stepper plug-in: the address text of each copy of a part.

#include <string>

#include "plugins/common/plc_link.h"
#include "plugins/common/text_format.h"
#include "plugins/common/text_parse.h"
#include "plugins/include/plcaddr_plugins.h"
#include "plugins/stepper/step_notations.h"
#include "plugins/stepper/step_table.h"

extern "C" void stepper(PlcText* outputs, const PlcLink* links, int32_t* copyCounter, int32_t* lastValues,
                        int32_t plcNumber, const char* areaName, const char* startText, int32_t step,
                        int32_t outputIndex, int32_t slot) {
    using namespace plcaddr;
    if (!copyCounter) return;
    // The counter goes up on every call, whether a text is written or not; it wraps as a 32-bit
    // counter instead of overflowing.
    *copyCounter = static_cast<int32_t>(static_cast<uint32_t>(*copyCounter) + 1u);
    const int64_t copy = *copyCounter;
    if (!outputs || outputIndex < 0) return;

    StepRule rule{StepNotation::Decimal};
    PlcCodes codes;
    if (plcNumber != 0) {
        if (!ReadPlcCodes(links, plcNumber, codes)) return;
        rule = StepRuleFor(codes.protocol, codes.model, TextOf(areaName));
    }

    const std::string_view start = TextOf(startText);
    std::string text;
    bool written = false;
    if (rule.notation == StepNotation::Hundreds16) {
        if (!lastValues || slot < 0) return;
        written = StepHundreds16(lastValues[slot], start, step, text);
    } else {
        written = StepText(rule, codes.protocol, start, int64_t{step} * copy, text);
    }
    if (written) CopyText(text, outputs[outputIndex].text, outputs[outputIndex].size);
}
