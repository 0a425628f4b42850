// The built libraries as the design tool sees them: each exports its one function and needs no
// library of this project at run time.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace {

const char* const kPlugins[] = {"cellfill", "groupfill", "indexer", "stepper", "renamer"};

std::string LibraryPath(const std::string& name) {
    return std::string(HMI_RUN_DIR) + "/" + name + ".so";
}

std::string ReadCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
    return output;
}

// Names the sanitizer runtimes and the linker may add to any instrumented library.
bool IsToolchainSymbol(const std::string& name) {
    for (const char* prefix : {"__asan", "__ubsan", "__lsan", "__sanitizer", "__odr_asan", "___asan"}) {
        if (name.rfind(prefix, 0) == 0) return true;
    }
    return name == "_init" || name == "_fini" || name == "_edata" || name == "_end" || name == "__bss_start";
}

TEST(PluginExports, OneSymbolEach) {
    for (const std::string name : kPlugins) {
        // Lines read "address type name"; the name is the last field.
        std::istringstream lines(ReadCommand("nm -D --defined-only " + LibraryPath(name) + " 2>/dev/null"));
        std::set<std::string> exported;
        for (std::string line; std::getline(lines, line);) {
            const std::string symbol = line.substr(line.find_last_of(' ') + 1);
            if (!IsToolchainSymbol(symbol)) exported.insert(symbol);
        }
        EXPECT_EQ(exported, std::set<std::string>{name}) << LibraryPath(name);
    }
}

TEST(PluginExports, NoProjectLibraryNeeded) {
    for (const std::string name : kPlugins) {
        std::istringstream lines(ReadCommand("readelf -d " + LibraryPath(name) + " 2>/dev/null"));
        int needed = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.find("(NEEDED)") == std::string::npos) continue;
            ++needed;
            const std::string library = line.substr(line.find('[') + 1);
            const bool system = library.rfind("libc.", 0) == 0 || library.rfind("libm.", 0) == 0 ||
                                library.rfind("libstdc++.", 0) == 0 || library.rfind("libgcc_s.", 0) == 0 ||
                                library.rfind("libasan.", 0) == 0 || library.rfind("libubsan.", 0) == 0;
            EXPECT_TRUE(system) << name << " needs " << library;
        }
        EXPECT_GT(needed, 0) << "readelf found no dynamic section in " << LibraryPath(name);
    }
}

}  // namespace
