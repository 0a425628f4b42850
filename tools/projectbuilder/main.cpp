// projectbuilder: writes project drawings made by the builder library.
//   projectbuilder demo OUT.pnl   the demo project
// Errors go to stderr with exit status 1; a bad command line gives the usage and status 2.

#include <cstdio>
#include <exception>
#include <string>

#include "engine/pnl/pnl_writer.h"
#include "tools/projectbuilder/demo_project.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::string(argv[1]) != "demo") {
        std::fprintf(stderr, "usage: projectbuilder demo OUT.pnl\n");
        return 2;
    }
    try {
        std::string error;
        if (!engine::WriteDrawingFile(*projectbuilder::DemoProject(), argv[2], error)) {
            std::fprintf(stderr, "projectbuilder: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "projectbuilder: %s\n", e.what());
        return 1;
    }
    return 0;
}
