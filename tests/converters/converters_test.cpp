// The converter libraries as the simulator sees them: loaded from the run folder by file name, entry
// points looked up by name.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "converters/include/plc_converters.h"
#include "simulator/memory/panel_memory.h"

namespace {

using sim::Area;
using sim::PanelMemory;

class ConvertersTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        conver = Bind<ConverStrFn>(conv::kAreamapFile, conv::kConverStrSymbol);
        addr = Bind<AddrmapFn>(conv::kAddrmapFile, conv::kAddrmapSymbol);
        peek = Bind<ValuateFn>(conv::kRegpeekFile, conv::kValuateSymbol);
    }

    template <typename Fn>
    static Fn Bind(const char* file, const char* symbol) {
        const std::string path = std::string(HMI_RUN_DIR) + "/" + file;
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(handle, nullptr) << dlerror();
        return handle ? reinterpret_cast<Fn>(dlsym(handle, symbol)) : nullptr;
    }

    void SetUp() override {
        ASSERT_NE(conver, nullptr);
        ASSERT_NE(addr, nullptr);
        ASSERT_NE(peek, nullptr);
    }

    // Fills ValueScratch[offset, offset + 4) with 0xEE so "nothing written" can be seen.
    void MarkScratch(int offset) {
        const std::array<std::uint8_t, 4> mark{0xEE, 0xEE, 0xEE, 0xEE};
        ASSERT_TRUE(memory.CopyIn(Area::ValueScratch, offset, mark));
    }
    std::array<std::uint8_t, 4> Scratch(int offset) {
        std::array<std::uint8_t, 4> out{};
        memory.CopyOut(Area::ValueScratch, offset, out);
        return out;
    }

    static inline ConverStrFn conver = nullptr;
    static inline AddrmapFn addr = nullptr;
    static inline ValuateFn peek = nullptr;
    PanelMemory memory;
};

TEST_F(ConvertersTest, AreaOfEachRegister) {
    struct Case {
        int protocol, model;
        const char* name;
        const char* area;
    };
    const Case cases[] = {
        {0, 0, "X", "X"},       {0, 0, "Y", "Y"},       {0, 1, "M", "M"},      {0, 1, "S", "L"},
        {0, 0, "T", "T"},       {0, 0, "C", "C"},       {0, 2, "D", "D"},      {0, 2, "T*", "TT"},
        {0, 2, "C*", "CC"},     {0, 2, "CV32", "N"},    {0, 0, "CV32", ""},    {33, 1, "X", "X"},
        {19, 0, "0x", "M"},     {19, 0, "1x", "X"},     {19, 0, "3x", "EM"},   {19, 0, "4x", "D"},
        {19, 0, "3x_Bit", "Y"}, {19, 0, "4x_Bit", "L"}, {19, 7, "4x", "D"},    {18, 0, "0x", "M"},
        {2, 0, "IR", "Y"},      {2, 0, "AR", "L"},      {2, 0, "TC*", "TT"},   {2, 1, "IR", ""},
        {0, 0, "LB", "LB"},     {19, 0, "LW", "LW"},    {44, 9, "RWI", "RWI"},  // panel names everywhere
        {19, 0, "4X", ""},                                                      // letter case matters
        {19, 0, "X", ""},                                                       // another family's name
        {0, 3, "X", ""},                                                        // a model without a row
        {44, 0, "D", ""},                                                       // a protocol without a row
        {0, 0, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(conver(c.name, c.protocol, c.model), c.area)
            << "protocol " << c.protocol << " model " << c.model << " " << c.name;
    }
}

TEST_F(ConvertersTest, IndexOfEachAddressText) {
    struct Case {
        int protocol, model;
        const char* name;
        const char* text;
        int index;
    };
    const Case cases[] = {
        {0, 0, "X", "17", 15},  // octal inputs
        {0, 1, "Y", "0", 0},
        {0, 2, "X", "8", 8},  // an 8 is weighted, not rejected
        {0, 0, "D", "100", 100},
        {0, 0, "M", "12abc", 12},  // leading digits
        {0, 0, "M", "abc", 0},
        {0, 0, "T*", "5", 5},
        {19, 0, "4x", "40", 40},
        {19, 0, "4x_Bit", "10.05", 165},  // word.bit16
        {19, 0, "3x_Bit", "7", 112},      // no dot: bit 0
        {19, 0, "3x_Bit", "3.", 48},      // dot at the end: bit 0
        {19, 0, "4x_Bit", "1.123", 39},   // only the last two bit digits count
        {19, 1, "4x_Bit", "10.05", 10},   // other models: plain decimal
        {18, 0, "3x_Bit", "5", 5},
        {2, 0, "IR", "10.05", 165},
        {2, 0, "DM", "10.05", 10},
        {0, 0, "LW", "4000", 4000},
        {0, 0, "X", "", conv::kNoIndex},
        {0, 0, "Q", "1", conv::kNoIndex},
        {0, 0, "D", "99999999999", conv::kNoIndex},  // beyond 32 bits
        {0, 0, "X", "77777777777777", conv::kNoIndex},
        {19, 0, "4x_Bit", "999999999.1", conv::kNoIndex},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(addr(c.name, c.text, c.protocol, c.model), c.index)
            << "protocol " << c.protocol << " model " << c.model << " " << c.name << " \"" << c.text << '"';
    }
}

// The three must agree: a value stored at the area ConverStr names and the index addrmap computes is
// the value valuate reads for the same register.
TEST_F(ConvertersTest, ReaderFindsWhatAreaAndIndexName) {
    struct Case {
        int protocol, model;
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "X", "17"},       {0, 0, "Y", "7"},      {0, 1, "M", "8000"},       {0, 1, "S", "900"},
        {0, 0, "T", "255"},      {0, 0, "C", "199"},    {0, 2, "D", "8000"},       {0, 2, "T*", "10"},
        {0, 2, "C*", "20"},      {0, 2, "CV32", "200"}, {19, 0, "0x", "1"},        {19, 0, "1x", "2"},
        {19, 0, "3x", "3"},      {19, 0, "4x", "4"},    {19, 0, "3x_Bit", "5.15"}, {19, 0, "4x_Bit", "6.1"},
        {18, 0, "4x_Bit", "70"}, {0, 0, "LB", "9"},     {2, 0, "IR", "1.02"},      {2, 0, "HR", "3.04"},
        {2, 0, "AR", "5.06"},    {2, 0, "LR", "7.08"},  {2, 0, "TC", "9"},         {2, 0, "DM", "100"},
        {2, 0, "TC*", "11"},     {2, 0, "IR_W", "12"},  {0, 0, "LW", "9"},         {19, 0, "RWI", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + c.text);
        const auto area = sim::AreaFromName(conver(c.name, c.protocol, c.model));
        const int index = addr(c.name, c.text, c.protocol, c.model);
        ASSERT_TRUE(area.has_value());
        memory.Clear();
        if (sim::Info(*area).kind == sim::AreaKind::Bit) {
            ASSERT_TRUE(memory.WriteBit(*area, index, true));
            peek(memory.BaseTable(), c.name, index, 40, 7, c.protocol, c.model);
            EXPECT_EQ(memory.ScratchValue(40, 7), 1);
        } else {
            ASSERT_TRUE(memory.WriteWord(*area, index, 0xBEEF));
            peek(memory.BaseTable(), c.name, index, 40, 0, c.protocol, c.model);
            EXPECT_EQ(memory.ScratchValue(40, 0), 0xBEEF);
        }
    }
}

TEST_F(ConvertersTest, ReaderWidthsAndCrossKindReads) {
    // M10 to M25 set in the pattern 0xA5C3, lowest address in bit 0.
    for (int i = 0; i < 16; ++i) memory.WriteBit(Area::M, 10 + i, (0xA5C3 >> i) & 1);
    peek(memory.BaseTable(), "M", 10, 0, 0, 0, 0);
    EXPECT_EQ(memory.ScratchValue(0, 0), 0xA5C3);

    memory.WriteDWord(Area::D, 100, 0x12345678);
    peek(memory.BaseTable(), "D", 100, 4, 1, 0, 0);
    EXPECT_EQ(memory.ScratchValue(4, 1), 0x12345678);

    memory.WriteWord(Area::D, 7, 0x0003);
    peek(memory.BaseTable(), "D", 7, 8, 7, 0, 0);  // bit format on a word: bit 0
    EXPECT_EQ(memory.ScratchValue(8, 7), 1);

    memory.WriteFloat(Area::LW, 2, 2.5f);
    peek(memory.BaseTable(), "LW", 2, 12, 6, 0, 0);
    EXPECT_EQ(memory.ScratchValue(12, 6), 2.5);
}

// Outside its area a register reads as 0; the previous value in the scratch must not survive.
TEST_F(ConvertersTest, ReaderGivesZeroOutsideTheArea) {
    struct Case {
        const char* name;
        int index;
        int format;
    };
    const Case cases[] = {
        {"D", 50000, 0}, {"D", 49999, 1}, {"D", -1, 0}, {"LB", 409600, 7}, {"M", 102399, 0}, {"X", -5, 7},
    };
    for (const Case& c : cases) {
        MarkScratch(20);
        peek(memory.BaseTable(), c.name, c.index, 20, c.format, 0, 0);
        const std::array<std::uint8_t, 4> scratch = Scratch(20);
        const int width = c.format == 7 ? 1 : c.format == 1 ? 4 : 2;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(scratch[i], i < width ? 0 : 0xEE) << c.name << c.index << " byte " << i;
        }
    }
}

// Requests the reader cannot serve leave ValueScratch exactly as it was.
TEST_F(ConvertersTest, ReaderWritesNothingForRequestsItCannotServe) {
    memory.WriteWord(Area::D, 1, 0x1234);
    MarkScratch(99996);
    peek(memory.BaseTable(), "D", 1, 99999, 0, 0, 0);  // two bytes would end past ValueScratch
    peek(memory.BaseTable(), "D", 1, -2, 0, 0, 0);
    peek(memory.BaseTable(), "Q", 1, 99996, 0, 0, 0);  // no such register
    peek(memory.BaseTable(), "D", 1, 99996, 8, 0, 0);  // no such format
    peek(nullptr, "D", 1, 99996, 0, 0, 0);
    peek(memory.BaseTable(), nullptr, 1, 99996, 0, 0, 0);
    EXPECT_EQ(Scratch(99996), (std::array<std::uint8_t, 4>{0xEE, 0xEE, 0xEE, 0xEE}));
}

}  // namespace
