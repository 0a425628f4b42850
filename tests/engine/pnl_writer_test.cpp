#include "engine/pnl/pnl_writer.h"

#include <gtest/gtest.h>

#include "engine/pnl/pnl_reader.h"

namespace engine {
namespace {

TEST(PnlWriter, WhatIsWrittenReadsBackTheSame) {
    const char* source = R"({"pages": [{"width": 320, "height": 240, "config": "0,1\r\nx", "backColor": 255,
        "objects": [{"kind": "group", "name": "开关", "type": 1, "config": ["a", "b"], "left": 5, "top": 6,
          "width": 50, "height": 20, "children": [{"kind": "text", "name": "txt1", "text": "启动", "left": 7,
          "top": 8, "visible": false, "blink": 3}]},
        {"kind": "line", "points": [[1, 2], [30, 40]], "lineWidth": 2.5}]}]})";
    std::string error;
    auto first = ReadDrawingText(source, "a.pnl", error);
    ASSERT_TRUE(first) << error;
    std::string written = WriteDrawingText(*first);
    auto second = ReadDrawingText(written, "b.pnl", error);
    ASSERT_TRUE(second) << error;
    EXPECT_EQ(WriteDrawingText(*second), written);

    const Page& page = *second->PageAt(0);
    EXPECT_EQ(page.BackColor(), 255);
    EXPECT_EQ(page.ConfigText(), "0,1\r\nx");
    const DrawObject& part = *page.ObjectAt(0);
    EXPECT_EQ(part.ConfigText(), "a\r\nb");
    EXPECT_EQ(part.GetProperty("txt1.left"), Variant(7.0));
    EXPECT_EQ(part.GetProperty("txt1.visible"), Variant(false));
    EXPECT_EQ(part.GetProperty("txt1.blink"), Variant(3));
    EXPECT_EQ(page.ObjectAt(1)->Points().size(), 2u);
    EXPECT_EQ(page.ObjectAt(1)->GetProperty("lineWidth"), Variant(2.5));
}

}  // namespace
}  // namespace engine
