#pragma once
// The hand-off file "Temp.dat" the design tool writes next to the simulator before starting it:
// line 1 the project path, line 2 the panel model number immediately followed by one mode character
// ("1" offline, "2" online).

#include <string>

namespace sim {

struct HandOff {
    std::string projectPath;
    int model = 0;    // decimal value of line 2 without its last character (none: 0)
    char mode = '1';  // the last character of line 2
    bool Online() const { return mode == '2'; }
};

enum class HandOffResult {
    Missing,       // no file: the simulator closes at once
    EmptyProject,  // empty first line: nothing is loaded and the file stays
    Ready,         // read and deleted
};

constexpr const char* kHandOffFile = "Temp.dat";

// Reads "Temp.dat" in `folder` into `out` and deletes it once its project path is known.
HandOffResult ReadHandOff(const std::string& folder, HandOff& out);

// Parses line 2: "61" is model 6 offline, "122" model 12 online, "2" model 0 online.
void ParseModelAndMode(const std::string& line, HandOff& out);

}  // namespace sim
