// The blink pass: colour swaps of blinking pictures on each blink tick, by the lists the last refresh
// tick left.

#include <gtest/gtest.h>

#include "tests/simulator/display/display_fixture.h"

namespace sim {
namespace {

constexpr int kUntouched = 16777215;  // the default background of a rectangle

struct Colours {
    int background, text;
};

Colours ColoursOf(const engine::DrawObject& part, int picture) {
    return {PictureColour(part, picture, "rc2", "backColor"),
            PictureColour(part, picture, "txt1", "fontcolor")};
}

// A blinking part of each button type alternates picture 0 between its two colours, starting with the
// second colour as background; the text takes the other one.
TEST_F(DisplayTest, BlinkingPictureSwapsBackgroundAndTextOnEveryTick) {
    struct Case {
        int type;
        int secondColourLine;
    } cases[] = {{1, 60}, {2, 49}, {3, 43}, {4, 43}, {78, 43}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        blink = BlinkStates{};  // each type starts from the state of a new window
        auto part = MakePart(c.type, {{29, "1"}, {28, "111"}, {c.secondColourLine, "222"}});
        Tick({part.get()});
        const Colours expected[] = {{222, 111}, {111, 222}, {222, 111}};
        for (const Colours& e : expected) {
            BlinkPass(context);
            Colours got = ColoursOf(*part, 0);
            EXPECT_EQ(got.background, e.background);
            EXPECT_EQ(got.text, e.text);
        }
        EXPECT_EQ(ColoursOf(*part, 1).background, kUntouched);
    }
}

TEST_F(DisplayTest, BitButtonBlinksEachPictureByItsOwnFlag) {
    auto both = MakePart(1, {{29, "1"}, {28, "1"}, {60, "2"}, {43, "1"}, {42, "3"}, {64, "4"}});
    auto onlyOn = MakePart(1, {{29, "0"}, {28, "1"}, {60, "2"}, {43, "1"}, {42, "3"}, {64, "4"}});
    Tick({both.get(), onlyOn.get()});
    BlinkPass(context);
    EXPECT_EQ(ColoursOf(*both, 0).background, 2);
    EXPECT_EQ(ColoursOf(*both, 1).background, 4);
    EXPECT_EQ(ColoursOf(*onlyOn, 0).background, kUntouched);
    EXPECT_EQ(ColoursOf(*onlyOn, 1).background, 4);
}

TEST_F(DisplayTest, BitLampsBlinkOnlyThePictureTheyShow) {
    memory.WriteBit(Area::LB, 10, true);
    const Lines blinking{{29, "1"}, {28, "1"}, {12, "2"}, {43, "1"}, {42, "3"}, {16, "4"}};
    Lines onLines = blinking, offLines = blinking, hiddenLines = blinking;
    PanelGroup(onLines, 20, "LB", 10);
    PanelGroup(offLines, 20, "LB", 11);
    PanelGroup(hiddenLines, 20, "LB", 10);
    ShownWhileBit(hiddenLines, 11);
    auto on = MakePart(14, onLines);
    auto off = MakePart(14, offLines);
    auto hidden = MakePart(14, hiddenLines);

    Tick({on.get(), off.get(), hidden.get()});
    BlinkPass(context);
    EXPECT_EQ(ColoursOf(*on, 0).background, kUntouched);
    EXPECT_EQ(ColoursOf(*on, 1).background, 4);
    EXPECT_EQ(ColoursOf(*off, 0).background, 2);
    EXPECT_EQ(ColoursOf(*off, 1).background, kUntouched);
    // A hidden lamp shows neither picture, so neither blinks.
    EXPECT_EQ(ColoursOf(*hidden, 0).background, kUntouched);
    EXPECT_EQ(ColoursOf(*hidden, 1).background, kUntouched);

    // The lamp turns OFF: from the next refresh on, its OFF picture blinks.
    memory.WriteBit(Area::LB, 10, false);
    Tick({on.get(), off.get(), hidden.get()});
    BlinkPass(context);
    EXPECT_EQ(ColoursOf(*on, 0).background, 2);
    EXPECT_EQ(ColoursOf(*on, 1).background, 4);
}

TEST_F(DisplayTest, BlinkPassWalksWhatTheLastRefreshTickListed) {
    auto part = MakePart(3, {{29, "1"}, {28, "1"}, {43, "2"}});
    Tick({part.get()});
    lists.BeginTick();  // a refresh tick under way: the pass still uses the last snapshot
    BlinkPass(context);
    EXPECT_EQ(ColoursOf(*part, 0).background, 2);

    Tick({});  // a screen without parts
    BlinkPass(context);
    EXPECT_EQ(ColoursOf(*part, 0).background, 2);
}

// The lists hold 99 parts of a type; a 100th is still drawn, but no pass sees it.
TEST_F(DisplayTest, HundredthPartOfATypeIsDrawnButNotListed) {
    std::vector<std::unique_ptr<engine::DrawObject>> owned;
    std::vector<engine::DrawObject*> parts;
    for (int i = 0; i < 100; ++i) {
        owned.push_back(MakePart(3, {{29, "1"}, {28, "1"}, {43, "2"}}));
        SetAllPictures(*owned.back(), 2, false);
        parts.push_back(owned.back().get());
    }
    Tick(parts);
    EXPECT_EQ(lists.SnapshotCount(3), PartList::kCapacity);
    BlinkPass(context);
    EXPECT_EQ(VisiblePictures(*parts[99], 2), std::vector<int>{0});
    EXPECT_EQ(ColoursOf(*parts[98], 0).background, 2);
    EXPECT_EQ(ColoursOf(*parts[99], 0).background, kUntouched);
}

}  // namespace
}  // namespace sim
