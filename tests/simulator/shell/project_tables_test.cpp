// The page-0 tables as the start-up loader finds them in a drawing: recipes ("Lock2"), alarms
// ("Lock1"), "Lock3" and the data transfers ("Lock4").

#include "simulator/shell/project/project_tables.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "project_fixture.h"

namespace sim {
namespace {

// Settings with the recipe and Lock3 flags as given.
std::string Settings(int recipeFlag, int lock3Flag = 0) {
    return test::FixedColumns().Put(1157, lock3Flag).Put(1161, recipeFlag).Text();
}

class ProjectTablesTest : public ::testing::Test {
  protected:
    ProjectTables& Load() {
        builder.ShowIn(view);
        LoadProjectTables(view, *tables);
        return *tables;
    }

    test::DrawingBuilder builder;
    engine::View view;
    std::unique_ptr<ProjectTables> tables = std::make_unique<ProjectTables>();
};

// A recipe table of two groups of three items.
test::FixedColumns RecipeText(int format) {
    test::FixedColumns text;
    text.Put(0, "Mix A").Put(20, "Mix B").Put(60, "   3").Put(64, "   2").Put(68, format);
    text.Put(72, "   1").Put(76, "   1").Put(80, "   2").Put(84, "D").Put(94, "100");
    text.Put(104, "   1").Put(116, "D").Put(126, "200").Put(136, "  11").Put(140, "  22");
    text.Put(148, "First group").Put(168, "Second");
    return text;
}

TEST_F(ProjectTablesTest, RecipeFieldsAndDataReadWhileTheTextLasts) {
    test::FixedColumns text = RecipeText(0);
    // Four of the six data words, the last one cut short by the end of the text.
    text.Put(188, "      10").Put(196, "      -2").Put(204, "   65535").Put(212, "  7");
    builder.Page(0).SetExtraText(Settings(1));
    builder.Object(0, "Lock2", 0, text.Text());

    const RecipeTable& r = Load().recipes;
    ASSERT_TRUE(r.Present());
    EXPECT_EQ(tables->settings.recipeFlag, 1);
    EXPECT_EQ(r.Name1(), "Mix");
    EXPECT_EQ(r.Name2(), "Mix");
    EXPECT_EQ(r.ItemsPerGroup(), 3);
    EXPECT_EQ(r.GroupCount(), 2);
    EXPECT_EQ(r.References()[0].link, 1);
    EXPECT_EQ(r.References()[0].station, 2);
    EXPECT_EQ(r.References()[0].registerName, "D");
    EXPECT_EQ(r.References()[0].addressText, "100");
    EXPECT_EQ(r.References()[1].addressText, "200");
    EXPECT_EQ(r.Numbers()[0], 11);
    EXPECT_EQ(r.Numbers()[1], 22);
    EXPECT_EQ(r.GroupName(0), "First");
    EXPECT_EQ(r.GroupName(1), "Second");
    EXPECT_EQ(r.GroupName(2), "");
    EXPECT_EQ(r.WordsRead(), 4u);
    EXPECT_EQ(std::vector<std::int32_t>(r.GroupWords(0).begin(), r.GroupWords(0).end()),
              (std::vector<std::int32_t>{10, -2, 65535}));
    EXPECT_EQ(std::vector<std::int32_t>(r.GroupWords(1).begin(), r.GroupWords(1).end()),
              (std::vector<std::int32_t>{7, 0, 0}));
    EXPECT_TRUE(r.GroupWords(2).empty());
    EXPECT_TRUE(r.GroupWords(-1).empty());
}

TEST_F(ProjectTablesTest, ThirtyTwoBitRecipesTakeTwoWordsPerItem) {
    test::FixedColumns text = RecipeText(1);
    for (int k = 0; k < 12; ++k) text.Put(188 + 8 * static_cast<std::size_t>(k), k + 1);
    text.Put(188 + 8 * 12, "99");  // past the last group: not recipe data
    builder.Page(0).SetExtraText(Settings(1));
    builder.Object(0, "Lock2", 0, text.Text());

    const RecipeTable& r = Load().recipes;
    EXPECT_EQ(r.WordsPerGroup(), 6);
    EXPECT_EQ(r.WordsRead(), 12u);
    EXPECT_EQ(r.GroupWords(1).front(), 7);
    EXPECT_EQ(r.GroupWords(1).back(), 12);
}

TEST_F(ProjectTablesTest, RecipeFlagHoldsOnlyWhenTheProjectHasRecipes) {
    struct Case {
        const char* name;
        int flag;
        bool lock2;
        const char* text;
        bool present;
        int flagAfter;
    };
    const std::string recipe = RecipeText(0).Text();
    const Case cases[] = {
        {"no Lock2 object, flag set", 1, false, "", false, 0},
        {"empty Lock2 text", 1, true, "", false, 0},
        {"flag clear: Lock2 not read", 0, true, recipe.c_str(), false, 0},
        {"flag and text", 1, true, recipe.c_str(), true, 1},
    };
    for (const Case& c : cases) {
        builder.Page(0).SetExtraText(Settings(c.flag));
        builder.Object(0, "Other", 0, recipe);
        if (c.lock2) builder.Object(0, "Lock2", 0, c.text);
        const ProjectTables& t = Load();
        EXPECT_EQ(t.recipes.Present(), c.present) << c.name;
        EXPECT_EQ(t.settings.recipeFlag, c.flagAfter) << c.name;
        if (!c.present) {
            EXPECT_EQ(t.recipes.GroupCount(), 0) << c.name;
        }
    }
}

TEST_F(ProjectTablesTest, LockObjectsAreFoundByExactNameFirstOnPageZero) {
    builder.Page(0).SetExtraText(Settings(0, 1));
    builder.Object(0, "lock4", 0, test::FixedColumns().Put(0, "1").Put(1, "       9").Text());
    builder.Object(0, "Lock4", 0, test::FixedColumns().Put(0, "1").Put(1, "       5").Text());
    builder.Object(0, "Lock4", 0, test::FixedColumns().Put(0, "1").Put(1, "       7").Text());
    builder.Object(0, "Lock3", 0, "anything");
    builder.Object(1, "Lock1", 0, test::FixedColumns().Put(0, "  3").Text());

    const ProjectTables& t = Load();
    EXPECT_EQ(t.transfers.records[0].period, 5);
    EXPECT_TRUE(t.lock3Read);
    EXPECT_EQ(t.discreteAlarms.count, 0);  // "Lock1" is only looked for on page 0
}

TEST_F(ProjectTablesTest, EmptyDrawingGivesEmptyTables) {
    const ProjectTables& t = Load();
    EXPECT_EQ(t.screens.count, 0);
    EXPECT_EQ(t.settings.startScreen, 0);
    EXPECT_FALSE(t.recipes.Present());
    EXPECT_EQ(t.discreteAlarms.count, 0);
    EXPECT_EQ(t.analogAlarms.count, 0);
    EXPECT_FALSE(t.lock3Read);
    EXPECT_EQ(t.transfers.enabledCount, 0);
}

TEST_F(ProjectTablesTest, DiscreteAlarmTable) {
    test::FixedColumns text;
    text.Put(0, "  3").Put(3, "1").Put(4, "  2").Put(7, "500").Put(10, "X").Put(13, "1234567");
    text.Put(20, "1").Put(21, "0").Put(22, "1").Put(531, "1");
    text.Put(532, "Pump A failed").Put(562, "Door open").Put(592, std::string(30, 'M'));
    text.Put(532 + 30 * 511, "Last");
    builder.Object(0, "Lock1", 0, text.Text());

    const DiscreteAlarmTable& d = Load().discreteAlarms;
    EXPECT_EQ(d.count, 3);
    EXPECT_EQ(d.head.link, 1);
    EXPECT_EQ(d.head.station, 2);
    EXPECT_EQ(d.head.scanTime, 500);
    EXPECT_EQ(d.head.registerName, "X");
    EXPECT_EQ(d.head.addressText, "1234567");  // the first enable flag is not part of it
    EXPECT_EQ(d.inUse[0], 1);
    EXPECT_EQ(d.inUse[1], 0);
    EXPECT_EQ(d.inUse[2], 1);
    EXPECT_EQ(d.inUse[511], 1);
    EXPECT_EQ(d.messages[0], "Pump A failed");  // inner spaces stay, padding goes
    EXPECT_EQ(d.messages[1], "Door open");
    EXPECT_EQ(d.messages[2], std::string(30, 'M'));
    EXPECT_EQ(d.messages[3], "");
    EXPECT_EQ(d.messages[511], "Last");
}

TEST_F(ProjectTablesTest, AlarmCountsAreClampedToTheTables) {
    builder.Object(0, "Lock1", 0, "999", "-12");
    const ProjectTables& t = Load();
    EXPECT_EQ(t.discreteAlarms.head.count, 999);
    EXPECT_EQ(t.discreteAlarms.count, DiscreteAlarmTable::kCapacity);
    EXPECT_EQ(t.analogAlarms.count, 0);

    builder.Object(0, "Lock1", 0, "", "100");
    EXPECT_EQ(Load().analogAlarms.count, AnalogAlarmTable::kCapacity);
}

TEST_F(ProjectTablesTest, AnalogAlarmTable) {
    // Head, 128 level flags from 20, 128 messages from 148, then 128 limit records of 16 from 3988.
    constexpr std::size_t kFlags = 20, kMessages = 148, kLimits = 3988;
    test::FixedColumns text;
    text.Put(0, "  2").Put(3, "0").Put(10, "LW").Put(13, "200");
    text.Put(kFlags + 0, "1").Put(kFlags + 3, "1").Put(kFlags + 6, "1").Put(kFlags + 127, "1");
    text.Put(kMessages + 30 * 0, "Level low low").Put(kMessages + 30 * 6, "Tank 2 high");
    text.Put(kLimits + 16 * 0, "10").Put(kLimits + 16 * 0 + 15, "0");
    text.Put(kLimits + 16 * 3, "-90").Put(kLimits + 16 * 3 + 10, "25");
    text.Put(kLimits + 16 * 4, "12").Put(kLimits + 16 * 4 + 10, "5").Put(kLimits + 16 * 4 + 15, "6");
    text.Put(kLimits + 16 * 127, "1234567890")
        .Put(kLimits + 16 * 127 + 10, "12345")
        .Put(kLimits + 16 * 127 + 15, "3");
    builder.Object(0, "Lock1", 0, "", text.Text());

    const AnalogAlarmTable& a = Load().analogAlarms;
    EXPECT_EQ(a.count, 2);
    EXPECT_EQ(a.head.registerName, "LW");
    EXPECT_EQ(a.head.addressText, "200");
    EXPECT_EQ(a.Level(0, 1).inUse, 1);
    EXPECT_EQ(a.Level(0, 1).message, "Level low low");
    EXPECT_EQ(a.Level(0, 1).limitText, "10");
    EXPECT_EQ(a.Level(0, 2).inUse, 0);
    EXPECT_EQ(a.Level(0, 4).inUse, 1);
    EXPECT_EQ(a.Level(0, 4).limitText, "-90");
    EXPECT_EQ(a.Level(0, 4).fractionText, "25");
    EXPECT_EQ(a.DataFormat(0), 0);
    EXPECT_EQ(a.Level(1, 3).message, "Tank 2 high");
    EXPECT_EQ(a.Level(1, 1).limitText, "12");
    EXPECT_EQ(a.Level(1, 1).fractionText, "5");
    EXPECT_EQ(a.DataFormat(1), 6);
    EXPECT_EQ(a.Level(31, 4).inUse, 1);
    EXPECT_EQ(a.Level(31, 4).limitText, "1234567890");
    EXPECT_EQ(a.Level(31, 4).fractionText, "12345");
    EXPECT_EQ(a.Level(31, 4).dataFormat, 3);
    EXPECT_EQ(a.Level(32, 1).inUse, 0);  // outside the table
    EXPECT_EQ(a.Level(0, 5).inUse, 0);
}

TEST_F(ProjectTablesTest, DataTransferRecordsAndEnabledCount) {
    test::FixedColumns text;
    // Record 0: triggered word copy with every address field filled.
    text.Put(0, "2").Put(1, "       3").Put(9, "1").Put(10, "      10");
    text.Put(18, "0").Put(19, "  1").Put(22, "  2").Put(25, "LB").Put(38, "12345678");
    text.Put(46, "1").Put(53, "D").Put(66, "100");
    text.Put(74, "2").Put(81, "ABCDEFGHIJKLM").Put(94, "200");
    // Record 1: periodic, 5 s. Record 2: periodic with period 0. Record 3: mode 3.
    text.Put(102, "1").Put(103, "       5");
    text.Put(204, "1").Put(205, "       0");
    text.Put(306, "3").Put(307, "       1");
    // Record 9, the last: triggered double words.
    text.Put(918, "2").Put(927, "2").Put(928, "       4");
    builder.Object(0, "Lock4", 0, text.Text());

    const DataTransferTable& t = Load().transfers;
    const DataTransfer& r = t.records[0];
    EXPECT_EQ(r.mode, DataTransfer::kTriggered);
    EXPECT_EQ(r.period, 3);
    EXPECT_EQ(r.itemType, DataTransfer::kWords);
    EXPECT_EQ(r.itemCount, 10);
    EXPECT_EQ(r.trigger.plcNumber, 0);
    EXPECT_EQ(r.trigger.link, 1);
    EXPECT_EQ(r.trigger.station, 2);
    EXPECT_EQ(r.trigger.areaName, "LB");
    EXPECT_EQ(r.trigger.addressText, "12345678");
    EXPECT_EQ(r.source.plcNumber, 1);
    EXPECT_EQ(r.source.areaName, "D");
    EXPECT_EQ(r.source.addressText, "100");
    EXPECT_EQ(r.destination.plcNumber, 2);
    EXPECT_EQ(r.destination.areaName, "ABCDEFGHIJKLM");
    EXPECT_EQ(r.destination.addressText, "200");
    EXPECT_EQ(t.records[1].period, 5);
    EXPECT_TRUE(t.records[1].Active());
    EXPECT_FALSE(t.records[2].Active());  // a period of 0 never runs
    EXPECT_FALSE(t.records[3].Active());
    EXPECT_EQ(t.records[9].itemType, DataTransfer::kDoubleWords);
    EXPECT_EQ(t.records[9].itemCount, 4);
    EXPECT_EQ(t.enabledCount, 3);  // records 0, 1 and 9
}

}  // namespace
}  // namespace sim
