#include "engine/model/page.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

DrawObject* AddRect(Page& page, const char* name, double left, double top, double size) {
    auto rect = std::make_unique<DrawObject>("rect");
    rect->SetName(name);
    rect->SetLeft(left);
    rect->SetTop(top);
    rect->SetWidth(size);
    rect->SetHeight(size);
    return page.AddObject(std::move(rect));
}

TEST(PageObjects, CreateObjectMakesOnlyTextsAndLinesAndKeepsOrder) {
    Page page;
    AddRect(page, "first", 0, 0, 10);
    DrawObject* text = page.CreateObject("text", 1, 2, 3, 4);
    DrawObject* line = page.CreateObject("line", 5, 6, 7, 8);
    EXPECT_EQ(page.CreateObject("rect", 0, 0, 1, 1), nullptr);
    ASSERT_EQ(page.ObjectCount(), 3);
    EXPECT_EQ(page.ObjectAt(1), text);
    EXPECT_EQ(page.ObjectAt(2), line);
    EXPECT_EQ(text->Right(), 4);
    EXPECT_EQ(page.ObjectAt(3), nullptr);
    EXPECT_EQ(page.ObjectAt(-1), nullptr);
    EXPECT_EQ(page.FindObject("FIRST"), page.ObjectAt(0));
}

TEST(PageSelection, AddClearAndItem) {
    Page page;
    DrawObject* a = AddRect(page, "a", 0, 0, 10);
    DrawObject* b = AddRect(page, "b", 0, 0, 10);
    Selection& selection = page.GetSelection();
    selection.Add(a);
    selection.Add(b);
    selection.Add(a);  // already there
    selection.Add(nullptr);
    ASSERT_EQ(selection.Count(), 2);
    EXPECT_EQ(selection.Item(0), a);
    EXPECT_TRUE(b->Selected());
    EXPECT_EQ(selection.Item(2), nullptr);
    selection.Clear();
    EXPECT_EQ(selection.Count(), 0);
    EXPECT_FALSE(a->Selected());
}

TEST(PageSelection, DeleteSelectedRemovesAGroupAndItsSelectedChildOnce) {
    Page page;
    AddRect(page, "keep", 0, 0, 10);
    auto group = std::make_unique<DrawObject>("group");
    DrawObject* child = group->AddChild(std::make_unique<DrawObject>("rect"));
    DrawObject* doomed = page.AddObject(std::move(group));
    // The child is selected before its group: deleting the group first must not leave it dangling.
    page.GetSelection().Add(child);
    page.GetSelection().Add(doomed);
    page.DeleteSelected();
    ASSERT_EQ(page.ObjectCount(), 1);
    EXPECT_EQ(page.ObjectAt(0)->Name(), "keep");
    EXPECT_EQ(page.GetSelection().Count(), 0);
}

TEST(PageHitTest, TopmostVisibleObjectUnderThePointWins) {
    Page page;
    DrawObject* below = AddRect(page, "below", 0, 0, 100);
    DrawObject* above = AddRect(page, "above", 50, 50, 100);
    EXPECT_EQ(page.ObjectAtPoint(60, 60), above);
    EXPECT_EQ(page.ObjectAtPoint(10, 10), below);
    above->SetVisible(false);
    EXPECT_EQ(page.ObjectAtPoint(60, 60), below);
    EXPECT_EQ(page.ObjectAtPoint(500, 500), nullptr);
}

}  // namespace
}  // namespace engine
