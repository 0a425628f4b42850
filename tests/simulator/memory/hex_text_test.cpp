#include "simulator/memory/hex_text.h"

#include <gtest/gtest.h>

namespace sim {
namespace {

TEST(HexText, LenientRepeatsThePreviousDigitStrictGivesUp) {
    struct Case {
        const char* text;
        std::int32_t lenient;
        std::int32_t strict;
    };
    const Case cases[] = {
        {"", -1, 0},
        {"0", 0, 0},
        {"1A", 0x1A, 0x1A},
        {"1a", 0x1A, 0x1A},
        {"fF", 0xFF, 0xFF},
        {"1G", 0x11, 0},  // G repeats the 1
        {"G1", 0x01, 0},  // nothing to repeat at the start: 0
        {"A-", 0xAA, 0},
        {"1 2", 0x112, 0},
        {"7FFFFFFF", 0x7FFFFFFF, 0x7FFFFFFF},
        {"FFFFFFFF", -1, -1},                   // 32-bit wrap, as the panel's registers
        {"123456789", 0x23456789, 0x23456789},  // longer texts keep the low 32 bits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseHexLenient(c.text), c.lenient) << '"' << c.text << '"';
        EXPECT_EQ(ParseHexStrict(c.text), c.strict) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace sim
