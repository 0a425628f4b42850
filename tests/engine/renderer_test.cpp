#include "engine/qt/renderer.h"

#include <gtest/gtest.h>

#include "engine/pnl/pnl_reader.h"

namespace engine {
namespace {

QImage Render(const std::string& objects) {
    std::string error;
    auto drawing = ReadDrawingText(
        R"({"pages": [{"width": 100, "height": 80, "objects": [)" + objects + "]}]}", "r.pnl", error);
    EXPECT_TRUE(drawing) << error;
    if (!drawing) return {};
    return Renderer().RenderPage(*drawing->PageAt(0));
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(Renderer, ColoursAreBgrValues) {
    QImage image = Render(R"({"kind": "rect", "left": 10, "top": 10, "width": 20, "height": 20,
        "backColor": 255, "lineWidth": 0},
        {"kind": "ellipse", "left": 50, "top": 10, "width": 30, "height": 30, "backColor": 16711680,
        "lineWidth": 0})");
    ASSERT_EQ(image.size(), QSize(100, 80));
    EXPECT_EQ(At(image, 20, 20), 0xFF0000u);  // 255 is red
    EXPECT_EQ(At(image, 65, 25), 0x0000FFu);  // 0xFF0000 is blue
    EXPECT_EQ(At(image, 51, 11), 0xFFFFFFu);  // the ellipse's corner stays page white
    EXPECT_EQ(At(image, 5, 5), 0xFFFFFFu);
}

TEST(Renderer, ChildrenAreDrawnOverTheirParentAndHiddenObjectsNotAtAll) {
    QImage image = Render(R"({"kind": "group", "left": 0, "top": 0, "width": 100, "height": 80, "children": [
        {"kind": "rect", "left": 0, "top": 0, "width": 60, "height": 60, "backColor": 65280, "lineWidth": 0,
         "children": [{"kind": "rect", "left": 10, "top": 10, "width": 10, "height": 10, "backColor": 255,
                       "lineWidth": 0}]},
        {"kind": "group", "visible": false, "left": 0, "top": 0, "width": 100, "height": 80, "children": [
         {"kind": "rect", "left": 30, "top": 30, "width": 40, "height": 40, "backColor": 0}]}]})");
    EXPECT_EQ(At(image, 15, 15), 0xFF0000u);  // red child over its green parent
    EXPECT_EQ(At(image, 40, 40), 0x00FF00u);  // the hidden group's black rect is not drawn
    EXPECT_EQ(At(image, 80, 70), 0xFFFFFFu);
}

TEST(Renderer, TextIsPlacedByItsKeypadAlignment) {
    // A large black block glyph string in a 100 x 80 box: left-top (7) vs right-bottom (3).
    auto inkIn = [](const QImage& image, QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(image, x, y) != 0xFFFFFFu) return true;
        return false;
    };
    const char* text = R"({"kind": "text", "left": 0, "top": 0, "width": 100, "height": 80, "text": "MM",
        "fontsize": 20, "textalign": %d})";
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, text, 7);
    QImage topLeft = Render(buffer);
    std::snprintf(buffer, sizeof buffer, text, 3);
    QImage bottomRight = Render(buffer);
    EXPECT_TRUE(inkIn(topLeft, QRect(0, 0, 40, 25)));
    EXPECT_FALSE(inkIn(topLeft, QRect(60, 55, 40, 25)));
    EXPECT_TRUE(inkIn(bottomRight, QRect(60, 55, 40, 25)));
    EXPECT_FALSE(inkIn(bottomRight, QRect(0, 0, 40, 25)));
}

TEST(Renderer, LinesAndMissingPicturesDrawWithoutFailing) {
    QImage image =
        Render(R"({"kind": "line", "points": [[0, 40], [99, 40]], "lineColor": 255, "lineWidth": 3},
        {"kind": "image", "file": "missing.png", "left": 10, "top": 50, "width": 20, "height": 20})");
    EXPECT_EQ(At(image, 50, 40), 0xFF0000u);
    EXPECT_NE(At(image, 10, 50), 0xFFFFFFu);  // the frame of the missing picture
}

}  // namespace
}  // namespace engine
