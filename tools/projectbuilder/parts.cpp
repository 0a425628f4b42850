#include "tools/projectbuilder/parts.h"

#include "tools/projectbuilder/part_lines.h"

namespace projectbuilder {

namespace {

// The blink lines of one picture: first colour, blink flag, second colour.
struct BlinkLines {
    int firstColor, flag, secondColor;
};
constexpr BlinkLines kLampOffBlink{28, 29, 12};
constexpr BlinkLines kLampOnBlink{42, 43, 16};
constexpr BlinkLines kBitSwitchOffBlink{28, 29, 60};
constexpr BlinkLines kBitSwitchOnBlink{42, 43, 64};
constexpr BlinkLines kWordSwitchBlink{28, 29, 49};
constexpr BlinkLines kButtonBlink{28, 29, 43};  // types 3, 4, 78

// Bit lamp (type 14).
constexpr int kLampBitSource = 18, kLampBitNumber = 19, kLampGroup = 20;
// Multistate lamp and switch (types 15, 6): state count, word size, shown word.
constexpr int kStateCount = 522, kStateWordSize = 523, kStateGroup = 525;
constexpr int kMultistateSwitchWriteGroup = 531;
// Bit switch (type 1): function, monitor flag, monitor equals write, write and monitor groups.
constexpr int kBitSwitchFunction = 65, kBitSwitchMonitor = 66, kBitSwitchSameMonitor = 67,
              kBitSwitchWriteGroup = 68, kBitSwitchMonitorGroup = 73;
// Word switch (type 2).
constexpr int kWordFunction = 41, kWordDataType = 42, kWordConstant = 43, kWordMinimum = 44,
              kWordMaximum = 45, kWordFractionDigits = 47, kWordWriteGroup = 52;
// Screen switch (type 3) and function key (type 4).
constexpr int kScreenFunction = 45, kScreenTarget = 46;
constexpr int kFunctionCode = 45;
// Combination key (type 78): action count, then action k at 46 + 6k (type), 49 + 6k (value),
// 51 + 6k (mode) and its address group at 94 + 5k.
constexpr int kActionCount = 45, kActionType = 46, kActionValue = 49, kActionMode = 51, kActionStride = 6,
              kActionGroup = 94, kActionGroupStride = 5, kMaxActions = 8;

void BlinkPictureLines(ConfigLines& lines, const BlinkLines& at, const Picture& picture, bool blink) {
    lines.Set(at.firstColor, picture.backColor).Set(at.secondColor, picture.textColor);
    lines.Set(at.flag, blink ? 1 : 0);
}

std::unique_ptr<engine::DrawObject> Finish(const PartFrame& frame, int type,
                                           std::span<const Picture> pictures, ConfigLines& lines) {
    return FinishPart(frame, type, pictures, lines);
}

void StateLines(ConfigLines& lines, std::size_t count, int wordSize, const Address& address) {
    lines.Set(kStateCount, static_cast<long long>(count)).Set(kStateWordSize, wordSize);
    Group(lines, kStateGroup, address);
}

}  // namespace

std::unique_ptr<engine::DrawObject> BitLamp(const BitLampOptions& o) {
    ConfigLines lines;
    lines.Set(kLampBitSource, o.bitSource).Set(kLampBitNumber, o.bitNumber);
    Group(lines, kLampGroup, o.address);
    BlinkPictureLines(lines, kLampOffBlink, o.off, o.blinkOff);
    BlinkPictureLines(lines, kLampOnBlink, o.on, o.blinkOn);
    const Picture pictures[] = {o.off, o.on};
    return Finish(o.frame, kBitLamp, pictures, lines);
}

std::unique_ptr<engine::DrawObject> MultistateLamp(const MultistateLampOptions& o) {
    ConfigLines lines;
    StateLines(lines, o.pictures.size(), o.wordSize, o.address);
    return Finish(o.frame, kMultistateLamp, o.pictures, lines);
}

std::unique_ptr<engine::DrawObject> BitSwitch(const BitSwitchOptions& o) {
    using O = BitSwitchOptions;
    ConfigLines lines;
    lines.Set(kBitSwitchFunction, o.function);
    lines.Set(kBitSwitchMonitor, o.monitor == O::kNoMonitor ? 0 : 1);
    lines.Set(kBitSwitchSameMonitor, o.monitor == O::kMonitorWriteAddress ? 1 : 0);
    Group(lines, kBitSwitchWriteGroup, o.write);
    // The monitored bit takes its link from the monitor group even when it is the write address, so
    // the group repeats the write address then.
    Group(lines, kBitSwitchMonitorGroup,
          o.monitor == O::kMonitorOther ? o.monitorAddress
          : o.monitor == O::kNoMonitor  ? Address{}
                                        : o.write);
    BlinkPictureLines(lines, kBitSwitchOffBlink, o.off, o.blinkOff);
    BlinkPictureLines(lines, kBitSwitchOnBlink, o.on, o.blinkOn);
    TouchConditionLines(lines, o.touch, kButtonTouch, o.frame.name);
    const Picture pictures[] = {o.off, o.on};
    return Finish(o.frame, kBitSwitch, pictures, lines);
}

std::unique_ptr<engine::DrawObject> WordSwitch(const WordSwitchOptions& o) {
    ConfigLines lines;
    lines.Set(kWordFunction, o.function).Set(kWordDataType, o.dataType).Set(kWordConstant, o.constant);
    lines.Set(kWordMinimum, o.minimum)
        .Set(kWordMaximum, o.maximum)
        .Set(kWordFractionDigits, o.fractionDigits);
    Group(lines, kWordWriteGroup, o.write);
    BlinkPictureLines(lines, kWordSwitchBlink, o.face, o.blink);
    TouchConditionLines(lines, o.touch, kButtonTouch, o.frame.name);
    return Finish(o.frame, kWordSwitch, std::span(&o.face, 1), lines);
}

std::unique_ptr<engine::DrawObject> ScreenSwitch(const ScreenSwitchOptions& o) {
    ConfigLines lines;
    lines.Set(kScreenFunction, o.function).Set(kScreenTarget, o.target);
    BlinkPictureLines(lines, kButtonBlink, o.face, o.blink);
    TouchConditionLines(lines, o.touch, kButtonTouch, o.frame.name);
    return Finish(o.frame, kScreenSwitch, std::span(&o.face, 1), lines);
}

std::unique_ptr<engine::DrawObject> FunctionKey(const FunctionKeyOptions& o) {
    ConfigLines lines;
    lines.Set(kFunctionCode, o.function);
    BlinkPictureLines(lines, kButtonBlink, o.face, o.blink);
    TouchConditionLines(lines, o.touch, kButtonTouch, o.frame.name);
    return Finish(o.frame, kFunctionKey, std::span(&o.face, 1), lines);
}

std::unique_ptr<engine::DrawObject> MultistateSwitch(const MultistateSwitchOptions& o) {
    ConfigLines lines;
    StateLines(lines, o.pictures.size(), o.wordSize, o.address);
    Group(lines, kMultistateSwitchWriteGroup, o.address);
    TouchConditionLines(lines, o.touch, kMultistateSwitchTouch, o.frame.name);
    return Finish(o.frame, kMultistateSwitch, o.pictures, lines);
}

std::unique_ptr<engine::DrawObject> CombinationKey(const CombinationKeyOptions& o) {
    Require(o.actions.size() <= kMaxActions,
            o.frame.name + ": a combination key runs at most " + std::to_string(kMaxActions) + " actions");
    ConfigLines lines;
    lines.Set(kActionCount, static_cast<long long>(o.actions.size()));
    for (std::size_t k = 0; k < o.actions.size(); ++k) {
        const CombinationAction& action = o.actions[k];
        const int step = kActionStride * static_cast<int>(k);
        lines.Set(kActionType + step, action.type).Set(kActionValue + step, action.value);
        lines.Set(kActionMode + step, action.mode);
        Group(lines, kActionGroup + kActionGroupStride * static_cast<int>(k), action.address);
    }
    BlinkPictureLines(lines, kButtonBlink, o.face, o.blink);
    TouchConditionLines(lines, o.touch, kCombinationKeyTouch, o.frame.name);
    return Finish(o.frame, kCombinationKey, std::span(&o.face, 1), lines);
}

}  // namespace projectbuilder
