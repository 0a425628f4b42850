#pragma once
// Runs the hmisim program headless on a project and a script, in the running test's own folder, and
// collects its exit status, standard output and standard error.

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/scratch_folder.h"

namespace test_support {

struct HmisimRun {
    int status = -1;
    std::string out, err;
};

// `mode` is 1 offline or 2 online; model 1 is a 640 x 480 panel.
inline HmisimRun RunHmisim(const std::string& project, const std::string& script, int mode = 1) {
    std::filesystem::path folder = ScratchFolder();
    std::ofstream(folder / "script.txt") << script;
    std::string command = "cd " + folder.string() + " && " + HMI_RUN_DIR + "/hmisim --headless --project " +
                          project + " --model 1 --mode " + std::to_string(mode) + " --converters " +
                          HMI_RUN_DIR + " --script script.txt 2>stderr.txt";
    HmisimRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 256> buffer;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe)) run.out += buffer.data();
    int raw = pipe ? pclose(pipe) : -1;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(folder / "stderr.txt");
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    return run;
}

}  // namespace test_support
