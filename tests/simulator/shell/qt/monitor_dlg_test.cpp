// The main window on the offscreen platform: the skin around the drawing, a real mouse press on a
// switch reaching the touch handler, Enter swallowed and Esc closing.

#include "simulator/shell/qt/monitor_dlg.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <filesystem>

#include "simulator/operate/parts/value_entry.h"
#include "simulator/shell/panel/panel.h"
#include "simulator/shell/qt/modal_dialog.h"
#include "simulator/shell/qt/qt_host.h"
#include "tests/simulator/shell/panel/panel_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tools/projectbuilder/display_parts.h"

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

// A numeric input on LW40 (two decimals) filling the screen's top-left corner.
std::string NumericInputProject() {
    projectbuilder::DrawingBuilder drawing;
    drawing.Page(0).SetExtraText(projectbuilder::ProjectSettingsBuilder().StartScreen(0).Text());
    drawing.Page(0).SetSize(640, 480);
    projectbuilder::NumericInputOptions input;
    input.frame.name = "Input";
    input.frame.rect = {0, 0, 200, 60};
    input.write = projectbuilder::PanelAddress("LW", 40);
    input.format.fractionDigits = 2;
    drawing.Add(0, projectbuilder::NumericInput(input));
    std::string path = (test_support::ScratchFolder() / "input.pnl").string(), error;
    drawing.Write(path, error);
    return path;
}

TEST_F(MonitorDlgTest, ANumericInputTakesTheValueClickedOnItsKeyboardWindow) {
    QtHost host;
    Panel panel(host);
    ASSERT_TRUE(panel.Start({NumericInputProject(), 1, false, HMI_RUN_DIR, HMI_RUN_DIR}));
    panel.SetTouchHandler(12, PressNumericInput);
    MonitorDlg window(panel, host);
    window.ApplySkin();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    bool shown = false;
    host.onModalShown = [&](ModalDialog& dialog) {
        shown = true;
        const engine::Page& keys = *dialog.View()->GetView().CurrentPage();
        for (const char* name : {"element1", "element2", "element11", "element3", "element4", "element17"}) {
            const engine::DrawObject* key = keys.FindObject(name);
            ASSERT_NE(key, nullptr) << name;
            QPoint centre(static_cast<int>(key->Left() + key->Width() / 2),
                          static_cast<int>(key->Top() + key->Height() / 2));
            QTest::mouseClick(dialog.View(), Qt::LeftButton, {}, centre);
        }
    };
    QTest::mouseClick(window.View(), Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_TRUE(shown);
    EXPECT_EQ(panel.Memory().ReadWord(Area::LW, 40).value, 1234);
}

}  // namespace
}  // namespace sim
