// Multistate lamp (type 15) and the display side of the multistate switch (type 6): the value, clamped
// to the number of states, picks the one picture shown.

#include <cstring>

#include "simulator/display/handler_steps.h"

namespace sim {

namespace {

// Configuration lines the display side reads.
constexpr int kStateCountLine = 522;  // number of states N
constexpr int kWordSizeLine = 523;    // 0 a 16-bit unsigned value, 1 a 32-bit signed value

enum WordSize { kWord16 = 0, kWord32 = 1 };

std::int64_t StateValue(const PartConfig& config, const std::array<std::uint8_t, 4>& bytes) {
    switch (config.Number(kWordSizeLine)) {
        case kWord16:
            return bytes[0] | (bytes[1] << 8);
        case kWord32: {
            std::int32_t value = 0;
            std::memcpy(&value, bytes.data(), sizeof value);  // little-endian, as the panel stores it
            return value;
        }
        default:
            return 0;
    }
}

// The picture for `value` among `states` pictures: clamped into 0..states-1; none (-1) without states.
int PictureFor(std::int64_t value, std::int32_t states) {
    if (states <= 0) return -1;
    if (value >= states) return states - 1;
    if (value < 0) return 0;
    return static_cast<int>(value);
}

}  // namespace

void RefreshMultistate(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    EvaluateValue(context, part.TypeCode());
    if (!IsShown(context)) {
        HideAllPictures(part);
        return;
    }

    const PartConfig& config = context.current.config;
    const int shownPicture =
        PictureFor(StateValue(config, ValueBytes(context)), config.Number(kStateCountLine));
    for (int picture = 0; picture < kPictureCount; ++picture)
        ShowPicture(part, picture, picture == shownPicture);
}

}  // namespace sim
