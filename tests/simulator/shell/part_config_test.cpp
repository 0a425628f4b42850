#include "simulator/shell/project/part_config.h"

#include <gtest/gtest.h>

#include "engine/model/draw_object.h"
#include "project_fixture.h"

namespace sim {
namespace {

TEST(PartConfig, LineCountsByPartType) {
    struct Case {
        int type, lines;
    };
    const Case cases[] = {
        {1, 100},
        {30, 100},
        {31, 100},
        {77, 100},
        {2, 80},
        {12, 80},
        {14, 80},
        {22, 80},
        {3, 70},
        {4, 70},
        {13, 70},
        {16, 70},
        {6, 570},
        {15, 550},
        {27, 550},
        {17, 50},
        {32, 50},
        {34, 50},
        {19, 60},
        {79, 60},
        {20, 30},
        {21, 30},
        {33, 30},
        {56, 30},
        {58, 30},
        {23, 40},
        {24, 40},
        {5, 20},
        {25, 20},
        {50, 20},
        {53, 20},
        {55, 20},
        {57, 20},
        {59, 20},
        {60, 20},
        {61, 20},
        {26, 260},
        {28, 77},
        {78, 170},
        // every other type, the message display included
        {7, 670},
        {0, 670},
        {29, 670},
        {49, 670},
        {62, 670},
        {81, 670},
        {-1, 670},
    };
    for (const Case& c : cases) EXPECT_EQ(PartLineCount(c.type), c.lines) << "type " << c.type;
}

TEST(PartConfig, ATypeOnePartWithTenLinesHasLinesTenToNinetyNineEmpty) {
    engine::DrawObject part("group");
    part.SetTypeCode(1);
    part.SetConfigText(test::ConfigLines({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    PartRecord record;
    LoadPartConfig(record, &part);

    EXPECT_EQ(record.object, &part);
    EXPECT_EQ(record.config.LineCount(), 100);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(record.config.Number(i), i) << "line " << i;
    for (int i = 10; i < 100; ++i) EXPECT_TRUE(record.config.Line(i).empty()) << "line " << i;
}

TEST(PartConfig, SplitsOnlyAtCrLfAndKeepsALastLineWithoutOne) {
    PartConfig config;
    config.Load("a\nb\r\n\r\n  7 x\r\nLW 100\r\nlast", 6);
    EXPECT_EQ(config.Line(0), "a\nb");  // a lone LF is part of the line
    EXPECT_EQ(config.Line(1), "");
    EXPECT_EQ(config.Number(2), 7);
    EXPECT_EQ(config.Text(2), "");  // starts with a space
    EXPECT_EQ(config.Text(3), "LW");
    EXPECT_EQ(config.Line(4), "last");
    EXPECT_EQ(config.Line(5), "");
}

TEST(PartConfig, TextPastTheLastLineAndIndicesOutsideAreIgnored) {
    PartConfig config;
    config.Load(test::ConfigLines({"1", "2", "3", "4"}), 2);
    EXPECT_EQ(config.Line(1), "2");  // not "2\r\n3..."
    for (int index : {-1, 2, 3, PartConfig::kCapacity, 100000}) EXPECT_EQ(config.Line(index), "") << index;

    config.Load("x", 100000);
    EXPECT_EQ(config.LineCount(), PartConfig::kCapacity);
}

TEST(PartConfig, ReloadingForgetsThePreviousPart) {
    engine::DrawObject first("group"), second("group");
    first.SetTypeCode(17);
    first.SetConfigText(test::ConfigLines({"a", "b", "c"}));
    second.SetTypeCode(17);
    second.SetConfigText(test::ConfigLines({"z"}));
    PartRecord record;
    LoadPartConfig(record, &first);
    LoadPartConfig(record, &second);
    EXPECT_EQ(record.config.Line(0), "z");
    EXPECT_EQ(record.config.Line(1), "");

    LoadPartConfig(record, nullptr);
    EXPECT_EQ(record.object, nullptr);
    EXPECT_EQ(record.config.LineCount(), 0);
}

}  // namespace
}  // namespace sim
