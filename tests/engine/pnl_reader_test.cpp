#include "engine/pnl/pnl_reader.h"

#include <gtest/gtest.h>

#include "engine/pnl/codepage.h"

namespace engine {
namespace {

std::unique_ptr<Drawing> Read(const std::string& text, std::string* errorOut = nullptr) {
    std::string error;
    auto drawing = ReadDrawingText(text, "t.pnl", error);
    if (errorOut) *errorOut = error;
    return drawing;
}

TEST(PnlReader, MissingKeysTakeDefaults) {
    auto drawing = Read(R"({"pages": [{"objects": [{}, {"kind": "text"}]}]})");
    ASSERT_TRUE(drawing);
    const Page& page = *drawing->PageAt(0);
    EXPECT_EQ(page.Width(), 800);
    EXPECT_EQ(page.Height(), 600);
    const DrawObject& rect = *page.ObjectAt(0);
    EXPECT_EQ(rect.Kind(), "rect");
    EXPECT_TRUE(rect.Visible());
    EXPECT_EQ(rect.StyleInt("backColor"), 16777215);
    EXPECT_EQ(rect.StyleInt("textalign"), 5);
    EXPECT_EQ(page.ObjectAt(1)->StyleInt("fillStyle"), 0);  // texts are transparent by default
}

TEST(PnlReader, ConfigurationTextsInEveryForm) {
    auto drawing = Read(R"({"pages": [{"config": "a\r\nb", "extra": ["x", "y", "z"],
        "objects": [{"config": {"3": "three", "1": "one"}}]}]})");
    ASSERT_TRUE(drawing);
    EXPECT_EQ(drawing->PageAt(0)->ConfigText(), "a\r\nb");
    EXPECT_EQ(drawing->PageAt(0)->ExtraText(), "x\r\ny\r\nz");
    EXPECT_EQ(drawing->PageAt(0)->ObjectAt(0)->ConfigText(), "\r\none\r\n\r\nthree");
}

TEST(PnlReader, ChildrenKeepAbsoluteCoordinatesAndUnknownKeysBecomeProperties) {
    auto drawing = Read(R"({"pages": [{"objects": [{"kind": "group", "name": "P", "type": 14,
        "children": [{"name": "SHAPE0", "left": 30, "top": 40, "blink": 2, "label": "x", "ratio": 0.5}],
        "left": 20, "top": 10, "width": 50, "height": 50}]}]})");
    ASSERT_TRUE(drawing);
    const DrawObject& part = *drawing->PageAt(0)->ObjectAt(0);
    EXPECT_EQ(part.TypeCode(), 14);
    EXPECT_EQ(part.GetProperty("SHAPE0.left"), Variant(30.0));
    EXPECT_EQ(part.GetProperty("shape0.BLINK"), Variant(2));
    EXPECT_EQ(part.GetProperty("SHAPE0.label"), Variant(std::string("x")));
    EXPECT_EQ(part.GetProperty("SHAPE0.ratio"), Variant(0.5));
}

TEST(PnlReader, TextsAreHeldInTheProjectCodePage) {
    auto drawing = Read(R"({"pages": [{"objects": [{"kind": "text", "text": "启动", "name": "开"}]}]})");
    ASSERT_TRUE(drawing);
    const DrawObject& text = *drawing->PageAt(0)->ObjectAt(0);
    EXPECT_EQ(text.StyleText("text"), "\xC6\xF4\xB6\xAF");  // GBK bytes of the two characters
    EXPECT_EQ(CodePageToUtf8(text.StyleText("text")), "启动");
}

TEST(PnlReader, MalformedFilesNameTheFileThePlaceAndTheReason) {
    struct Case {
        const char* text;
        const char* place;
        const char* reason;
    } cases[] = {
        {"{\"pages\": [\n  {\"width\": }]}", "t.pnl: line 2, column", "syntax error"},
        {"[]", "t.pnl: /:", "pages"},
        {R"({"pages": {}})", "/pages:", "list of pages"},
        {R"({"pages": [{"width": -1}]})", "/pages/0/width:", "negative size"},
        {R"({"pages": [{"height": "tall"}]})", "/pages/0/height:", "expected a number"},
        {R"({"pages": [{"objects": [{"width": 5}, {"height": -3}]}]})",
         "/pages/0/objects/1/height:", "negative"},
        {R"({"pages": [{"objects": [{"kind": "star"}]}]})", "/pages/0/objects/0/kind:", "unknown kind"},
        {R"({"pages": [{"objects": [{"visible": "yes"}]}]})", "/objects/0/visible:", "true or false"},
        {R"({"pages": [{"objects": [{"name": 5}]}]})", "/objects/0/name:", "expected a string"},
        {R"({"pages": [{"objects": [{"config": {"x": "a"}}]}]})", "/objects/0/config/x:", "line number"},
        {R"({"pages": [{"objects": [{"config": {"99999999": "a"}}]}]})", "/config/99999999:", "line number"},
        {R"({"pages": [{"objects": [{"points": [[1]]}]}]})", "/objects/0/points/0:", "[x, y]"},
        {R"({"pages": [{"objects": [{"left": 1e300}]}]})", "/objects/0/left:", "out of range"},
        {R"({"pages": [{"width": 1E333333}]})", "t.pnl:", "number overflow"},
        {R"({"pages": [{"objects": [{"children": [{"children": 3}]}]}]})", "/children/0/children:", "list"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error;
        EXPECT_EQ(Read(c.text, &error), nullptr);
        EXPECT_NE(error.find(c.place), std::string::npos) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(PnlReader, DeeplyNestedGroupsAreRefusedNotOverflowed) {
    std::string text = R"({"pages": [{"objects": [)";
    for (int i = 0; i < 200; ++i) text += R"({"kind": "group", "children": [)";
    for (int i = 0; i < 200; ++i) text += "]}";
    text += "]}]}";
    std::string error;
    EXPECT_EQ(Read(text, &error), nullptr);
    EXPECT_NE(error.find("nested too deeply"), std::string::npos) << error;
}

TEST(PnlReader, AMissingFileIsAnError) {
    std::string error;
    EXPECT_EQ(ReadDrawingFile("/no/such/file.pnl", error), nullptr);
    EXPECT_EQ(error, "/no/such/file.pnl: cannot open the file");
}

}  // namespace
}  // namespace engine
