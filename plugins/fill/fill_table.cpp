#include "plugins/fill/fill_table.h"

#include "plugins/common/protocol_table.h"

namespace plcaddr {

namespace {

using N = FillNotation;
using Row = ProtocolRow<FillRule, 4>;

constexpr Row kCellTable[] = {
    {CodeMask({0}), Models({3}), {{"B W SW X Y", {N::Hex}}}, {N::Decimal}},
    {CodeMask({0}),
     kAnyModel,
     {{"X Y", {N::Octal}}, {"B W SW", {N::Hex}}, {"D_Bit", {N::WordBit16}}},
     {N::Decimal}},
    {CodeMask({1, 3, 7, 17, 33, 39, 40}),
     kAnyModel,
     {{"X Y", {N::Octal}}, {"B W SW", {N::Hex}}, {"D_Bit R_Bit", {N::WordBit16}}},
     {N::Decimal}},
    {CodeMask({2}), kAnyModel, {{"IR HR LR AR DIO W H A", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({4}), kAnyModel, {{"I Q M DBBit S SM V_B", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({5}), Models({0}), {}, {N::Hex}},
    {CodeMask({5}), kAnyModel, {{"3x_Bit 4x_Bit", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({6}),
     kAnyModel,
     {{"X Y R L", {N::WordHexDigit}}, {"DT_Bit DT_BIT WL_Bit", {N::WordBit16}}},
     {N::Decimal}},
    {CodeMask({8}), kAnyModel, {{"%MX", {N::ByteBitNoPoint}}}, {N::Decimal}},
    {CodeMask({9, 22}), kAnyModel, {{"I Q M DBBit IX QX MX V_B", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({10}), kAnyModel, {{"I O B", {N::PrefixPair}}}, {N::PrefixNumber}},
    {CodeMask({11}), kAnyModel, {{"P M F L K", {N::WordHexDigit}}}, {N::Decimal}},
    {CodeMask({14}), kAnyModel, {{"R MR LR CR", {N::Hundreds16}}}, {N::Decimal}},
    {CodeMask({19}), kAnyModel, {{"3x_Bit 4x_Bit", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({20}), kAnyModel, {}, {N::Octal}},
    {CodeMask({23}), kAnyModel, {{"X Y", {N::HexSuffix}}}, {N::Hex}},
    {CodeMask({27}), kAnyModel, {{"X Y M", {N::TensOctalDigit}}}, {N::Decimal}},
    {CodeMask({28}), kAnyModel, {{"I Q M", {N::ByteBit8}}}, {N::Decimal}},
    {CodeMask({31}), kAnyModel, {{"X Y", {N::Octal}}}, {N::Decimal}},
    {CodeMask({34}), kAnyModel, {}, {N::Hex}},
    {CodeMask({36}), kAnyModel, {{"IX QX WX", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({43}),
     kAnyModel,
     {{"I O C S", {N::LimitedDecimal, 255}}, {"A", {N::LimitedDecimal, 1023}}, {"B", {N::WordBit32}}},
     {N::Nothing}},
    {CodeMask({12, 13, 16, 18, 21, 24, 25, 26, 29, 30, 32, 35, 37, 38, 41, 42}), kAnyModel, {}, {N::Decimal}},
};

// groupfill's own rows, tried before the shared table. Protocol 5 names its bit areas %MX3_ and
// %MX10_; the spellings without the percent sign are accepted too, as older projects carry them.
constexpr Row kGroupRows[] = {
    {CodeMask({5}), Models({0}), {}, {N::Hex}},
    {CodeMask({5}), kAnyModel, {{"%MX1_ %MX3_ %MX10_ MX3_ MX10_", {N::WordBit16}}}, {N::Decimal}},
    {CodeMask({14}), kAnyModel, {}, {N::Decimal}},
    {CodeMask({43}),
     kAnyModel,
     {{"I O C S", {N::LimitedDecimal, 255, true}},
      {"A", {N::LimitedDecimal, 1023, true}},
      {"B", {N::WordPlainBit, 31, true}}},
     {N::LimitedDecimal, 20000, true}},
};

}  // namespace

FillRule FillRuleFor(FillVariant variant, int32_t protocol, int32_t model, std::string_view area) {
    const Row* row = variant == FillVariant::Group ? FindRow<Row>(kGroupRows, protocol, model) : nullptr;
    if (!row) row = FindRow<Row>(kCellTable, protocol, model);
    return row ? row->RuleFor(area) : FillRule{};
}

}  // namespace plcaddr
