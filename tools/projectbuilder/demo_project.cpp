#include "tools/projectbuilder/demo_project.h"

#include "engine/pnl/codepage.h"
#include "tools/projectbuilder/display_parts.h"
#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/parts.h"
#include "tools/projectbuilder/project_texts.h"

namespace projectbuilder {

namespace {

// The demo's palette.
constexpr int kPageBack = Rgb(232, 232, 232);
constexpr int kOverviewBack = Rgb(236, 240, 244);
constexpr int kTitleBar = Rgb(0, 64, 128);
constexpr int kWhite = Rgb(255, 255, 255);
constexpr int kInk = Rgb(32, 36, 40);
constexpr int kMutedInk = Rgb(84, 90, 98);
constexpr int kRule = Rgb(176, 182, 190);
constexpr int kLampOff = Rgb(64, 64, 64);
constexpr int kGreen = Rgb(40, 170, 70);
constexpr int kAmber = Rgb(255, 176, 0);
constexpr int kRed = Rgb(255, 0, 0);
constexpr int kBlue = Rgb(30, 120, 220);
constexpr int kStopGrey = Rgb(120, 126, 134);
constexpr int kButton = Rgb(208, 214, 224);
constexpr int kButtonEdge = Rgb(80, 90, 104);
constexpr int kPressedBlue = Rgb(150, 200, 250);

constexpr double kPanelWidth = 800, kPanelHeight = 600;

Picture LampOff() {
    return {.text = "OFF", .backColor = kLampOff, .textColor = kWhite, .lineColor = Rgb(40, 40, 40)};
}

Picture LampOn(int color, int textColor = kWhite) {
    return {.text = "ON", .backColor = color, .textColor = textColor, .lineColor = Rgb(40, 40, 40)};
}

Picture Button(std::string text, int back = kButton, int ink = kInk) {
    return {.text = std::move(text), .backColor = back, .textColor = ink, .lineColor = kButtonEdge};
}

PartFrame Frame(std::string name, Rect rect, Shape shape = Shape::Rect) {
    return {.name = std::move(name), .rect = rect, .shape = shape};
}

void Title(DrawingBuilder& b, int page, std::string_view text) {
    // A filled bar that carries its caption itself.
    auto bar = BoxObject("Title", {0, 0, kPanelWidth, 48}, kTitleBar, kTitleBar, 0);
    bar->SetProperty("text", engine::Utf8ToCodePage(text));
    bar->SetProperty("fontcolor", kWhite);
    bar->SetProperty("fontsize", 22);
    b.Add(page, std::move(bar));
}

// A caption under a part, centred on it.
void Label(DrawingBuilder& b, int page, std::string_view name, Rect under, std::string_view text,
           double width = 0) {
    if (width <= 0) width = under.width + 10;
    const Rect at{under.left + (under.width - width) / 2, under.top + under.height + 2, width, 18};
    b.Add(page, TextObject(name, at, text, {.color = kMutedInk, .size = 13}));
}

void Heading(DrawingBuilder& b, int page, std::string_view name, Rect at, std::string_view text) {
    b.Add(page, TextObject(name, at, text, {.color = kTitleBar, .size = 15, .align = 4}));
}

// The right column: what the demo's registers mean.
void Legend(DrawingBuilder& b) {
    Heading(b, 0, "LegendHeading", {650, 52, 140, 22}, "Registers 寄存器");
    b.Add(0, TextObject("Legend", {650, 78, 142, 330},
                        "LB10-LB12: bits\nLW20: bit 3 lights a lamp\nLW21: state 0-3\nLW30: tenths, 0-100.0\n"
                        "LW31: entered value\nLW32: password word\nLW40-LW43: text\nLW50: scaled x2 + 10",
                        {.color = kMutedInk, .size = 13, .align = 7, .multiline = true}));
}

// The bottom band: value entry on popup keyboards and the displays that show the entered values.
void EntryBand(DrawingBuilder& b) {
    b.Add(0, LineObject("EntryRule", 20, 418, 780, 418, kRule, 1));
    Heading(b, 0, "EntryHeading", {20, 420, 300, 22}, "Entry 输入");
    const double top1 = 446, top2 = 506, height = 36;
    const Rect input{20, top1, 170, height}, display{205, top1, 170, height}, enter{390, top1, 120, height},
        password{525, top1, 120, height}, scaled{660, top1, 120, height};
    const Rect text{20, top2, 170, height}, textShown{205, top2, 170, height},
        message{390, top2, 390, height};

    NumberFormat tenths{.dataType = 0, .totalDigits = 5, .fractionDigits = 1};
    b.Add(0, NumericInput({.frame = Frame("InputLW30", input),
                           .write = PanelAddress("LW", 30),
                           .format = tenths,
                           .limits = {.check = true, .lower = "0", .upper = "1000"},
                           .face = Button("0.0")}));
    b.Add(0, NumericDisplay({.frame = Frame("ShowLW30", display),
                             .address = PanelAddress("LW", 30),
                             .format = tenths,
                             .range = {.enabled = true, .low = "200", .high = "800"},
                             .face = Button("0.0")}));
    b.Add(0, WordSwitch({.frame = Frame("EnterLW31", enter),
                         .function = WordSwitchOptions::kEnterValue,
                         .minimum = "0",
                         .maximum = "9999",
                         .write = PanelAddress("LW", 31),
                         .face = Button("Enter LW31")}));
    b.Add(0, WordSwitch({.frame = Frame("PasswordLW32", password),
                         .function = WordSwitchOptions::kEnterPassword,
                         .minimum = "0",
                         .maximum = "9999",
                         .write = PanelAddress("LW", 32),
                         .face = Button("Code LW32")}));
    b.Add(0, NumericInput(
                 {.frame = Frame("ScaledLW50", scaled),
                  .write = PanelAddress("LW", 50),
                  .format = {.dataType = 0, .totalDigits = 6, .scaling = true, .gain = "2", .offset = "10"},
                  .face = Button("10")}));
    b.Add(0, AsciiInput({.frame = Frame("TextLW40", text),
                         .write = PanelAddress("LW", 40),
                         .length = 8,
                         .face = Button("")}));
    b.Add(0, AsciiDisplay({.frame = Frame("ShowLW40", textShown),
                           .address = PanelAddress("LW", 40),
                           .length = 8,
                           .face = Button("")}));
    b.Add(
        0,
        MessageDisplay(
            {.frame = Frame("StateMessage", message),
             .address = PanelAddress("LW", 21),
             .messages = {
                 {.text = "State 0: the line is stopped.  停止", .scrolling = MessageText::kLeft, .step = 8},
                 {.text = "State 1: running normally.  运行", .textColor = kGreen},
                 {.text = "State 2: check the warning!  警告", .scrolling = MessageText::kLeft, .step = 8},
                 {.text = "State 3: fault, call the shift lead.  故障",
                  .textColor = kRed,
                  .scrolling = MessageText::kLeft,
                  .step = 8}}}));
    Label(b, 0, "InputLW30Label", input, "numeric input LW30, 0-100.0", 180);
    Label(b, 0, "ShowLW30Label", display, "display: blue <20, red >80", 180);
    Label(b, 0, "EnterLW31Label", enter, "word switch: enter", 130);
    Label(b, 0, "PasswordLW32Label", password, "word switch: code", 130);
    Label(b, 0, "ScaledLW50Label", scaled, "shown = LW50 x 2 + 10", 140);
    Label(b, 0, "TextLW40Label", text, "text input LW40", 180);
    Label(b, 0, "ShowLW40Label", textShown, "text display LW40", 180);
    Label(b, 0, "StateMessageLabel", message, "message of the state LW21, scrolling", 390);
}

void StartScreen(DrawingBuilder& b) {
    engine::Page& page = b.Page(0);
    page.SetSize(kPanelWidth, kPanelHeight);
    page.SetBackColor(kPageBack);
    page.SetConfigText(ScreenRecordBuilder().ScreenNumber(0).Name("Main").Text());
    page.SetExtraText(
        ProjectSettingsBuilder().StartScreen(0).ScanTime(5).BeepOff(false).InitialUserLevel(1).Text());

    Title(b, 0, "演示面板  Demo panel");

    // Lamps on the left: three bits, a bit of a word and a word of four states.
    const Rect lamp1{40, 80, 80, 80}, lamp2{130, 80, 80, 80}, lamp3{220, 80, 80, 80};
    b.Add(0, BitLamp({.frame = Frame("Lamp1", lamp1, Shape::Ellipse),
                      .address = PanelAddress("LB", 10),
                      .off = LampOff(),
                      .on = LampOn(kGreen)}));
    b.Add(0, BitLamp({.frame = Frame("Lamp2", lamp2, Shape::Ellipse),
                      .address = PanelAddress("LB", 11),
                      .off = LampOff(),
                      .on = LampOn(kAmber, kInk)}));
    b.Add(0, BitLamp({.frame = Frame("Lamp3", lamp3, Shape::Ellipse),
                      .address = PanelAddress("LB", 12),
                      .off = LampOff(),
                      .on = LampOn(kRed),
                      .blinkOn = true}));
    const Rect wordLamp{40, 208, 80, 80}, stateLamp{130, 208, 170, 80};
    b.Add(0, BitLamp({.frame = Frame("Lamp4", wordLamp, Shape::Ellipse),
                      .address = PanelAddress("LW", 20),
                      .bitSource = 1,
                      .bitNumber = 3,
                      .off = LampOff(),
                      .on = LampOn(kBlue)}));
    b.Add(0,
          MultistateLamp({.frame = Frame("State", stateLamp),
                          .address = PanelAddress("LW", 21),
                          .pictures = {Button("0  STOP", kStopGrey, kWhite), Button("1  RUN", kGreen, kWhite),
                                       Button("2  WARNING", kAmber), Button("3  FAULT", kRed, kWhite)}}));

    Heading(b, 0, "LampsHeading", {20, 52, 280, 22}, "Lamps 指示灯");
    Label(b, 0, "Lamp1Label", lamp1, "LB10");
    Label(b, 0, "Lamp2Label", lamp2, "LB11");
    Label(b, 0, "Lamp3Label", lamp3, "LB12, blinks");
    Label(b, 0, "Lamp4Label", wordLamp, "LW20 bit 3");
    Label(b, 0, "StateLabel", stateLamp, "LW21: states 0 to 3");
    b.Add(0, BoxObject("Note", {20, 336, 280, 76}, Rgb(246, 246, 246), kRule));
    b.Add(0, TextObject("NoteText", {28, 340, 264, 68},
                        "Offline, every register lives in the panel's own memory. Screen 1 shows the "
                        "same registers.",
                        {.color = kMutedInk, .size = 13, .align = 4, .multiline = true}));

    // Switches on the right, two columns of 140 x 44 buttons, a caption under each.
    b.Add(0, LineObject("Divider", 310, 56, 310, 412, kRule, 1));
    Heading(b, 0, "SwitchesHeading", {320, 52, 300, 22}, "Switches 开关");
    const double left = 320, right = 480, width = 140, height = 44;
    auto row = [&](int k) { return 76.0 + 68.0 * k; };
    struct Captioned {
        std::unique_ptr<engine::DrawObject> part;
        const char* caption;
    };
    Captioned switches[] = {
        {BitSwitch({.frame = Frame("ToggleLB12", {left, row(0), width, height}),
                    .function = BitSwitchOptions::kInvert,
                    .write = PanelAddress("LB", 12),
                    .off = Button("Toggle LB12", kRed, kWhite),
                    .on = Button("LB12 is ON", Rgb(255, 200, 200), Rgb(160, 0, 0)),
                    .blinkOff = true}),
         "invert; blinks while OFF"},
        {BitSwitch({.frame = Frame("SetLB10", {right, row(0), width, height}),
                    .function = BitSwitchOptions::kSetOn,
                    .write = PanelAddress("LB", 10),
                    .off = Button("LB10 ON"),
                    .on = Button("LB10 ON", kGreen, kWhite)}),
         "set ON"},
        {BitSwitch({.frame = Frame("ResetLB10", {left, row(1), width, height}),
                    .function = BitSwitchOptions::kSetOff,
                    .write = PanelAddress("LB", 10),
                    .monitor = BitSwitchOptions::kNoMonitor,
                    .off = Button("LB10 OFF"),
                    .on = Button("LB10 OFF")}),
         "set OFF"},
        {BitSwitch({.frame = Frame("HoldLB11", {right, row(1), width, height}),
                    .function = BitSwitchOptions::kMomentary,
                    .write = PanelAddress("LB", 11),
                    .off = Button("Hold LB11"),
                    .on = Button("LB11 held", kAmber)}),
         "momentary"},
        {WordSwitch({.frame = Frame("DownLW21", {left, row(2), width, height}),
                     .function = WordSwitchOptions::kSubtract,
                     .constant = "1",
                     .minimum = "0",
                     .maximum = "3",
                     .write = PanelAddress("LW", 21),
                     .face = Button("LW21 - 1")}),
         "subtract, not below 0"},
        {WordSwitch({.frame = Frame("UpLW21", {right, row(2), width, height}),
                     .function = WordSwitchOptions::kAdd,
                     .constant = "1",
                     .minimum = "0",
                     .maximum = "3",
                     .write = PanelAddress("LW", 21),
                     .face = Button("LW21 + 1")}),
         "add, not above 3"},
        {WordSwitch({.frame = Frame("ClearLW20", {left, row(3), width, height}),
                     .function = WordSwitchOptions::kSetConstant,
                     .constant = "0",
                     .write = PanelAddress("LW", 20),
                     .face = Button("LW20 = 0")}),
         "bit 3 OFF"},
        {WordSwitch({.frame = Frame("SetLW20", {right, row(3), width, height}),
                     .function = WordSwitchOptions::kSetConstant,
                     .constant = "8",
                     .write = PanelAddress("LW", 20),
                     .face = Button("LW20 = 8")}),
         "bit 3 ON"},
        {FunctionKey({.frame = Frame("Sound", {left, row(4), width, height}),
                      .function = 19,
                      .face = Button("Touch sound")}),
         "touch sound on / off"},
        {ScreenSwitch({.frame = Frame("ToScreen1", {right, row(4), width, height}),
                       .function = ScreenSwitchOptions::kGoTo,
                       .target = 1,
                       .face = Button("Screen 1  >", kPressedBlue)}),
         "go to screen 1"},
    };
    for (auto& [part, caption] : switches) {
        const Rect at{part->Left(), part->Top(), part->Width(), part->Height()};
        const std::string name = part->Name() + "Label";
        b.Add(0, std::move(part));
        Label(b, 0, name, at, caption, width + 10);
    }

    b.Add(0, LineObject("SwitchesRule", 640, 56, 640, 412, kRule, 1));
    Legend(b);
    EntryBand(b);
    b.Add(0,
          TextObject("Hint", {20, 566, 760, 28},
                     "点击开关试试 / Click a switch or an entry field: values are typed on popup keyboards.",
                     {.color = kInk, .size = 14}));
}

void OverviewScreen(DrawingBuilder& b) {
    engine::Page& page = b.Page(1);
    page.SetSize(kPanelWidth, kPanelHeight);
    page.SetBackColor(kOverviewBack);
    page.SetConfigText(ScreenRecordBuilder().ScreenNumber(1).Name("Overview").Text());

    Title(b, 1, "Screen 1  总览 Overview");
    const double top = 90, width = 120, height = 90;
    struct Square {
        const char* name;
        double left;
        Address address;
        int bitSource, bitNumber, color;
        const char* caption;
    } squares[] = {
        {"Big1", 40, PanelAddress("LB", 10), 0, 0, kGreen, "LB10"},
        {"Big2", 180, PanelAddress("LB", 11), 0, 0, kAmber, "LB11"},
        {"Big3", 320, PanelAddress("LB", 12), 0, 0, kRed, "LB12"},
        {"Big4", 460, PanelAddress("LW", 20), 1, 3, kBlue, "LW20 bit 3"},
    };
    for (const Square& s : squares) {
        const Rect at{s.left, top, width, height};
        b.Add(1, BitLamp({.frame = Frame(s.name, at),
                          .address = s.address,
                          .bitSource = s.bitSource,
                          .bitNumber = s.bitNumber,
                          .off = LampOff(),
                          .on = LampOn(s.color, s.color == kAmber ? kInk : kWhite)}));
        Label(b, 1, std::string(s.name) + "Label", at, s.caption);
    }
    const Rect state{40, 230, 540, 70};
    b.Add(1, MultistateLamp({.frame = Frame("BigState", state),
                             .address = PanelAddress("LW", 21),
                             .pictures = {Button("LW21 = 0: stopped", kStopGrey, kWhite),
                                          Button("LW21 = 1: running", kGreen, kWhite),
                                          Button("LW21 = 2: warning", kAmber),
                                          Button("LW21 = 3: fault", kRed, kWhite)}}));
    Label(b, 1, "BigStateLabel", state, "the state word LW21, one picture per state");
    const Rect back{40, 380, 160, 48};
    b.Add(1, ScreenSwitch({.frame = Frame("ToScreen0", back),
                           .function = ScreenSwitchOptions::kGoTo,
                           .target = 0,
                           .face = Button("<  Screen 0", kPressedBlue)}));
    Label(b, 1, "ToScreen0Label", back, "back to the start screen", 200);
}

}  // namespace

std::unique_ptr<engine::Drawing> DemoProject() {
    DrawingBuilder b;
    StartScreen(b);
    OverviewScreen(b);
    return b.Take();
}

}  // namespace projectbuilder
