// projectbuilder: writes project drawings made by the builder library.
//   projectbuilder demo OUT.pnl      the demo project
//   projectbuilder keypads OUT.pnl   the keyboard drawing of the popup keyboards
// Errors go to stderr with exit status 1; a bad command line gives the usage and status 2.

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "engine/pnl/pnl_writer.h"
#include "tools/projectbuilder/demo_project.h"
#include "tools/projectbuilder/keypads.h"

int main(int argc, char** argv) {
    const std::string command = argc == 3 ? argv[1] : "";
    if (command != "demo" && command != "keypads") {
        std::fprintf(stderr, "usage: projectbuilder demo OUT.pnl\n       projectbuilder keypads OUT.pnl\n");
        return 2;
    }
    try {
        std::unique_ptr<engine::Drawing> drawing =
            command == "demo" ? projectbuilder::DemoProject() : projectbuilder::KeypadsDrawing();
        std::string error;
        if (!engine::WriteDrawingFile(*drawing, argv[2], error)) {
            std::fprintf(stderr, "projectbuilder: %s\n", error.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "projectbuilder: %s\n", e.what());
        return 1;
    }
    return 0;
}
