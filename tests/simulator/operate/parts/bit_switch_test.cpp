// Bit switches operated through scripted headless runs: what each function writes, the momentary
// hold across press and release, the pictures, and the PLC requests of an online run.

#include <gtest/gtest.h>

#include "tests/simulator/operate/parts/operate_fixture.h"
#include "tests/support/hmisim_run.h"

namespace sim {
namespace {

using test::OperateProject;
using Function = pb::BitSwitchOptions::Function;

// Adds a bit switch; its pictures say OFF and ON.
pb::BitSwitchOptions Switch(OperateProject& project, const std::string& name, int function,
                            pb::Address write) {
    pb::BitSwitchOptions options;
    options.frame = project.Next(name);
    options.function = function;
    options.write = write;
    options.off.text = "OFF";
    options.on.text = "ON";
    return options;
}

std::string Click(int part) {
    return "click " + OperateProject::At(part) + "\n";
}

TEST(BitSwitch, SetOnShowsItsOnPictureOnlyWithAMonitor) {
    OperateProject project;
    project.Add(pb::BitSwitch(Switch(project, "Monitored", Function::kSetOn, pb::PanelAddress("LB", 5))));
    auto unmonitored = Switch(project, "Unmonitored", Function::kSetOn, pb::PanelAddress("LB", 6));
    unmonitored.monitor = pb::BitSwitchOptions::kNoMonitor;
    project.Add(pb::BitSwitch(unmonitored));
    std::string script =
        Click(0) + "expect LB 5 1\nexpect-prop 0 SHAPE1.visible 1\nexpect-prop 0 SHAPE0.visible 0\n" +
        Click(1) + "expect LB 6 1\nexpect-prop 1 SHAPE0.visible 1\nexpect-prop 1 SHAPE1.visible 0\n" +
        "wait 500\nexpect-prop 1 SHAPE0.visible 1\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(BitSwitch, MomentaryHoldsWhileTheButtonIsDown) {
    OperateProject project;
    auto held = Switch(project, "Held", Function::kMomentary, test::Plc("M", "10"));
    project.Add(pb::BitSwitch(held));
    auto unmonitored = Switch(project, "Unmonitored", Function::kMomentary, test::Plc("M", "11"));
    unmonitored.monitor = pb::BitSwitchOptions::kNoMonitor;
    project.Add(pb::BitSwitch(unmonitored));
    std::string script =
        "touch " + OperateProject::At(0) + "\nexpect M 10 1\nexpect-prop 0 SHAPE1.visible 1\n" +
        "wait 600\nexpect M 10 1\nrelease\nexpect M 10 0\nexpect-prop 0 SHAPE0.visible 1\n" + "touch " +
        OperateProject::At(1) + "\nexpect M 11 1\nrelease\nexpect M 11 0\n" + "release\nexpect M 11 0\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(BitSwitch, InvertFlipsTheSharedSwitchStateNotTheBit) {
    OperateProject project;
    project.Add(pb::BitSwitch(Switch(project, "Invert", Function::kInvert, pb::PanelAddress("LB", 20))));
    project.Add(pb::BitSwitch(Switch(project, "Off", Function::kSetOff, pb::PanelAddress("LB", 21))));
    project.Add(pb::BitSwitch(Switch(project, "Seven", 7, pb::PanelAddress("LB", 22))));
    std::string script = Click(0) + "expect LB 20 1\n" + Click(0) + "expect LB 20 0\n" + Click(0) +
                         "expect LB 20 1\n" + Click(1) + "expect LB 21 0\n" +
                         // After the set-OFF the shared state is 0: the invert writes 1 although LB20 is 1.
                         Click(0) + "expect LB 20 1\n" +
                         // An unknown function writes the shared state as it is (1 after the invert).
                         Click(2) + "expect LB 22 1\n";
    auto run = test_support::RunHmisim(project.Write(), script);
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST(BitSwitch, OnlineEveryPressAndReleaseQueuesOneRequestOfflineNone) {
    OperateProject project;
    auto held = Switch(project, "Held", Function::kMomentary, test::Plc("M", "10"));
    held.touch.notify = true;
    held.touch.notifyBit = pb::PanelAddress("LB", 30);
    project.Add(pb::BitSwitch(held));
    std::string script = "touch " + OperateProject::At(0) + "\nexpect-queue 2\nexpect LB 30 1\nrelease\n" +
                         "expect-queue 3\nexpect M 10 0\n";
    std::string path = project.Write();
    auto online = test_support::RunHmisim(path, script, 2);
    EXPECT_EQ(online.status, 0) << online.err;
    auto offline =
        test_support::RunHmisim(path, "touch " + OperateProject::At(0) + "\nrelease\nexpect-queue 0\n");
    EXPECT_EQ(offline.status, 0) << offline.err;
}

}  // namespace
}  // namespace sim
