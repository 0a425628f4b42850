#include "simulator/shell/panel/hand_off.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "simulator/shell/panel/skin.h"
#include "tests/support/scratch_folder.h"

namespace sim {
namespace {

TEST(HandOff, ModelAndModeFromTheSecondLine) {
    struct Case {
        const char* line;
        int model;
        bool online;
    } cases[] = {{"61", 6, false}, {"122", 12, true}, {"2", 0, true}, {"11", 1, false}, {"", 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        HandOff handOff;
        ParseModelAndMode(c.line, handOff);
        EXPECT_EQ(handOff.model, c.model);
        EXPECT_EQ(handOff.Online(), c.online);
    }
}

class HandOffFile : public ::testing::Test {
  protected:
    void SetUp() override { folder = test_support::ScratchFolder(); }
    void Write(const std::string& text) { std::ofstream(folder / kHandOffFile) << text; }

    std::filesystem::path folder;
};

TEST_F(HandOffFile, ReadThenDeletedSoASecondStartFindsNone) {
    Write("/projects/line.pnl\r\n122\r\n");
    HandOff handOff;
    EXPECT_EQ(ReadHandOff(folder, handOff), HandOffResult::Ready);
    EXPECT_EQ(handOff.projectPath, "/projects/line.pnl");
    EXPECT_EQ(handOff.model, 12);
    EXPECT_TRUE(handOff.Online());
    EXPECT_EQ(ReadHandOff(folder, handOff), HandOffResult::Missing);
}

TEST_F(HandOffFile, AnEmptyProjectLineLeavesTheFile) {
    Write("\n61\n");
    HandOff handOff;
    EXPECT_EQ(ReadHandOff(folder, handOff), HandOffResult::EmptyProject);
    EXPECT_TRUE(std::filesystem::exists(folder / kHandOffFile));
}

TEST(Skins, EachModelHasItsBitmapAndScreenPlace) {
    struct Case {
        int model, orientation;
        const char* bitmap;
        int x, y, width, height;
    } cases[] = {
        {0, 0, "bitmap/10.4A.bmp", 135, 139, 800, 600}, {2, 1, "bitmap/10.4.bmp", 110, 112, 640, 480},
        {15, 0, "bitmap/7.bmp", 139, 111, 800, 480},    {5, 0, "bitmap/5.7.bmp", 109, 108, 640, 480},
        {6, 1, "bitmap/3.5.bmp", 55, 53, 320, 240},     {13, 0, "bitmap/4.3.bmp", 81, 62, 480, 272},
        {16, 1, "bitmap/4.3p.bmp", 57, 81, 272, 480},   {12, 0, "bitmap/3.5.bmp", 55, 53, 320, 240},
        {17, 1, "bitmap/3.5p.bmp", 52, 55, 240, 320},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        auto skin = SkinFor(c.model, c.orientation);
        ASSERT_TRUE(skin);
        EXPECT_EQ(skin->bitmap, c.bitmap);
        EXPECT_EQ(skin->x, c.x);
        EXPECT_EQ(skin->y, c.y);
        EXPECT_EQ(skin->width, c.width);
        EXPECT_EQ(skin->height, c.height);
    }
    EXPECT_FALSE(SkinFor(18, 0));
    EXPECT_FALSE(SkinFor(7, 2));
}

}  // namespace
}  // namespace sim
