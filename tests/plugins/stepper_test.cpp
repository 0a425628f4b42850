// stepper through its C interface: every protocol row and notation, the copy counter, the hundreds-16
// slots, and the calls that must leave the output entry alone.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"
#include "tests/plugins/plugin_calls.h"

namespace {

using plugintest::Plc;
using plugintest::Step;

struct StepCase {
    Plc plc;
    const char* area;
    const char* start;
    int32_t step;
    int32_t counter;       // before the call
    const char* expected;  // "old" when the entry must keep what it held
};

void CheckAll(const std::vector<StepCase>& cases) {
    for (const StepCase& c : cases) {
        const auto result = Step(c.plc, c.area, c.start, c.step, c.counter);
        EXPECT_EQ(result.text, c.expected) << "PLC " << c.plc.number << " protocol " << c.plc.protocol
                                           << " model " << c.plc.model << " area " << c.area << " start \""
                                           << c.start << "\" step " << c.step << " counter " << c.counter;
        EXPECT_EQ(result.counter, static_cast<int32_t>(static_cast<uint32_t>(c.counter) + 1u))
            << "counter of area " << c.area << " start " << c.start;
    }
}

TEST(PluginStepper, ProtocolRows) {
    CheckAll({
        // the panel's own memory: decimal in every area
        {{0, 0, 0}, "LW", "10", 1, 0, "11"},
        {{0, 0, 0}, "LW", "10", 1, 1, "12"},
        {{0, 0, 0}, "X", "17", 1, 0, "18"},
        // 0 and 33, model 3
        {{1, 0, 3}, "B", "1F", 1, 0, "20"},
        {{2, 33, 3}, "D", "9", 1, 0, "10"},
        // 0, model 6
        {{1, 0, 6}, "W", "F", 1, 0, "10"},
        {{1, 0, 6}, "Y", "7", 1, 0, "10"},
        {{1, 0, 6}, "SW", "9", 1, 0, "10"},
        // 0 and 33, model 4
        {{1, 0, 4}, "X", "F", 1, 0, "10"},
        {{1, 33, 4}, "D_Bit", "1.15", 1, 0, "2.00"},
        // 0 and 33, other models (33 with model 6 included)
        {{1, 0, 0}, "X", "17", 1, 0, "20"},
        {{1, 0, 0}, "D_Bit", "100.15", 1, 0, "101.00"},
        {{1, 0, 0}, "D_Bit", "100.05", 3, 1, "100.11"},
        {{1, 0, 0}, "B", "9", 1, 0, "10"},
        {{1, 33, 6}, "X", "7", 1, 0, "10"},
        {{1, 33, 6}, "B", "9", 1, 0, "10"},
        // 1, 3, 7, 17, 39, 40
        {{1, 40, 0}, "R_Bit", "3.15", 1, 0, "4.00"},
        {{1, 7, 0}, "Y", "17", 1, 0, "20"},
        {{1, 17, 0}, "D", "9", 1, 0, "10"},
        // 2
        {{1, 2, 0}, "HR", "1.15", 1, 0, "2.00"},
        {{1, 2, 1}, "D", "5", 1, 0, "6"},
        // 4
        {{1, 4, 0}, "I", "0.7", 1, 0, "1.0"},
        {{1, 4, 0}, "I", "0.5", 1, 0, "0.6"},
        {{1, 4, 0}, "VW", "5", 1, 0, "6"},
        // 5
        {{1, 5, 0}, "D", "F", 1, 0, "10"},
        {{1, 5, 1}, "%MX10_", "0.15", 1, 0, "1.00"},
        {{1, 5, 1}, "3x_Bit", "5", 1, 0, "6"},
        // 6
        {{1, 6, 0}, "X", "1F", 1, 0, "20"},
        {{1, 6, 0}, "X", "E", 1, 0, "f"},
        {{1, 6, 0}, "R", "9", 7, 0, "10"},
        {{1, 6, 0}, "DT_BIT", "2.15", 1, 0, "3.00"},
        {{1, 6, 0}, "DT", "5", 1, 0, "6"},
        {{1, 6, 0}, "L", "", 5, 0, "0"},
        // 8
        {{1, 8, 0}, "%MX", "1.7", 1, 0, "2.0"},
        {{1, 8, 0}, "MW", "1", 1, 0, "2"},
        // 9 and 22
        {{1, 22, 0}, "MX", "0.7", 1, 0, "1.0"},
        {{1, 9, 0}, "VW", "8", 1, 0, "9"},
        // 10
        {{1, 10, 0}, "I", "1:2/15", 1, 0, "1:3/0"},
        {{1, 10, 0}, "I", "1:255/15", 1, 0, "1:255/15"},
        {{1, 10, 0}, "D", "1:250", 10, 0, "1:255"},
        {{1, 10, 0}, "D", "N7:3", 2, 1, "N7:7"},
        // 11
        {{1, 11, 0}, "K", "F", 1, 0, "10"},
        {{1, 11, 0}, "K", "", 3, 0, "3"},
        {{1, 11, 0}, "D", "5", 1, 0, "6"},
        // 14, other areas
        {{1, 14, 0}, "D", "5", 1, 0, "6"},
        // 19
        {{1, 19, 0}, "3x_Bit", "1.15", 1, 0, "2.00"},
        {{1, 19, 1}, "3x_Bit", "1.15", 1, 0, "2"},
        // 20
        {{1, 20, 0}, "D", "7", 1, 0, "10"},
        // 23
        {{1, 23, 0}, "X", "A5F", 1, 0, "A5F"},
        {{1, 23, 0}, "X", "A50", 1, 0, "A51"},
        {{1, 23, 0}, "D", "1e", 1, 0, "1F"},
        // 27
        {{1, 27, 0}, "X", "7", 1, 0, "10"},
        {{1, 27, 0}, "X", "15", 1, 0, "16"},
        {{1, 27, 0}, "M", "5", 1, 0, "6"},
        {{1, 27, 0}, "D", "17", 1, 0, "18"},
        // 28
        {{1, 28, 0}, "Q", "0.7", 1, 0, "1.0"},
        {{1, 28, 0}, "VW", "7", 1, 0, "8"},
        // 31
        {{1, 31, 0}, "X", "7", 1, 0, "10"},
        // 34
        {{1, 34, 0}, "D", "9", 1, 0, "A"},
        // 36
        {{1, 36, 0}, "QX", "0.15", 1, 0, "1.00"},
        // 43
        {{1, 43, 0}, "A", "1020", 5, 0, "1023"},
        {{1, 43, 0}, "W", "19999", 5, 0, "20000"},
        {{1, 43, 0}, "I", "250", 10, 0, "255"},
        {{1, 43, 0}, "B", "1.31", 1, 0, "2.00"},
        {{1, 43, 0}, "LB", "5", 1, 0, "old"},
        // decimal everywhere
        {{1, 42, 0}, "X", "7", 1, 0, "8"},
        // nothing is written
        {{1, 15, 0}, "D", "5", 1, 0, "old"},
        {{1, 44, 0}, "D", "5", 1, 0, "old"},
        {{1, -1, 0}, "D", "5", 1, 0, "old"},
        {{3, 0, 0}, "D", "5", 1, 0, "old"},
    });
}

TEST(PluginStepper, NotationEdges) {
    CheckAll({
        // word.bit: one digit after the point counts as tens (bit 50 = word 3, bit 2 further on)
        {{1, 0, 0}, "D_Bit", "100.5", 1, 0, "103.03"},
        // the word is written as a number: a leading zero goes
        {{1, 0, 0}, "D_Bit", "0100.05", 1, 0, "100.06"},
        // hexadecimal stops at the first foreign character
        {{1, 34, 0}, "D", "1FZ9", 1, 0, "20"},
        // octal reads 8 and 9 as their own values
        {{1, 20, 0}, "D", "18", 0, 0, "20"},
        // prefix-and-pair without a slash, prefix-and-number without a colon
        {{1, 10, 0}, "O", "2:3", 1, 0, "2:3/1"},
        {{1, 10, 0}, "N", "7", 1, 0, "8"},
        // hex suffix of a two-character text: no prefix, the limit at once
        {{1, 23, 0}, "Y", "A5", 0, 0, "5F"},
        // a large copy number
        {{0, 0, 0}, "D", "0", 1000, 1999, "2000000"},
    });
}

TEST(PluginStepper, NegativeSteps) {
    CheckAll({
        // bit positions borrow from the word
        {{1, 0, 0}, "D_Bit", "100.02", -3, 0, "99.15"},
        {{1, 4, 0}, "I", "1.0", -1, 0, "0.7"},
        {{1, 27, 0}, "X", "10", -1, 0, "7"},
        {{1, 6, 0}, "X", "20", -1, 0, "1f"},
        {{1, 0, 0}, "X", "10", -1, 0, "7"},
        // no register lies below address 0: the entry keeps its text instead of a wrapped one
        {{0, 0, 0}, "D", "2", -3, 0, "old"},
        {{1, 0, 0}, "X", "0", -1, 0, "old"},
        {{1, 34, 0}, "D", "0", -1, 0, "old"},
        {{1, 0, 0}, "D_Bit", "0.00", -1, 0, "old"},
        {{1, 10, 0}, "I", "0:0/0", -1, 0, "old"},
        {{1, 43, 0}, "A", "0", -1, 0, "old"},
    });
}

TEST(PluginStepper, CopyCounter) {
    // The counter goes up on every call, written or not, and wraps as a 32-bit counter.
    EXPECT_EQ(Step({1, 15, 0}, "D", "5", 1, 41).counter, 42);
    const auto wrapped = Step({0, 0, 0}, "D", "5", 0, INT32_MAX);
    EXPECT_EQ(wrapped.counter, INT32_MIN);
    EXPECT_EQ(wrapped.text, "5");

    // A null counter: nothing happens at all.
    char text[8] = "old";
    PlcText output{text, sizeof text};
    stepper(&output, nullptr, nullptr, nullptr, 0, "D", "5", 1, 0, 0);
    EXPECT_STREQ(text, "old");
}

TEST(PluginStepper, Hundreds16Slots) {
    const Plc plc{1, 14, 0};
    // From an unset slot the start text is read; the counter plays no part.
    auto first = Step(plc, "R", "113", 5, 0, 0);
    EXPECT_EQ(first.text, "202");
    EXPECT_EQ(first.last, 202);
    auto second = Step(plc, "R", "113", 5, 7, first.last);
    EXPECT_EQ(second.text, "207");
    EXPECT_EQ(second.last, 207);
    EXPECT_EQ(second.counter, 8);

    struct SlotCase {
        const char* area;
        int32_t last;
        int32_t step;
        const char* expected;
        int32_t lastAfter;
    };
    const std::vector<SlotCase> cases = {
        {"MR", 115, 1, "200", 200},
        {"LR", 214, 100, "314", 314},
        {"CR", 99814, 101, "99915", 99915},
        // above 99915 the value is kept in the slot but no text is written
        {"R", 99915, 1, "old", 99916},
        // below 0 likewise
        {"R", -50, -100, "old", -150},
    };
    for (const SlotCase& c : cases) {
        const auto result = Step(plc, c.area, "0", c.step, 0, c.last);
        EXPECT_EQ(result.text, c.expected) << c.area << " last " << c.last << " step " << c.step;
        EXPECT_EQ(result.last, c.lastAfter) << c.area << " last " << c.last << " step " << c.step;
    }

    // Without the slot array the entry keeps its text.
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    links[1].protocol = 14;
    char text[8] = "old";
    PlcText output{text, sizeof text};
    int32_t counter = 0;
    stepper(&output, links, &counter, nullptr, 1, "R", "113", 5, 0, 0);
    EXPECT_STREQ(text, "old");
    EXPECT_EQ(counter, 1);
}

TEST(PluginStepper, OutputEntry) {
    // A text that does not fit is not cut short: the entry becomes empty; nothing is written past it.
    EXPECT_EQ(Step({1, 10, 0}, "D", "N7:3", 1, 0, 0, 4).text, "");
    EXPECT_EQ(Step({1, 10, 0}, "D", "N7:3", 1, 0, 0, 5).text, "N7:4");

    // Only the entry at the output index is written.
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    char a[8] = "a", b[8] = "b";
    PlcText outputs[2] = {{a, sizeof a}, {b, sizeof b}};
    int32_t counter = 0;
    stepper(outputs, links, &counter, nullptr, 0, "D", "5", 1, 1, 0);
    EXPECT_STREQ(a, "a");
    EXPECT_STREQ(b, "6");
    stepper(outputs, links, &counter, nullptr, 0, "D", "5", 1, -1, 0);
    EXPECT_STREQ(a, "a");
    EXPECT_EQ(counter, 2);
    // PLC 1 without connection records.
    stepper(outputs, nullptr, &counter, nullptr, 1, "D", "5", 1, 0, 0);
    EXPECT_STREQ(a, "a");
}

}  // namespace
