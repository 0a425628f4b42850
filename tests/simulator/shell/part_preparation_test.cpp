#include "simulator/shell/project/part_preparation.h"

#include <gtest/gtest.h>

#include "engine/model/variant.h"
#include "project_fixture.h"
#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/screen_table.h"

namespace sim {
namespace {

class PartPreparationTest : public ::testing::Test {
  protected:
    void Prepare() {
        builder.ShowIn(view);
        LoadScreenTable(view, screens);
        PrepareParts(view, screens, current, prepared);
    }

    test::DrawingBuilder builder;
    engine::View view;
    ScreenTable screens;
    PartRecord current;
    PreparedParts prepared;
};

TEST_F(PartPreparationTest, EveryObjectIsLockedAndShown) {
    engine::DrawObject& hidden = builder.Object(0, "a");
    hidden.SetVisible(false);
    engine::DrawObject& other = builder.Object(2, "b", 99);
    other.SetVisible(false);
    Prepare();

    for (int p : {0, 2}) {
        const engine::DrawObject& object = *view.PageAt(p)->ObjectAt(0);
        EXPECT_EQ(object.LockMask(), 1023) << p;
        EXPECT_EQ(object.LockLevel(), 1) << p;
        EXPECT_TRUE(object.Visible()) << p;
    }
}

TEST_F(PartPreparationTest, SixteenTrendChartsKeepTheFirstFourteenPagesAndTheLast) {
    for (int page = 0; page < 16; ++page) builder.Object(page, "chart", 31);
    builder.Object(3, "xy", 30);
    builder.Object(3, "xy", 30);
    Prepare();

    ASSERT_EQ(prepared.trendPages.count, 15);
    for (int k = 0; k < 14; ++k) EXPECT_EQ(prepared.trendPages.pages[static_cast<std::size_t>(k)], k);
    EXPECT_EQ(prepared.trendPages.pages[14], 15);
    ASSERT_EQ(prepared.xyPages.count, 2);  // one entry per chart, even on the same page
    EXPECT_EQ(prepared.xyPages.pages[1], 3);
}

TEST_F(PartPreparationTest, LastBitLampGivesTheReferenceAndTimerPartsHideTheirTimer) {
    std::string lines;  // lines 0 to 24 empty
    for (int i = 0; i < 25; ++i) lines += "\r\n";
    builder.Object(1, "lamp", 14, lines + "5\r\n");
    builder.Object(4, "lamp", 14, lines + "7\r\n");
    engine::DrawObject& timerPart = builder.Object(2, "t", 81);
    auto timer = std::make_unique<engine::DrawObject>("rect");
    timer->SetName("Timer");
    timerPart.AddChild(std::move(timer));
    Prepare();

    EXPECT_EQ(prepared.lampReference, 7);
    EXPECT_EQ(current.object, view.PageAt(4)->ObjectAt(0));
    EXPECT_FALSE(view.PageAt(2)->ObjectAt(0)->FindChild("Timer")->Visible());
}

TEST_F(PartPreparationTest, AlarmDisplayOnABaseScreenGetsTextCells) {
    builder.Object(2, "before");
    builder.Object(2, "alarms", 32);
    builder.Object(2, "after");
    Prepare();

    EXPECT_EQ(view.CurrentPageIndex(), 2);
    const engine::Page& page = *view.PageAt(2);
    ASSERT_EQ(page.ObjectCount(), 3 + 610);
    ASSERT_EQ(prepared.alarmCells.count, 610);
    EXPECT_EQ(prepared.alarmCells.page, 2);
    for (int c = 0; c < 610; ++c) {
        const engine::DrawObject* cell = prepared.alarmCells.cells[static_cast<std::size_t>(c)];
        ASSERT_EQ(cell, page.ObjectAt(3 + c)) << c;
        EXPECT_EQ(cell->Kind(), "text");
        EXPECT_EQ(cell->Left(), 50);
        EXPECT_EQ(cell->Top(), 50);
        EXPECT_EQ(cell->Width(), 320);
        EXPECT_EQ(cell->Height(), 20);
        EXPECT_FALSE(cell->Selected());
        EXPECT_EQ(engine::VariantInt(*cell->GetProperty("BackStyle")), 0);
        EXPECT_EQ(engine::VariantInt(*cell->GetProperty("BorderStyle")), 0);
        EXPECT_EQ(cell->LockMask(), 1023);
        EXPECT_EQ(cell->LockLevel(), 0);  // cells get no lock level
        EXPECT_TRUE(cell->Visible());
    }
}

TEST_F(PartPreparationTest, AlarmDisplayOnAPopupShowsItsPageWithoutCellsAndALaterBaseScreenReplacesTheList) {
    builder.Page(1).SetConfigText(test::FixedColumns().Put(106, "       1").Text());
    builder.Object(1, "popup alarms", 32);
    builder.Object(3, "alarms", 32);
    builder.Object(5, "alarms again", 32);
    builder.Object(6, "popup alarms", 32);
    builder.Page(6).SetConfigText(test::FixedColumns().Put(106, "       1").Text());
    Prepare();

    EXPECT_EQ(view.CurrentPageIndex(), 6);
    EXPECT_EQ(view.PageAt(1)->ObjectCount(), 1);
    EXPECT_EQ(view.PageAt(6)->ObjectCount(), 1);
    EXPECT_EQ(view.PageAt(3)->ObjectCount(), 611);  // the replaced cells stay on their page
    EXPECT_EQ(prepared.alarmCells.page, 5);
    EXPECT_EQ(prepared.alarmCells.cells[0], view.PageAt(5)->ObjectAt(1));
}

}  // namespace
}  // namespace sim
