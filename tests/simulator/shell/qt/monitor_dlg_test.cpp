// The main window on the offscreen platform: the skin around the drawing, a real mouse press on a
// switch reaching the touch handler, Enter swallowed and Esc closing.

#include "simulator/shell/qt/monitor_dlg.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <filesystem>

#include "simulator/shell/panel/panel.h"
#include "simulator/shell/qt/qt_host.h"
#include "tests/simulator/shell/panel/panel_fixture.h"
#include "tests/support/scratch_folder.h"

namespace sim {
namespace {

std::vector<std::string> g_handled;

class MonitorDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A working folder with the model-1 skin: 860 x 704, the screen at (110, 112).
        folder = test_support::ScratchFolder();
        std::filesystem::create_directories(folder / "bitmap");
        QImage skin(860, 704, QImage::Format_RGB32);
        skin.fill(QColor(40, 40, 48));
        skin.save(QString::fromStdString((folder / "bitmap" / "10.4.bmp").string()), "BMP");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        g_handled.clear();
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    std::filesystem::path folder, previous;
};

TEST_F(MonitorDlgTest, ShowsTheSkinAndAPressOnASwitchReachesItsHandler) {
    QtHost host;
    Panel panel(host);
    ASSERT_TRUE(panel.Start({test::WritePanelFixture("monitor_dlg_test.pnl"), 1, false, HMI_RUN_DIR}));
    panel.SetTouchHandler(1, [](Panel&, engine::DrawObject& part) { g_handled.push_back(part.Name()); });
    MonitorDlg window(panel, host);
    window.ApplySkin();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.size(), QSize(860, 704));
    EXPECT_EQ(window.View()->geometry(), QRect(110, 112, 640, 480));
    QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(5, 5), QColor(40, 40, 48));  // the skin around the screen

    QTest::mousePress(window.View(), Qt::LeftButton, {}, QPoint(20, 20));  // drawing (20, 20): "First"
    QTest::mouseRelease(window.View(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(g_handled, std::vector<std::string>{"First"});
    ASSERT_NE(panel.TouchedPart(), nullptr);
    EXPECT_EQ(panel.TouchedPart()->Name(), "First");

    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(5, 5));  // on the skin: no part
    EXPECT_EQ(g_handled.size(), 1u);

    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace sim
