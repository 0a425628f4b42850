#include "engine/model/draw_object.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

// A part as screens hold it: a group with picture groups SHAPE0/SHAPE1, each with a text and a rectangle.
std::unique_ptr<DrawObject> MakePart() {
    auto part = std::make_unique<DrawObject>("group");
    part->SetName("Part");
    part->SetWidth(100);
    part->SetHeight(50);
    for (const char* shapeName : {"SHAPE0", "SHAPE1"}) {
        auto shape = std::make_unique<DrawObject>("group");
        shape->SetName(shapeName);
        auto text = std::make_unique<DrawObject>("text");
        text->SetName("txt1");
        auto rect = std::make_unique<DrawObject>("rect");
        rect->SetName("rc2");
        rect->SetLeft(10);
        rect->SetTop(20);
        shape->AddChild(std::move(text));
        shape->AddChild(std::move(rect));
        part->AddChild(std::move(shape));
    }
    return part;
}

TEST(DrawObjectPaths, ValuesReadBackAsSetWhateverTheCaseOfThePath) {
    auto part = MakePart();
    struct Case {
        const char* setPath;
        Variant value;
        const char* getPath;
    } cases[] = {
        {"SHAPE0.txt1.text", std::string("ON"), "shape0.TXT1.Text"},
        {"SHAPE1.rc2.backColor", 255, "Shape1.Rc2.BACKCOLOR"},
        {"SHAPE0.visible", false, "shape0.Visible"},
        {"SHAPE1.rc2.Width", 42.5, "SHAPE1.rc2.width"},
        {"SHAPE0.txt1.fontsize", 20, "SHAPE0.txt1.FontSize"},
        {"name", std::string("Renamed"), "NAME"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setPath);
        ASSERT_TRUE(part->SetProperty(c.setPath, c.value));
        auto read = part->GetProperty(c.getPath);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, c.value);
    }
}

TEST(DrawObjectPaths, EngineInterfaceNamesReachTheSameStyles) {
    auto part = MakePart();
    ASSERT_TRUE(part->SetProperty("SHAPE0.txt1.TextColor", 255));
    EXPECT_EQ(part->GetProperty("SHAPE0.txt1.fontcolor"), Variant(255));
    ASSERT_TRUE(part->SetProperty("SHAPE0.rc2.FillColor", 65280));
    EXPECT_EQ(part->GetProperty("SHAPE0.rc2.backColor"), Variant(65280));
}

TEST(DrawObjectPaths, VisibleTakesOneOrZeroAsWellAsBool) {
    auto part = MakePart();
    ASSERT_TRUE(part->SetProperty("SHAPE1.visible", 0));
    EXPECT_EQ(part->GetProperty("SHAPE1.visible"), Variant(false));
    ASSERT_TRUE(part->SetProperty("SHAPE1.visible", 1));
    EXPECT_EQ(part->GetProperty("SHAPE1.visible"), Variant(true));
}

TEST(DrawObjectPaths, UnknownObjectsAndPropertiesAreRefused) {
    auto part = MakePart();
    for (const char* path : {"SHAPE9.visible", "SHAPE0.txt9.text", "SHAPE0.nosuch", "", ".", "SHAPE0.",
                             ".visible", "SHAPE0..txt1.text", "SHAPE0.txt1.text.more"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(part->GetProperty(path).has_value());
        EXPECT_FALSE(part->SetProperty(path, 1));
    }
    // Read-only and mistyped values are refused too, and leave the object as it was.
    EXPECT_FALSE(part->SetProperty("right", 5.0));
    EXPECT_FALSE(part->SetProperty("kind", std::string("rect")));
    EXPECT_FALSE(part->SetProperty("left", std::string("abc")));
    EXPECT_EQ(part->Left(), 0);
}

TEST(DrawObjectGeometry, MovingAGroupMovesEveryDescendantAndRightFollows) {
    auto part = MakePart();
    ASSERT_TRUE(part->SetProperty("left", 100.0));
    ASSERT_TRUE(part->SetProperty("Top", 7));
    EXPECT_EQ(part->GetProperty("SHAPE1.rc2.left"), Variant(110.0));
    EXPECT_EQ(part->GetProperty("SHAPE1.rc2.top"), Variant(27.0));
    EXPECT_EQ(part->GetProperty("right"), Variant(200.0));
    // Moving a child does not move its parent.
    ASSERT_TRUE(part->SetProperty("SHAPE0.rc2.left", 0.0));
    EXPECT_EQ(part->Left(), 100);
}

TEST(DrawObjectGeometry, LinePointsMoveWithTheLineAndDefineItsBounds) {
    DrawObject line("line");
    line.SetPointCount(3);
    line.SetPointX(0, 10), line.SetPointY(0, 10);
    line.SetPointX(1, 50), line.SetPointY(1, 5);
    line.SetPointX(2, 30), line.SetPointY(2, 40);
    line.SetPointX(7, 99);  // outside the point count: ignored
    line.UpdateShape();
    EXPECT_EQ(line.Left(), 10);
    EXPECT_EQ(line.Top(), 5);
    EXPECT_EQ(line.Right(), 50);
    EXPECT_EQ(line.Height(), 35);
    line.SetLeft(20);
    EXPECT_EQ(line.Points()[1].x, 60);
}

}  // namespace
}  // namespace engine
