// The pnl tool as a user runs it: output on stdout, errors on stderr with a non-zero status.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun Pnl(const std::string& arguments) {
    std::string command = std::string(HMI_RUN_DIR) + "/pnl " + arguments + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 256> buffer;
    while (fgets(buffer.data(), buffer.size(), pipe)) run.out += buffer.data();
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

const std::string kDemo = std::string(HMI_SOURCE_DIR) + "/demo/demo.pnl";

TEST(PnlTool, ListAndGetPrintTheDrawing) {
    ToolRun list = Pnl("list " + kDemo + " 0");
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("1 group Lamp1 14 40 80 80 80\n"), std::string::npos) << list.out;
    ToolRun get = Pnl("get " + kDemo + " 0 1 shape1.TXT1.text");
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "ON\n");
}

TEST(PnlTool, RenderWritesAPngOfThePageSize) {
    auto out = std::filesystem::temp_directory_path() / "pnl_tool_test.png";
    std::filesystem::remove(out);
    EXPECT_EQ(Pnl("render " + kDemo + " 0 " + out.string()).status, 0);
    QImage image(QString::fromStdString(out.string()));
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(image.pixel(326, 86) & 0xFFFFFF, 0xFF0000u);  // the red alarm box (colour 255)
    std::filesystem::remove(out);
}

TEST(PnlTool, ErrorsExitNonZero) {
    struct Case {
        std::string arguments;
        int status;
    } cases[] = {
        {"", 2},
        {"list " + kDemo, 2},
        {"list " + kDemo + " x", 2},
        {"frobnicate " + kDemo + " 0", 2},
        {"list /no/such.pnl 0", 1},
        {"list " + kDemo + " 7", 1},
        {"get " + kDemo + " 0 99 name", 1},
        {"get " + kDemo + " 0 1 SHAPE9.visible", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        ToolRun run = Pnl(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
