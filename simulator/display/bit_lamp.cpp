// Bit lamp (type 14): picture 0 while the lamp is OFF, picture 1 while it is ON. The lamp state of each
// list entry is kept for the blink pass, which blinks only the picture the lamp shows.

#include "simulator/display/handler_steps.h"

namespace sim {

namespace {

constexpr int kBitLamp = 14;

// Configuration lines the display side reads.
constexpr int kBitSourceLine = 18;    // 0 the bit itself, 1 a bit of a 16-bit word, 2 of a 32-bit word
constexpr int kBitNumberLine = 19;    // bit number within the word, 0 = least significant
constexpr int kShape0BlinkLine = 29;  // 1: picture 0 blinks while the lamp is OFF
constexpr int kShape1BlinkLine = 43;  // 1: picture 1 blinks while the lamp is ON

enum BitSource { kBitItself = 0, kBitOfWord = 1, kBitOfDWord = 2 };

// The lamp state a hidden lamp leaves in its entry: it shows no picture, so none of them blinks.
constexpr std::int32_t kHiddenLampState = -1;

std::int32_t LampState(const PartConfig& config, const std::array<std::uint8_t, 4>& value) {
    // The shift count is taken modulo 32, as a negative or large bit number wraps on the panel.
    const unsigned shift = static_cast<std::uint32_t>(config.Number(kBitNumberLine)) & 31u;
    const std::uint32_t word = value[0] | (value[1] << 8);
    const std::uint32_t dword = word | (value[2] << 16) | (static_cast<std::uint32_t>(value[3]) << 24);
    switch (config.Number(kBitSourceLine)) {
        case kBitItself:
            return static_cast<std::int8_t>(value[0]);
        case kBitOfWord:
            return static_cast<std::int32_t>((word >> shift) & 1u);
        case kBitOfDWord:
            return static_cast<std::int32_t>((dword >> shift) & 1u);
        default:
            return 0;
    }
}

}  // namespace

void RefreshBitLamp(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    const PartConfig& config = context.current.config;
    EvaluateValue(context, kBitLamp);
    const bool shown = IsShown(context);

    PartList& list = context.lists.List(kBitLamp);
    const int entry = context.lists.RegisterPart(kBitLamp, &part);
    const auto at = static_cast<std::size_t>(entry);
    if (entry) {
        list.valueA[at] = config.Number(kShape0BlinkLine);
        list.valueB[at] = config.Number(kShape1BlinkLine);
    }

    if (!shown) {
        if (entry) list.valueC[at] = kHiddenLampState;
        ShowPicture(part, 0, false);
        ShowPicture(part, 1, false);
        return;
    }

    const std::int32_t state = LampState(config, ValueBytes(context));
    if (entry) list.valueC[at] = state;
    if (state == 0 || state == 1) {
        ShowPicture(part, state, true);
        ShowPicture(part, 1 - state, false);
    }
    // Any other state (a bit byte that is no bit) leaves the pictures as they are.
}

}  // namespace sim
