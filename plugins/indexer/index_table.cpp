#include "plugins/indexer/index_table.h"

#include "plugins/common/protocol_table.h"

namespace plcaddr {

namespace {

using P = IndexParser;
using Row = ProtocolRow<IndexRule, 7>;

// Protocol 43 lays its byte areas out in blocks of 256 positions after the word area.
constexpr int64_t kBlockI = 0x54600, kBlockO = 0x54700, kBlockC = 0x54800, kBlockS = 0x54900,
                  kBlockA = 0x54A00;

constexpr Row kIndexTable[] = {
    {CodeMask({0, 33}), Models({0, 1, 2}), {{"X Y", {P::Octal}}}, {P::Decimal}},
    {CodeMask({0, 33}), Models({3, 4}), {{"X Y B W SW", {P::Hex}}}, {P::Decimal}},
    {CodeMask({0}), Models({6}), {{"X Y", {P::Octal}}, {"B W", {P::Hex}}}, {P::Decimal}},
    {CodeMask({0, 33}),
     kAnyModel,
     {{"X Y", {P::Octal}}, {"D_Bit", {P::WordBit16}}, {"32CV", {P::Decimal, 2, 1000}}},
     {P::Decimal}},
    {CodeMask({1, 3, 17}), kAnyModel, {{"X Y", {P::Octal}}, {"D_Bit R_Bit", {P::WordBit16}}}, {P::Decimal}},
    {CodeMask({2}), Models({0}), {{"D TC DM T C T* C* DIO_W IR_W TC*", {P::Decimal}}}, {P::WordBit16}},
    {CodeMask({2}), kAnyModel, {{"DIO W H A", {P::WordBit16}}}, {P::Decimal}},
    {CodeMask({4}),
     Models({0}),
     {{"I Q M S SM V_B", {P::ByteBit8}}, {"V SW SMW MW VD", {P::Half}}, {"T* C* T C TV CV", {P::Decimal}}},
     {P::None}},
    {CodeMask({4}), Models({1}), {{"DB MW", {P::Half}}}, {P::ByteBit8}},
    {CodeMask({4}), kAnyModel, {}, {P::None}},
    {CodeMask({5}), Models({0}), {}, {P::Hex}},
    {CodeMask({5}), kAnyModel, {{"%MW1_ %MW3_ %MW10_", {P::Decimal}}}, {P::WordBit16}},
    {CodeMask({6}),
     kAnyModel,
     {{"DT T C EV SV WL", {P::Decimal}}, {"DT_Bit WL_Bit", {P::WordBit16}}},
     {P::WordHexDigit}},
    {CodeMask({7, 40}), kAnyModel, {{"X Y", {P::Octal}}, {"C*", {P::CounterPairs}}}, {P::Decimal}},
    {CodeMask({8}), kAnyModel, {{"%MX", {P::ByteBit8}}}, {P::Decimal}},
    {CodeMask({9}), kAnyModel, {{"V", {P::Decimal}}}, {P::ByteBit8}},
    {CodeMask({10}), kAnyModel, {{"I O B", {P::ColonSlash}}, {"F", {P::Colon, 2}}}, {P::Colon}},
    {CodeMask({11}), kAnyModel, {{"D T C T* C* S CV TV MV LV", {P::Decimal}}}, {P::WordHexDigit}},
    {CodeMask({12}), kAnyModel, {{"DRC", {P::CounterPairs}}}, {P::Decimal}},
    {CodeMask({14}), kAnyModel, {{"DM TM T C T* C* EM", {P::Decimal}}}, {P::Hundreds16}},
    {CodeMask({16, 24, 25, 38}), kAnyModel, {{"D_Bit", {P::WordBit16}}}, {P::Decimal}},
    {CodeMask({19}), Models({0}), {{"3x_Bit 4x_Bit", {P::WordBit16}}}, {P::Decimal}},
    {CodeMask({19}), kAnyModel, {}, {P::Decimal}},
    {CodeMask({20}), kAnyModel, {}, {P::Octal}},
    {CodeMask({22}), kAnyModel, {{"MW", {P::Half}}}, {P::ByteBit8}},
    {CodeMask({23}), kAnyModel, {{"X Y", {P::HexPair}}}, {P::Hex}},
    {CodeMask({27}), kAnyModel, {{"X Y M", {P::OctalLastDigit}}}, {P::Decimal}},
    {CodeMask({28}), kAnyModel, {{"I Q M", {P::ByteBit8}}}, {P::Half}},
    {CodeMask({29}), kAnyModel, {{"Data Data4017x Data4024x 4024_D", {P::Decimal, 2}}}, {P::Decimal}},
    {CodeMask({30, 32}), kAnyModel, {}, {P::Decimal, 1, -1}},
    {CodeMask({31, 39}), kAnyModel, {{"X Y", {P::Octal}}}, {P::Decimal}},
    {CodeMask({34}), kAnyModel, {}, {P::Hex}},
    {CodeMask({36}), kAnyModel, {{"IX QX WX", {P::WordBit16}}}, {P::Decimal}},
    {CodeMask({43}),
     kAnyModel,
     {{"I", {P::Decimal, 1, kBlockI}},
      {"O", {P::Decimal, 1, kBlockO}},
      {"C", {P::Decimal, 1, kBlockC}},
      {"S", {P::Decimal, 1, kBlockS}},
      {"A", {P::Decimal, 1, kBlockA}},
      {"W", {P::Decimal}},
      {"B", {P::WordBit32}}},
     {P::None}},
    {CodeMask({13, 15, 18, 21, 26, 35, 37, 41, 42}), kAnyModel, {}, {P::Decimal}},
};

}  // namespace

IndexRule IndexRuleFor(int32_t protocol, int32_t model, std::string_view area) {
    const Row* row = FindRow<Row>(kIndexTable, protocol, model);
    return row ? row->RuleFor(area) : IndexRule{};
}

}  // namespace plcaddr
