#include "engine/qt/engine_view.h"

#include <gtest/gtest.h>

#include <QTest>

#include "engine/pnl/pnl_reader.h"

namespace engine {
namespace {

TEST(EngineView, AMousePressSelectsTheObjectAndRaisesTheClickWithDrawingCoordinates) {
    std::string error;
    View view;
    view.SetDrawing(ReadDrawingText(R"({"pages": [{"width": 200, "height": 100, "objects": [
        {"name": "KeyA", "left": 0, "top": 0, "width": 50, "height": 50},
        {"name": "KeyB", "left": 100, "top": 0, "width": 50, "height": 50}]}]})",
                                    "v.pnl", error));
    view.SetViewScale(2.0);
    view.SetViewOrigin(50, 0);
    EngineView widget(view);
    widget.resize(200, 100);
    widget.show();
    std::vector<std::pair<double, double>> clicks;
    QObject::connect(&widget, &EngineView::clicked, [&](double x, double y) { clicks.emplace_back(x, y); });

    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(120, 40));  // drawing (110, 20): KeyB
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_DOUBLE_EQ(clicks[0].first, 110);
    EXPECT_DOUBLE_EQ(clicks[0].second, 20);
    ASSERT_EQ(view.CurrentPage()->GetSelection().Count(), 1);
    EXPECT_EQ(view.CurrentPage()->GetSelection().Item(0)->Name(), "KeyB");

    QTest::mouseClick(&widget, Qt::RightButton, {}, QPoint(10, 10));  // only the left button clicks
    EXPECT_EQ(clicks.size(), 1u);
}

}  // namespace
}  // namespace engine
