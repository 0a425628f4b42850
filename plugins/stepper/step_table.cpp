#include "plugins/stepper/step_table.h"

#include "plugins/common/protocol_table.h"

namespace plcaddr {

namespace {

using N = StepNotation;
using Row = ProtocolRow<StepRule, 5>;

constexpr Row kStepTable[] = {
    {CodeMask({0, 33}), Models({3}), {{"B W SW X Y", {N::Hex}}}, {N::Decimal}},
    {CodeMask({0}), Models({6}), {{"B W", {N::Hex}}, {"X Y", {N::Octal}}}, {N::Decimal}},
    {CodeMask({0, 33}), Models({4}), {{"X Y", {N::Hex}}, {"D_Bit", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({0, 33}), kAnyModel, {{"X Y", {N::Octal}}, {"D_Bit", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({1, 3, 7, 17, 39, 40}),
     kAnyModel,
     {{"X Y", {N::Octal}}, {"D_Bit R_Bit", {N::WordBit16}}},
     {N::Decimal}},
    {CodeMask({2}), kAnyModel, {{"IR HR LR AR DIO H W A", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({4}), kAnyModel, {{"I Q M DBBit S SM V_B", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({5}), Models({0}), {}, {N::Hex}},
    {CodeMask({5}), kAnyModel, {{"%MX1_ %MX3_ %MX10_", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({6}),
     kAnyModel,
     {{"X Y R L", {N::WordHexDigit}}, {"DT_Bit DT_BIT WL_Bit", {N::WordBit16}}},
     {N::Decimal}},
    {CodeMask({8}), kAnyModel, {{"%MX", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({9, 22}), kAnyModel, {{"I Q M DBBit IX QX MX V_B", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({10}), kAnyModel, {{"I O B", {N::PrefixPair}}}, {N::PrefixNumber}},
    {CodeMask({11}), kAnyModel, {{"P M F L K", {N::WordHexDigit}}}, {N::Decimal}},
    {CodeMask({14}), kAnyModel, {{"R MR LR CR", {N::Hundreds16}}}, {N::Decimal}},
    {CodeMask({19}), Models({0}), {{"3x_Bit 4x_Bit", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({19}), kAnyModel, {}, {N::Decimal}},
    {CodeMask({20}), kAnyModel, {}, {N::Octal}},
    {CodeMask({23}), kAnyModel, {{"X Y", {N::HexSuffix}}}, {N::Hex}},
    {CodeMask({27}), kAnyModel, {{"X Y M", {N::TensOctalDigit}}}, {N::Decimal}},
    {CodeMask({28}), kAnyModel, {{"I Q M", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({31}), kAnyModel, {{"X Y", {N::Octal}}}, {N::Decimal}},
    {CodeMask({34}), kAnyModel, {}, {N::Hex}},
    {CodeMask({36}), kAnyModel, {{"IX QX WX", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({43}),
     kAnyModel,
     {{"W", {N::LimitedDecimal, 20000}},
      {"A", {N::LimitedDecimal, 1023}},
      {"I O C S", {N::LimitedDecimal, 255}},
      {"B", {N::WordBit32}}},
     {N::Nothing}},
    {CodeMask({12, 13, 16, 18, 21, 24, 25, 26, 29, 30, 32, 35, 37, 38, 41, 42}), kAnyModel, {}, {N::Decimal}},
};

}  // namespace

StepRule StepRuleFor(int32_t protocol, int32_t model, std::string_view area) {
    const Row* row = FindRow<Row>(kStepTable, protocol, model);
    return row ? row->RuleFor(area) : StepRule{};
}

}  // namespace plcaddr
