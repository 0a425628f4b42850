#pragma once
// A project of operating parts for the scripted tests: PLC 1 is a Mitsubishi FX (protocol 0) so that
// "M" and "X" registers resolve; every part sits in its own row, 60 pixels apart, 200 wide, so that
// part i is touched at (20, 20 + 60 i).

#include <string>

#include "tests/support/scratch_folder.h"
#include "tools/projectbuilder/display_parts.h"
#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/parts.h"
#include "tools/projectbuilder/project_texts.h"

namespace sim {
namespace pb = projectbuilder;
}

namespace sim::test {

class OperateProject {
  public:
    OperateProject() {
        pb::PlcPort fx;
        fx.protocol = 0;
        fx.model = 0;
        m_drawing.Page(0).SetExtraText(pb::ProjectSettingsBuilder().StartScreen(0).Plc(1, fx).Text());
        m_drawing.Page(0).SetSize(640, 480);
    }

    // The frame of the next part.
    pb::PartFrame Next(const std::string& name) {
        pb::PartFrame frame;
        frame.name = name;
        frame.rect = {0, 60.0 * m_parts, 200, 50};
        ++m_parts;
        return frame;
    }

    void Add(std::unique_ptr<engine::DrawObject> part) { m_drawing.Add(0, std::move(part)); }

    std::string Write() {
        std::string path = (test_support::ScratchFolder() / "operate.pnl").string(), error;
        m_drawing.Write(path, error);
        return path;
    }

    // Where part `index` is touched, as a script's "click X Y" arguments.
    static std::string At(int index) { return "20 " + std::to_string(20 + 60 * index); }

  private:
    pb::DrawingBuilder m_drawing;
    int m_parts = 0;
};

inline pb::Address Plc(const std::string& registerName, const std::string& address) {
    pb::Address plc;
    plc.link = 1;
    plc.registerName = registerName;
    plc.addressText = address;
    return plc;
}

}  // namespace sim::test
