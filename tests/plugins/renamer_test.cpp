// renamer through its C interface: every row of the conversion table, the star rule, and the result
// buffer.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"

namespace {

struct RenameCase {
    int32_t protocol;
    int32_t model;
    const char* area;
    const char* expected;
};

std::string Rename(const char* area, int32_t protocol, int32_t model) {
    char result[32];
    const size_t length = renamer(area, protocol, model, result, sizeof result);
    if (length != std::string(result).size()) return "length " + std::to_string(length) + " for " + result;
    return result;
}

TEST(PluginRenamer, ConversionTable) {
    const std::vector<RenameCase> cases = {
        // 0 and 33
        {0, 0, "T*", "t"},
        {0, 0, "X", "X"},
        {0, 0, "D", "D"},
        {33, 1, "S", "S"},
        {0, 2, "CV32", "N"},
        {33, 2, "C*", "c"},
        {0, 3, "B", "K"},
        {33, 4, "SW", "N"},
        {0, 6, "TS", "T"},
        {0, 6, "SD", "v"},
        {0, 5, "32CV", "c"},
        {33, 6, "SM", "H"},
        {33, 6, "TS", "TS"},
        // 1, 2
        {1, 0, "C*_Double", "N"},
        {1, 0, "T*", "t"},
        {2, 0, "TC*", "t"},
        {2, 0, "IR_W", "R"},
        {2, 1, "H", "M"},
        {2, 1, "H_W", "N"},
        {2, 2, "IR", "IR"},
        {2, 2, "C*", "c"},
        // 3 and 5: model 3 of protocol 3 keeps its own timer and counter codes
        {3, 3, "T*", "J"},
        {3, 3, "C*", "L"},
        {3, 3, "%MX3_", "Y"},
        {3, 1, "T*", "t"},
        {3, 1, "32CV", "v"},
        {5, 3, "T*", "t"},
        {5, 0, "%MW10_", "N"},
        {5, 0, "SD", "N"},
        // 4
        {4, 0, "V_Bit", "H"},
        {4, 0, "SMW", "N"},
        {4, 1, "MW", "R"},
        {4, 1, "V", "V"},
        {4, 2, "I", "I"},
        // 6: exact comparison, DT_BIT included
        {6, 0, "DT_Bit", "H"},
        {6, 0, "WL_Bit", "K"},
        {6, 0, "DT_BIT", "DT_BIT"},
        {6, 0, "dt", "dt"},
        {6, 0, "SV", "c"},
        // 7 to 13
        {7, 0, "S", "H"},
        {31, 0, "S", "H"},
        {8, 2, "%MX", "M"},
        {8, 1, "%MX", "%MX"},
        {8, 1, "MW", "D"},
        {9, 0, "V", "D"},
        {10, 0, "T_ACC", "t"},
        {11, 0, "MV", "R"},
        {12, 0, "R", "R"},
        {12, 1, "R", "D"},
        {12, 1, "DRC", "c"},
        {13, 0, "AQ", "N"},
        // 14
        {14, 1, "CR", "H"},
        {14, 2, "CR", "CR"},
        {14, 2, "TM", "R"},
        {14, 3, "R", "R"},
        // 15 to 21
        {15, 0, "UPSData", "D"},
        {16, 0, "WRP", "R"},
        {17, 0, "ETD", "N"},
        {17, 0, "SM", "J"},
        {18, 0, "4x_Bit", "K"},
        {19, 0, "4x_Bit", "K"},
        {18, 0, "3x_D", "t"},
        {19, 5, "3x_D", "t"},
        {20, 0, "R", "D"},
        {21, 0, "CODE", "D"},
        {25, 0, "CODE", "D"},
        // 22 to 30
        {22, 0, "MX", "M"},
        {23, 0, "WR", "R"},
        {24, 0, "RWI", "Z"},
        {26, 0, "Z", "c"},
        {27, 0, "RC", "c"},
        {28, 0, "VW", "D"},
        {29, 0, "Data4017x", "D"},
        {30, 0, "T", "L"},
        // 32 to 41
        {32, 0, "QW", "c"},
        {34, 0, "3CH", "N"},
        {35, 0, "STATUS", "c"},
        {36, 0, "WX", "M"},
        {37, 0, "STATUS", "X"},
        {38, 0, "T*", "t"},
        {38, 0, "D", "D"},
        {39, 0, "U", "R"},
        {40, 0, "D_Double", "R"},
        {41, 0, "QF", "c"},
        // 42
        {42, 0, "OUTPUT", "Y"},
        {42, 1, "OUTPUT", "M"},
        {42, 7, "WRITE", "c"},
        {42, 0, "WRITE", "D"},
        {42, 1, "STRING", "D"},
        // 43: one word area, everything else K
        {43, 0, "W", "c"},
        {43, 0, "LB", "K"},
        {43, 0, "T*", "K"},
        // empty results
        {44, 0, "X", ""},
        {-1, 0, "X", ""},
        {0, 0, "", ""},
        {0, 0, nullptr, ""},
    };
    for (const RenameCase& c : cases) {
        EXPECT_EQ(Rename(c.area, c.protocol, c.model), c.expected)
            << "protocol " << c.protocol << " model " << c.model << " area " << (c.area ? c.area : "(null)");
    }
}

TEST(PluginRenamer, ResultBuffer) {
    // The buffer is never written past its size and never receives a cut-short name.
    const std::string longName(40, 'Q');
    std::vector<char> result(41, '#');
    EXPECT_EQ(renamer(longName.c_str(), 0, 0, result.data(), 40), 40u);
    EXPECT_STREQ(result.data(), "");
    EXPECT_EQ(result[40], '#');
    EXPECT_EQ(renamer(longName.c_str(), 0, 0, result.data(), 41), 40u);
    EXPECT_EQ(std::string(result.data()), longName);

    // No buffer at all still tells the length needed.
    EXPECT_EQ(renamer("DT_Bit", 6, 0, nullptr, 0), 1u);
}

}  // namespace
