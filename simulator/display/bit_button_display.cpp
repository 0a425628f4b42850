// Bit button (type 1), display side: picture 0 while the monitored bit is 0, picture 1 while it is 1
// and the button monitors its bit.

#include "simulator/display/handler_steps.h"

namespace sim {

namespace {

constexpr int kBitButton = 1;

// Configuration lines the display side reads.
constexpr int kShape0BlinkLine = 29;  // 1: picture 0 blinks
constexpr int kShape1BlinkLine = 43;  // 1: picture 1 blinks
constexpr int kMonitorFlagLine = 66;  // 1: the picture follows the monitored bit; 0: never the ON picture

}  // namespace

void RefreshBitButton(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    const PartConfig& config = context.current.config;
    if (int entry = context.lists.RegisterPart(kBitButton, &part)) {
        PartList& list = context.lists.List(kBitButton);
        list.valueA[static_cast<std::size_t>(entry)] = config.Number(kShape0BlinkLine);
        list.valueB[static_cast<std::size_t>(entry)] = config.Number(kShape1BlinkLine);
    }

    EvaluateValue(context, kBitButton);
    if (!IsShown(context)) {
        ShowPicture(part, 0, false);
        ShowPicture(part, 1, false);
        return;
    }

    const std::uint8_t bit = ValueBytes(context)[0];
    if (bit == 1 && config.Number(kMonitorFlagLine) == 1) {
        ShowPicture(part, 1, true);
        ShowPicture(part, 0, false);
    } else if (bit == 0 || bit == 1) {
        ShowPicture(part, 0, true);
        ShowPicture(part, 1, false);
    }
    // Any other byte is no bit: the pictures stay as they are.
}

}  // namespace sim
