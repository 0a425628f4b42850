// indexer through its C interface: every protocol row, every reader, and the texts that have no index.

#include <gtest/gtest.h>

#include <cstdint>

#include "plugins/include/plcaddr_plugins.h"

namespace {

struct IndexCase {
    int32_t protocol;
    int32_t model;
    const char* area;
    const char* text;
    int32_t expected;
};

constexpr int32_t kNone = PLCADDR_NO_INDEX;

void CheckAll(const std::vector<IndexCase>& cases) {
    for (const IndexCase& c : cases) {
        EXPECT_EQ(indexer(c.text, c.protocol, c.model, c.area), c.expected)
            << "protocol " << c.protocol << " model " << c.model << " area " << (c.area ? c.area : "(null)")
            << " text \"" << (c.text ? c.text : "(null)") << "\"";
    }
}

TEST(PluginIndexer, ProtocolRows) {
    CheckAll({
        // 0 and 33, models 0 to 2
        {0, 0, "X", "17", 15},
        {33, 1, "Y", "20", 16},
        {0, 2, "D", "100", 100},
        // 0 and 33, models 3 and 4
        {0, 3, "B", "1F", 31},
        {33, 4, "SW", "10", 16},
        {0, 3, "D", "10", 10},
        // 0, model 6
        {0, 6, "X", "17", 15},
        {0, 6, "W", "1f", 31},
        {0, 6, "SW", "10", 10},
        // 0 and 33, other models (33 with model 6 included)
        {0, 5, "32CV", "3", 1006},
        {0, 5, "D_Bit", "100.15", 1615},
        {33, 6, "X", "17", 15},
        {33, 6, "B", "10", 10},
        // 1, 3, 17
        {1, 0, "R_Bit", "2.3", 35},
        {3, 0, "X", "7", 7},
        {17, 1, "D", "5", 5},
        // 2, model 0: named word areas decimal, everything else word.bit
        {2, 0, "IR", "10.05", 165},
        {2, 0, "DM", "12", 12},
        {2, 0, "T*", "3", 3},
        {2, 0, "HR", "1.15", 31},
        // 2, other models
        {2, 1, "H", "3.2", 50},
        {2, 1, "D", "3.2", 3},
        // 4, model 0
        {4, 0, "I", "1.3", 11},
        {4, 0, "VD", "100", 50},
        {4, 0, "TV", "5", 5},
        {4, 0, "AI", "5", kNone},
        // 4, model 1 and others
        {4, 1, "DB", "7", 3},
        {4, 1, "Q", "2.1", 17},
        {4, 2, "I", "1.0", kNone},
        // 5
        {5, 0, "D", "ff", 255},
        {5, 1, "%MW3_", "12", 12},
        {5, 1, "%MX1_", "1.2", 18},
        // 6
        {6, 0, "X", "1F", 31},
        {6, 0, "X", "F", 15},
        {6, 0, "DT", "12", 12},
        {6, 0, "WL_Bit", "1.2", 18},
        {6, 0, "DT_BIT", "1A", 26},
        // 7 and 40
        {7, 0, "C*", "201", 202},
        {7, 0, "C*", "200", 200},
        {40, 0, "X", "10", 8},
        {7, 0, "D", "201", 201},
        // 8
        {8, 0, "%MX", "2.3", 19},
        {8, 0, "MW", "7", 7},
        // 9
        {9, 0, "V", "7", 7},
        {9, 0, "I", "1.1", 9},
        // 10
        {10, 0, "I", "1:2/3", 10035},
        {10, 0, "B", "0:1/15", 31},
        {10, 0, "F", "1:2", 20004},
        {10, 0, "N", "7:12", 70012},
        // 11
        {11, 0, "D", "12", 12},
        {11, 0, "P", "12", 18},
        // 12
        {12, 0, "DRC", "250", 300},
        {12, 0, "D", "250", 250},
        // 14
        {14, 0, "R", "1215", 207},
        {14, 0, "DM", "1215", 1215},
        // 16, 24, 25, 38
        {38, 0, "D_Bit", "3.4", 52},
        {24, 0, "D", "3", 3},
        // 19
        {19, 0, "4x_Bit", "2.1", 33},
        {19, 1, "4x_Bit", "2.1", 2},
        // 20
        {20, 0, "D", "17", 15},
        // 22
        {22, 0, "MW", "9", 4},
        {22, 0, "I", "1.7", 15},
        // 23
        {23, 0, "X", "A05", 1005},
        {23, 0, "D", "1f", 31},
        // 27
        {27, 0, "M", "17", 15},
        {27, 0, "X", "7", 7},
        {27, 0, "D", "17", 17},
        // 28
        {28, 0, "Q", "1.2", 10},
        {28, 0, "VW", "11", 5},
        // 29
        {29, 0, "Data4024x", "5", 10},
        {29, 0, "Relay", "5", 5},
        // 30 and 32 count from 1
        {30, 0, "D", "1", 0},
        {32, 0, "D", "0", -1},
        // 31 and 39
        {39, 0, "Y", "10", 8},
        {31, 0, "D", "10", 10},
        // 34
        {34, 0, "D", "10", 16},
        // 36
        {36, 0, "WX", "1.1", 17},
        {36, 0, "DW", "1.1", 1},
        // 43: blocks of 256 after the word area
        {43, 0, "I", "3", 345603},
        {43, 0, "O", "3", 345859},
        {43, 0, "C", "3", 346115},
        {43, 0, "S", "3", 346371},
        {43, 0, "A", "1", 346625},
        {43, 0, "W", "7", 7},
        {43, 0, "B", "2.5", 69},
        {43, 0, "LB", "5", kNone},
        // decimal everywhere
        {42, 0, "X", "17", 17},
        {15, 0, "D", "5", 5},
    });
}

TEST(PluginIndexer, ReaderEdges) {
    CheckAll({
        // hexadecimal: a foreign character repeats the digit before it
        {34, 0, "D", "1G", 0x11},
        {34, 0, "D", "G1", 1},
        // word.bit: no point, a trailing point, and the bit taken modulo 100
        {2, 1, "W", "12", 192},
        {2, 1, "W", "12.", 192},
        {2, 1, "W", "1.115", 31},
        // colon without a colon; colon-slash without a slash
        {10, 0, "D", "250", 250},
        {10, 0, "I", "1:2", 10032},
        // octal reads 8 and 9 as their own values
        {20, 0, "D", "18", 16},
        // decimal takes the leading digits only, no sign
        {13, 0, "D", "12AB", 12},
        {13, 0, "D", "-5", 0},
        // word+hex digit with a foreign last character
        {6, 0, "X", "1G", 16},
        // too large for 32 bits: held at the end of the range, never the no-index value
        {13, 0, "D", "99999999999", INT32_MAX},
        {34, 0, "D", "FFFFFFFFFFFFFFFF", INT32_MAX},
        {0, 5, "32CV", "99999999999", INT32_MAX},
    });
}

TEST(PluginIndexer, NoIndex) {
    CheckAll({
        {0, 0, "D", "", kNone},
        {0, 0, "D", nullptr, kNone},
        {44, 0, "D", "5", kNone},
        {-1, 0, "D", "5", kNone},
        {4, 0, "AQW", "5", kNone},
        // a missing area name reads as the empty name: the row's rule for other areas
        {13, 0, nullptr, "5", 5},
    });
}

}  // namespace
