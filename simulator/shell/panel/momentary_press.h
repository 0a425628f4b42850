#pragma once
// A momentary bit press: the bit a switch holds while the button is down, and what to write back when
// it is let go. Set by the bit switch's touch handler; the left-button release ends it.

#include <cstdint>
#include <string>

namespace engine {
class DrawObject;
}

namespace sim {

struct MomentaryBit {
    std::string area;  // panel bit area the bit lives in ("L" also for "AR" and "CR")
    std::int32_t index = 0;
    std::string registerName;  // as configured, for the online write
    std::int32_t station = 0;
    std::int32_t link = 0;
};

struct MomentaryPress {
    bool pending = false;
    engine::DrawObject* part = nullptr;
    int partType = 0;
    MomentaryBit bit;
    bool hasSecondBit = false;
    MomentaryBit secondBit;
    bool releaseValue = false;
};

}  // namespace sim
