// Character displays, message displays and scrolling messages, and the hidden state of every text part.

#include <gtest/gtest.h>

#include "simulator/display/message_scroll.h"
#include "tests/simulator/display/display_fixture.h"

namespace sim {
namespace {

constexpr int kHiddenBit = 900;  // LB900 stays 0

std::string CellText(const engine::DrawObject& part) {
    return engine::VariantText(*part.GetProperty("SHAPE0.txt1.text"));
}

double CellEdge(const engine::DrawObject& part, const char* edge) {
    return *engine::VariantNumber(*part.GetProperty(std::string("SHAPE0.txt1.") + edge));
}

TEST_F(DisplayTest, HiddenTextPartsShowNoPicture) {
    for (int type : {16, 12, 17, 13, 7}) {
        SCOPED_TRACE(type);
        Lines lines{{45, "1"}};
        ShownWhileBit(lines, kHiddenBit);
        auto part = MakePart(type, lines);
        SetAllPictures(*part, 2, true);
        Tick({part.get()});
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{});
    }
}

// "ABC" as the character entry writes it into LW100.. with either byte order, and the same length
// and byte-order lines on the character display (type 17) and the character entry (type 13).
TEST_F(DisplayTest, CharacterDisplayShowsTheTextInEitherByteOrder) {
    struct Case {
        const char* what;
        int type;
        const char* byteOrder;
        std::uint16_t words[3];
    } cases[] = {
        {"display, first character low", 17, "0", {0x4241, 0x0043, 0}},
        {"display, first character high", 17, "1", {0x4142, 0x4300, 0}},
        {"entry, first character low", 13, "0", {0x4241, 0x0043, 0}},
        {"entry, first character high", 13, "1", {0x4142, 0x4300, 0}},
        {"display, unknown order is low first", 17, "x", {0x4241, 0x0043, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < 3; ++i) memory.WriteWord(Area::LW, 100 + i, c.words[i]);
        Lines lines;
        if (c.type == 17) {
            lines[21] = "6";
            lines[26] = c.byteOrder;
            PanelGroup(lines, 16, "LW", 100);
        } else {
            lines[44] = "6";
            lines[51] = c.byteOrder;
            lines[45] = "1";
            PanelGroup(lines, 34, "LW", 100);
        }
        auto part = MakePart(c.type, lines);
        SetAllPictures(*part, 2, false);
        Tick({part.get()});
        EXPECT_EQ(CellText(*part), "ABC");
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{0});
    }
}

TEST_F(DisplayTest, CharacterDisplayShowsOnlyItsOwnBytes) {
    memory.WriteWord(Area::LW, 100, 0x4241);
    memory.WriteWord(Area::LW, 101, 0x4443);
    const std::uint8_t stale[] = {'Z', 'Z', 'Z', 'Z', 'Z', 'Z'};
    struct Case {
        const char* what;
        const char* length;
        const char* registerName;
        const char* text;
    } cases[] = {
        {"length cuts the text", "3", "LW", "ABC"},
        // A register that copies nothing shows no text rather than what another part left.
        {"register outside the word areas", "6", "LB", ""},
        {"negative length", "-4", "LW", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines{{21, c.length}};
        PanelGroup(lines, 16, c.registerName, 100);
        auto part = MakePart(17, lines);
        memory.CopyIn(Area::ValueScratch, 0, stale);
        Tick({part.get()});
        EXPECT_EQ(CellText(*part), c.text);
    }
}

TEST_F(DisplayTest, CharacterEntryWithoutMonitorKeepsItsTextButIsShown) {
    memory.WriteWord(Area::LW, 100, 0x4241);
    Lines lines{{44, "2"}, {45, "0"}};
    PanelGroup(lines, 34, "LW", 100);
    auto part = MakePart(13, lines);
    part->SetProperty("SHAPE0.txt1.text", std::string("typed"));
    SetAllPictures(*part, 2, false);
    Tick({part.get()});
    EXPECT_EQ(CellText(*part), "typed");
    EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{0});
}

// A message display over LW50 with message m at lines 22 + 5m: font size, colour, text, scrolling,
// step - 1. The part covers x 100..300, and so does the home cell "SHAPE1.txt1".
class MessageTest : public DisplayTest {
  protected:
    MessageTest() = default;

    struct Message {
        std::string text;
        int scrolling = 0;
        int step = 0;
    };

    static std::unique_ptr<engine::DrawObject> MessageDisplay(const std::vector<Message>& messages,
                                                              const char* count, const char* width = "0",
                                                              int word = 50) {
        Lines lines{{15, count}, {16, width}};
        PanelGroup(lines, 17, "LW", word);
        for (std::size_t m = 0; m < messages.size(); ++m) {
            const int at = 22 + 5 * static_cast<int>(m);
            lines[at] = std::to_string(10 + m);
            lines[at + 1] = std::to_string(1000 + m);
            lines[at + 2] = messages[m].text;
            lines[at + 3] = std::to_string(messages[m].scrolling);
            lines[at + 4] = std::to_string(messages[m].step);
        }
        auto part = MakePart(7, lines);
        part->SetLeft(100);
        part->SetWidth(200);
        for (const char* cell : {"SHAPE0.txt1", "SHAPE1.txt1"})
            part->SetProperty(std::string(cell) + ".width", 200.0);
        return part;
    }

    // The texts a part shows over `ticks` refresh ticks.
    std::vector<std::string> Texts(engine::DrawObject& part, int ticks) {
        std::vector<std::string> texts;
        for (int i = 0; i < ticks; ++i) {
            Tick({&part});
            texts.push_back(CellText(part));
        }
        return texts;
    }
};

TEST_F(MessageTest, ValueChoosesTheClampedMessage) {
    struct Case {
        const char* what;
        const char* count;
        const char* width;
        std::uint32_t value;
        const char* text;
    } cases[] = {
        {"value within the count", "4", "0", 2, "two"},
        {"value above the count", "4", "0", 9, "three"},
        {"no messages", "0", "0", 0, "zero"},
        {"negative 32-bit value", "4", "1", static_cast<std::uint32_t>(-3), "zero"},
        {"unknown value width counts as 0", "4", "5", 2, "zero"},
        // The message lines end with the configuration: a huge count and value read empty lines.
        {"message far past the last line", "2147483647", "1", 0x7FFFFFF0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        memory.WriteDWord(Area::LW, 50, c.value);
        auto part = MessageDisplay({{"zero"}, {"one"}, {"two"}, {"three"}}, c.count, c.width);
        SetAllPictures(*part, 2, false);
        Tick({part.get()});
        EXPECT_EQ(CellText(*part), c.text);
        EXPECT_EQ(VisiblePictures(*part, 2), std::vector<int>{0});
    }
    memory.WriteWord(Area::LW, 50, 3);
    auto part = MessageDisplay({{"zero"}, {"one"}, {"two"}, {"three"}}, "4");
    Tick({part.get()});
    EXPECT_EQ(PictureColour(*part, 0, "txt1", "fontcolor"), 1003);
    EXPECT_EQ(PictureColour(*part, 0, "txt1", "fontsize"), 13);
}

TEST_F(MessageTest, StillMessageRestsAtHome) {
    auto part = MessageDisplay({{"ABCDE"}}, "1");
    part->SetProperty("SHAPE0.txt1.left", 150.0);
    Tick({part.get()});
    EXPECT_EQ(CellText(*part), "ABCDE");
    EXPECT_EQ(CellEdge(*part, "left"), 100);
    EXPECT_EQ(CellEdge(*part, "width"), 200);
}

TEST_F(MessageTest, LeftScrollEatsOneCharacterPerTickThenRestartsAtTheRightEdge) {
    auto part = MessageDisplay({{"ABCDE", 2, 2}}, "1");
    EXPECT_EQ(Texts(*part, 4), (std::vector<std::string>{"BCDE", "CDE", "DE", "ABCDE"}));
    EXPECT_EQ(CellEdge(*part, "left"), 300);
    EXPECT_EQ(CellEdge(*part, "width"), 0);
    // Back in from the right edge by the step (3 pixels) per tick, as wide as the room allows.
    Tick({part.get()});
    EXPECT_EQ(CellText(*part), "ABCDE");
    EXPECT_EQ(CellEdge(*part, "left"), 297);
    EXPECT_EQ(CellEdge(*part, "right"), 300);
    // Once the whole text (8 pixels a byte + 4) is in, it moves at its full width.
    part->SetProperty("SHAPE0.txt1.left", 200.0);
    Tick({part.get()});
    EXPECT_EQ(CellEdge(*part, "left"), 197);
    EXPECT_EQ(CellEdge(*part, "right"), 197 + 44);
}

TEST_F(MessageTest, RightScrollEatsFromTheEnd) {
    auto part = MessageDisplay({{"ABCD", 1, 0}}, "1");
    EXPECT_EQ(Texts(*part, 3), (std::vector<std::string>{"ABC", "AB", "ABCD"}));
    EXPECT_EQ(CellEdge(*part, "left"), 100);
    EXPECT_EQ(CellEdge(*part, "width"), 0);
    Tick({part.get()});
    EXPECT_EQ(CellEdge(*part, "right"), 101);
}

TEST_F(MessageTest, DoubleByteCharactersGoWhole) {
    // GB2312 "\xB0\xA1" and a GBK character whose trail byte is '@' ("\x81\x40").
    struct Case {
        const char* what;
        int scrolling;
        std::string text;
        std::vector<std::string> shown;
    } cases[] = {
        {"to the left", 2, "\xB0\xA1\x81\x40XY", {"\x81\x40XY", "XY", "\xB0\xA1\x81\x40XY"}},
        {"to the right", 1, "XY\xB0\xA1\x81\x40", {"XY\xB0\xA1", "XY", "XY\xB0\xA1\x81\x40"}},
        {"trail byte in the ASCII range, to the right", 1, "A\x81\x40", {"A", "A\x81\x40"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto part = MessageDisplay({{c.text, c.scrolling, 0}}, "1");
        EXPECT_EQ(Texts(*part, static_cast<int>(c.shown.size())), c.shown);
    }
}

TEST_F(MessageTest, ScrollingDisplaysEachKeepTheirOwnText) {
    auto first = MessageDisplay({{"ABCDEF", 2, 0}}, "1");
    auto second = MessageDisplay({{"123456", 2, 0}}, "1", "0", 60);
    for (const char* expected : {"BCDEF", "CDEF"}) {
        Tick({first.get(), second.get()});
        EXPECT_EQ(CellText(*first), expected);
    }
    EXPECT_EQ(CellText(*second), "3456");
}

}  // namespace
}  // namespace sim
