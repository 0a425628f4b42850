// The project builder's text parts put their settings on the lines the display handlers read.

#include <gtest/gtest.h>

#include "simulator/display/message_scroll.h"
#include "tests/simulator/display/display_fixture.h"
#include "tools/projectbuilder/display_parts.h"

namespace sim {
namespace {

namespace pb = projectbuilder;

std::string CellText(const engine::DrawObject& part) {
    return engine::VariantText(*part.GetProperty("SHAPE0.txt1.text"));
}

TEST_F(DisplayTest, BuiltTextPartsShowTheirRegisters) {
    memory.WriteWord(Area::LW, 10, 1234);
    memory.WriteWord(Area::LW, 20, 0x4241);
    memory.WriteWord(Area::LW, 21, 0x0043);
    memory.WriteWord(Area::LW, 30, 1);

    const pb::NumberFormat format{.totalDigits = 6, .fractionDigits = 2, .padding = 1};
    const pb::RangeColours range{.enabled = true, .low = "0", .high = "1000", .highText = 7, .highBack = 8};
    struct Case {
        const char* what;
        std::unique_ptr<engine::DrawObject> part;
        const char* text;
    } cases[] = {
        {"numeric display",
         pb::NumericDisplay({.address = pb::PanelAddress("LW", 10), .format = format, .range = range}),
         "0012.34"},
        {"numeric input", pb::NumericInput({.write = pb::PanelAddress("LW", 10), .format = format}),
         "0012.34"},
        {"character display", pb::AsciiDisplay({.address = pb::PanelAddress("LW", 20), .length = 4}), "ABC"},
        {"character input", pb::AsciiInput({.write = pb::PanelAddress("LW", 20), .length = 4}), "ABC"},
        {"message display",
         pb::MessageDisplay(
             {.address = pb::PanelAddress("LW", 30), .messages = {{.text = "off"}, {.text = "on"}}}),
         "on"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tick({c.part.get()});
        EXPECT_EQ(CellText(*c.part), c.text);
        EXPECT_EQ(VisiblePictures(*c.part, 2), std::vector<int>{0});
    }
    EXPECT_EQ(PictureColour(*cases[0].part, 0, "txt1", "fontcolor"), 7);
    EXPECT_EQ(PictureColour(*cases[0].part, 0, "rc2", "backColor"), 8);
}

TEST(DisplayParts, RefusesWhatThePartCannotHold) {
    EXPECT_THROW(pb::MessageDisplay({}), std::invalid_argument);
    EXPECT_THROW(pb::MessageDisplay({.messages = std::vector<pb::MessageText>(130)}), std::invalid_argument);
    EXPECT_THROW(pb::MessageDisplay({.messages = {{.text = "a", .step = 0}}}), std::invalid_argument);
    EXPECT_THROW(pb::AsciiDisplay({.length = 0}), std::invalid_argument);
}

}  // namespace
}  // namespace sim
