#include "simulator/memory/data_format.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace sim {
namespace {

TEST(DataFormat, DecodesEachFormat) {
    struct Case {
        int code;
        std::vector<std::uint8_t> bytes;
        double expected;
    };
    const Case cases[] = {
        {0, {0x34, 0x12}, 4660},
        {0, {0x34, 0x92}, 37428},
        {2, {0x34, 0x92}, -28108},
        {2, {0xFF, 0x7F}, 32767},
        {1, {0x00, 0x00, 0x00, 0x80}, -2147483648.0},
        {3, {0x00, 0x00, 0x00, 0x80}, -2147483648.0},
        {1, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
        {4, {0x34, 0x12}, 1234},
        {4, {0x0A, 0x00}, 10},  // nibble above 9 weighted, not rejected
        {4, {0x99, 0x99}, 9999},
        {5, {0x78, 0x56, 0x34, 0x12}, 12345678},
        {5, {0x01, 0x00, 0x00, 0x00}, 1},
        {6, {0x00, 0x00, 0x80, 0x3F}, 1.0},
        {6, {0x00, 0x00, 0x00, 0x00}, 0.0},
        {6, {0x00, 0x00, 0x20, 0xC1}, -10.0},
        {7, {0x01}, 1},
        {0, {0x34}, 0},                    // too short for the format
        {8, {0x01, 0x02, 0x03, 0x04}, 0},  // no such format
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeValue(c.code, c.bytes), c.expected)
            << "code " << c.code << ", first byte " << int(c.bytes[0]);
    }
}

TEST(DataFormat, EncodesLeastSignificantByteFirst) {
    std::array<std::uint8_t, 2> two{};
    EncodeU16(0x1234, two);
    EXPECT_EQ(two, (std::array<std::uint8_t, 2>{0x34, 0x12}));

    std::array<std::uint8_t, 4> four{};
    Encode32(0x80000000u, four);
    EXPECT_EQ(four, (std::array<std::uint8_t, 4>{0, 0, 0, 0x80}));
    EXPECT_EQ(DecodeS32(four), -2147483648.0);

    EncodeFloat(1.0f, four);
    EXPECT_EQ(four, (std::array<std::uint8_t, 4>{0x00, 0x00, 0x80, 0x3F}));
    EncodeFloat(-2.5f, four);
    EXPECT_EQ(DecodeFloat(four), -2.5);
}

}  // namespace
}  // namespace sim
