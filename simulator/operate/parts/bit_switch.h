#pragma once
// The bit switch (part type 1): one touch sets, resets, inverts or holds a bit of panel or PLC
// memory; the left-button release ends a momentary hold.

namespace engine {
class DrawObject;
}

namespace sim {

class Panel;

// Touch handler of type 1; the dispatcher has loaded the part's lines and found it visible and
// available.
void PressBitSwitch(Panel& panel, engine::DrawObject& part);

// Release handler: ends a pending momentary press; does nothing otherwise.
void ReleaseMomentary(Panel& panel);

}  // namespace sim
