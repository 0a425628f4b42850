// hmisim: the operator-panel simulator. See command_line.h for how it is started.

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "simulator/app/command_line.h"
#include "simulator/app/touch_handlers.h"
#include "simulator/shell/headless/headless_host.h"
#include "simulator/shell/headless/script_runner.h"
#include "simulator/shell/panel/hand_off.h"
#include "simulator/shell/panel/panel.h"
#include "simulator/shell/qt/monitor_dlg.h"
#include "simulator/shell/qt/panel_picture.h"
#include "simulator/shell/qt/qt_host.h"

namespace {

constexpr int kBadRun = 2;

// The project, model and mode: from the command line, or from the hand-off file next to the program.
// Nothing when there is no hand-off file; an empty project path when its first line is empty.
std::optional<sim::PanelOptions> PanelOptionsOf(const sim::CommandLine& line,
                                                const std::string& programFolder) {
    sim::PanelOptions options{line.project, line.model, line.mode == '2', line.converters, programFolder};
    if (!line.handOff) return options;
    sim::HandOff handOff;
    switch (sim::ReadHandOff(programFolder, handOff)) {
        case sim::HandOffResult::Missing:
            return std::nullopt;
        case sim::HandOffResult::EmptyProject:
            options.projectPath.clear();
            return options;
        case sim::HandOffResult::Ready:
            return sim::PanelOptions{handOff.projectPath, handOff.model, handOff.Online(), line.converters,
                                     programFolder};
    }
    return std::nullopt;
}

int RunHeadless(const sim::CommandLine& line, const std::string& programFolder) {
    std::ifstream script(line.script);
    if (!script) {
        std::fprintf(stderr, "hmisim: cannot read the script %s\n", line.script.c_str());
        return kBadRun;
    }
    auto options = PanelOptionsOf(line, programFolder);
    if (!options || options->projectPath.empty()) {
        std::fprintf(stderr, "hmisim: no project: give --project or a hand-off file %s\n", sim::kHandOffFile);
        return kBadRun;
    }
    sim::HeadlessHost host;
    sim::Panel panel(host);
    sim::InstallTouchHandlers(panel);
    std::string error;
    if (!panel.Start(*options, &error)) {
        std::fprintf(stderr, "hmisim: %s\n", error.c_str());
        return kBadRun;
    }
    sim::ScriptRunner runner(panel, host, std::cout, std::cerr);
    runner.SetScreenshot([&panel](const std::string& path, std::string& reason) {
        if (sim::RenderPanel(panel).save(QString::fromStdString(path), "PNG")) return true;
        reason = path + ": cannot write the image";
        return false;
    });
    return runner.Run(script, line.script);
}

int RunWindow(const sim::CommandLine& line, const std::string& programFolder) {
    auto found = PanelOptionsOf(line, programFolder);
    if (!found) return 0;  // no hand-off file: nothing to show, the window closes at once
    const sim::PanelOptions& options = *found;
    sim::QtHost host;
    sim::Panel panel(host);
    sim::InstallTouchHandlers(panel);
    sim::MonitorDlg window(panel, host);
    if (!options.projectPath.empty()) {
        std::string error;
        if (!panel.Start(options, &error)) host.MessageBox(error);
        window.ApplySkin();
    }
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    auto line = sim::ParseCommandLine(arguments, error);
    if (!line) {
        std::fprintf(stderr,
                     "hmisim: %s\nusage: hmisim [--headless] --project FILE.pnl [--model N] [--mode 1|2] "
                     "[--script FILE] [--converters DIR]\n",
                     error.c_str());
        return kBadRun;
    }
    if (line->headless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string programFolder =
        std::filesystem::path(QCoreApplication::applicationFilePath().toStdString()).parent_path().string();
    return line->headless ? RunHeadless(*line, programFolder) : RunWindow(*line, programFolder);
}
