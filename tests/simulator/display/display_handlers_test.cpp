// The refresh handlers of bit buttons, buttons, bit lamps and multistate lamps: which pictures a part
// shows for its value and its display condition.

#include <gtest/gtest.h>

#include "tests/simulator/display/display_fixture.h"

namespace sim {
namespace {

constexpr int kHiddenBit = 900;  // LB900 stays 0: a part shown while it is 1 is hidden
constexpr int kOnBit = 10;       // LB10 is set to 1 by the tests that need an ON bit

TEST_F(DisplayTest, HiddenPartsShowNoPicture) {
    memory.WriteBit(Area::LB, kOnBit, true);
    struct Case {
        const char* what;
        int type;
        Lines lines;
        int pictures;
    } cases[] = {
        {"bit button, bit ON", 1, {{66, "1"}, {67, "1"}, {68, "0"}, {71, "LB"}, {72, "10"}}, 2},
        {"bit lamp, bit ON", 14, {{20, "0"}, {23, "LB"}, {24, "10"}}, 2},
        {"word switch", 2, {}, 2},
        {"screen switch", 3, {}, 2},
        {"function switch", 4, {}, 2},
        {"combination key", 78, {}, 2},
        {"multistate lamp", 15, {{522, "32"}, {523, "0"}}, 32},
        {"multistate switch", 6, {{522, "32"}, {523, "0"}}, 32},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShownWhileBit(c.lines, kHiddenBit);
        auto part = MakePart(c.type, c.lines, c.pictures);
        SetAllPictures(*part, c.pictures, true);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, c.pictures), std::vector<int>{});
    }
}

TEST_F(DisplayTest, ShownButtonsShowPictureZero) {
    for (int type : {2, 3, 4, 78}) {
        SCOPED_TRACE(type);
        auto part = MakePart(type, {});
        SetAllPictures(*part, 2, false);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{0});
    }
}

TEST_F(DisplayTest, BitButtonShowsOnPictureOnlyWhenItMonitorsItsBit) {
    struct Case {
        const char* what;
        bool bit;
        const char* monitorFlag;
        int picture;
    } cases[] = {
        {"monitored, bit 0", false, "1", 0},
        {"monitored, bit 1", true, "1", 1},
        // Without monitoring nothing reads the value bytes: what another part left there must not
        // choose the picture.
        {"not monitored, bit 0", false, "0", 0},
        {"not monitored, bit 1", true, "0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        memory.WriteBit(Area::LB, kOnBit, c.bit);
        Lines lines{{66, c.monitorFlag}, {67, "1"}};
        PanelGroup(lines, 68, "LB", kOnBit);
        auto part = MakePart(1, lines);
        SetAllPictures(*part, 2, false);
        LeaveInScratch(0x34);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{c.picture});
    }
}

TEST_F(DisplayTest, BitLampTakesItsBitFromTheConfiguredSource) {
    memory.WriteBit(Area::LB, kOnBit, true);
    memory.WriteWord(Area::LW, 100, 8);
    memory.WriteWord(Area::LW, 101, 7);
    memory.WriteDWord(Area::LW, 110, 0x00000008);
    struct Case {
        const char* what;
        const char* source;
        const char* bitNumber;
        const char* registerName;
        int address;
        int picture;
    } cases[] = {
        {"the bit itself, ON", "0", "0", "LB", kOnBit, 1},
        {"the bit itself, OFF", "0", "0", "LB", kHiddenBit, 0},
        {"bit 3 of the word 8", "1", "3", "LW", 100, 1},
        {"bit 3 of the word 7", "1", "3", "LW", 101, 0},
        {"bit 0 of the word 7", "1", "0", "LW", 101, 1},
        {"bit 35 wraps to bit 3", "1", "35", "LW", 100, 1},
        {"bit 3 of a 32-bit word", "2", "3", "LW", 110, 1},
        // Nothing of this lamp's word sets the high bits: another part's bytes must not show through.
        {"bit 30 of a 32-bit word", "2", "30", "LW", 110, 0},
        {"unknown source is OFF", "5", "0", "LW", 100, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines{{18, c.source}, {19, c.bitNumber}};
        PanelGroup(lines, 20, c.registerName, c.address);
        auto part = MakePart(14, lines);
        SetAllPictures(*part, 2, false);
        LeaveInScratch(0xFF);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{c.picture});
    }
}

TEST_F(DisplayTest, MultistateLampShowsTheClampedStatePicture) {
    memory.WriteWord(Area::LW, 200, 7);
    memory.WriteDWord(Area::LW, 210, static_cast<std::uint32_t>(-5));
    memory.WriteWord(Area::LW, 220, 1);
    memory.WriteWord(Area::LW, 230, 0xFFFF);
    struct Case {
        const char* what;
        int type;
        const char* states;
        const char* wordSize;
        int address;
        std::vector<int> pictures;
    } cases[] = {
        {"3 states, value 7", 15, "3", "0", 200, {2}},
        {"3 states, value -5 (32-bit)", 15, "3", "1", 210, {0}},
        {"3 states, value 1", 15, "3", "0", 220, {1}},
        {"16-bit 65535 is no negative value", 15, "32", "0", 230, {31}},
        {"no states", 15, "0", "0", 200, {}},
        // Clamping a negative value to 0 would show picture 0 of a lamp without states.
        {"no states, value -5", 15, "0", "1", 210, {}},
        {"unknown word size counts as 0", 15, "3", "7", 200, {0}},
        {"multistate switch, value 7", 6, "3", "0", 200, {2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines{{522, c.states}, {523, c.wordSize}};
        PanelGroup(lines, 525, "LW", c.address);
        auto part = MakePart(c.type, lines, 32);
        SetAllPictures(*part, 32, true);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, 32), c.pictures);
    }
}

TEST_F(DisplayTest, SelectionPartOnlyDropsItsSelection) {
    auto part = MakePart(81, {}, 2);
    SetAllPictures(*part, 2, false);
    part->SetSelected(true);
    Tick({part.get()});
    EXPECT_FALSE(part->Selected());
    EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{});
    EXPECT_EQ(lists.SnapshotCount(81), 0);
}

}  // namespace
}  // namespace sim
