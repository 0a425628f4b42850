#include "engine/model/view.h"

#include <gtest/gtest.h>

#include <vector>

namespace engine {
namespace {

std::unique_ptr<Drawing> TwoPages() {
    auto drawing = std::make_unique<Drawing>();
    drawing->AddPage();
    Page* second = drawing->AddPage();
    auto key = std::make_unique<DrawObject>("rect");
    key->SetName("Key7");
    key->SetLeft(10);
    key->SetTop(10);
    second->AddObject(std::move(key));
    return drawing;
}

TEST(View, PageChangesOutsideTheDrawingAreRefused) {
    View view;
    view.SetDrawing(TwoPages());
    EXPECT_TRUE(view.SetCurrentPageIndex(1));
    EXPECT_FALSE(view.SetCurrentPageIndex(2));
    EXPECT_FALSE(view.SetCurrentPageIndex(-1));
    EXPECT_EQ(view.CurrentPageIndex(), 1);
    EXPECT_EQ(view.CurrentPage(), view.PageAt(1));
}

TEST(View, ClickSelectsTheObjectUnderThePointAndRaisesTheEventWithThePoint) {
    View view;
    view.SetDrawing(TwoPages());
    view.SetCurrentPageIndex(1);
    std::vector<std::pair<double, double>> clicks;
    view.onClick = [&](double x, double y) { clicks.emplace_back(x, y); };
    view.ClickAt(15, 12);
    ASSERT_EQ(view.CurrentPage()->GetSelection().Count(), 1);
    EXPECT_EQ(view.CurrentPage()->GetSelection().Item(0)->Name(), "Key7");
    view.ClickAt(300, 300);  // nothing there: the selection empties, the event still comes
    EXPECT_EQ(view.CurrentPage()->GetSelection().Count(), 0);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0], std::make_pair(15.0, 12.0));
}

TEST(View, ScriptsShowGridAndRefreshAreRunOthersAreTraced) {
    View view;
    int repaints = 0;
    std::vector<std::string> traces;
    view.onRepaint = [&] { ++repaints; };
    view.onTrace = [&](const std::string& line) { traces.push_back(line); };
    view.RunScript("SystemParams.ShowGrid = false");
    EXPECT_FALSE(view.ShowGrid());
    view.RunScript(" Refresh() ");
    EXPECT_EQ(repaints, 1);
    view.RunScript("Beep(1)");
    ASSERT_EQ(traces.size(), 1u);
    EXPECT_NE(traces[0].find("Beep(1)"), std::string::npos);
}

TEST(View, AFailedOpenKeepsTheShownDrawingAndNamesTheFile) {
    View view;
    view.SetDrawing(TwoPages());
    std::string error;
    EXPECT_FALSE(view.OpenDrawing("/nonexistent/project.pnl", &error));
    EXPECT_NE(error.find("/nonexistent/project.pnl"), std::string::npos);
    EXPECT_EQ(view.PageCount(), 2);
    EXPECT_TRUE(view.OpenDrawing(""));  // an empty path: an empty view
    EXPECT_EQ(view.PageCount(), 0);
    EXPECT_EQ(view.CurrentPage(), nullptr);
}

}  // namespace
}  // namespace engine
