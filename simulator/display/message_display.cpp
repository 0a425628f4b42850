// Message display (type 7): one of N messages chosen by a register value. A scrolling message moves by
// its step on every refresh tick and, reaching the edge it moves towards, is eaten one character per
// tick; then it starts again in full from the other edge. Its position lives only in the geometry of
// the text cell, read back on every tick.

#include <cstring>

#include "simulator/display/handler_steps.h"
#include "simulator/display/message_scroll.h"
#include "simulator/display/text_displays.h"

namespace sim {

namespace {

constexpr int kMessageDisplay = 7;

constexpr int kMessageCountLine = 15;  // N
constexpr int kValueWidthLine = 16;    // 0 a 16-bit unsigned value, 1 a 32-bit value, other: 0
// Message m has five lines from 22 + 5m: font size, text colour, text, scrolling, step in pixels - 1.
constexpr int kFirstMessageLine = 22, kMessageStride = 5;
enum MessageField { kFontSize = 0, kTextColour = 1, kText = 2, kScrolling = 3, kStep = 4 };
enum Scrolling { kNoScroll = 0, kScrollRight = 1, kScrollLeft = 2 };

// The cell that shows the message, and the invisible cell whose edges are the text's home position.
constexpr char kCell[] = "SHAPE0.txt1";
constexpr char kHome[] = "SHAPE1.txt1";
// Text alignment, as on a numeric keypad: 4 middle left, 5 centre, 6 middle right.
constexpr int kAlignLeft = 4, kAlignCentre = 5, kAlignRight = 6;
// The width scrolling assumes for a text: this many pixels per byte, plus a margin.
constexpr double kPixelsPerByte = 8, kTextMargin = 4;

std::string Path(const char* cell, const char* property) {
    return std::string(cell) + "." + property;
}

// Line `field` of message m; past the largest configuration (m can be near 2^31) the line is empty.
int MessageLine(std::int64_t message, int field) {
    const std::int64_t line = kFirstMessageLine + kMessageStride * message + field;
    return line < PartConfig::kCapacity ? static_cast<int>(line) : -1;
}

std::int64_t MessageValue(const PartConfig& config, const std::array<std::uint8_t, 4>& bytes) {
    switch (config.Number(kValueWidthLine)) {
        case 0:
            return bytes[0] | bytes[1] << 8;
        case 1: {
            std::int32_t value = 0;
            std::memcpy(&value, bytes.data(), sizeof value);  // little-endian, as the panel stores it
            return value;
        }
        default:
            return 0;
    }
}

double Edge(const engine::DrawObject& part, const std::string& path, double fallback) {
    const auto value = part.GetProperty(path);
    const auto number = value ? engine::VariantNumber(*value) : std::nullopt;
    return number ? *number : fallback;
}

// Where the cell goes this tick, from where it was.
struct Span {
    double left, right;
};

// Moving left: until the text's left edge reaches the part's left edge, then eaten from the front.
void ScrollLeft(ScrollStates& scrolls, engine::DrawObject& part, const std::string& message, double step,
                Span& cell, Span bounds) {
    const double width = kPixelsPerByte * static_cast<double>(message.size()) + kTextMargin;
    part.SetProperty(Path(kCell, "Textalign"), kAlignLeft);
    if (cell.left > bounds.left) {
        cell.left -= step;
        cell.right = width >= bounds.right - cell.left ? bounds.right : cell.left + width;
        return;
    }
    ScrollState& scroll = scrolls.For(&part);
    if (!scroll.active) scroll = {.text = message, .active = true};
    if (scroll.text.size() > 2) {
        cell.left = bounds.left;
        DropFirstCharacter(scroll.text);
        part.SetProperty(Path(kCell, "Text"), scroll.text);
        return;
    }
    // Gone: the whole text starts again, still of no width, at the right edge.
    part.SetProperty(Path(kCell, "Text"), message);
    part.SetProperty(Path(kCell, "width"), 0.0);
    cell = {bounds.right, bounds.right};
    scrolls.Release(&part);
}

// Moving right: until the text's right edge reaches the part's right edge, then eaten from the back.
void ScrollRight(ScrollStates& scrolls, engine::DrawObject& part, const std::string& message, double step,
                 Span& cell, Span bounds) {
    const double width = kPixelsPerByte * static_cast<double>(message.size()) + kTextMargin;
    part.SetProperty(Path(kCell, "Textalign"), kAlignRight);
    if (cell.right < bounds.right) {
        cell.right += step;
        cell.left = width >= cell.right - bounds.left ? bounds.left : cell.right - width;
        return;
    }
    ScrollState& scroll = scrolls.For(&part);
    if (!scroll.active) scroll = {.text = message, .active = true};
    if (scroll.text.size() > 2) {
        cell.right = bounds.right;
        DropLastCharacter(scroll.text);
        part.SetProperty(Path(kCell, "Text"), scroll.text);
        return;
    }
    part.SetProperty(Path(kCell, "Text"), message);
    part.SetProperty(Path(kCell, "width"), 0.0);
    cell = {bounds.left, bounds.left};
    scrolls.Release(&part);
}

}  // namespace

void RefreshMessageDisplay(DisplayContext& context, engine::DrawObject& part) {
    LoadPart(context, part);
    context.lists.RegisterPart(kMessageDisplay, &part);
    EvaluateValue(context, kMessageDisplay);
    if (!IsShown(context)) {
        ShowPicture(part, 0, false);
        ShowPicture(part, 1, false);
        return;
    }

    const PartConfig& config = context.current.config;
    const std::int64_t count = config.Number(kMessageCountLine);
    std::int64_t message = MessageValue(config, ValueBytes(context));
    if (message >= count) message = count - 1;
    if (message < 0) message = 0;
    const std::string text(config.Text(MessageLine(message, kText)));
    const int scrolling = config.Number(MessageLine(message, kScrolling));
    const double step = static_cast<double>(config.Number(MessageLine(message, kStep))) + 1;

    part.SetProperty(Path(kCell, "text"), text);
    part.SetProperty(Path(kCell, "fontcolor"), config.Number(MessageLine(message, kTextColour)));
    part.SetProperty(Path(kCell, "fontsize"), config.Number(MessageLine(message, kFontSize)));
    ShowPicture(part, 0, true);
    ShowPicture(part, 1, false);
    part.SetProperty(Path(kCell, "Visible"), true);
    part.SetProperty(Path(kCell, "Multiline"), false);
    part.SetProperty(Path(kCell, "Text"), text);

    const Span bounds{part.Left(), part.Right()};
    Span cell{Edge(part, Path(kCell, "left"), bounds.left), Edge(part, Path(kCell, "right"), bounds.right)};
    const Span home{Edge(part, Path(kHome, "left"), bounds.left),
                    Edge(part, Path(kHome, "right"), bounds.right)};

    // Every tick starts from the home position; a scrolling text then goes where it was, moved on.
    part.SetProperty(Path(kCell, "Textalign"), kAlignCentre);
    part.SetProperty(Path(kCell, "left"), home.left);
    part.SetProperty(Path(kCell, "right"), home.right);
    part.SetProperty(Path(kCell, "width"), home.right - home.left);
    if (scrolling == kNoScroll) return;

    if (scrolling == kScrollLeft)
        ScrollLeft(context.scrolls, part, text, step, cell, bounds);
    else if (scrolling == kScrollRight)
        ScrollRight(context.scrolls, part, text, step, cell, bounds);
    // Any other scrolling value puts the cell back where it was.
    part.SetProperty(Path(kCell, "left"), cell.left);
    part.SetProperty(Path(kCell, "right"), cell.right);
    part.SetProperty(Path(kCell, "width"), cell.right - cell.left);
}

}  // namespace sim
