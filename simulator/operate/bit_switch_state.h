#pragma once
// What the bit switches keep between touches: the one switch state all of them share and what a
// momentary press leaves for its release. Owned by the panel for the whole run.

#include <cstdint>
#include <string>

namespace engine {
class DrawObject;
}

namespace sim {

struct MomentaryHold {
    bool pending = false;  // from a momentary press until the next left-button release
    std::int32_t writeIndex = 0;
    std::int32_t monitorIndex = 0;
    std::string writeArea;      // panel area of the write address
    std::string monitorArea;    // panel area of the monitor address
    std::string writeRegister;  // the write address's register name as configured, for the PLC
    std::int32_t identical = 0;    // 1: the monitor address is the write address
    std::int32_t monitorFlag = 0;  // 1: the switch shows its ON picture for a set bit
    engine::DrawObject* part = nullptr;
    std::int32_t device = 0, station = 0;  // set by a press in online mode
};

struct BitSwitchState {
    std::uint8_t SwitchState = 0;  // the value every press writes, shared by all bit switches
    MomentaryHold hold;
};

}  // namespace sim
