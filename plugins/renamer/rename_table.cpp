#include "plugins/renamer/rename_table.h"

#include "plugins/common/protocol_table.h"

namespace plcaddr {

namespace {

// A group renames the names it lists to its rule; `others` is the name for every unlisted area, empty
// meaning the name stays as it is.
using Row = ProtocolRow<std::string_view, 16>;

// Protocols 3 and 5 share their renames; model 3 of protocol 3 differs only in the timers and counters.
#define PROTOCOL_3_RENAMES                                                                               \
    {"%MX1_", "X"}, {"%MX3_", "Y"}, {"%MX10_", "M"}, {"%MW1_", "D"}, {"%MW3_", "R"}, {"%MW10_ SD", "N"}, \
        {"S", "H"}, {"SM", "K"}, {"TV", "t"}, {"CV", "c"}, {"D_Bit", "d"}, {"R_Bit", "r"}, {             \
        "32CV", "v"                                                                                      \
    }

constexpr Row kRenameTable[] = {
    {CodeMask({0, 33}), Models({0, 1}), {}},
    {CodeMask({0, 33}), Models({2}), {{"S", "H"}, {"CV32", "N"}}},
    {CodeMask({0, 33}), Models({3, 4}), {{"B", "K"}, {"V", "H"}, {"W", "R"}, {"SW", "N"}}},
    {CodeMask({0}),
     Models({6}),
     {{"L", "H"},
      {"F", "K"},
      {"TS", "T"},
      {"CS", "C"},
      {"S", "J"},
      {"SM", "d"},
      {"B", "r"},
      {"W", "N"},
      {"TN", "t"},
      {"CN", "c"},
      {"SD", "v"}}},
    {CodeMask({0, 33}),
     kAnyModel,
     {{"SM", "H"}, {"S", "K"}, {"D_Bit", "L"}, {"SD", "N"}, {"TV", "t"}, {"CV 32CV", "c"}}},
    {CodeMask({1}), kAnyModel, {{"D_Double", "R"}, {"C*_Double", "N"}}},
    {CodeMask({2}),
     Models({0}),
     {{"IR", "Y"},
      {"AR", "M"},
      {"HR", "H"},
      {"LR", "L"},
      {"TC", "T"},
      {"TC*", "t"},
      {"DM", "D"},
      {"IR_W", "R"}}},
    {CodeMask({2}),
     Models({1}),
     {{"DIO", "Y"}, {"W", "H"}, {"H", "M"}, {"A", "K"}, {"DIO_W", "R"}, {"H_W", "N"}}},
    {CodeMask({2}), kAnyModel, {}},
    {CodeMask({3}), Models({3}), {PROTOCOL_3_RENAMES, {"T*", "J"}, {"C*", "L"}}},
    {CodeMask({3, 5}), kAnyModel, {PROTOCOL_3_RENAMES}},
    {CodeMask({4}),
     Models({0}),
     {{"I", "X"},
      {"Q", "Y"},
      {"V_B V_Bit", "H"},
      {"S", "L"},
      {"SM", "K"},
      {"V", "D"},
      {"VD", "R"},
      {"MW SMW", "N"},
      {"TV", "t"},
      {"CV", "c"}}},
    {CodeMask({4}), Models({1}), {{"I", "X"}, {"Q", "Y"}, {"DBBit", "H"}, {"DB", "D"}, {"MW", "R"}}},
    {CodeMask({4}), kAnyModel, {}},
    {CodeMask({6}),
     kAnyModel,
     {{"R", "M"}, {"DT_Bit", "H"}, {"WL_Bit", "K"}, {"DT", "D"}, {"WL", "R"}, {"EV", "t"}, {"SV", "c"}}},
    {CodeMask({7, 31}), kAnyModel, {{"S", "H"}}},
    {CodeMask({8}), Models({2}), {{"%MX", "M"}, {"%MW MW", "D"}}},
    {CodeMask({8}), kAnyModel, {{"MW", "D"}}},
    {CodeMask({9}), kAnyModel, {{"I", "X"}, {"Q", "Y"}, {"V", "D"}}},
    {CodeMask({10}),
     kAnyModel,
     {{"I", "X"},
      {"O", "Y"},
      {"B", "M"},
      {"N", "D"},
      {"F", "R"},
      {"S", "N"},
      {"T_ACC", "t"},
      {"C_ACC", "c"}}},
    {CodeMask({11}),
     kAnyModel,
     {{"P", "Y"}, {"F", "H"}, {"S MV", "R"}, {"LV", "N"}, {"TV", "t"}, {"CV", "c"}}},
    {CodeMask({12}), Models({0}), {{"S", "H"}}},
    {CodeMask({12}),
     kAnyModel,
     {{"S", "H"}, {"R", "D"}, {"RT", "R"}, {"RC", "N"}, {"DRT", "t"}, {"DRC", "c"}}},
    {CodeMask({13}), kAnyModel, {{"V", "D"}, {"AI", "R"}, {"AQ", "N"}}},
    {CodeMask({14}),
     Models({0, 1}),
     {{"R", "Y"}, {"MR", "M"}, {"LR", "L"}, {"CR", "H"}, {"DM", "D"}, {"TM", "R"}, {"EM", "N"}}},
    {CodeMask({14}), Models({2}), {{"R", "Y"}, {"DM", "D"}, {"TM", "R"}}},
    {CodeMask({14}), kAnyModel, {}},
    {CodeMask({15}), kAnyModel, {{"UPSBit", "M"}, {"UPSData", "D"}}},
    {CodeMask({16}), kAnyModel, {{"Data", "D"}, {"WRP", "R"}}},
    {CodeMask({17}),
     kAnyModel,
     {{"S", "H"},
      {"SM", "J"},
      {"HM", "L"},
      {"HS", "d"},
      {"HT", "r"},
      {"ET", "K"},
      {"ED ETD", "N"},
      {"FD", "R"},
      {"SD", "v"},
      {"TD", "t"},
      {"CD", "c"}}},
    {CodeMask({18, 19}),
     kAnyModel,
     {{"1x", "X"},
      {"0x", "M"},
      {"3x_Bit", "H"},
      {"4x_Bit", "K"},
      {"4x", "D"},
      {"3x", "R"},
      {"3x_D", "t"},
      {"4x_D", "c"}}},
    {CodeMask({20}), kAnyModel, {{"I", "X"}, {"Q", "Y"}, {"R", "D"}}},
    {CodeMask({21, 25}), kAnyModel, {{"CODE", "D"}}},
    {CodeMask({22}), kAnyModel, {{"IX", "X"}, {"QX", "Y"}, {"MX", "M"}, {"MW", "D"}}},
    {CodeMask({23}), kAnyModel, {{"R", "H"}, {"WM", "D"}, {"WR", "R"}}},
    {CodeMask({24}),
     kAnyModel,
     {{"LB", "B"}, {"LW", "W"}, {"RWI", "Z"}, {"AI", "R"}, {"AO", "N"}, {"TV", "t"}, {"CV", "c"}}},
    {CodeMask({26}), kAnyModel, {{"I", "H"}, {"B", "R"}, {"V", "N"}, {"W", "t"}, {"Z", "c"}}},
    {CodeMask({27}), kAnyModel, {{"RT", "t"}, {"RC", "c"}}},
    {CodeMask({28}), kAnyModel, {{"I", "X"}, {"Q", "Y"}, {"VW", "D"}}},
    {CodeMask({29}),
     kAnyModel,
     {{"Relay", "M"}, {"4024_DI", "H"}, {"Data Data4017x", "D"}, {"Data4024x", "R"}}},
    {CodeMask({30}),
     kAnyModel,
     {{"I", "X"}, {"Q", "Y"}, {"G", "H"}, {"S", "K"}, {"T", "L"}, {"R", "D"}, {"AI", "R"}, {"AQ", "N"}}},
    {CodeMask({32}),
     kAnyModel,
     {{"I", "X"},
      {"Q", "Y"},
      {"S", "H"},
      {"N", "K"},
      {"MW", "D"},
      {"IW", "R"},
      {"SW", "N"},
      {"NW", "t"},
      {"QW", "c"}}},
    {CodeMask({34}), kAnyModel, {{"1CH", "D"}, {"2CH", "R"}, {"3CH", "N"}}},
    {CodeMask({35}), kAnyModel, {{"PARAMETER", "D"}, {"PV", "R"}, {"SV", "N"}, {"MV", "t"}, {"STATUS", "c"}}},
    {CodeMask({36}),
     kAnyModel,
     {{"IX", "X"}, {"QX", "Y"}, {"WX", "M"}, {"DW", "D"}, {"WW", "R"}, {"QW", "N"}}},
    {CodeMask({37}),
     kAnyModel,
     {{"STATUS", "X"}, {"A", "R"}, {"B", "D"}, {"D", "N"}, {"H", "t"}, {"CD", "c"}}},
    {CodeMask({38}), kAnyModel, {}},
    {CodeMask({39, 40}), kAnyModel, {{"SM", "H"}, {"S", "K"}, {"SD", "N"}, {"D_Double U", "R"}}},
    {CodeMask({41}),
     kAnyModel,
     {{"READ", "X"}, {"QD", "D"}, {"QR", "R"}, {"QS", "N"}, {"QB", "t"}, {"QF", "c"}}},
    {CodeMask({42}),
     Models({0}),
     {{"INPUT", "X"}, {"OUTPUT", "Y"}, {"FLAG", "M"}, {"INQUIRY", "R"}, {"WRITE", "D"}}},
    {CodeMask({42}),
     kAnyModel,
     {{"INPUT", "X"}, {"OUTPUT FLAG", "M"}, {"INQUIRY", "R"}, {"WRITE", "c"}, {"INTEGER STRING", "D"}}},
    // Protocol 43 knows one word area; every other name, T* and C* included, is a K area.
    {CodeMask({43}), kAnyModel, {{"W", "c"}}, "K"},
};

#undef PROTOCOL_3_RENAMES

}  // namespace

std::string_view RenameArea(std::string_view area, int32_t protocol, int32_t model) {
    if (area.empty() || protocol < 0 || protocol > kLastProtocol) return {};
    std::string_view result = area;
    if (const Row* row = FindRow<Row>(kRenameTable, protocol, model)) {
        const std::string_view renamed = row->RuleFor(area);
        if (!renamed.empty()) result = renamed;
    }
    // Timers and counters carry a star in most families; the common codes are t and c.
    if (result == "T*") return "t";
    if (result == "C*") return "c";
    return result;
}

}  // namespace plcaddr
