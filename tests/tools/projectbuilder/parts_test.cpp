// The parts the builder makes, read the way the simulator reads them: the configuration split by the
// part type's line count (a line written past it would be lost), and the pictures by dotted paths.

#include "tools/projectbuilder/parts.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/model/variant.h"
#include "simulator/shell/project/part_config.h"

namespace projectbuilder {
namespace {

// The lines of `part` as the simulator loads them for its type code.
sim::PartConfig Lines(const engine::DrawObject& part) {
    sim::PartConfig config;
    config.Load(part.ConfigText(), sim::PartLineCount(part.TypeCode()));
    return config;
}

// Number of CR LF separated lines the text holds.
int WrittenLines(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++count;
    return count;
}

struct LineCase {
    int line;
    std::string expected;
};

void ExpectLines(const engine::DrawObject& part, const std::vector<LineCase>& cases) {
    const sim::PartConfig config = Lines(part);
    for (const auto& c : cases)
        EXPECT_EQ(config.Line(c.line), c.expected) << part.Name() << " line " << c.line;
}

std::string Text(const engine::DrawObject& part, const std::string& path) {
    auto value = part.GetProperty(path);
    return value ? engine::VariantText(*value) : "<none: " + path + ">";
}

const Picture kOff{.text = "OFF", .backColor = 111, .textColor = 222};
const Picture kOn{.text = "ON", .backColor = 333, .textColor = 444};

TEST(BitLamp, LinesAtTheirNumbers) {
    auto lamp = BitLamp({.frame = {.name = "L", .rect = {10, 20, 30, 40}},
                         .address = {.link = 1, .station = 3, .registerName = "D", .addressText = "100"},
                         .bitSource = 1,
                         .bitNumber = 3,
                         .off = kOff,
                         .on = kOn,
                         .blinkOn = true});
    EXPECT_EQ(lamp->TypeCode(), 14);
    ExpectLines(*lamp, {
                           {20, "1"},
                           {21, "3"},
                           {23, "D"},
                           {24, "100"},  // the bit's group
                           {18, "1"},
                           {19, "3"},  // bit 3 of a 16-bit word
                           {28, "111"},
                           {12, "222"},
                           {29, "0"},  // OFF picture, not blinking
                           {42, "333"},
                           {16, "444"},
                           {43, "1"},  // ON picture, blinking
                           {1, "0"},
                           {3, "0"},  // always shown
                       });
}

TEST(BitSwitch, WriteAndMonitorGroupsByMonitorChoice) {
    using O = BitSwitchOptions;
    const Address write = PanelAddress("LB", 5), other = {.link = 2, .registerName = "M", .addressText = "9"};
    struct Case {
        O::Monitor monitor;
        std::string flag, same, monitorLink, monitorName, monitorAddress;
    } cases[] = {
        {O::kMonitorWriteAddress, "1", "1", "0", "LB", "5"},  // the monitor group repeats the write address
        {O::kMonitorOther, "1", "0", "2", "M", "9"},
        {O::kNoMonitor, "0", "0", "0", "", ""},
    };
    for (const auto& c : cases) {
        auto part = BitSwitch({.frame = {.name = "S" + std::to_string(c.monitor)},
                               .function = O::kMomentary,
                               .write = write,
                               .monitor = c.monitor,
                               .monitorAddress = other,
                               .off = kOff,
                               .on = kOn});
        EXPECT_EQ(part->TypeCode(), 1);
        ExpectLines(*part, {{65, "2"},
                            {66, c.flag},
                            {67, c.same},
                            {68, "0"},
                            {71, "LB"},
                            {72, "5"},
                            {73, c.monitorLink},
                            {76, c.monitorName},
                            {77, c.monitorAddress}});
    }
}

TEST(Parts, TouchConditionLinesByType) {
    const TouchCondition touch{.byBit = true,
                               .bit = PanelAddress("LB", 7),
                               .bitState = 0,
                               .byLevel = true,
                               .level = 3,
                               .notify = true,
                               .notifyBit = PanelAddress("LB", 8),
                               .notifyValue = 1};
    struct Case {
        std::unique_ptr<engine::DrawObject> part;
        int type, byBit, bitState, byLevel, level, bitGroup, notify, notifyValue, notifyGroup;
    };
    Case cases[] = {
        {BitSwitch({.frame = {.name = "bit"}, .off = kOff, .on = kOn, .touch = touch}), 1, 10, 12, 13, 14, 16,
         15, 11, 21},
        {WordSwitch({.frame = {.name = "word"}, .face = kOff, .touch = touch}), 2, 10, 12, 13, 14, 16, 15, 11,
         21},
        {ScreenSwitch({.frame = {.name = "screen"}, .face = kOff, .touch = touch}), 3, 10, 12, 13, 14, 16, 15,
         11, 21},
        {FunctionKey({.frame = {.name = "function"}, .face = kOff, .touch = touch}), 4, 10, 12, 13, 14, 16,
         15, 11, 21},
        {MultistateSwitch({.frame = {.name = "multi"}, .pictures = {kOff, kOn}, .touch = touch}), 6, 536, 538,
         539, 540, 542, 541, 537, 547},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.part->TypeCode(), c.type);
        ExpectLines(*c.part, {{c.byBit, "1"},
                              {c.bitState, "0"},
                              {c.byLevel, "1"},
                              {c.level, "3"},
                              {c.bitGroup + 3, "LB"},
                              {c.bitGroup + 4, "7"},
                              {c.notify, "1"},
                              {c.notifyValue, "1"},
                              {c.notifyGroup + 3, "LB"},
                              {c.notifyGroup + 4, "8"}});
    }

    TouchCondition keyTouch = touch;
    keyTouch.notify = false;
    auto key = CombinationKey({.frame = {.name = "combo"}, .face = kOff, .touch = keyTouch});
    EXPECT_EQ(key->TypeCode(), 78);
    ExpectLines(*key, {{10, "1"}, {16, "0"}, {17, "1"}, {18, "3"}, {14, "LB"}, {15, "7"}});
    EXPECT_THROW(CombinationKey({.frame = {.name = "combo"}, .face = kOff, .touch = touch}),
                 std::invalid_argument);
}

TEST(Parts, OwnLinesOfTheButtons) {
    auto word = WordSwitch({.frame = {.name = "w"},
                            .function = WordSwitchOptions::kAdd,
                            .dataType = 2,
                            .constant = "5",
                            .minimum = "-10",
                            .maximum = "10",
                            .fractionDigits = 1,
                            .write = PanelAddress("LW", 21),
                            .face = kOff,
                            .blink = true});
    ExpectLines(*word, {{41, "3"},
                        {42, "2"},
                        {43, "5"},
                        {44, "-10"},
                        {45, "10"},
                        {47, "1"},
                        {52, "0"},
                        {55, "LW"},
                        {56, "21"},
                        {28, "111"},
                        {49, "222"},
                        {29, "1"}});

    auto screen = ScreenSwitch({.frame = {.name = "s"},
                                .function = ScreenSwitchOptions::kGoToClosingPopup,
                                .target = 7,
                                .face = kOff,
                                .blink = true});
    ExpectLines(*screen, {{45, "2"}, {46, "7"}, {28, "111"}, {43, "222"}, {29, "1"}});

    auto key =
        CombinationKey({.frame = {.name = "c"},
                        .actions = {{.type = CombinationAction::kSetBit, .address = PanelAddress("LB", 3)},
                                    {.type = CombinationAction::kScreenJump, .value = "4", .mode = "2"}},
                        .face = kOff});
    ExpectLines(*key, {{45, "2"}, {46, "0"}, {97, "LB"}, {98, "3"}, {52, "3"}, {55, "4"}, {57, "2"}});
    EXPECT_THROW(
        CombinationKey({.frame = {.name = "c"}, .actions = std::vector<CombinationAction>(9), .face = kOff}),
        std::invalid_argument);
}

TEST(MultistateLamp, StateCountWordSizeAndOnePicturePerState) {
    std::vector<Picture> pictures;
    for (int k = 0; k < 5; ++k) pictures.push_back({.text = "state " + std::to_string(k)});
    auto lamp = MultistateLamp({.frame = {.name = "M", .rect = {5, 6, 70, 30}},
                                .address = PanelAddress("LW", 21),
                                .wordSize = 1,
                                .pictures = pictures});
    EXPECT_EQ(lamp->TypeCode(), 15);
    ExpectLines(*lamp, {{522, "5"}, {523, "1"}, {525, "0"}, {528, "LW"}, {529, "21"}});
    for (int k = 0; k < 5; ++k) {
        const std::string shape = "SHAPE" + std::to_string(k);
        EXPECT_EQ(Text(*lamp, shape + ".txt1.text"), "state " + std::to_string(k));
        EXPECT_EQ(Text(*lamp, shape + ".visible"), k == 0 ? "1" : "0") << shape;
        EXPECT_EQ(Text(*lamp, shape + ".rc2.left"), "5");
        EXPECT_EQ(Text(*lamp, shape + ".rc2.width"), "70");
    }
    EXPECT_FALSE(lamp->GetProperty("SHAPE5.visible"));

    EXPECT_THROW(MultistateLamp({.frame = {.name = "none"}}), std::invalid_argument);
    EXPECT_THROW(MultistateLamp({.frame = {.name = "many"}, .pictures = std::vector<Picture>(33)}),
                 std::invalid_argument);
}

TEST(Parts, PicturesCarryTheirLookAndTheShowConditionItsLines) {
    auto lamp = BitLamp({.frame = {.name = "灯",
                                   .rect = {40, 80, 80, 80},
                                   .shape = Shape::Ellipse,
                                   .show = {.byBit = true, .bit = PanelAddress("LB", 9), .bitState = 0}},
                         .address = PanelAddress("LB", 10),
                         .off = kOff,
                         .on = kOn});
    EXPECT_EQ(lamp->Name(), "\xB5\xC6");  // the code page form of the name
    EXPECT_EQ(Text(*lamp, "SHAPE1.txt1.text"), "ON");
    EXPECT_EQ(Text(*lamp, "SHAPE1.txt1.fontcolor"), "444");
    EXPECT_EQ(Text(*lamp, "SHAPE1.rc2.backColor"), "333");
    EXPECT_EQ(Text(*lamp, "SHAPE1.rc2.kind"), "ellipse");
    EXPECT_EQ(Text(*lamp, "SHAPE1.rc2.top"), "80");
    EXPECT_EQ(Text(*lamp, "SHAPE0.visible"), "1");
    EXPECT_EQ(Text(*lamp, "SHAPE1.visible"), "0");
    ExpectLines(*lamp, {{1, "1"}, {2, "0"}, {3, "0"}, {5, "0"}, {8, "LB"}, {9, "9"}});
}

TEST(Parts, EveryLineWrittenFitsTheType) {
    std::unique_ptr<engine::DrawObject> parts[] = {
        BitLamp({.frame = {.name = "a"}, .off = kOff, .on = kOn}),
        MultistateLamp({.frame = {.name = "b"}, .pictures = {kOff}}),
        BitSwitch({.frame = {.name = "c"}, .off = kOff, .on = kOn}),
        WordSwitch({.frame = {.name = "d"}, .face = kOff}),
        ScreenSwitch({.frame = {.name = "e"}, .face = kOff}),
        FunctionKey({.frame = {.name = "f"}, .face = kOff}),
        MultistateSwitch({.frame = {.name = "g"}, .pictures = {kOff}}),
        CombinationKey({.frame = {.name = "h"}, .actions = std::vector<CombinationAction>(8), .face = kOff}),
    };
    for (const auto& part : parts)
        EXPECT_LE(WrittenLines(part->ConfigText()), sim::PartLineCount(part->TypeCode())) << part->Name();
}

}  // namespace
}  // namespace projectbuilder
