// One refresh tick (timer 1, every 500 ms) over a screen of 300 lamps, switches and buttons, on the
// headless host, and the same tick followed by rendering the screen.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>

#include "engine/qt/renderer.h"
#include "simulator/shell/headless/headless_host.h"
#include "simulator/shell/panel/panel.h"
#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/parts.h"
#include "tools/projectbuilder/project_texts.h"

namespace {

using namespace projectbuilder;

// 300 parts in a 20 x 15 grid on an 800 x 600 screen: bit lamps, multistate lamps, bit switches and
// the button kinds, each bound to its own register.
std::string BusyScreen() {
    DrawingBuilder drawing;
    drawing.Page(0).SetExtraText(ProjectSettingsBuilder().StartScreen(0).Text());
    drawing.Page(0).SetSize(800, 600);
    for (int i = 0; i < 300; ++i) {
        PartFrame frame;
        frame.name = "P" + std::to_string(i);
        frame.rect = {(i % 20) * 40.0, (i / 20) * 40.0, 36, 36};
        switch (i % 5) {
            case 0:
            case 1: {
                BitLampOptions lamp;
                lamp.frame = frame;
                lamp.address = PanelAddress("LB", i);
                lamp.off.text = "OFF";
                lamp.on.text = "ON";
                lamp.blinkOn = true;
                drawing.Add(0, BitLamp(lamp));
                break;
            }
            case 2: {
                MultistateLampOptions states;
                states.frame = frame;
                states.address = PanelAddress("LW", i);
                states.pictures = {{"0"}, {"1"}, {"2"}, {"3"}};
                drawing.Add(0, MultistateLamp(states));
                break;
            }
            case 3: {
                BitSwitchOptions button;
                button.frame = frame;
                button.write = PanelAddress("LB", 1000 + i);
                button.off.text = "OFF";
                button.on.text = "ON";
                drawing.Add(0, BitSwitch(button));
                break;
            }
            default: {
                FunctionKeyOptions key;
                key.frame = frame;
                key.face.text = "F";
                drawing.Add(0, FunctionKey(key));
            }
        }
    }
    std::string path = (std::filesystem::temp_directory_path() / "refresh_tick_bench.pnl").string(), error;
    drawing.Write(path, error);
    return path;
}

struct BusyPanel {
    sim::HeadlessHost host;
    sim::Panel panel{host};
    BusyPanel() {
        host.SetEcho(false);
        panel.Start({BusyScreen(), 0, false, HMI_RUN_DIR});
        for (int i = 0; i < 300; i += 2) panel.Memory().WriteBit(sim::Area::LB, i, true);
    }
};

void RefreshTick(benchmark::State& state) {
    BusyPanel busy;
    for (auto _ : state) busy.panel.OnTimer(sim::kTimerRefresh);
}
BENCHMARK(RefreshTick)->Unit(benchmark::kMicrosecond);

void RefreshTickAndRender(benchmark::State& state) {
    BusyPanel busy;
    engine::Renderer renderer;
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        busy.panel.OnTimer(sim::kTimerRefresh);
        QPainter painter(&image);
        renderer.DrawPage(painter, *busy.panel.View().CurrentPage());
    }
}
BENCHMARK(RefreshTickAndRender)->Unit(benchmark::kMicrosecond);

}  // namespace
