// The fixed-column texts and configuration lines the builder writes, read back through the project
// loaders: every value the builder takes must come back from the field the simulator reads.

#include "tools/projectbuilder/texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/project_settings.h"
#include "simulator/shell/project/screen_table.h"
#include "tools/projectbuilder/project_texts.h"

namespace projectbuilder {
namespace {

TEST(ProjectSettingsBuilder, EveryValueComesBackThroughTheLoader) {
    const PlcPort plc1{.portText = "C1",
                       .plcName = "FX3U",
                       .portIndex = 0,
                       .protocol = 12,
                       .model = 3,
                       .baudIndex = 4,
                       .parityIndex = 1,
                       .dataBitsIndex = 0,
                       .stopBitsIndex = 1,
                       .replyTimeout = 30,
                       .retryCount = 2};
    const PlcPort plc2{.portText = "C2",
                       .plcName = "S7-200",
                       .portIndex = 1,
                       .protocol = 4,
                       .model = 7,
                       .baudIndex = 7,
                       .parityIndex = 2,
                       .dataBitsIndex = 1,
                       .stopBitsIndex = 0,
                       .replyTimeout = 15,
                       .retryCount = 9};
    const std::string text = ProjectSettingsBuilder()
                                 .StartScreen(17)
                                 .ScanTime(3)
                                 .BeepOff(true)
                                 .Password(1, "1111")
                                 .Password(8, "abcdefgh")
                                 .InitialUserLevel(4)
                                 .Orientation(1)
                                 .Plc(1, plc1)
                                 .Plc(2, plc2)
                                 .RecipeFlag(true)
                                 .Lock3Flag(true)
                                 .Text();
    EXPECT_EQ(text.size(), ProjectSettingsBuilder::kBytes);
    const sim::ProjectSettings s = sim::ReadProjectSettings(text);

    struct Case {
        const char* field;
        long long expected;
        long long actual;
    } cases[] = {
        {"start screen", 17, s.startScreen}, {"scan time", 3, s.scanTime},
        {"beep off", 1, s.beepOff},          {"initial user level", 4, s.initialUserLevel},
        {"orientation", 1, s.orientation},   {"recipe flag", 1, s.recipeFlag},
        {"lock3 flag", 1, s.lock3Flag},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.field;
    EXPECT_EQ(s.passwords[0], "1111");
    EXPECT_EQ(s.passwords[7], "abcdefgh");
    EXPECT_EQ(s.passwords[1], "");

    for (int k = 0; k < 2; ++k) {
        const PlcPort& in = k == 0 ? plc1 : plc2;
        const sim::PlcLink& out = s.ports[static_cast<std::size_t>(k)];
        SCOPED_TRACE("PLC " + std::to_string(k + 1));
        EXPECT_EQ(out.portText, in.portText);
        EXPECT_EQ(out.plcName, in.plcName);
        EXPECT_EQ(out.portIndex, in.portIndex);
        EXPECT_EQ(out.protocol, in.protocol);
        EXPECT_EQ(out.model, in.model);
        EXPECT_EQ(out.baudIndex, in.baudIndex);
        EXPECT_EQ(out.parityIndex, in.parityIndex);
        EXPECT_EQ(out.dataBitsIndex, in.dataBitsIndex);
        EXPECT_EQ(out.stopBitsIndex, in.stopBitsIndex);
        EXPECT_EQ(out.replyTimeout, in.replyTimeout);
        EXPECT_EQ(out.retryCount, in.retryCount);
    }
}

TEST(ProjectSettingsBuilder, DefaultsGiveARunnableProject) {
    const sim::ProjectSettings s = sim::ReadProjectSettings(ProjectSettingsBuilder().Text());
    EXPECT_EQ(s.startScreen, 0);
    EXPECT_EQ(s.scanTime, 5);  // a zero period would stop the blink timer
    EXPECT_EQ(s.beepOff, 0);
    EXPECT_EQ(s.recipeFlag, 0);
    EXPECT_EQ(s.lock3Flag, 0);
}

TEST(ProjectSettingsBuilder, RefusesWhatTheLoaderWouldReadDifferently) {
    struct Case {
        const char* what;
        std::function<void(ProjectSettingsBuilder&)> set;
    } cases[] = {
        {"start screen wider than its field", [](auto& b) { b.StartScreen(10000); }},
        {"negative scan time too wide", [](auto& b) { b.ScanTime(-1000); }},
        {"password with a space", [](auto& b) { b.Password(2, "12 34"); }},
        {"password of nine characters", [](auto& b) { b.Password(2, "123456789"); }},
        {"password level 0", [](auto& b) { b.Password(0, "1"); }},
        {"password level 9", [](auto& b) { b.Password(9, "1"); }},
        {"two-digit user level", [](auto& b) { b.InitialUserLevel(10); }},
        {"PLC 3", [](auto& b) { b.Plc(3, {}); }},
        {"PLC name with a space", [](auto& b) { b.Plc(1, {.plcName = "FX 3U"}); }},
        {"port text of three characters", [](auto& b) { b.Plc(2, {.portText = "COM"}); }},
        {"protocol wider than its field", [](auto& b) { b.Plc(1, {.protocol = 12345}); }},
    };
    for (const auto& c : cases) {
        ProjectSettingsBuilder builder;
        EXPECT_THROW(
            {
                c.set(builder);
                builder.Text();
            },
            std::invalid_argument)
            << c.what;
    }
}

TEST(ScreenRecordBuilder, BaseScreenAndPopupComeBackThroughTheLoader) {
    const sim::ScreenRecord base =
        sim::ReadScreenRecord(ScreenRecordBuilder().ScreenNumber(3).Attribute(12).Name("Main").Text());
    EXPECT_EQ(base.screenNumber, 3);
    EXPECT_EQ(base.attribute, 12);
    EXPECT_EQ(base.name, "Main");
    EXPECT_EQ(base.kind, sim::ScreenRecord::kBaseScreen);

    const std::string popupText = ScreenRecordBuilder()
                                      .ScreenNumber(42)
                                      .Name("设置")
                                      .Popup(320, 200)
                                      .PopupAt(60, 40)
                                      .Title("Settings")
                                      .Text();
    EXPECT_EQ(popupText.size(), ScreenRecordBuilder::kBytes);
    const sim::ScreenRecord popup = sim::ReadScreenRecord(popupText);
    EXPECT_EQ(popup.screenNumber, 42);
    EXPECT_EQ(popup.name, "\xC9\xE8\xD6\xC3");  // stored in the project's code page
    EXPECT_EQ(popup.kind, sim::ScreenRecord::kPopupWindow);
    EXPECT_EQ(popup.popupWidth, 320);
    EXPECT_EQ(popup.popupHeight, 200);
    EXPECT_EQ(popup.positionMode, 1);
    EXPECT_EQ(popup.popupX, 60);
    EXPECT_EQ(popup.popupY, 40);
    EXPECT_EQ(popup.showTitle, 1);
    EXPECT_EQ(popup.title, "Settings");

    const sim::ScreenRecord centred = sim::ReadScreenRecord(ScreenRecordBuilder().Popup(100, 80).Text());
    EXPECT_EQ(centred.positionMode, 0);
    EXPECT_EQ(centred.showTitle, 0);
}

TEST(ScreenRecordBuilder, RefusesANameTheLoaderWouldCut) {
    EXPECT_THROW(ScreenRecordBuilder().Name("Main menu").Text(), std::invalid_argument);
    EXPECT_THROW(ScreenRecordBuilder().Title(std::string(41, 'x')).Text(), std::invalid_argument);
    EXPECT_THROW(ScreenRecordBuilder().ScreenNumber(123456789).Text(), std::invalid_argument);
}

TEST(ConfigLines, SparseLinesLandAtTheirNumbers) {
    ConfigLines lines;
    lines.Set(699, "last").Set(0, "first").Set(5, -12).Set(3, "two words");
    sim::PartConfig config;
    config.Load(lines.Text(), sim::PartConfig::kCapacity);
    EXPECT_EQ(config.Line(0), "first");
    EXPECT_EQ(config.Line(3), "two words");
    EXPECT_EQ(config.Number(5), -12);
    EXPECT_EQ(config.Line(4), "");
    EXPECT_EQ(config.Line(698), "");
    EXPECT_EQ(config.Line(699), "last");
    EXPECT_EQ(lines.Count(), 700);
}

TEST(ConfigLines, RefusesLinesOutsideThePartAndLineBreaks) {
    ConfigLines lines;
    EXPECT_THROW(lines.Set(-1, "x"), std::invalid_argument);
    EXPECT_THROW(lines.Set(ConfigLines::kMaxLines, "x"), std::invalid_argument);
    EXPECT_THROW(lines.Set(2, "a\r\nb"), std::invalid_argument);
    EXPECT_THROW(lines.Set(2, "a\nb"), std::invalid_argument);
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Text(), "");
}

TEST(Group, FiveLinesFromK) {
    ConfigLines lines;
    lines.Set(22, "keep me");
    Group(lines, 20, 2, 7, "D", "100");
    sim::PartConfig config;
    config.Load(lines.Text(), 80);
    EXPECT_EQ(config.Number(20), 2);
    EXPECT_EQ(config.Number(21), 7);
    EXPECT_EQ(config.Line(22), "");  // the unread line of a group is written empty
    EXPECT_EQ(config.Text(23), "D");
    EXPECT_EQ(config.Text(24), "100");
    EXPECT_EQ(config.Line(25), "");
}

TEST(FixedColumns, CheckedFieldsAlignAndRefuseOverflow) {
    FixedColumns text;
    text.Number(4, 4, 12).Word(8, 6, "LW");
    EXPECT_EQ(text.Text(), "      12LW    ");
    EXPECT_THROW(text.Number(0, 2, 123), std::invalid_argument);
    EXPECT_THROW(text.Word(0, 2, "ABC"), std::invalid_argument);
    EXPECT_EQ(text.Text(), "      12LW    ");  // a refused field leaves the text as it was
}

}  // namespace
}  // namespace projectbuilder
