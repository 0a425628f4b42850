#include "simulator/operate/parts/value_entry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "simulator/memory/data_format.h"
#include "simulator/memory/evaluate_part.h"
#include "simulator/operate/parts/keyboard_launch.h"
#include "simulator/shell/panel/panel.h"

namespace sim {
namespace {

constexpr int kFloat = 6;

// Configuration lines of the word switch (type 2).
enum WordSwitchLine {
    kWsNotifyValue = 11,
    kWsNotifyOn = 15,
    kWsNotifyGroup = 21,
    kWsFunction = 41,
    kWsDataType = 42,
    kWsConstant = 43,
    kWsMinimum = 44,
    kWsMaximum = 45,
    kWsFractionDigits = 47,
    kWsWriteGroup = 52,
};
enum WordSwitchFunction { kSetConstant = 0, kEnterValue = 1, kEnterPassword = 2, kAdd = 3, kSubtract = 4 };

// Configuration lines of the numeric input (type 12).
enum NumericInputLine {
    kNiDataType = 15,
    kNiDisplayType = 16,
    kNiWriteGroup = 19,
    kNiFractionDigits = 32,
    kNiScalingOn = 35,
    kNiGain = 36,
    kNiOffset = 37,
    kNiLowerLimit = 38,
    kNiUpperLimit = 39,
    kNiRangeCheck = 40,
    kNiLimitsFromRegisters = 41,
    kNiNotifyOn = 61,
    kNiNotifyGroup = 62,
    kNiNotifyValue = 67,
};
constexpr std::int32_t kScratchLowerLimit = 5, kScratchUpperLimit = 9;

// Configuration lines of the ASCII input (type 13).
enum AsciiInputLine {
    kAiNotifyValue = 11,
    kAiNotifyOn = 15,
    kAiNotifyGroup = 21,
    kAiWriteGroup = 34,
    kAiMaxLength = 44,
    kAiByteOrder = 51,
};

double Fraction(std::string_view text) {
    return std::strtod(std::string(text).c_str(), nullptr);
}

double Pow10(int d) {
    return std::pow(10.0, std::clamp(d, 0, 9));
}

// The part's write address, resolved, and the PLC target an online write goes to.
struct WriteTarget {
    RegisterAddress address;
    PlcTarget plc;
};

WriteTarget ResolveWrite(Panel& panel, int firstLine) {
    AddressGroup group = ReadAddressGroup(panel.CurrentConfig(), firstLine);
    RegisterAddress address = panel.Access().Resolve(group);
    return {address, {group.registerName, address.index, group.station, group.link}};
}

// The PLC half of a part's notification: one bit write, queued only online.
void QueueNotification(Panel& panel, int onLine, int groupLine, int valueLine) {
    const PartConfig& config = panel.CurrentConfig();
    if (config.Number(onLine) != 1) return;
    AddressGroup group = ReadAddressGroup(config, groupLine);
    std::int32_t index = panel.Access().ResolveIndex(group.registerName, group.addressText, group.link);
    panel.Access().QueueBit(group.link, group.station, group.registerName, index,
                            config.Number(valueLine) != 0);
}

void WriteNumber(Panel& panel, const WriteTarget& target, double value, int dataType, bool integerAlready) {
    if (dataType == kFloat) {
        panel.Access().WriteFloat(target.address.area, target.address.index, static_cast<float>(value),
                                  &target.plc);
        return;
    }
    auto raw =
        integerAlready ? static_cast<std::int64_t>(value) : static_cast<std::int64_t>(std::trunc(value));
    panel.Access().WriteValue(target.address.area, target.address.index, raw, dataType, &target.plc);
}

void ClearSelection(Panel& panel) {
    if (engine::Page* page = panel.View().CurrentPage()) page->GetSelection().Clear();
}

}  // namespace

DataTypeLimits LimitsOf(int dataType) {
    switch (dataType) {
        case 1:
            return {0, 4294967295.0};
        case 2:
            return {-32768, 32767};
        case 3:
            return {-2147483647, 2147483647};
        case 4:
            return {0, 9999};
        case 5:
            return {0, 99999999};
        case kFloat:
            return {-1000000000, 1000000000};
        default:
            return {0, 65535};
    }
}

std::uint32_t EncodeBcd(std::int64_t value) {
    if (value < 0) return 0;
    std::uint32_t bcd = 0;
    for (int shift = 0; value > 0 && shift < 32; shift += 4, value /= 10)
        bcd |= static_cast<std::uint32_t>(value % 10) << shift;
    return bcd;
}

std::int64_t IntegerOfEntry(double value, int fractionDigits, int dataType) {
    std::int64_t r = std::llround(value * Pow10(fractionDigits));
    return dataType == 4 || dataType == 5 ? EncodeBcd(r) : r;
}

std::vector<std::uint8_t> WriteTextValue(PanelMemory& memory, const std::string& area, std::int32_t firstWord,
                                         const std::string& text, char byteOrder, std::int32_t maxLength) {
    auto found = AreaFromName(area);
    std::vector<std::uint8_t> bytes(static_cast<size_t>(std::max(0, maxLength)), 0);
    size_t n = std::min(text.size(), bytes.size());
    for (size_t i = 0; i < n; ++i) {
        // Byte order "1" swaps each pair; an odd last character still goes to its word's high byte.
        size_t at = byteOrder == '1' ? (i % 2 == 0 ? i + 1 : i - 1) : i;
        if (at < bytes.size()) bytes[at] = static_cast<std::uint8_t>(text[i]);
    }
    if (found && Info(*found).kind == AreaKind::Word)
        memory.CopyIn(*found, 2 * static_cast<std::int64_t>(firstWord), bytes);
    return bytes;
}

void PressWordSwitch(Panel& panel, engine::DrawObject&) {
    const PartConfig& config = panel.CurrentConfig();
    NumericEntry& entry = panel.Entry().numeric;
    WriteTarget target = ResolveWrite(panel, kWsWriteGroup);
    int t = config.Number(kWsDataType);
    entry.dataType = t;
    auto notify = [&] {
        panel.WriteNotification(config.Number(kWsNotifyOn), ReadAddressGroup(config, kWsNotifyGroup),
                                config.Number(kWsNotifyValue));
    };
    auto limit = [&](int line) { return t == kFloat ? Fraction(config.Text(line)) : config.Number(line); };
    int function = config.Number(kWsFunction);
    switch (function) {
        case kSetConstant: {
            double constant = t == kFloat          ? Fraction(config.Text(kWsConstant))
                              : (t == 4 || t == 5) ? EncodeBcd(config.Number(kWsConstant))
                                                   : config.Number(kWsConstant);
            WriteNumber(panel, target, constant, t, true);
            notify();
            break;
        }
        case kEnterValue:
        case kEnterPassword: {
            entry.lowerLimit = limit(kWsMinimum);
            entry.upperLimit = limit(kWsMaximum);
            entry.fractionDigits = function == kEnterPassword ? 0 : config.Number(kWsFractionDigits);
            entry.active = 1;
            OpenNumericKeyboard(panel);
            if (panel.Entry().EntryAccepted == 1) {
                notify();
                panel.Entry().EntryAccepted = 0;
                double v = entry.result;
                WriteNumber(panel, target, t == kFloat ? v : IntegerOfEntry(v, entry.fractionDigits, t), t,
                            true);
            }
            entry.active = 0;
            break;
        }
        case kAdd:
        case kSubtract: {
            std::uint8_t bytes[4] = {};
            panel.Memory().CopyOut(Area::ValueScratch, kScratchValue, std::span<std::uint8_t>(bytes, 4));
            double current = DecodeValue(t, bytes);
            double step = limit(kWsConstant);
            double n = function == kAdd ? std::min(current + step, limit(kWsMaximum))
                                        : std::max(current - step, limit(kWsMinimum));
            if (t != kFloat) n = std::trunc(n);
            if (t == 4 || t == 5) n = EncodeBcd(static_cast<std::int64_t>(n));
            WriteNumber(panel, target, n, t, true);
            notify();
            break;
        }
        default:
            break;
    }
    QueueNotification(panel, kWsNotifyOn, kWsNotifyGroup, kWsNotifyValue);
    ClearSelection(panel);
}

void PressNumericInput(Panel& panel, engine::DrawObject&) {
    const PartConfig& config = panel.CurrentConfig();
    NumericEntry& entry = panel.Entry().numeric;
    int t = config.Number(kNiDataType);
    bool scaling = config.Number(kNiScalingOn) == 1;
    double gain = Fraction(config.Text(kNiGain)), offset = Fraction(config.Text(kNiOffset));
    if (scaling && gain == 0) scaling = false;  // a gain of 0 could not be undone on the way back
    int d = (t == 0 || t == 1) && (config.Number(kNiDisplayType) == 1 || config.Number(kNiDisplayType) == 2)
                ? 0
                : config.Number(kNiFractionDigits);

    int rangeCheck = config.Number(kNiRangeCheck);
    if (rangeCheck == 1 && config.Number(kNiLimitsFromRegisters) == 1) {
        entry.lowerLimit = panel.Memory().ScratchValue(kScratchLowerLimit, t);
        entry.upperLimit = panel.Memory().ScratchValue(kScratchUpperLimit, t);
    } else if (rangeCheck == 1) {
        entry.lowerLimit = Fraction(config.Text(kNiLowerLimit));
        entry.upperLimit = Fraction(config.Text(kNiUpperLimit));
    } else if (rangeCheck == 0) {
        entry.lowerLimit = LimitsOf(t).lower;
        entry.upperLimit = LimitsOf(t).upper;
    }
    if (scaling) {
        // The keyboard takes shown values: raw x gain + offset, in the same units of 10^-d as the raw.
        double shownOffset = t == kFloat ? offset : offset * Pow10(d);
        entry.lowerLimit = entry.lowerLimit * gain + shownOffset;
        entry.upperLimit = entry.upperLimit * gain + shownOffset;
        if (gain < 0) std::swap(entry.lowerLimit, entry.upperLimit);
    }
    entry.dataType = t;
    entry.active = 1;
    entry.fractionDigits = d;
    WriteTarget target = ResolveWrite(panel, kNiWriteGroup);

    OpenNumericKeyboard(panel);
    if (panel.Entry().EntryAccepted == 1) {
        double v = entry.result;
        if (t == kFloat) {
            WriteNumber(panel, target, scaling ? (v - offset) / gain : v, t, false);
        } else {
            // The raw value the display shows as the entered one: raw / 10^d x gain + offset = v.
            double r = static_cast<double>(std::llround(v * Pow10(d)));
            if (scaling) r = std::trunc((r - offset * Pow10(d)) / gain);
            std::int64_t raw = static_cast<std::int64_t>(r);
            WriteNumber(panel, target, static_cast<double>(t == 4 || t == 5 ? EncodeBcd(raw) : raw), t, true);
        }
    }
    QueueNotification(panel, kNiNotifyOn, kNiNotifyGroup, kNiNotifyValue);
    entry.active = 0;
    ClearSelection(panel);
}

void PressAsciiInput(Panel& panel, engine::DrawObject&) {
    const PartConfig& config = panel.CurrentConfig();
    EntryState& entry = panel.Entry();
    entry.AsciiEntryLength =
        std::clamp(config.Number(kAiMaxLength), 0, static_cast<int>(WriteRequest::kDataBytes));
    WriteTarget target = ResolveWrite(panel, kAiWriteGroup);
    std::string_view order = config.Text(kAiByteOrder);
    char byteOrder = order == "1" ? '1' : '0';

    bool ended = OpenAsciiKeyboard(panel) || OpenAsciiSymbolPage(panel);
    if (ended && entry.EntryAccepted == 1) {
        std::vector<std::uint8_t> bytes =
            WriteTextValue(panel.Memory(), target.address.area, target.address.index, entry.AsciiEntryText,
                           byteOrder, entry.AsciiEntryLength);
        if (panel.Online()) {
            WriteRequest request;
            if (request.SetArea(target.plc.registerName)) {
                request.address = target.address.index;
                request.station = target.plc.station;
                request.plcNumber = target.plc.link;
                request.count = (entry.AsciiEntryLength + 1) / 2;
                std::memcpy(request.data.data(), bytes.data(), bytes.size());
                panel.Queue().Append(request);
            }
        }
    }
    QueueNotification(panel, kAiNotifyOn, kAiNotifyGroup, kAiNotifyValue);
    ClearSelection(panel);
}

}  // namespace sim
