#pragma once
// A small project for the panel tests, built with the project builder and written to a temporary
// file: page 0 holds two overlapping bit switches, a switch shown only while LB5 is 1, a switch whose
// touch needs LB6 and notifies LB7, and a bit lamp on LB10; page 1 is empty.

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"
#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/parts.h"
#include "tools/projectbuilder/project_texts.h"

namespace sim::test {

inline std::string WritePanelFixture(const std::string& fileName) {
    using namespace projectbuilder;
    DrawingBuilder drawing;
    drawing.Page(0).SetExtraText(
        ProjectSettingsBuilder().StartScreen(0).InitialUserLevel(2).Password(2, "4321").Text());
    drawing.Page(0).SetSize(640, 480);
    drawing.Page(1).SetSize(640, 480);
    auto bitSwitch = [&](const char* name, Rect rect, int lb) {
        BitSwitchOptions options;
        options.frame.name = name;
        options.frame.rect = rect;
        options.write = PanelAddress("LB", lb);
        options.off.text = "OFF";
        options.on.text = "ON";
        return options;
    };
    drawing.Add(0, BitSwitch(bitSwitch("First", {10, 10, 100, 50}, 1)));
    drawing.Add(0, BitSwitch(bitSwitch("Second", {60, 30, 100, 50}, 2)));
    BitSwitchOptions shown = bitSwitch("ShownByLB5", {10, 100, 100, 50}, 3);
    shown.frame.show.byBit = true;
    shown.frame.show.bit = PanelAddress("LB", 5);
    drawing.Add(0, BitSwitch(shown));
    BitSwitchOptions interlocked = bitSwitch("NeedsLB6", {10, 200, 100, 50}, 4);
    interlocked.touch.byBit = true;
    interlocked.touch.bit = PanelAddress("LB", 6);
    interlocked.touch.notify = true;
    interlocked.touch.notifyBit = PanelAddress("LB", 7);
    drawing.Add(0, BitSwitch(interlocked));
    BitLampOptions lamp;
    lamp.frame.name = "Lamp";
    lamp.frame.rect = {300, 10, 60, 60};
    lamp.address = PanelAddress("LB", 10);
    lamp.off.text = "OFF";
    lamp.on.text = "ON";
    drawing.Add(0, BitLamp(lamp));
    auto path = (test_support::ScratchFolder() / fileName).string();
    std::string error;
    drawing.Write(path, error);
    return path;
}

}  // namespace sim::test
