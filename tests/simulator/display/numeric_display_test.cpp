// Numeric displays and the display side of numeric entries: decoding, the shown text (radix, decimal
// point, scaling, padding) and the range colours.

#include <gtest/gtest.h>

#include <bit>

#include "simulator/display/number_text.h"
#include "tests/simulator/display/display_fixture.h"

namespace sim {
namespace {

using Bytes = std::array<std::uint8_t, 4>;

Bytes FloatBytes(float value) {
    const auto raw = std::bit_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(raw), static_cast<std::uint8_t>(raw >> 8),
            static_cast<std::uint8_t>(raw >> 16), static_cast<std::uint8_t>(raw >> 24)};
}

TEST(DecodeNumber, DecodesEachDataType) {
    struct Case {
        const char* what;
        Bytes bytes;
        int dataType;
        double value;
    } cases[] = {
        {"16-bit unsigned", {0x34, 0x92}, 0, 37428},
        {"16-bit signed", {0x34, 0x92}, 2, -28108},
        {"32-bit reads signed", {0x00, 0x00, 0x00, 0x80}, 1, -2147483648.0},
        {"BCD-16", {0x34, 0x12}, 4, 1234},
        {"BCD-16 nibble 12 at the tens weighs 120", {0xC0, 0x00}, 4, 120},
        {"BCD-32", {0x78, 0x56, 0x34, 0x12}, 5, 12345678},
        {"float widens exactly", FloatBytes(3.14159265f), 6, static_cast<double>(3.14159265f)},
        {"bit type decodes to 0", {1, 0, 0, 0}, 7, 0},
        {"unknown type decodes to 0", {1, 2, 3, 4}, -1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeNumber(c.bytes, c.dataType), c.value) << c.what;
}

constexpr int kValueWord = 100;  // LW100 (and LW101 for 32-bit values) holds the shown value

// A numeric display of LW100 (type 16) with the given setting lines.
std::unique_ptr<engine::DrawObject> NumericDisplay(Lines lines) {
    PanelGroup(lines, 16, "LW", kValueWord);
    return MakePart(16, lines);
}

std::string ShownText(const engine::DrawObject& part) {
    return engine::VariantText(*part.GetProperty("SHAPE0.txt1.text"));
}

TEST_F(DisplayTest, NumericDisplayText) {
    // Lines: 14 data type, 15 display type, 22 total digits, 23 fraction digits, 24 scaling, 27 gain,
    // 28 offset, 50 padding.
    struct Case {
        const char* what;
        std::uint32_t raw;
        Lines lines;
        std::string text;
    } cases[] = {
        {"16-bit 1234, f = 2", 1234, {{23, "2"}}, "12.34"},
        {"zero padding to 6 digits", 1234, {{23, "2"}, {22, "6"}, {50, "1"}}, "0012.34"},
        {"16-bit signed FE FF", 0xFFFE, {{14, "2"}}, "-2"},
        {"16-bit BCD", 0x1234, {{14, "4"}}, "1234"},
        {"32-bit BCD", 0x00012345, {{14, "5"}}, "12345"},
        {"hexadecimal", 255, {{15, "1"}}, "ff"},
        {"octal", 255, {{15, "2"}}, "377"},
        {"unknown display type", 255, {{15, "3"}}, ""},
        {"unknown display type is not padded", 255, {{15, "3"}, {22, "4"}, {50, "1"}}, ""},
        {"32-bit negative in hexadecimal", 0xFFFFFFFF, {{14, "1"}, {15, "1"}}, "ffffffff"},
        {"display type 5 ignores f", 1234, {{15, "5"}, {23, "2"}}, "1234"},
        {"float, f = 2", std::bit_cast<std::uint32_t>(3.14159265f), {{14, "6"}, {23, "2"}}, "3.14"},
        {"float 0.0, f = 3", 0, {{14, "6"}, {23, "3"}}, "0.000"},
        {"scaled: 500 / 10 x 2 + 0", 500, {{23, "1"}, {24, "1"}, {27, "2"}, {28, "0"}}, "100.0"},
        {"scaled with offset, f = 0", 50, {{24, "1"}, {27, "2"}, {28, "10.25"}}, "110"},
        {"scaled float",
         std::bit_cast<std::uint32_t>(1.5f),
         {{14, "6"}, {23, "1"}, {24, "1"}, {27, "3"}},
         "4.5"},
        // A scaled hexadecimal display shows the scaled register value in decimal; reading "ff" back
        // as decimal digits would give 0.
        {"scaled hexadecimal", 255, {{15, "1"}, {23, "1"}, {24, "1"}, {27, "1"}}, "25.5"},
        {"space padding of 0.50", 50, {{23, "2"}, {22, "5"}, {50, "2"}}, "   .50"},
        {"space padding of 0", 0, {{22, "3"}, {50, "2"}}, "   "},
        {"zero padding of hexadecimal", 255, {{15, "1"}, {22, "4"}, {50, "1"}}, "00ff"},
        {"padding shorter than the number adds nothing", 123456, {{14, "1"}, {22, "3"}, {50, "1"}}, "123456"},
        // Zeros go after the sign: "0000-2" would be no number at all.
        {"zero padding of a negative number", 0xFFFE, {{14, "2"}, {22, "6"}, {50, "1"}}, "-00002"},
        {"space padding of a negative number", 0xFFFE, {{14, "2"}, {22, "4"}, {50, "2"}}, "  -2"},
        {"huge total digits stay bounded", 1, {{22, "2147483647"}, {50, "2"}}, std::string(64, ' ') + "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        memory.WriteDWord(Area::LW, kValueWord, c.raw);
        auto part = NumericDisplay(c.lines);
        SetAllPictures(*part, 2, false);
        Tick({part.get()});
        EXPECT_EQ(ShownText(*part), c.text);
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{0});
    }
}

TEST_F(DisplayTest, NumericDisplayRangeColours) {
    // Low colours 33/34, high colours 31/32, in between 48/45.
    const Lines colours{{25, "1"}, {31, "1"}, {32, "2"}, {33, "3"}, {34, "4"}, {48, "5"}, {45, "6"}};
    memory.WriteWord(Area::LW, 300, 10);
    memory.WriteWord(Area::LW, 301, 20);
    struct Case {
        const char* what;
        std::uint16_t value;
        bool limitsFromRegisters;
        int text, back;
    } cases[] = {
        {"at the low limit", 10, false, 3, 4},
        {"below the low limit", 2, false, 3, 4},
        {"in between", 15, false, 5, 6},
        {"at the high limit", 20, false, 1, 2},
        {"above the high limit", 99, false, 1, 2},
        {"register limits, low", 10, true, 3, 4},
        {"register limits, between", 15, true, 5, 6},
        {"register limits, high", 20, true, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        memory.WriteWord(Area::LW, kValueWord, c.value);
        Lines lines = colours;
        if (c.limitsFromRegisters) {
            lines[26] = "1";
            PanelGroup(lines, 35, "LW", 300);
            PanelGroup(lines, 40, "LW", 301);
        } else {
            lines[29] = "10";
            lines[30] = "20";
        }
        auto part = NumericDisplay(lines);
        Tick({part.get()});
        EXPECT_EQ(PictureColour(*part, 0, "txt1", "fontcolor"), c.text);
        EXPECT_EQ(PictureColour(*part, 0, "rc2", "backColor"), c.back);
    }
}

TEST_F(DisplayTest, NumericDisplayWithoutRangeKeepsItsColours) {
    memory.WriteWord(Area::LW, kValueWord, 5);
    auto part = NumericDisplay({{29, "10"}, {30, "20"}, {33, "3"}, {34, "4"}});
    part->SetProperty("SHAPE0.txt1.fontcolor", 77);
    Tick({part.get()});
    EXPECT_EQ(PictureColour(*part, 0, "txt1", "fontcolor"), 77);
}

TEST_F(DisplayTest, NumericInputShowsItsRegister) {
    memory.WriteWord(Area::LW, 200, 1234);  // the register the entry writes
    memory.WriteWord(Area::LW, 210, 7);     // a separate monitor register
    struct Case {
        const char* what;
        const char* monitor;
        const char* text;
    } cases[] = {
        // Without a monitor register the entry shows the register it writes, not a zero or what
        // another part left in the value bytes.
        {"no monitor register", "0", "12.34"},
        {"monitor register", "1", "0.07"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines{{24, c.monitor}, {32, "2"}};
        PanelGroup(lines, 19, "LW", 200);
        PanelGroup(lines, 25, "LW", 210);
        auto part = MakePart(12, lines);
        LeaveInScratch(0x55);
        Tick({part.get()});
        EXPECT_EQ(ShownText(*part), c.text);
    }
}

TEST_F(DisplayTest, NumericInputReadsItsOwnSettingLines) {
    memory.WriteWord(Area::LW, 200, 500);
    // Data type 15, display type 16, total digits 31, f 32, scaling 35, gain 36, offset 37, padding 68.
    Lines lines{{15, "0"}, {16, "0"}, {31, "6"}, {32, "1"}, {35, "1"}, {36, "2"}, {37, "0"}, {68, "1"}};
    PanelGroup(lines, 19, "LW", 200);
    auto part = MakePart(12, lines);
    Tick({part.get()});
    EXPECT_EQ(ShownText(*part), "00100.0");
}

}  // namespace
}  // namespace sim
