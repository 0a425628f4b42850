// hmisim as a user runs it in CI: a project and a script, headless; the exit status and the report
// on stderr tell what held.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/hmisim_run.h"
#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/parts.h"
#include "tools/projectbuilder/project_texts.h"

namespace sim {
namespace {

namespace fs = std::filesystem;
using namespace projectbuilder;

// Objects of the display fixture, in page order.
enum FixtureObject { kBlinkingLamp = 0, kWordBitLamp = 1, kMultistate = 2, kSwitch = 3 };
constexpr int kRed = 255, kGreen = 65280;

fs::path Folder() {
    return test_support::ScratchFolder();
}

// A lamp blinking while OFF (red background, green caption), a lamp on bit 3 of LW20, a 3-state lamp
// on the 32-bit LW30, and a switch writing LB1.
std::string DisplayFixture() {
    DrawingBuilder drawing;
    drawing.Page(0).SetExtraText(ProjectSettingsBuilder().StartScreen(0).ScanTime(5).Text());
    drawing.Page(0).SetSize(640, 480);
    BitLampOptions blinking;
    blinking.frame.name = "Blinking";
    blinking.frame.rect = {10, 10, 60, 60};
    blinking.address = PanelAddress("LB", 12);
    blinking.off = {"OFF", kRed, kGreen};
    blinking.on.text = "ON";
    blinking.blinkOff = true;
    drawing.Add(0, BitLamp(blinking));
    BitLampOptions wordBit;
    wordBit.frame.name = "WordBit";
    wordBit.frame.rect = {100, 10, 60, 60};
    wordBit.address = PanelAddress("LW", 20);
    wordBit.bitSource = 1;
    wordBit.bitNumber = 3;
    wordBit.off.text = "OFF";
    wordBit.on.text = "ON";
    drawing.Add(0, BitLamp(wordBit));
    MultistateLampOptions states;
    states.frame.name = "States";
    states.frame.rect = {200, 10, 60, 60};
    states.address = PanelAddress("LW", 30);
    states.wordSize = 1;
    states.pictures = {{"0"}, {"1"}, {"2"}};
    drawing.Add(0, MultistateLamp(states));
    BitSwitchOptions button;
    button.frame.name = "Switch";
    button.frame.rect = {10, 100, 100, 50};
    button.write = PanelAddress("LB", 1);
    button.off.text = "OFF";
    button.on.text = "ON";
    drawing.Add(0, BitSwitch(button));
    std::string path = (Folder() / "display.pnl").string(), error;
    drawing.Write(path, error);
    return path;
}

using ProgramRun = test_support::HmisimRun;

ProgramRun Hmisim(const std::string& project, const std::string& script) {
    return test_support::RunHmisim(project, script);
}

std::string Prop(int object, const std::string& path, const std::string& value) {
    return "expect-prop " + std::to_string(object) + " " + path + " " + value + "\n";
}

TEST(HmisimScript, LampsFollowMemoryOnTheRefreshTick) {
    std::string script =
        "set LW 20 8\nset LW 30 7 3\nwait 500\n" + Prop(kWordBitLamp, "SHAPE1.visible", "1") +
        Prop(kMultistate, "SHAPE2.visible", "1") + Prop(kMultistate, "SHAPE0.visible", "0") +
        "set LW 20 7\nset LW 30 -5 3\nwait 500\n" + Prop(kWordBitLamp, "SHAPE1.visible", "0") +
        Prop(kMultistate, "SHAPE0.visible", "1") + Prop(kMultistate, "SHAPE2.visible", "0");
    ProgramRun run = Hmisim(DisplayFixture(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(HmisimScript, ABlinkingLampSwapsItsColoursFromTheFirstBlinkTick) {
    // The refresh tick and the blink tick both fall at 500 ms; the refresh runs first (lower id).
    std::string script = "wait 500\n" + Prop(kBlinkingLamp, "SHAPE0.rc2.backColor", std::to_string(kGreen)) +
                         Prop(kBlinkingLamp, "SHAPE0.txt1.fontcolor", std::to_string(kRed)) + "wait 500\n" +
                         Prop(kBlinkingLamp, "SHAPE0.rc2.backColor", std::to_string(kRed)) +
                         Prop(kBlinkingLamp, "SHAPE0.txt1.fontcolor", std::to_string(kGreen));
    ProgramRun run = Hmisim(DisplayFixture(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(HmisimScript, ExitStatusTellsWhatHeld) {
    struct Case {
        const char* what;
        std::string script;
        int status;
        const char* report;  // a fragment of stderr, or "" for none
    } cases[] = {
        {"all held", "# a comment\n\nset LB 3 1\nexpect LB 3 1\nexpect-screen 0\nexpect-message File Error\n",
         0, ""},
        {"a failed expectation", "set LW 5 1234 4\nexpect LW 5 4660\nexpect LW 5 1\nexpect LB 0 0\n", 1,
         "script.txt:3: expectation failed"},
        {"the message was not shown twice", "expect-message File Error\nexpect-message File Error\n", 1,
         "script.txt:2"},
        {"unknown command", "wait 10\njump 3\n", 2, "script.txt:2: unknown command \"jump\""},
        {"bad area", "set QQ 1 1\n", 2, "unknown area"},
        {"a bit takes 0 or 1", "set LB 1 2\n", 2, "0 or 1"},
        {"outside the area", "set LW 999999 1\n", 2, "no such cell"},
        {"no keyboard open", "key Key1\n", 2, "no keyboard is open"},
        {"no such object", "expect-prop 99 visible 1\n", 2, "no object 99"},
    };
    std::string project = DisplayFixture();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ProgramRun run = Hmisim(project, c.script);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.report), std::string::npos) << run.err;
    }
}

TEST(HmisimScript, PrintWritesValuesOnStdout) {
    ProgramRun run = Hmisim(DisplayFixture(), "set LW 40 -2 3\nprint LW 40 1 3\nprint LB 1000 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "LW 40 -2\nLB 1000 1\nLB 1001 1\n");
}

TEST(HmisimScript, ABrokenProjectIsABadRun) {
    fs::path broken = Folder() / "broken.pnl";
    std::ofstream(broken) << "{\"pages\": [{\"width\": -1}]}";
    ProgramRun run = Hmisim(broken.string(), "wait 10\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("negative size"), std::string::npos) << run.err;
}

TEST(HmisimScript, ScreenshotWritesThePanel) {
    fs::path shot = Folder() / "shot.png";
    fs::remove(shot);
    ProgramRun run = Hmisim(DisplayFixture(), "wait 500\nscreenshot " + shot.string() + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(shot));
}

}  // namespace
}  // namespace sim
