// The settings and screen records: every field at its column. Each table row writes one value at its
// column and checks the field it must land in; all rows share one text, so a column that is off by one
// reads its neighbour's characters.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "project_fixture.h"
#include "simulator/shell/project/project_settings.h"
#include "simulator/shell/project/screen_table.h"

namespace sim {
namespace {

template <typename Record>
struct ColumnCase {
    std::size_t column;
    const char* written;
    std::string expected;
    std::function<std::string(const Record&)> field;
};

std::string N(std::int32_t value) {
    return std::to_string(value);
}

template <typename Record>
void CheckColumns(const std::vector<ColumnCase<Record>>& cases, Record (*read)(std::string_view)) {
    test::FixedColumns text;
    for (const auto& c : cases) text.Put(c.column, c.written);
    const Record record = read(text.Text());
    for (const auto& c : cases)
        EXPECT_EQ(c.field(record), c.expected) << "column " << c.column << " written \"" << c.written << '"';
}

using S = ProjectSettings;

TEST(ProjectSettings, FieldsAtTheirColumns) {
    const std::vector<ColumnCase<S>> cases = {
        {0, "C1", "C1", [](const S& s) { return s.ports[0].portText; }},
        {2, "FX2N 48MR", "FX2N", [](const S& s) { return s.ports[0].plcName; }},
        {22, "   1", "1", [](const S& s) { return N(s.ports[0].portIndex); }},
        {26, "  12", "12", [](const S& s) { return N(s.ports[0].protocol); }},
        {30, "   3", "3", [](const S& s) { return N(s.ports[0].model); }},
        {34, "1111", "1111", [](const S& s) { return N(s.ports[0].numbers[3]); }},
        {42, "   4", "4", [](const S& s) { return N(s.ports[0].baudIndex); }},
        {46, "   2", "2", [](const S& s) { return N(s.ports[0].parityIndex); }},
        {50, "   1", "1", [](const S& s) { return N(s.ports[0].dataBitsIndex); }},
        {54, "   1", "1", [](const S& s) { return N(s.ports[0].stopBitsIndex); }},
        {58, "  30", "30", [](const S& s) { return N(s.ports[0].replyTimeout); }},
        {62, "   3", "3", [](const S& s) { return N(s.ports[0].retryCount); }},
        {74, "9999", "9999", [](const S& s) { return N(s.ports[0].numbers[13]); }},
        {78, "C2", "C2", [](const S& s) { return s.ports[1].portText; }},
        {80, "S7-200", "S7-200", [](const S& s) { return s.ports[1].plcName; }},
        {104, "   4", "4", [](const S& s) { return N(s.ports[1].protocol); }},
        {108, "   7", "7", [](const S& s) { return N(s.ports[1].model); }},
        {152, "8888", "8888", [](const S& s) { return N(s.ports[1].numbers[13]); }},
        {156, "1561", "1561", [](const S& s) { return N(s.number156); }},
        {160, "   1", "1", [](const S& s) { return N(s.orientation); }},
        {164, "1641", "1641", [](const S& s) { return N(s.motionNumbers[0]); }},
        {168, "1681", "1681", [](const S& s) { return N(s.motionNumbers[1]); }},
        {172, "  17", "17", [](const S& s) { return N(s.startScreen); }},
        {176, "   5", "5", [](const S& s) { return N(s.scanTime); }},
        {180, "1801", "1801", [](const S& s) { return N(s.numbers180[0]); }},
        {192, "1921", "1921", [](const S& s) { return N(s.numbers180[3]); }},
        {196, "   1", "1", [](const S& s) { return N(s.beepOff); }},
        {200, "11111111", "11111111", [](const S& s) { return s.passwords[0]; }},
        {256, "8888", "8888", [](const S& s) { return s.passwords[7]; }},
        {264, "3", "3", [](const S& s) { return N(s.initialUserLevel); }},
        {265, "2651", "2651", [](const S& s) { return N(s.registerTable1[0].numbers[0]); }},
        {277, "2771", "2771", [](const S& s) { return N(s.registerTable1[0].numbers[3]); }},
        {281, "LW", "LW", [](const S& s) { return s.registerTable1[0].registerName; }},
        {291, "4000", "4000", [](const S& s) { return s.registerTable1[0].addressText; }},
        {589, "5891", "5891", [](const S& s) { return N(s.registerTable1[9].numbers[0]); }},
        {605, "D", "D", [](const S& s) { return s.registerTable1[9].registerName; }},
        {615, "1234567890", "1234567890", [](const S& s) { return s.registerTable1[9].addressText; }},
        {625, "6251", "6251", [](const S& s) { return N(s.systemWordFlags[0]); }},
        {633, "6331", "6331", [](const S& s) { return N(s.systemWordFlags[2]); }},
        {637, "6371", "6371", [](const S& s) { return N(s.systemWordGroups[0][0]); }},
        {665, "6651", "6651", [](const S& s) { return N(s.systemWordGroups[1][3]); }},
        {669, "6691", "6691", [](const S& s) { return N(s.systemWords[0].numbers[0]); }},
        {677, "6771", "6771", [](const S& s) { return N(s.systemWords[0].numbers[2]); }},
        {681, "D", "D", [](const S& s) { return s.systemWords[0].registerName; }},
        {691, "100", "100", [](const S& s) { return s.systemWords[0].addressText; }},
        {777, "LW", "LW", [](const S& s) { return s.systemWords[3].registerName; }},
        {787, "0123456789", "0123456789", [](const S& s) { return s.systemWords[3].addressText; }},
        {797, "7971", "7971", [](const S& s) { return N(s.registerTable2[0].numbers[0]); }},
        {813, "RWI", "RWI", [](const S& s) { return s.registerTable2[0].registerName; }},
        {823, "9", "9", [](const S& s) { return s.registerTable2[0].addressText; }},
        {1137, "LB", "LB", [](const S& s) { return s.registerTable2[9].registerName; }},
        {1147, "1147000000", "1147000000", [](const S& s) { return s.registerTable2[9].addressText; }},
        {1157, "   1", "1", [](const S& s) { return N(s.lock3Flag); }},
        {1161, "   2", "2", [](const S& s) { return N(s.recipeFlag); }},
    };
    CheckColumns(cases, &ReadProjectSettings);
}

TEST(ProjectSettings, ATextThatEndsEarlyGivesEmptyFields) {
    test::FixedColumns text;
    text.Put(172, "  17").Put(176, " 5");  // the text ends inside the scan time field
    const ProjectSettings s = ReadProjectSettings(text.Text());
    EXPECT_EQ(s.startScreen, 17);
    EXPECT_EQ(s.scanTime, 5);
    EXPECT_EQ(s.beepOff, 0);
    EXPECT_EQ(s.passwords[0], "");
    EXPECT_EQ(s.registerTable2[9].addressText, "");
    EXPECT_EQ(s.recipeFlag, 0);
}

using R = ScreenRecord;

TEST(ScreenRecord, FieldsAtTheirColumns) {
    const std::vector<ColumnCase<R>> cases = {
        {0, "      12", "12", [](const R& r) { return N(r.screenNumber); }},
        {8, "12345678", "12345678", [](const R& r) { return N(r.attribute); }},
        {16, "      16", "16", [](const R& r) { return N(r.screenNumbers[0]); }},
        {32, "32323232", "32323232", [](const R& r) { return N(r.screenNumbers[2]); }},
        {40, "Main menu", "Main", [](const R& r) { return r.name; }},
        {90, "90909090", "90909090", [](const R& r) { return N(r.numbers90[0]); }},
        {98, "      98", "98", [](const R& r) { return N(r.numbers90[1]); }},
        {106, "       1", "1", [](const R& r) { return N(r.kind); }},
        {114, "     320", "320", [](const R& r) { return N(r.popupWidth); }},
        {122, "     240", "240", [](const R& r) { return N(r.popupHeight); }},
        {130, "       1", "1", [](const R& r) { return N(r.positionMode); }},
        {138, "13813813", "13813813", [](const R& r) { return N(r.number138); }},
        {146, "      40", "40", [](const R& r) { return N(r.popupY); }},
        {154, "      60", "60", [](const R& r) { return N(r.popupX); }},
        {162, "       1", "1", [](const R& r) { return N(r.showTitle); }},
        {170, "17017017", "17017017", [](const R& r) { return N(r.number170); }},
        {178, "\xC9\xE8\xD6\xC3 2", "\xC9\xE8\xD6\xC3", [](const R& r) { return r.title; }},
    };
    CheckColumns(cases, &ReadScreenRecord);
}

TEST(ScreenTable, OnlyTheFirstTwoHundredPagesHaveRecords) {
    test::DrawingBuilder builder;
    for (int page = 0; page < 203; ++page)
        builder.Page(page).SetConfigText(
            test::FixedColumns().Put(0, page).Put(106, page == 5 ? 1 : 0).Text());
    engine::View view;
    builder.ShowIn(view);

    ScreenTable table;
    LoadScreenTable(view, table);
    EXPECT_EQ(table.count, 200);
    EXPECT_EQ(table.records[0].screenNumber, 0);
    EXPECT_EQ(table.records[199].screenNumber, 199);
    EXPECT_FALSE(table.IsBaseScreen(5));
    EXPECT_TRUE(table.IsBaseScreen(4));
    EXPECT_TRUE(table.IsBaseScreen(201));  // no record: reads as an empty kind, a base screen
}

}  // namespace
}  // namespace sim
