// The running panel on the headless host: start-up, touches and the refresh cycle's system work.

#include "simulator/shell/panel/panel.h"

#include <gtest/gtest.h>

#include <vector>

#include "simulator/shell/headless/headless_host.h"
#include "tests/simulator/shell/panel/panel_fixture.h"

namespace sim {
namespace {

// Model 1: a 640 x 480 drawing at (110, 112) inside the skin.
constexpr int kModel = 1, kOffsetX = 110, kOffsetY = 112;

std::vector<std::string> g_touched;

class PanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.SetEcho(false);
        g_touched.clear();
        ASSERT_TRUE(panel.Start({test::WritePanelFixture("panel_test.pnl"), kModel, false, HMI_RUN_DIR}));
        panel.SetTouchHandler(1, [](Panel&, engine::DrawObject& part) { g_touched.push_back(part.Name()); });
    }

    // A press at drawing coordinates.
    void TouchAt(int x, int y) {
        host.SetCursor(x + kOffsetX, y + kOffsetY);
        panel.Touch();
    }

    bool Bit(int lb) { return panel.Memory().ReadBit(Area::LB, lb).value != 0; }

    HeadlessHost host{LocalTime{2026, 12, 10, 8, 0, 0, 0, 4}};
    Panel panel{host};
};

TEST_F(PanelTest, StartUpClearsMemoryArmsTimersAndShowsTheStartScreen) {
    for (int lb = 1000; lb <= 1010; ++lb) EXPECT_TRUE(Bit(lb)) << lb;
    EXPECT_FALSE(Bit(1011));
    EXPECT_EQ(panel.Memory().UserLevel(), 2);
    EXPECT_EQ(panel.CurrentScreen(), 0);
    for (int id = kTimerRefresh; id <= kTimerSystem; ++id) EXPECT_TRUE(host.TimerArmed(id)) << id;
    // The test's working folder has no skins: the missing bitmap is reported and start-up goes on.
    std::vector<std::string> messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "File Error");
}

TEST_F(PanelTest, TouchesReachTheFirstTouchablePartUnderThePoint) {
    struct Case {
        const char* what;
        int x, y;
        std::vector<std::string> handled;
    } cases[] = {
        {"overlap: the earlier part wins", 80, 40, {"First"}}, {"only the second", 150, 70, {"Second"}},
        {"right and bottom edges hit", 110, 60, {"First"}},    {"a lamp is not touchable", 320, 30, {}},
        {"hidden by its show condition", 20, 110, {}},         {"outside the drawing", -5, 10, {}},
        {"beyond the drawing's right edge", 641, 10, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_touched.clear();
        TouchAt(c.x, c.y);
        EXPECT_EQ(g_touched, c.handled);
    }
}

TEST_F(PanelTest, InterlockedTouchActsOnlyWithItsBitAndThenNotifies) {
    TouchAt(20, 210);
    EXPECT_TRUE(g_touched.empty());
    EXPECT_FALSE(Bit(7));
    panel.Memory().WriteBit(Area::LB, 6, true);
    TouchAt(20, 210);
    EXPECT_EQ(g_touched, std::vector<std::string>{"NeedsLB6"});
    EXPECT_TRUE(Bit(7));
    EXPECT_EQ(host.Beeps(), 2);  // every hit beeps, allowed or not
}

TEST_F(PanelTest, RefreshTickDrawsTheLampFromItsBit) {
    engine::DrawObject* lamp = panel.View().CurrentPage()->FindObject("Lamp");
    panel.Memory().WriteBit(Area::LB, 10, true);
    host.Advance(500);
    EXPECT_EQ(lamp->GetProperty("SHAPE1.visible"), engine::Variant(true));
    EXPECT_EQ(lamp->GetProperty("SHAPE0.visible"), engine::Variant(false));
    panel.Memory().WriteBit(Area::LB, 10, false);
    host.Advance(500);
    EXPECT_EQ(lamp->GetProperty("SHAPE0.visible"), engine::Variant(true));
}

TEST_F(PanelTest, ScreenSwitchWordShowsOnlyPagesThatExist) {
    RegisterEntry& request = panel.Tables().settings.registerTable2[0];
    request = {{1, 0, 0, 0}, "LW", "50"};
    panel.Memory().WriteWord(Area::LW, 50, 7);  // beyond the two pages
    host.Advance(1000);
    EXPECT_EQ(panel.CurrentScreen(), 0);
    panel.Memory().WriteWord(Area::LW, 50, 1);
    host.Advance(1000);
    EXPECT_EQ(panel.CurrentScreen(), 1);
    EXPECT_TRUE(host.TimerArmed(kTimerRefresh));
}

TEST_F(PanelTest, ClockDownloadFiresOnceEachTimeTheTriggerBecomesOne) {
    ProjectSettings& settings = panel.Tables().settings;
    settings.systemWordFlags[1] = 1;
    settings.systemWordGroups[1] = {1, 0, 0, 0};  // trigger kind 1: the word becoming 1
    settings.systemWords[2] = {{0, 0, 0}, "LW", "100"};
    settings.systemWords[3] = {{0, 0, 0}, "LW", "110"};
    const std::uint16_t words[] = {30, 15, 10, 24, 12, 2030, 2};  // second .. year, day of week
    auto load = [&](std::uint16_t second) {
        for (int k = 0; k < 7; ++k) panel.Memory().WriteWord(Area::LW, 110 + k, k == 0 ? second : words[k]);
    };
    load(30);
    panel.Memory().WriteWord(Area::LW, 100, 1);
    host.Advance(1000);
    LocalTime clock = host.GetLocalTime();
    EXPECT_EQ(clock.year, 2030);
    EXPECT_EQ(clock.month, 12);
    EXPECT_EQ(clock.day, 24);
    EXPECT_EQ(clock.hour, 10);
    EXPECT_EQ(clock.minute, 15);
    EXPECT_EQ(clock.second, 30);

    load(45);  // the word stays 1: no second download
    host.Advance(1000);
    EXPECT_EQ(host.GetLocalTime().second, 31);
    panel.Memory().WriteWord(Area::LW, 100, 0);
    host.Advance(1000);
    panel.Memory().WriteWord(Area::LW, 100, 1);
    host.Advance(1000);
    EXPECT_EQ(host.GetLocalTime().second, 45);
    // The system words follow the panel's clock.
    EXPECT_EQ(panel.Memory().ReadWord(Area::LW, 4005).value, 2030);
}

TEST_F(PanelTest, SystemWordsReportLevelPasswordsAndClock) {
    host.Advance(1000);
    PanelMemory& memory = panel.Memory();
    EXPECT_EQ(memory.ReadWord(Area::LW, 4005).value, 2026);
    EXPECT_EQ(memory.ReadWord(Area::LW, 4002).value, 8);
    EXPECT_EQ(memory.ReadWord(Area::LW, 4007).value, 2);
    EXPECT_EQ(memory.ReadDWord(Area::LW, 4008).value, 4321u);  // the password of the current level
    EXPECT_EQ(memory.ReadDWord(Area::LW, 4012).value, 4321u);  // level 2's slot
    EXPECT_EQ(memory.ReadWord(Area::LW, 4027).value, 5);       // scan time
}

TEST(PanelWithoutSkin, AModelWithoutSkinTakesNoTouchNotEvenAtTheOrigin) {
    HeadlessHost host;
    host.SetEcho(false);
    Panel panel(host);
    ASSERT_TRUE(panel.Start({test::WritePanelFixture("no_skin.pnl"), 99, false, HMI_RUN_DIR}));
    g_touched.clear();
    panel.SetTouchHandler(1, [](Panel&, engine::DrawObject& part) { g_touched.push_back(part.Name()); });
    host.SetCursor(10, 10);  // "First" covers (10, 10) of the drawing
    panel.Touch();
    EXPECT_TRUE(g_touched.empty());
    EXPECT_EQ(panel.AreaWidth(), 0);
    EXPECT_TRUE(host.TakeMessages().empty());  // no skin, so no missing bitmap either
}

}  // namespace
}  // namespace sim
