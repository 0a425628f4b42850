// plcaddr as a program: what it prints for each command, and how it refuses bad arguments.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
};

// Runs plcaddr with the arguments (each quoted) and `streams` choosing what is captured.
Outcome RunPlcaddr(const std::vector<std::string>& args, const std::string& streams = "2>/dev/null",
                   const std::string& environment = "") {
    std::string command = environment + " " + std::string(HMI_RUN_DIR) + "/plcaddr";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " " + streams;
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return outcome;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) outcome.out += buffer;
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

TEST(PluginTool, Commands) {
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{"indexer", "0", "0", "X", "17"}, "15\n"},
        {{"indexer", "44", "0", "X", "17"}, "none\n"},
        {{"renamer", "3", "3", "T*"}, "J\n"},
        {{"renamer", "44", "0", "X"}, "\n"},
        {{"stepper", "0", "0", "0", "LW", "10", "1", "0"}, "11\ncounter=1\n"},
        {{"stepper", "1", "14", "0", "R", "113", "5", "0", "0"}, "202\ncounter=1\nlast=202\n"},
        {{"stepper", "1", "15", "0", "D", "5", "1", "4"}, "unchanged\ncounter=5\n"},
        {{"stepper", "2", "0", "0", "D_Bit", "100.15", "1", "0"}, "101.00\ncounter=1\n"},
        {{"cellfill", "1", "0", "0", "X", "17", "4"}, "1 X17\n2 X20\n3 X21\n"},
        {{"cellfill", "1", "15", "0", "X", "17", "4"}, ""},
        {{"groupfill", "0", "0", "0", "D", "10", "10", "1"}, "1 D10\n5 D12\n9 D13\n"},
        {{"groupfill", "2", "4", "0", "VW", "0", "10", ""}, "1 VW0\n5 VW2\n9 VW4\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunPlcaddr(c.args);
        EXPECT_EQ(outcome.exitCode, 0) << c.args[0] << " " << c.args.back();
        EXPECT_EQ(outcome.out, c.expected) << c.args[0] << " " << c.args.back();
    }
}

TEST(PluginTool, BadArguments) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"unknown", "1"},
        {"indexer", "0", "0", "X"},
        {"indexer", "x", "0", "X", "17"},
        {"indexer", "0", "0.5", "X", "17"},
        {"renamer", "0", "0"},
        {"stepper", "0", "0", "0", "LW", "10", "1"},
        {"stepper", "0", "0", "0", "LW", "10", "one", "0"},
        {"stepper", "0", "0", "0", "LW", "10", "1", "0", "0", "0"},
        {"cellfill", "1", "0", "0", "X", "17", "-1"},
        {"cellfill", "1", "0", "0", "X", "17", "99999999999"},
        {"groupfill", "1", "0", "0", "X", "17", "4"},
        {"groupfill", "1", "0", "0", "X", "17", "4", "1,,2"},
        {"groupfill", "1", "0", "0", "X", "17", "4", "1,"},
    };
    for (const auto& args : cases) {
        const std::string shown =
            args.empty() ? "(none)" : args[0] + " ... (" + std::to_string(args.size()) + ")";
        const Outcome stdoutOnly = RunPlcaddr(args);
        EXPECT_EQ(stdoutOnly.exitCode, 2) << shown;
        EXPECT_EQ(stdoutOnly.out, "") << shown;
        const Outcome stderrOnly = RunPlcaddr(args, "2>&1 >/dev/null");
        EXPECT_EQ(stderrOnly.out.rfind("usage: plcaddr ", 0), 0u) << shown;
    }
}

TEST(PluginTool, PluginFolder) {
    // The folder named by PLCADDR_PLUGIN_DIR is used instead of the program's own.
    const Outcome missing =
        RunPlcaddr({"indexer", "0", "0", "X", "17"}, "2>/dev/null", "PLCADDR_PLUGIN_DIR=/nonexistent");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    const Outcome found = RunPlcaddr({"indexer", "0", "0", "X", "17"}, "2>/dev/null",
                                     "PLCADDR_PLUGIN_DIR=" + std::string(HMI_RUN_DIR));
    EXPECT_EQ(found.out, "15\n");
}

}  // namespace
