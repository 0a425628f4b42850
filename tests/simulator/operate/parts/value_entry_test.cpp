// Word switches, numeric inputs and ASCII inputs operated through scripted headless runs, their
// keyboards played with key commands.

#include <gtest/gtest.h>

#include "simulator/operate/parts/value_entry.h"

#include "simulator/memory/panel_memory.h"
#include "tests/simulator/operate/parts/operate_fixture.h"
#include "tests/support/hmisim_run.h"

namespace sim {
namespace {

using test::OperateProject;
using WordFunction = pb::WordSwitchOptions::Function;

std::string Click(int part) {
    return "click " + OperateProject::At(part) + "\n";
}

// Types the keys of the numeric keyboard for `text` ("12.34"), then Enter.
std::string TypeNumber(const std::string& text) {
    std::string keys;
    for (char c : text) {
        std::string key = c == '.'   ? "element11"
                          : c == '-' ? "element12"
                          : c == '0' ? "element10"
                                     : "element" + std::string(1, c);
        keys += "key " + key + "\n";
    }
    return keys + "key element17\n";
}

pb::WordSwitchOptions WordSwitch(OperateProject& project, int function, int dataType,
                                 const std::string& constant, int word) {
    pb::WordSwitchOptions options;
    options.frame = project.Next("Word" + std::to_string(word));
    options.function = function;
    options.dataType = dataType;
    options.constant = constant;
    options.write = pb::PanelAddress("LW", word);
    options.face.text = "W";
    return options;
}

TEST(WordSwitch, ConstantsAddAndSubtractWithClamping) {
    OperateProject project;
    project.Add(pb::WordSwitch(WordSwitch(project, WordFunction::kSetConstant, 4, "1234", 10)));
    project.Add(pb::WordSwitch(WordSwitch(project, WordFunction::kAdd, 0, "10", 11)));
    auto subtract = WordSwitch(project, WordFunction::kSubtract, 2, "5", 12);
    subtract.minimum = "-32768";
    subtract.maximum = "32767";
    project.Add(pb::WordSwitch(subtract));
    std::string script = Click(0) + "expect LW 10 4660\n" +                               // 0x1234
                         "set LW 11 65530\n" + Click(1) + "expect LW 11 65535\n" +        // clamped
                         Click(1) + "expect LW 11 65535\n" +                              // stays there
                         "set LW 12 -32766 2\n" + Click(2) + "expect LW 12 -32768 2\n" +  // raised
                         "expect-queue 0\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(WordSwitch, EnterValueWritesTheAcceptedNumberAndACancelNothing) {
    OperateProject project;
    auto enter = WordSwitch(project, WordFunction::kEnterValue, 0, "0", 20);
    enter.maximum = "1000";
    enter.fractionDigits = 1;
    project.Add(pb::WordSwitch(enter));
    std::string script = Click(0) + TypeNumber("12.5") + "expect LW 20 125\n" + Click(0) + "key element1\n" +
                         "key Escape\nexpect LW 20 125\n" +
                         // 100.5 is above 1000 tenths: Enter is refused and the keyboard stays open.
                         Click(0) + TypeNumber("100.5") + "key element16\nexpect LW 20 125\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

pb::NumericInputOptions NumericInput(OperateProject& project, int word, int dataType, int fractionDigits) {
    pb::NumericInputOptions options;
    options.frame = project.Next("Input" + std::to_string(word));
    options.write = pb::PanelAddress("LW", word);
    options.format.dataType = dataType;
    options.format.fractionDigits = fractionDigits;
    options.format.totalDigits = 8;
    return options;
}

TEST(NumericInput, EntriesAreWrittenAsTheRawValuesTheDisplayShows) {
    OperateProject project;
    project.Add(pb::NumericInput(NumericInput(project, 30, 0, 2)));  // 12.34 -> 1234
    auto hex = NumericInput(project, 31, 0, 2);
    hex.format.displayType = 1;  // hexadecimal: no decimals whatever the digits line says
    project.Add(pb::NumericInput(hex));
    auto scaled = NumericInput(project, 32, 0, 0);
    scaled.format.scaling = true;
    scaled.format.gain = "2";
    scaled.format.offset = "10";
    project.Add(pb::NumericInput(scaled));
    auto scaledTenths = NumericInput(project, 33, 0, 1);
    scaledTenths.format.scaling = true;
    scaledTenths.format.gain = "2";
    scaledTenths.format.offset = "10";
    project.Add(pb::NumericInput(scaledTenths));
    auto bcd = NumericInput(project, 34, 4, 0);
    project.Add(pb::NumericInput(bcd));

    std::string script = Click(0) + TypeNumber("12.34") + "expect LW 30 1234\n" +  //
                         Click(0) + TypeNumber("655.36") + "key Escape\nexpect LW 30 1234\n" +
                         // Hexadecimal: d is 0, so 12.5 is written as 13, not as 1250.
                         Click(1) + TypeNumber("12.5") + "expect LW 31 13\n" +
                         // Scaled, gain 2 offset 10: 110 shows raw 50; the range runs from 10.
                         Click(2) + TypeNumber("110") + "expect LW 32 50\n" + Click(2) + TypeNumber("9") +
                         "key Escape\nexpect LW 32 50\n" +
                         // With tenths: 12.4 is raw 12 (12 / 10 x 2 + 10), and the display shows 12.4.
                         Click(3) + TypeNumber("12.4") + "expect LW 33 12\nwait 500\n" +
                         "expect-prop 3 SHAPE0.txt1.text 12.4\n" +  //
                         Click(4) + TypeNumber("1234") + "expect LW 34 4660\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(NumericInput, OnlineAnAcceptedEntryQueuesItsWrite) {
    OperateProject project;
    auto input = NumericInput(project, 40, 1, 0);
    input.write = test::Plc("D", "100");
    project.Add(pb::NumericInput(input));
    std::string script = Click(0) + TypeNumber("70000") + "expect D 100 70000 1\nexpect-queue 1\n" +
                         Click(0) + "key Escape\nexpect-queue 1\n";
    auto run = test_support::RunHmisim(project.Write(), script, 2);
    EXPECT_EQ(run.status, 0) << run.err;
}

pb::AsciiInputOptions AsciiInput(OperateProject& project, int word, bool highByteFirst) {
    pb::AsciiInputOptions options;
    options.frame = project.Next("Text" + std::to_string(word));
    options.write = pb::PanelAddress("LW", word);
    options.length = 6;
    options.highByteFirst = highByteFirst;
    return options;
}

TEST(AsciiInput, TextsInBothByteOrdersAndACancelWritesNothing) {
    OperateProject project;
    project.Add(pb::AsciiInput(AsciiInput(project, 100, false)));
    project.Add(pb::AsciiInput(AsciiInput(project, 110, true)));
    std::string abc = "key borderG1\nkey borderG2\nkey borderG3\nkey borderG4\n";
    std::string script = "set LW 102 7\n" + Click(0) + abc + "expect LW 100 16961\nexpect LW 101 67\n" +
                         "expect LW 102 0\n" +                                            // 0x4241, 0x0043, 0
                         Click(1) + abc + "expect LW 110 16706\nexpect LW 111 17152\n" +  // 0x4142, 0x4300
                         Click(0) + "key borderG5\nkey Escape\nexpect LW 100 16961\n" + Click(0) +
                         "key borderG5\nkey borderG25\nexpect LW 100 16961\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(WriteTextValue, RunsThatLeaveTheAreaWriteNothing) {
    PanelMemory memory;
    WriteTextValue(memory, "LW", 204798, "ABCDEF", '0', 6);  // three words from the last but one
    EXPECT_EQ(memory.ReadWord(Area::LW, 204798).value, 0);
    auto bytes = WriteTextValue(memory, "LB", 0, "AB", '0', 2);  // not a word area
    EXPECT_EQ(memory.ReadBit(Area::LB, 0).value, 0);
    EXPECT_EQ(bytes.size(), 2u);
    EXPECT_EQ(IntegerOfEntry(12.34f, 2, 0), 1234);
    EXPECT_EQ(IntegerOfEntry(-0.5, 0, 2), -1);  // halves away from zero
    EXPECT_EQ(IntegerOfEntry(-3, 0, 4), 0);     // a negative BCD encodes as 0
}

}  // namespace
}  // namespace sim
