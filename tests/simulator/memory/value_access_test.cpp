// Address resolution, register reads by part type, value writes, recipes and the display condition,
// with the real converter libraries loaded from the run folder.

#include "simulator/memory/value_access.h"

#include <gtest/gtest.h>

#include <map>

#include "engine/model/page.h"
#include "simulator/memory/evaluate_part.h"
#include "simulator/memory/part_condition.h"
#include "simulator/memory/poll_collection.h"
#include "simulator/shell/project/analog_alarm_table.h"
#include "simulator/shell/project/discrete_alarm_table.h"
#include "simulator/shell/project/project_settings.h"
#include "simulator/shell/project/recipe_table.h"
#include "tests/support/value_access_stack.h"

namespace sim {
namespace {

constexpr int kModbus = 19;

// A fixed-column text: each value written at its column.
std::string Columns(std::map<size_t, std::string> fields) {
    std::string text;
    for (const auto& [column, value] : fields) {
        if (text.size() < column) text.resize(column, ' ');
        text.replace(column, value.size(), value);
    }
    return text;
}

// Configuration lines from a sparse map of line number to text.
PartConfig Lines(const std::map<int, std::string>& lines, int count = 670) {
    std::string text;
    int last = lines.empty() ? 0 : lines.rbegin()->first;
    for (int i = 0; i <= last; ++i) {
        auto it = lines.find(i);
        if (it != lines.end()) text += it->second;
        text += "\r\n";
    }
    PartConfig config;
    config.Load(text, count);
    return config;
}

// An address group at line k: link, station, (unused), register name, address text.
void Group(std::map<int, std::string>& lines, int k, int link, const std::string& name,
           const std::string& address) {
    lines[k] = std::to_string(link);
    lines[k + 1] = "1";
    lines[k + 3] = name;
    lines[k + 4] = address;
}

class ValueAccessTest : public ::testing::Test, public test::ValueAccessStack {
  protected:
    ValueAccessTest() { access.SetPlcType(1, kModbus, 0); }

    double Scratch(int offset, int format) { return memory.ScratchValue(offset, format); }
};

TEST_F(ValueAccessTest, ResolvesPanelAndPlcRegisters) {
    struct Case {
        int link;
        const char* name;
        const char* address;
        const char* area;
        int index;
    } cases[] = {
        {0, "LB", "12", "LB", 12},  {0, "LW", "4000", "LW", 4000},
        {0, "RWI", "7x", "RWI", 7}, {0, "X", "5", "", 5},
        {0, "D", "", "", 0},        {1, "4x", "100", "D", 100},
        {1, "0x", "3", "M", 3},     {1, "4x_Bit", "10.05", "L", 165},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.address);
        RegisterAddress address = access.Resolve({c.link, 1, c.name, c.address});
        EXPECT_EQ(address.area, c.area);
        EXPECT_EQ(address.index, c.index);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ValueAccessTest, PartConditionByBitAndByUserLevel) {
    memory.WriteBit(Area::LB, 5, true);
    memory.WriteBit(Area::X, 5, true);
    memory.SetUserLevel(3);
    struct Case {
        const char* what;
        std::map<int, std::string> lines;
        int expected;
    } cases[] = {
        {"no condition", {}, 1},
        {"LB5 is 1 as required", {{1, "1"}, {2, "1"}, {5, "0"}, {8, "LB"}, {9, "5"}}, 1},
        {"LB5 is not 0", {{1, "1"}, {2, "0"}, {5, "0"}, {8, "LB"}, {9, "5"}}, 0},
        {"link-0 X has no area", {{1, "1"}, {2, "1"}, {5, "0"}, {8, "X"}, {9, "5"}}, 0},
        {"word area is no bit", {{1, "1"}, {2, "0"}, {5, "0"}, {8, "LW"}, {9, "5"}}, 0},
        {"bit beyond the area", {{1, "1"}, {2, "0"}, {5, "0"}, {8, "LB"}, {9, "999999999"}}, 0},
        {"level 3 needed, 3 held", {{3, "1"}, {4, "3"}}, 1},
        {"level 4 needed, 3 held", {{3, "1"}, {4, "4"}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PartCondition(Lines(c.lines), access), c.expected);
    }
}

TEST_F(ValueAccessTest, EvaluatePartLeavesEachTypesValuesAtItsOffsets) {
    memory.WriteBit(Area::LB, 7, true);
    memory.WriteWord(Area::LW, 10, 0x9234);
    memory.WriteDWord(Area::LW, 20, 0xFFFFFFFE);
    memory.WriteBit(Area::M, 3, true);
    EvaluationTables none;

    // Bit lamp: the bit itself (line 18 = 0), or the 16-bit (1) or 32-bit (2) word it is a bit of.
    std::map<int, std::string> lamp;
    Group(lamp, 20, 0, "LB", "7");
    EvaluatePart(14, Lines(lamp, 80), access, none);
    EXPECT_EQ(Scratch(1, 7), 1);
    Group(lamp, 20, 0, "LW", "10");
    lamp[18] = "1";
    EvaluatePart(14, Lines(lamp, 80), access, none);
    EXPECT_EQ(Scratch(1, 2), -28108);
    Group(lamp, 20, 0, "LW", "20");
    lamp[18] = "2";
    EvaluatePart(14, Lines(lamp, 80), access, none);
    EXPECT_EQ(Scratch(1, 3), -2);  // bits 16 to 31 are read too

    // Numeric display: the format of line 14, 16 or 32 bits.
    std::map<int, std::string> display;
    Group(display, 16, 0, "LW", "20");
    display[14] = "3";
    EvaluatePart(16, Lines(display, 70), access, none);
    EXPECT_EQ(Scratch(1, 3), -2);

    // Bit switch: the operated PLC bit and the control bits.
    std::map<int, std::string> button;
    Group(button, 68, 1, "0x", "3");
    Group(button, 16, 0, "LB", "7");
    EvaluatePart(1, Lines(button, 100), access, none);
    EXPECT_EQ(Scratch(99996, 7), 1);
    EXPECT_EQ(Scratch(99998, 7), 1);
}

TEST_F(ValueAccessTest, TextsAreCopiedAsWholeWords) {
    const std::uint8_t text[] = {'A', 'B', 'C', 'D', 'E', 'F'};
    memory.CopyIn(Area::LW, 2 * 30, text);
    std::map<int, std::string> ascii;
    Group(ascii, 16, 0, "LW", "30");
    ascii[21] = "3";  // three bytes: raised to four
    EvaluatePart(17, Lines(ascii, 50), access, {});
    std::uint8_t out[6] = {};
    memory.CopyOut(Area::ValueScratch, 0, out);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(out), 6), std::string("ABCD\0\0", 6));

    // Areas outside the copied list, and runs that leave the area, copy nothing.
    access.CopyWords("RWI", 0, 40, 4);
    access.CopyWords("LW", 204799, 44, 4);
    std::uint8_t untouched[8] = {};
    memory.CopyOut(Area::ValueScratch, 40, untouched);
    EXPECT_EQ(std::count(untouched, untouched + 8, 0), 8);
}

TEST_F(ValueAccessTest, AlarmTablesAreReadBitByBitThenWordsPacked) {
    DiscreteAlarmTable bits =
        ReadDiscreteAlarmTable(Columns({{0, "  3"}, {3, "0"}, {10, "LB"}, {13, "100"}}));
    std::string analog = Columns({{0, "  2"}, {3, "0"}, {10, "LW"}, {13, "50"}});
    AnalogAlarmTable words = ReadAnalogAlarmTable(analog);
    ASSERT_EQ(bits.count, 3);
    ASSERT_EQ(words.count, 2);
    memory.WriteBit(Area::LB, 101, true);
    memory.WriteWord(Area::LW, 50, 1234);
    memory.WriteWord(Area::LW, 51, 77);
    EvaluatePart(32, PartConfig(), access, {&bits, &words, nullptr});
    EXPECT_EQ(Scratch(0, 7), 0);
    EXPECT_EQ(Scratch(1, 7), 1);
    EXPECT_EQ(Scratch(2, 7), 0);
    EXPECT_EQ(Scratch(512, 0), 1234);  // 16-bit alarm words packed two bytes apart
    EXPECT_EQ(Scratch(514, 0), 77);
}

TEST_F(ValueAccessTest, CommandWordsOfTheSecondRegisterTable) {
    ProjectSettings settings;
    settings.registerTable2[0] = {{1, 0, 0, 0}, "LW", "60"};
    settings.registerTable2[1] = {{0, 0, 0, 0}, "LW", "61"};  // not enabled
    memory.WriteWord(Area::LW, 60, 5);
    memory.WriteWord(Area::LW, 61, 9);
    EvaluatePart(75, PartConfig(), access, {nullptr, nullptr, &settings});
    EXPECT_EQ(Scratch(88880, 0), 5);
    EXPECT_EQ(Scratch(88882, 0), 0);
}

TEST_F(ValueAccessTest, WritingRwiZeroLoadsThatRecipeGroup) {
    // Two items per group, 16-bit data, three groups: names at 148, data from 148 + 3 x 20.
    std::map<size_t, std::string> fields = {{60, "   2"}, {64, "   3"}, {68, "   0"}};
    const char* data[] = {"11", "12", "21", "22", "31", "32"};
    for (size_t i = 0; i < 6; ++i) fields[208 + 8 * i] = data[i];
    RecipeTable recipes;
    recipes.Read(Columns(fields));
    access.SetRecipes(&recipes);

    access.WriteValue("RWI", 0, 1, 0);
    EXPECT_EQ(memory.ReadWord(Area::RWI, 1).value, 21);
    EXPECT_EQ(memory.ReadWord(Area::RWI, 2).value, 22);
    EXPECT_EQ(memory.RecipeGroup(), 1);
    access.WriteValue("RWI", 5, 2, 0);  // any other word leaves the group
    EXPECT_EQ(memory.RecipeGroup(), 1);
    access.WriteValue("RWI", 0, 7, 0);  // a group the table does not hold is refused
    EXPECT_EQ(memory.RecipeGroup(), 1);
    EXPECT_EQ(memory.ReadWord(Area::RWI, 1).value, 21);
}

TEST_F(ValueAccessTest, OnlineWritesAreQueuedWithTheirBytesOfflineNone) {
    PlcTarget target{"4x", 100, 3, 1};
    access.WriteValue("D", 100, 0x12345678, 1, &target);
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_EQ(memory.ReadDWord(Area::D, 100).value, 0x12345678u);

    queue.SetOnline(true);
    access.WriteValue("D", 100, 0x12345678, 1, &target);
    access.WriteFloat("D", 102, 1.0f, &target);
    access.QueueBit(1, 3, "0x", 9, true);
    ASSERT_EQ(queue.Count(), 3);
    WriteRequest head;
    ASSERT_TRUE(queue.CopyHead(head));
    EXPECT_EQ(head.AreaName(), "4x");
    EXPECT_EQ(head.address, 100);
    EXPECT_EQ(head.station, 3);
    EXPECT_EQ(head.plcNumber, 1);
    EXPECT_EQ(head.count, 2);
    EXPECT_EQ(head.data[0], 0x78);
    EXPECT_EQ(head.data[3], 0x12);
    queue.RemoveHead();
    queue.CopyHead(head);
    EXPECT_EQ(head.count, 2);
    EXPECT_EQ(head.data[3], 0x3F);  // 1.0f, least significant byte first
    queue.RemoveHead();
    queue.CopyHead(head);
    EXPECT_EQ(head.count, 1);
    EXPECT_EQ(head.data[0], 1);
}

TEST_F(ValueAccessTest, WritesOutsideTheWordAreasOrBeyondThemStoreNothing) {
    access.WriteValue("LB", 0, 1, 0);
    access.WriteValue("Q", 0, 1, 0);
    access.WriteValue("LW", 204799, 0x10001, 1);  // the second word would leave the area
    EXPECT_EQ(memory.ReadBit(Area::LB, 0).value, 0);
    EXPECT_EQ(memory.ReadWord(Area::LW, 204799).value, 0);
}

}  // namespace
}  // namespace sim

namespace sim {
namespace {

// A page of parts: a lamp per PLC bit, a 32-bit display of D100, a panel-memory lamp.
std::unique_ptr<engine::Page> PollPage() {
    auto page = std::make_unique<engine::Page>();
    auto add = [&](int type, std::map<int, std::string> lines) {
        auto part = std::make_unique<engine::DrawObject>("group");
        part->SetTypeCode(type);
        std::string text;
        for (int i = 0; i <= lines.rbegin()->first; ++i) text += lines[i] + "\r\n";
        part->SetConfigText(text);
        page->AddObject(std::move(part));
    };
    auto lamp = [&](int link, const char* name, const char* address) {
        std::map<int, std::string> lines;
        Group(lines, 20, link, name, address);
        add(14, lines);
    };
    lamp(1, "X", "3");
    lamp(1, "X", "11");  // octal: X9
    lamp(1, "X", "12");  // octal: X10
    lamp(1, "X", "3");   // the same operand again
    lamp(0, "LB", "4");  // panel memory is never polled
    std::map<int, std::string> display;
    Group(display, 16, 1, "D", "100");
    display[14] = "3";
    add(16, display);
    return page;
}

TEST(PollCollection, TheShownPartsPlcOperandsGroupedIntoBlocks) {
    test::ValueAccessStack stack;
    auto& [host, memory, converters, lock, queue, access] = stack;
    access.SetPlcType(1, 0, 0);
    PollList list;
    list.count = 5;  // a previous build is emptied first
    BuildPollList(*PollPage(), access, {}, 0, 0, list);

    ASSERT_EQ(list.count, 3);
    struct Expected {
        const char* area;
        int address, count;
    } expected[] = {{"X", 0, 1}, {"X", 8, 1}, {"D", 100, 2}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.entries[i].area, expected[i].area);
        EXPECT_EQ(list.entries[i].address, expected[i].address);
        EXPECT_EQ(list.entries[i].count, expected[i].count);
        EXPECT_EQ(list.entries[i].plcNumber, 1);
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace sim
