// cellfill and groupfill through their C interface: every protocol row and notation of the column
// fillers, groupfill's row and step rules, and the calls that write nothing.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"
#include "tests/plugins/plugin_calls.h"

namespace {

using plugintest::Fill;
using plugintest::Plc;
using Cells = std::vector<std::string>;

struct FillCase {
    Plc plc;
    const char* area;
    const char* text;
    int32_t rows;
    Cells expected;
    std::optional<std::vector<int32_t>> rowTypes = std::nullopt;  // set: groupfill with these types
};

std::string Describe(const FillCase& c) {
    return std::string(c.rowTypes ? "groupfill" : "cellfill") + " PLC " + std::to_string(c.plc.number) +
           " protocol " + std::to_string(c.plc.protocol) + " model " + std::to_string(c.plc.model) +
           " area " + c.area + " text \"" + c.text + "\" rows " + std::to_string(c.rows);
}

void CheckAll(const std::vector<FillCase>& cases) {
    for (const FillCase& c : cases) {
        EXPECT_EQ(Fill(c.plc, c.area, c.text, c.rows, c.rowTypes ? &*c.rowTypes : nullptr), c.expected)
            << Describe(c);
    }
}

TEST(PluginCellfill, ProtocolRows) {
    CheckAll({
        // the panel's own memory
        {{0, 0, 0}, "LW", "10", 3, {"1 LW10", "2 LW11"}},
        {{0, 0, 0}, "X", "7", 3, {"1 X7", "2 X8"}},
        // 0, model 3
        {{1, 0, 3}, "X", "f", 3, {"1 Xf", "2 X10"}},
        {{1, 0, 3}, "D", "9", 3, {"1 D9", "2 D10"}},
        // 0, other models
        {{1, 0, 0}, "X", "17", 4, {"1 X17", "2 X20", "3 X21"}},
        {{1, 0, 0},
         "D_Bit",
         "100.14",
         5,
         {"1 D_Bit100.14", "2 D_Bit100.15", "3 D_Bit101.00", "4 D_Bit101.01"}},
        {{1, 0, 6}, "SW", "f", 3, {"1 SWf", "2 SW10"}},
        {{1, 0, 0}, "D", "9", 3, {"1 D9", "2 D10"}},
        // 1, 3, 7, 17, 33, 39, 40
        {{1, 33, 0}, "Y", "7", 3, {"1 Y7", "2 Y10"}},
        {{2, 40, 0}, "R_Bit", "3.15", 3, {"1 R_Bit3.15", "2 R_Bit4.00"}},
        {{1, 7, 0}, "W", "9", 3, {"1 W9", "2 Wa"}},
        {{1, 17, 0}, "D", "9", 3, {"1 D9", "2 D10"}},
        // 2
        {{1, 2, 0}, "LR", "0.15", 3, {"1 LR0.15", "2 LR1.00"}},
        {{1, 2, 0}, "DM", "5", 3, {"1 DM5", "2 DM6"}},
        // 4
        {{1, 4, 0}, "I", "0.6", 4, {"1 I0.6", "2 I0.7", "3 I1.0"}},
        {{1, 4, 0}, "VW", "5", 3, {"1 VW5", "2 VW6"}},
        // 5
        {{1, 5, 0}, "D", "9", 3, {"1 D9", "2 Da"}},
        {{1, 5, 1}, "4x_Bit", "1.15", 3, {"1 4x_Bit1.15", "2 4x_Bit2.00"}},
        {{1, 5, 1}, "%MX1_", "1.5", 3, {"1 %MX1_1", "2 %MX1_2"}},
        // 6
        {{1, 6, 0}, "X", "1F", 3, {"1 X1f", "2 X20"}},
        {{1, 6, 0}, "L", "F", 3, {"1 Lf", "2 L10"}},
        {{1, 6, 0}, "DT_BIT", "1.15", 3, {"1 DT_BIT1.15", "2 DT_BIT2.00"}},
        {{1, 6, 0}, "DT", "9", 3, {"1 DT9", "2 DT10"}},
        // 8
        {{1, 8, 0}, "%MX", "1.7", 3, {"1 %MX17", "2 %MX20"}},
        {{1, 8, 0}, "MW", "5", 3, {"1 MW5", "2 MW6"}},
        // 9 and 22
        {{1, 9, 0}, "IX", "0.7", 3, {"1 IX0.7", "2 IX1.0"}},
        {{1, 22, 0}, "VW", "9", 3, {"1 VW9", "2 VW10"}},
        // 10
        {{1, 10, 0},
         "D",
         "1:250",
         8,
         {"1 D1:250", "2 D1:251", "3 D1:252", "4 D1:253", "5 D1:254", "6 D1:255", "7 D1:255"}},
        {{1, 10, 0}, "I", "1:2/15", 3, {"1 I1:2/15", "2 I1:3/0"}},
        {{1, 10, 0}, "B", "3:255/15", 4, {"1 B3:255/15", "2 B3:256/0", "3 B3:256/0"}},
        // 11
        {{1, 11, 0}, "P", "1F", 3, {"1 P1f", "2 P20"}},
        {{1, 11, 0}, "D", "9", 3, {"1 D9", "2 D10"}},
        // 14
        {{1, 14, 0}, "R", "112", 7, {"1 R112", "2 R113", "3 R114", "4 R115", "5 R200", "6 R201"}},
        {{1, 14, 0}, "DM", "115", 3, {"1 DM115", "2 DM116"}},
        // 19
        {{1, 19, 3}, "3x_Bit", "1.15", 3, {"1 3x_Bit1.15", "2 3x_Bit2.00"}},
        // 20
        {{1, 20, 0}, "D", "7", 3, {"1 D7", "2 D10"}},
        // 23
        {{1, 23, 0}, "X", "A5E", 4, {"1 XA5E", "2 XA5F", "3 XA5F"}},
        {{1, 23, 0}, "D", "f", 3, {"1 Df", "2 D10"}},
        // 27: tens and an octal digit, written "%d%d"
        {{1, 27, 0}, "X", "6", 4, {"1 X06", "2 X07", "3 X10"}},
        {{1, 27, 0}, "M", "17", 3, {"1 M17", "2 M20"}},
        {{1, 27, 0}, "D", "17", 3, {"1 D17", "2 D18"}},
        // 28
        {{1, 28, 0}, "M", "0.7", 3, {"1 M0.7", "2 M1.0"}},
        // 31
        {{1, 31, 0}, "X", "7", 3, {"1 X7", "2 X10"}},
        // 34
        {{1, 34, 0}, "D", "9", 3, {"1 D9", "2 Da"}},
        // 36
        {{1, 36, 0}, "IX", "0.15", 3, {"1 IX0.15", "2 IX1.00"}},
        // 43: limits repeat, B is word.bit32, other areas write nothing
        {{1, 43, 0}, "I", "254", 4, {"1 I254", "2 I255", "3 I255"}},
        {{1, 43, 0}, "A", "1022", 4, {"1 A1022", "2 A1023", "3 A1023"}},
        {{1, 43, 0}, "B", "1.31", 3, {"1 B1.31", "2 B2.00"}},
        {{1, 43, 0}, "W", "5", 3, {}},
        // decimal everywhere
        {{1, 30, 0}, "D", "5", 3, {"1 D5", "2 D6"}},
        // nothing is written
        {{1, 15, 0}, "D", "5", 3, {}},
        {{1, 44, 0}, "D", "5", 3, {}},
        {{1, -1, 0}, "D", "5", 3, {}},
        {{3, 0, 0}, "D", "5", 3, {}},
    });
}

TEST(PluginCellfill, NotationEdges) {
    CheckAll({
        // the word stays as written until the first carry
        {{1, 0, 0}, "D_Bit", "0100.15", 3, {"1 D_Bit0100.15", "2 D_Bit101.00"}},
        // a text without a point is a word at bit 0
        {{1, 2, 0}, "W", "12", 2, {"1 W12.00"}},
        // byte.bit read as a number: one digit after the point
        {{1, 4, 0}, "Q", "2.65", 2, {"1 Q2.6"}},
        // a bit beyond the byte moves on to the next byte
        {{1, 4, 0}, "Q", "2.9", 3, {"1 Q2.9", "2 Q3.0"}},
        // octal reads 8 and 9 as their own values
        {{1, 20, 0}, "D", "18", 2, {"1 D20"}},
        // an empty text starts at 0
        {{1, 13, 0}, "D", "", 3, {"1 D0", "2 D1"}},
        // a start at or above xx15 goes on in the next hundred
        {{1, 14, 0}, "R", "150", 3, {"1 R150", "2 R200"}},
        // row counts that write nothing
        {{1, 13, 0}, "D", "5", 1, {}},
        {{1, 13, 0}, "D", "5", 0, {}},
        {{1, 13, 0}, "D", "5", -3, {}},
    });
}

TEST(PluginGroupfill, RowsAndSteps) {
    const std::vector<int32_t> allOneWord(12, 0);
    CheckAll({
        // every fourth row; the position moves only after a written row
        {{0, 0, 0}, "D", "10", 10, {"1 D10", "5 D11", "9 D12"}, allOneWord},
        // a two-word type on row 1 moves row 5 on by 2
        {{0, 0, 0}, "D", "10", 10, {"1 D10", "5 D12", "9 D13"}, std::vector<int32_t>{1}},
        {{0, 0, 0}, "D", "10", 10, {"1 D10", "5 D12", "9 D14"}, std::vector<int32_t>{3, 0, 0, 0, 6}},
        {{0, 0, 0}, "D", "10", 10, {"1 D10", "5 D11", "9 D13"}, std::vector<int32_t>{2, 1, 1, 1, 5}},
        // byte-addressed protocols step by 2 and 4
        {{1, 4, 0}, "VW", "0", 10, {"1 VW0", "5 VW2", "9 VW6"}, std::vector<int32_t>{0, 0, 0, 0, 1}},
        {{1, 28, 0}, "D", "0", 6, {"1 D0", "5 D4"}, std::vector<int32_t>{5}},
        // CV32 of protocol 0 always steps by 1, except in model 3
        {{1, 0, 0}, "CV32", "5", 6, {"1 CV325", "5 CV326"}, std::vector<int32_t>{1}},
        {{1, 0, 3}, "CV32", "5", 6, {"1 CV325", "5 CV327"}, std::vector<int32_t>{1}},
        // word.bit areas of protocol 6 and every area of 23 fill every row by 1
        {{1, 6, 0},
         "DT_Bit",
         "1.15",
         4,
         {"1 DT_Bit1.15", "2 DT_Bit2.00", "3 DT_Bit2.01"},
         std::vector<int32_t>{1, 1}},
        {{1, 6, 0}, "WL", "5", 6, {"1 WL5", "5 WL7"}, std::vector<int32_t>{1}},
        {{1, 23, 0}, "X", "A5E", 4, {"1 XA5E", "2 XA5F", "3 XA5F"}, std::vector<int32_t>{1}},
        // protocol 5, other models: %MX bit areas, with or without the percent sign
        {{1, 5, 1}, "%MX3_", "1.15", 6, {"1 %MX3_1.15", "5 %MX3_2.00"}, allOneWord},
        {{1, 5, 1}, "MX10_", "1.14", 6, {"1 MX10_1.14", "5 MX10_1.15"}, allOneWord},
        {{1, 5, 1}, "3x_Bit", "1", 6, {"1 3x_Bit1", "5 3x_Bit2"}, allOneWord},
        // protocol 14: decimal everywhere
        {{1, 14, 0}, "R", "115", 6, {"1 R115", "5 R116"}, allOneWord},
    });
}

TEST(PluginGroupfill, BitCarriesAndLimits) {
    CheckAll({
        // a two-word step from bit 15 goes on at bit 00 of the next word, never bit 17
        {{1, 2, 0}, "W", "1.15", 6, {"1 W1.15", "5 W2.00"}, std::vector<int32_t>{1}},
        {{1, 0, 0},
         "D_Bit",
         "100.14",
         10,
         {"1 D_Bit100.14", "5 D_Bit101.00", "9 D_Bit101.01"},
         std::vector<int32_t>{1}},
        // byte.bit read as two integers; past bit 7 the next byte starts at bit 0
        {{1, 4, 0}, "I", "0.6", 10, {"1 I0.6", "5 I1.0", "9 I1.2"}, std::vector<int32_t>{}},
        {{1, 4, 0}, "I", "0.10", 6, {"1 I0.10", "5 I1.0"}, std::vector<int32_t>{}},
        // tens-and-octal-digit: the last character is the digit, the tens stay as written
        {{1, 27, 0}, "X", "7", 6, {"1 X7", "5 X10"}, std::vector<int32_t>{}},
        {{1, 27, 0}, "M", "16", 10, {"1 M16", "5 M20", "9 M22"}, std::vector<int32_t>{}},
        // protocol 43 stops past the limit
        {{1, 43, 0}, "I", "254", 14, {"1 I254", "5 I255"}, std::vector<int32_t>{}},
        {{1, 43, 0}, "A", "1022", 10, {"1 A1022"}, std::vector<int32_t>{1}},
        {{1, 43, 0}, "W", "19999", 10, {"1 W19999", "5 W20000"}, std::vector<int32_t>{}},
        {{1, 43, 0}, "LB", "20000", 10, {"1 LB20000"}, std::vector<int32_t>{}},
        {{1, 43, 0}, "B", "1.30", 10, {"1 B1.30", "5 B1.31"}, std::vector<int32_t>{}},
        {{1, 43, 0}, "B", "1.30", 10, {"1 B1.30"}, std::vector<int32_t>{1}},
        {{1, 43, 0}, "B", "1.32", 10, {}, std::vector<int32_t>{}},
        // nothing is written
        {{1, 15, 0}, "D", "5", 6, {}, std::vector<int32_t>{}},
        {{1, 44, 0}, "D", "5", 6, {}, std::vector<int32_t>{}},
    });
}

TEST(PluginFill, RefusedCalls) {
    AddressRecord record{};
    record.plcNumber = 1;
    record.addressText = "5";
    record.areaName = "D";
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    plugintest::GridRecorder recorder;
    PlcGrid grid = recorder.Grid();
    PlcGrid noCallback{&recorder, nullptr};
    const int32_t types[4] = {};

    cellfill(nullptr, links, &record, 4, 0);
    cellfill(&noCallback, links, &record, 4, 0);
    cellfill(&grid, links, nullptr, 4, 0);
    cellfill(&grid, links, &record, 4, -1);
    cellfill(&grid, nullptr, &record, 4, 0);
    groupfill(&grid, nullptr, &record, types, 4, 0);
    groupfill(&grid, links, &record, types, 4, -1);
    EXPECT_TRUE(recorder.cells.empty());

    // Without row types every row counts as one word.
    record.plcNumber = 0;
    groupfill(&grid, nullptr, &record, nullptr, 6, 0);
    EXPECT_EQ(recorder.cells, (Cells{"1 D5", "5 D6"}));
}

}  // namespace
