// Numeric display (type 16) and the display side of the numeric entry (type 12): the register value as
// a number with scaling, decimal point and padding; the display also colours itself by value range.

#include "simulator/display/handler_steps.h"
#include "simulator/display/number_text.h"
#include "simulator/display/text_displays.h"

namespace sim {

namespace {

constexpr int kNumericDisplay = 16;
constexpr int kNumericInput = 12;

// The configuration lines a type reads its number settings from.
struct NumberLines {
    int dataType, displayType, totalDigits, fractionDigits, scaling, gain, offset, padding;
};
constexpr NumberLines kDisplayLines{.dataType = 14,
                                    .displayType = 15,
                                    .totalDigits = 22,
                                    .fractionDigits = 23,
                                    .scaling = 24,
                                    .gain = 27,
                                    .offset = 28,
                                    .padding = 50};
constexpr NumberLines kInputLines{.dataType = 15,
                                  .displayType = 16,
                                  .totalDigits = 31,
                                  .fractionDigits = 32,
                                  .scaling = 35,
                                  .gain = 36,
                                  .offset = 37,
                                  .padding = 68};

// Numeric entry: with line 24 = 1 it shows its monitor register (read to the value bytes); otherwise
// it shows the register it writes, which is read to offset 13.
constexpr int kInputMonitorLine = 24;
constexpr std::int32_t kScratchInputValue = 13;

// Range colours of the numeric display.
constexpr int kRangeOnLine = 25;
constexpr int kLimitSourceLine = 26;  // 1: limits read from registers, otherwise the constants
constexpr int kLowLimitLine = 29, kHighLimitLine = 30;
constexpr int kLowLimitGroup = 35, kHighLimitGroup = 40;
constexpr std::int32_t kScratchLowLimit = 5, kScratchHighLimit = 9;
struct Colours {
    int textLine, backLine;
};
constexpr Colours kAtOrAboveHigh{31, 32}, kAtOrBelowLow{33, 34}, kInBetween{48, 45};

NumberSettings ReadSettings(const PartConfig& config, const NumberLines& at) {
    return {.dataType = config.Number(at.dataType),
            .displayType = config.Number(at.displayType),
            .totalDigits = config.Number(at.totalDigits),
            .fractionDigits = config.Number(at.fractionDigits),
            .scaling = config.Number(at.scaling) == 1,
            .gain = ParseDecimal(config.Text(at.gain)),
            .offset = ParseDecimal(config.Text(at.offset)),
            .padding = config.Number(at.padding)};
}

std::array<std::uint8_t, 4> ScratchBytes(DisplayContext& context, std::int32_t offset) {
    std::array<std::uint8_t, 4> bytes{};
    context.access.Memory().CopyOut(Area::ValueScratch, offset, bytes);
    return bytes;
}

// Zeroes the ValueScratch bytes offset .. offset + 3, so that a register that reads nothing shows 0
// rather than what another part left there.
void ClearScratch(DisplayContext& context, std::int32_t offset) {
    const std::array<std::uint8_t, 4> zero{};
    context.access.Memory().CopyIn(Area::ValueScratch, offset, zero);
}

// A limit: the constant line (a decimal fraction for floats), or the register of the address group
// read with the part's data type.
double Limit(DisplayContext& context, int dataType, int constantLine, int group, std::int32_t offset) {
    const PartConfig& config = context.current.config;
    if (config.Number(kLimitSourceLine) != 1)
        return dataType == kNumberFloat ? ParseDecimal(config.Text(constantLine))
                                        : config.Number(constantLine);
    ClearScratch(context, offset);
    context.access.ReadRegister(context.access.Resolve(ReadAddressGroup(config, group)), offset, dataType);
    return DecodeNumber(ScratchBytes(context, offset), dataType);
}

// The low test comes first, so it wins where the limits overlap.
void ShowRangeColours(DisplayContext& context, engine::DrawObject& part, int dataType, double value) {
    const PartConfig& config = context.current.config;
    if (config.Number(kRangeOnLine) != 1) return;
    const double low = Limit(context, dataType, kLowLimitLine, kLowLimitGroup, kScratchLowLimit);
    const double high = Limit(context, dataType, kHighLimitLine, kHighLimitGroup, kScratchHighLimit);
    const Colours& colours = value <= low ? kAtOrBelowLow : value >= high ? kAtOrAboveHigh : kInBetween;
    part.SetProperty("SHAPE0.txt1.fontcolor", config.Number(colours.textLine));
    part.SetProperty("SHAPE0.rc2.backColor", config.Number(colours.backLine));
}

void ShowText(engine::DrawObject& part, const std::string& text) {
    part.SetProperty("SHAPE0.txt1.text", text);
    ShowPicture(part, 0, true);
    ShowPicture(part, 1, false);
}

void HideText(engine::DrawObject& part) {
    ShowPicture(part, 0, false);
    ShowPicture(part, 1, false);
}

}  // namespace

void RefreshNumericDisplay(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    EvaluateValue(context, kNumericDisplay);
    if (!IsShown(context)) return HideText(part);

    const NumberSettings settings = ReadSettings(context.current.config, kDisplayLines);
    const ShownNumber number = ShowNumber(ValueBytes(context), settings);
    ShowRangeColours(context, part, settings.dataType, number.value);
    ShowText(part, number.text);
}

void RefreshNumericInput(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    ClearScratch(context, kScratchInputValue);
    EvaluateValue(context, kNumericInput);
    if (!IsShown(context)) return HideText(part);

    const PartConfig& config = context.current.config;
    const std::int32_t source = config.Number(kInputMonitorLine) == 1 ? kScratchValue : kScratchInputValue;
    const ShownNumber number = ShowNumber(ScratchBytes(context, source), ReadSettings(config, kInputLines));
    ShowText(part, number.text);
}

}  // namespace sim
