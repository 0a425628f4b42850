#include "tools/projectbuilder/display_parts.h"

#include <stdexcept>

#include "engine/pnl/codepage.h"
#include "tools/projectbuilder/part_lines.h"

namespace projectbuilder {

namespace {

// The lines of a number's settings, by part type.
struct NumberLines {
    int dataType, displayType, totalDigits, fractionDigits, scaling, gain, offset, padding;
};
constexpr NumberLines kDisplayNumber{14, 15, 22, 23, 24, 27, 28, 50};
constexpr NumberLines kInputNumber{15, 16, 31, 32, 35, 36, 37, 68};

// Numeric display: value group, range colour lines.
constexpr int kDisplayValueGroup = 16;
constexpr int kRangeOn = 25, kLimitSource = 26, kLowLimit = 29, kHighLimit = 30, kLowGroup = 35,
              kHighGroup = 40, kHighText = 31, kHighBack = 32, kLowText = 33, kLowBack = 34, kNormalText = 48,
              kNormalBack = 45;
// Numeric input: write group, monitor flag and group.
constexpr int kInputWriteGroup = 19, kInputMonitor = 24, kInputMonitorGroup = 25;
// Numeric input: range check, constant limits, limits from registers and their groups.
constexpr int kInputLowerLimit = 38, kInputUpperLimit = 39, kInputRangeCheck = 40,
              kInputLimitsFromRegisters = 41, kInputLowerGroup = 42, kInputUpperGroup = 47;
// Character display and input: register group, length, byte order; the input's monitor flag.
constexpr int kAsciiDisplayGroup = 16, kAsciiDisplayLength = 21, kAsciiDisplayOrder = 26;
constexpr int kAsciiInputGroup = 34, kAsciiInputLength = 44, kAsciiInputMonitor = 45, kAsciiInputOrder = 51;
// Message display: count, value width, value group, then five lines per message from 22.
constexpr int kMessageCount = 15, kMessageWidth = 16, kMessageGroup = 17, kFirstMessage = 22,
              kMessageStride = 5;
constexpr int kMaxMessages = 129;  // the last message's lines end within the part's 670 lines

void NumberFormatLines(ConfigLines& lines, const NumberLines& at, const NumberFormat& format) {
    lines.Set(at.dataType, format.dataType).Set(at.displayType, format.displayType);
    lines.Set(at.totalDigits, format.totalDigits).Set(at.fractionDigits, format.fractionDigits);
    lines.Set(at.scaling, format.scaling ? 1 : 0).Set(at.gain, format.gain).Set(at.offset, format.offset);
    lines.Set(at.padding, format.padding);
}

std::unique_ptr<engine::DrawObject> Finish(const PartFrame& frame, int type,
                                           std::span<const Picture> pictures, ConfigLines& lines) {
    return FinishPart(frame, type, pictures, lines);
}

}  // namespace

std::unique_ptr<engine::DrawObject> NumericDisplay(const NumericDisplayOptions& o) {
    ConfigLines lines;
    Group(lines, kDisplayValueGroup, o.address);
    NumberFormatLines(lines, kDisplayNumber, o.format);
    const RangeColours& r = o.range;
    lines.Set(kRangeOn, r.enabled ? 1 : 0).Set(kLimitSource, r.fromRegisters ? 1 : 0);
    lines.Set(kLowLimit, r.low).Set(kHighLimit, r.high);
    if (r.fromRegisters) {
        Group(lines, kLowGroup, r.lowRegister);
        Group(lines, kHighGroup, r.highRegister);
    }
    lines.Set(kHighText, r.highText).Set(kHighBack, r.highBack).Set(kLowText, r.lowText);
    lines.Set(kLowBack, r.lowBack).Set(kNormalText, r.normalText).Set(kNormalBack, r.normalBack);
    const Picture pictures[] = {o.face, Picture{}};
    return Finish(o.frame, kNumericDisplay, pictures, lines);
}

std::unique_ptr<engine::DrawObject> NumericInput(const NumericInputOptions& o) {
    ConfigLines lines;
    Group(lines, kInputWriteGroup, o.write);
    lines.Set(kInputMonitor, o.monitor ? 1 : 0);
    if (o.monitor) Group(lines, kInputMonitorGroup, o.monitorAddress);
    NumberFormatLines(lines, kInputNumber, o.format);
    lines.Set(kInputRangeCheck, o.limits.check ? 1 : 0)
        .Set(kInputLimitsFromRegisters, o.limits.fromRegisters ? 1 : 0);
    lines.Set(kInputLowerLimit, o.limits.lower).Set(kInputUpperLimit, o.limits.upper);
    if (o.limits.fromRegisters) {
        Group(lines, kInputLowerGroup, o.limits.lowerRegister);
        Group(lines, kInputUpperGroup, o.limits.upperRegister);
    }
    TouchConditionLines(lines, o.touch, kNumericInputTouch, o.frame.name);
    const Picture pictures[] = {o.face, Picture{}};
    return Finish(o.frame, kNumericInput, pictures, lines);
}

std::unique_ptr<engine::DrawObject> AsciiDisplay(const AsciiDisplayOptions& o) {
    Require(o.length >= 1, o.frame.name + ": a character display shows at least one byte");
    ConfigLines lines;
    Group(lines, kAsciiDisplayGroup, o.address);
    lines.Set(kAsciiDisplayLength, o.length).Set(kAsciiDisplayOrder, o.highByteFirst ? 1 : 0);
    const Picture pictures[] = {o.face, Picture{}};
    return Finish(o.frame, kAsciiDisplay, pictures, lines);
}

std::unique_ptr<engine::DrawObject> AsciiInput(const AsciiInputOptions& o) {
    Require(o.length >= 1, o.frame.name + ": a character input takes at least one byte");
    ConfigLines lines;
    Group(lines, kAsciiInputGroup, o.write);
    lines.Set(kAsciiInputLength, o.length).Set(kAsciiInputOrder, o.highByteFirst ? 1 : 0);
    lines.Set(kAsciiInputMonitor, o.monitor ? 1 : 0);
    TouchConditionLines(lines, o.touch, kButtonTouch, o.frame.name);
    const Picture pictures[] = {o.face, Picture{}};
    return Finish(o.frame, kAsciiInput, pictures, lines);
}

// Picture 0 shows the message; picture 1 is never shown: its text cell marks the home position.
std::unique_ptr<engine::DrawObject> MessageDisplay(const MessageDisplayOptions& o) {
    Require(!o.messages.empty() && o.messages.size() <= kMaxMessages,
            o.frame.name + ": a message display has 1 to " + std::to_string(kMaxMessages) + " messages");
    ConfigLines lines;
    lines.Set(kMessageCount, static_cast<long long>(o.messages.size())).Set(kMessageWidth, o.valueWidth);
    Group(lines, kMessageGroup, o.address);
    for (std::size_t m = 0; m < o.messages.size(); ++m) {
        const MessageText& message = o.messages[m];
        Require(message.step >= 1, o.frame.name + ": a scroll step is at least 1 pixel");
        const int at = kFirstMessage + kMessageStride * static_cast<int>(m);
        lines.Set(at, message.fontSize).Set(at + 1, message.textColor);
        lines.Set(at + 2, engine::Utf8ToCodePage(message.text));
        lines.Set(at + 3, message.scrolling).Set(at + 4, message.step - 1);
    }
    const MessageText& first = o.messages.front();
    const Picture pictures[] = {{.text = first.text,
                                 .backColor = o.backColor,
                                 .textColor = first.textColor,
                                 .fontSize = first.fontSize},
                                Picture{}};
    return Finish(o.frame, kMessageDisplay, pictures, lines);
}

}  // namespace projectbuilder
