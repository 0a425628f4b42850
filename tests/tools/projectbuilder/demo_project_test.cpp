// The demo project as the simulator loads it, and the committed copy kept equal to the program's output.

#include "tools/projectbuilder/demo_project.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "engine/model/view.h"
#include "engine/pnl/pnl_reader.h"
#include "engine/pnl/pnl_writer.h"
#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/project_tables.h"

namespace projectbuilder {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int WrittenLines(const std::string& text) {
    int count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++count;
    return count;
}

int RunBuilder(const std::string& arguments) {
    const std::string command = std::string(HMI_RUN_DIR) + "/projectbuilder " + arguments + " 2>/dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class DemoProjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Through the file form, as the simulator gets it.
        std::string error;
        auto drawing = engine::ReadDrawingText(engine::WriteDrawingText(*DemoProject()), "demo", error);
        ASSERT_TRUE(drawing) << error;
        view.SetDrawing(std::move(drawing));
        sim::LoadProjectTables(view, *tables);
    }

    engine::View view;
    std::unique_ptr<sim::ProjectTables> tables = std::make_unique<sim::ProjectTables>();
};

TEST_F(DemoProjectTest, SettingsAndScreens) {
    const sim::ProjectSettings& s = tables->settings;
    EXPECT_EQ(s.startScreen, 0);
    EXPECT_EQ(s.scanTime, 5);
    EXPECT_EQ(s.beepOff, 0);
    EXPECT_EQ(s.initialUserLevel, 1);
    EXPECT_EQ(s.orientation, 0);
    EXPECT_EQ(s.recipeFlag, 0);

    ASSERT_EQ(view.PageCount(), 2);
    ASSERT_EQ(tables->screens.count, 2);
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(tables->screens.records[static_cast<std::size_t>(page)].screenNumber, page);
        EXPECT_TRUE(tables->screens.IsBaseScreen(page));
        EXPECT_EQ(view.PageAt(page)->Width(), 800);
        EXPECT_EQ(view.PageAt(page)->Height(), 600);
    }
}

TEST_F(DemoProjectTest, PartsFitThePanelAndTheirTypes) {
    int parts = 0;
    for (int page = 0; page < view.PageCount(); ++page) {
        const engine::Page& p = *view.PageAt(page);
        for (int i = 0; i < p.ObjectCount(); ++i) {
            const engine::DrawObject& o = *p.ObjectAt(i);
            SCOPED_TRACE("page " + std::to_string(page) + " " + o.Name());
            EXPECT_GE(o.Left(), 0);
            EXPECT_GE(o.Top(), 0);
            EXPECT_LE(o.Right(), 800);
            EXPECT_LE(o.Bottom(), 600);
            if (o.TypeCode() == 0) continue;
            ++parts;
            // A part's text must not reach past its type's lines: those would never be read.
            EXPECT_LE(WrittenLines(o.ConfigText()), sim::PartLineCount(o.TypeCode()));
            EXPECT_TRUE(o.GetProperty("SHAPE0.rc2.backColor"));
            EXPECT_TRUE(o.GetProperty("SHAPE0.txt1.text"));
        }
    }
    EXPECT_GE(parts, 15);
}

TEST_F(DemoProjectTest, TheFirstLampIsBoundToLB10) {
    const engine::DrawObject& lamp = *view.PageAt(0)->ObjectAt(1);
    EXPECT_EQ(lamp.Name(), "Lamp1");
    EXPECT_EQ(lamp.TypeCode(), 14);
    sim::PartRecord record;
    sim::LoadPartConfig(record, const_cast<engine::DrawObject*>(&lamp));
    EXPECT_EQ(record.config.Number(20), 0);  // the lamp's address group starts at line 20
    EXPECT_EQ(record.config.Text(23), "LB");
    EXPECT_EQ(record.config.Text(24), "10");
}

TEST(DemoProject, TheCommittedCopyIsTheProgramOutput) {
    const auto out = std::filesystem::temp_directory_path() / "project_builder_test_demo.pnl";
    std::filesystem::remove(out);
    ASSERT_EQ(RunBuilder("demo " + out.string()), 0);
    const std::string written = ReadFile(out.string());
    std::filesystem::remove(out);
    EXPECT_EQ(written, engine::WriteDrawingText(*DemoProject()));
    EXPECT_EQ(ReadFile(std::string(HMI_SOURCE_DIR) + "/demo/demo.pnl"), written)
        << "demo/demo.pnl is stale: regenerate it with projectbuilder demo demo/demo.pnl";
}

TEST(DemoProject, ProgramErrors) {
    EXPECT_EQ(RunBuilder(""), 2);
    EXPECT_EQ(RunBuilder("demo"), 2);
    EXPECT_EQ(RunBuilder("other x.pnl"), 2);
    EXPECT_EQ(RunBuilder("demo /no/such/folder/demo.pnl"), 1);
}

}  // namespace
}  // namespace projectbuilder
