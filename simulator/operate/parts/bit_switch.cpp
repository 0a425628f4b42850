#include "simulator/operate/parts/bit_switch.h"

#include "simulator/memory/evaluate_part.h"
#include "simulator/memory/part_condition.h"
#include "simulator/shell/panel/panel.h"

namespace sim {
namespace {

// Configuration lines of the bit switch's touch side.
enum BitSwitchLine {
    kNotifyValue = 11,
    kNotifyOn = 15,
    kNotifyGroup = 21,
    kFunction = 65,
    kMonitorFlag = 66,
    kMonitorIsWrite = 67,
    kWriteGroup = 68,
    kMonitorGroup = 73,
};

enum Function { kSetOn = 0, kSetOff = 1, kMomentary = 2, kInvert = 3 };

// Writes `value` into the bit `index` of the panel area `area`; names that are no bit area ("D", "")
// write nothing. "AR" and "CR" are kept in "L", on the press as on the release.
void WriteBit(PanelMemory& memory, const std::string& area, std::int32_t index, bool value) {
    auto found = AreaFromName(area);
    if (found && Info(*found).kind == AreaKind::Bit) memory.WriteBit(*found, index, value);
}

// The OFF picture "SHAPE0" and the ON picture "SHAPE1": hidden parts show neither, a set bit shows ON
// only on a switch with a monitor. The shown picture is set first.
void ShowPictures(engine::DrawObject& part, bool visible, bool state, bool monitorFlag) {
    if (!visible) {
        part.SetProperty("SHAPE0.visible", false);
        part.SetProperty("SHAPE1.visible", false);
    } else if (state && monitorFlag) {
        part.SetProperty("SHAPE1.visible", true);
        part.SetProperty("SHAPE0.visible", false);
    } else {
        part.SetProperty("SHAPE0.visible", true);
        part.SetProperty("SHAPE1.visible", false);
    }
}

// Reloads the part and decides its visibility; ValueScratch then holds its monitored bit.
bool Reevaluate(Panel& panel, engine::DrawObject& part) {
    panel.LoadPart(&part);
    EvaluatePart(1, panel.CurrentConfig(), panel.Access(), panel.Evaluation());
    return PartCondition(panel.CurrentConfig(), panel.Access()) == 1;
}

// One bit write for the PLC, online only (the queue refuses it offline).
void QueueBitWrite(Panel& panel, const std::string& area, std::int32_t index, std::int32_t station,
                   std::int32_t device, bool value) {
    panel.Access().QueueBit(device, station, area, index, value);
}

}  // namespace

void PressBitSwitch(Panel& panel, engine::DrawObject& part) {
    panel.LoadPart(&part);
    const PartConfig& config = panel.CurrentConfig();
    ValueAccess& access = panel.Access();
    BitSwitchState& state = panel.BitSwitches();
    MomentaryHold& hold = state.hold;

    AddressGroup write = ReadAddressGroup(config, kWriteGroup);
    AddressGroup monitor = ReadAddressGroup(config, kMonitorGroup);
    int monitorFlag = config.Number(kMonitorFlag), identical = config.Number(kMonitorIsWrite);
    RegisterAddress written = access.Resolve(write);
    std::int32_t monitorIndex = 0;
    std::string monitorArea = access.ResolveArea(monitor.registerName, monitor.link);
    if (monitorFlag == 1)
        monitorIndex = identical == 1
                           ? written.index
                           : access.ResolveIndex(monitor.registerName, monitor.addressText, monitor.link);

    switch (config.Number(kFunction)) {
        case kSetOn:
            state.SwitchState = 1, hold.pending = false;
            break;
        case kSetOff:
            state.SwitchState = 0, hold.pending = false;
            break;
        case kMomentary:
            state.SwitchState = 1;
            hold.pending = true;
            hold.writeIndex = written.index;
            hold.monitorIndex = monitorIndex;
            hold.writeArea = written.area;
            hold.monitorArea = monitorArea;
            hold.writeRegister = write.registerName;
            hold.identical = identical;
            hold.monitorFlag = monitorFlag;
            break;
        case kInvert:
            hold.pending = false, state.SwitchState = state.SwitchState == 0 ? 1 : 0;
            break;
        default:
            break;  // an unknown function writes the switch state as it is
    }
    bool value = state.SwitchState != 0;
    WriteBit(panel.Memory(), written.area, written.index, value);
    if (monitorFlag == 1 && identical == 1) WriteBit(panel.Memory(), monitorArea, monitorIndex, value);

    hold.part = &part;
    ShowPictures(part, Reevaluate(panel, part), value, monitorFlag == 1);

    if (panel.Online()) {
        // Press and release both name the register as configured: the PLC driver knows its own names.
        QueueBitWrite(panel, write.registerName, written.index, write.station, write.link, value);
        hold.device = write.link;
        hold.station = write.station;
        if (panel.CurrentConfig().Number(kNotifyOn) == 1) {
            AddressGroup notify = ReadAddressGroup(panel.CurrentConfig(), kNotifyGroup);
            std::int32_t index = access.ResolveIndex(notify.registerName, notify.addressText, notify.link);
            QueueBitWrite(panel, notify.registerName, index, notify.station, notify.link,
                          panel.CurrentConfig().Number(kNotifyValue) != 0);
        }
    }
    if (engine::Page* page = panel.View().CurrentPage()) page->GetSelection().Clear();
}

void ReleaseMomentary(Panel& panel) {
    BitSwitchState& state = panel.BitSwitches();
    MomentaryHold& hold = state.hold;
    if (!hold.pending) return;
    hold.pending = false;
    state.SwitchState = 0;
    WriteBit(panel.Memory(), hold.writeArea, hold.writeIndex, false);
    if (hold.identical == 1) WriteBit(panel.Memory(), hold.monitorArea, hold.monitorIndex, false);
    if (panel.Online())
        QueueBitWrite(panel, hold.writeRegister, hold.writeIndex, hold.station, hold.device, false);
    if (!hold.part) return;
    bool visible = Reevaluate(panel, *hold.part);
    bool monitored = panel.Memory().ScratchValue(kScratchValue, 7) != 0;
    ShowPictures(*hold.part, visible, monitored, hold.monitorFlag == 1);
}

}  // namespace sim
