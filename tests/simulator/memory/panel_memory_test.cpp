#include "simulator/memory/panel_memory.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>

namespace sim {
namespace {

class PanelMemoryTest : public ::testing::Test {
  protected:
    PanelMemory memory;
};

TEST_F(PanelMemoryTest, StartupClearSetsOnlyTheAlwaysOnPanelBits) {
    memory.WriteBit(Area::M, 5, true);
    memory.WriteWord(Area::LW, 7, 0x1234);
    memory.WriteBit(Area::LB, 1005, false);
    memory.Clear();

    EXPECT_EQ(memory.ReadBit(Area::LB, 999).value, 0);
    for (int bit = 1000; bit <= 1010; ++bit) EXPECT_EQ(memory.ReadBit(Area::LB, bit).value, 1) << "LB" << bit;
    EXPECT_EQ(memory.ReadBit(Area::LB, 1011).value, 0);
    EXPECT_EQ(memory.ReadBit(Area::M, 5).value, 0);
    EXPECT_EQ(memory.ReadWord(Area::LW, 7).value, 0);
}

// Every access outside its area is refused whole: nothing is written (not even the part that would
// fit), a read yields 0, and the result says so.
TEST_F(PanelMemoryTest, AccessOutsideTheAreaIsRefused) {
    enum Op { Bit, Word, DWord };
    struct Case {
        const char* what;
        Op op;
        Area area;
        std::int32_t index;
        bool inside;
    };
    const Case cases[] = {
        {"first panel bit", Bit, Area::LB, 0, true},
        {"last panel bit", Bit, Area::LB, 409599, true},
        {"panel bit past the end", Bit, Area::LB, 409600, false},
        {"last X bit", Bit, Area::X, 102399, true},
        {"X bit past the end", Bit, Area::X, 102400, false},
        {"negative bit", Bit, Area::L, -1, false},
        {"bit access to a word area", Bit, Area::D, 0, false},
        {"last D word", Word, Area::D, 49999, true},
        {"D word past the end", Word, Area::D, 50000, false},
        {"negative word", Word, Area::LW, -1, false},
        {"word whose byte offset overflows 32 bits", Word, Area::RWI,
         std::numeric_limits<std::int32_t>::max(), false},
        {"word access to a bit area", Word, Area::M, 0, false},
        {"word access to ValueScratch", Word, Area::ValueScratch, 0, false},
        {"32-bit at the last two words", DWord, Area::EM, 51198, true},
        {"32-bit at the last word straddles the end", DWord, Area::EM, 51199, false},
        {"negative 32-bit", DWord, Area::TT, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        memory.Clear();
        bool wrote = false, read = false;
        std::uint32_t value = 1;
        switch (c.op) {
            case Bit: {
                wrote = memory.WriteBit(c.area, c.index, true);
                auto r = memory.ReadBit(c.area, c.index);
                read = r.ok, value = r.value;
                break;
            }
            case Word: {
                wrote = memory.WriteWord(c.area, c.index, 0xBEEF);
                auto r = memory.ReadWord(c.area, c.index);
                read = r.ok, value = r.value;
                break;
            }
            case DWord: {
                wrote = memory.WriteDWord(c.area, c.index, 0xCAFEBEEF);
                auto r = memory.ReadDWord(c.area, c.index);
                read = r.ok, value = r.value;
                break;
            }
        }
        EXPECT_EQ(wrote, c.inside);
        EXPECT_EQ(read, c.inside);
        if (!c.inside) {
            EXPECT_EQ(value, 0u);
        }
    }
}

// A refused 32-bit write at the last word must not store its low word either, nor touch the area that
// follows D in the block (M).
TEST_F(PanelMemoryTest, RefusedStraddlingWriteLeavesTheLastWordAndTheNextAreaAlone) {
    ASSERT_TRUE(memory.WriteWord(Area::D, 49999, 0x1111));
    EXPECT_FALSE(memory.WriteDWord(Area::D, 49999, 0xAAAABBBB));
    EXPECT_FALSE(memory.WriteFloat(Area::D, 49999, 1.0f));
    EXPECT_EQ(memory.ReadWord(Area::D, 49999).value, 0x1111);
    EXPECT_EQ(memory.ReadBit(Area::M, 0).value, 0);
    EXPECT_EQ(memory.ReadBit(Area::M, 1).value, 0);
}

TEST_F(PanelMemoryTest, WideValuesAreStoredLowByteAndLowWordFirst) {
    ASSERT_TRUE(memory.WriteDWord(Area::LW, 10, 0x12345678));
    EXPECT_EQ(memory.ReadWord(Area::LW, 10).value, 0x5678);
    EXPECT_EQ(memory.ReadWord(Area::LW, 11).value, 0x1234);
    std::array<std::uint8_t, 4> bytes{};
    ASSERT_TRUE(memory.CopyOut(Area::LW, 20, bytes));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));

    ASSERT_TRUE(memory.WriteFloat(Area::N, 3, 1.0f));
    ASSERT_TRUE(memory.CopyOut(Area::N, 6, bytes));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 4>{0x00, 0x00, 0x80, 0x3F}));
}

TEST_F(PanelMemoryTest, ScratchRunsMustFitWhole) {
    const std::array<std::uint8_t, 4> value{1, 2, 3, 4};
    EXPECT_TRUE(memory.CopyIn(Area::ValueScratch, 99996, value));
    EXPECT_FALSE(memory.CopyIn(Area::ValueScratch, 99997, value));
    EXPECT_FALSE(memory.CopyIn(Area::ValueScratch, -1, value));

    std::array<std::uint8_t, 4> out{9, 9, 9, 9};
    EXPECT_TRUE(memory.CopyOut(Area::ValueScratch, 99996, out));
    EXPECT_EQ(out, value);
    EXPECT_FALSE(memory.CopyOut(Area::ValueScratch, 99998, out));
    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{}));

    EXPECT_EQ(memory.ScratchValue(99996, 0), 0x0201);
    EXPECT_EQ(memory.ScratchValue(99999, 0), 0);  // second byte would lie past the end
    EXPECT_EQ(memory.ScratchValue(99996, 9), 0);  // no such format
}

// The value reader finds each area through the base table by position; the table must point where
// the checked accessors write.
TEST_F(PanelMemoryTest, BaseTableSlotsAreTheAreasInReaderOrder) {
    for (std::size_t slot = 0; slot < kAreaCount; ++slot) {
        const Area area = static_cast<Area>(slot);
        SCOPED_TRACE(Info(area).name);
        const std::array<std::uint8_t, 2> marker{0x5A, 0xA5};
        ASSERT_TRUE(memory.CopyIn(area, 8, marker));
        const auto* base = static_cast<const std::uint8_t*>(memory.BaseTable()[slot]);
        EXPECT_EQ(base[8], 0x5A);
        EXPECT_EQ(base[9], 0xA5);
    }
}

TEST(AreaNames, LookupByConfigurationName) {
    struct Case {
        const char* name;
        std::optional<Area> area;
    };
    const Case cases[] = {
        {"LB", Area::LB},     {"X", Area::X},     {"Y", Area::Y},
        {"M", Area::M},       {"T", Area::T},     {"C", Area::C},
        {"L", Area::L},       {"LW", Area::LW},   {"RWI", Area::RWI},
        {"D", Area::D},       {"TT", Area::TT},   {"CC", Area::CC},
        {"N", Area::N},       {"EM", Area::EM},   {"AR", Area::L},
        {"CR", Area::L},  // two families' relay names kept in L
        {"lb", std::nullopt}, {"", std::nullopt}, {"ValueScratch", std::nullopt},
        {"?", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(AreaFromName(c.name), c.area) << '"' << c.name << '"';
}

}  // namespace
}  // namespace sim
