#pragma once
// The simulator's command line.
//   hmisim                                   started by the design tool: reads "Temp.dat" next to it
//   hmisim --project FILE.pnl [--model N] [--mode 1|2]            a window on a project
//   hmisim --headless [--project FILE.pnl [--model N] [--mode 1|2]] --script FILE
// Without --project the hand-off file decides, headless as well.
// --converters DIR names the folder of the converter libraries (default: the working folder).

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct CommandLine {
    bool handOff = true;  // no --project: the design tool's hand-off file decides
    bool headless = false;
    std::string project;
    int model = 0;
    char mode = '1';
    std::string script;
    std::string converters = ".";
};

// The parsed command line, or nothing with `error` set.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error);

}  // namespace sim
