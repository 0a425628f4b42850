// Character display (type 17) and the display side of the character entry (type 13): a run of register
// bytes shown as text.

#include <algorithm>
#include <vector>

#include "simulator/display/handler_steps.h"
#include "simulator/display/text_displays.h"

namespace sim {

namespace {

constexpr int kAsciiInput = 13;

// The lines a type reads: text length in bytes, byte order, and (entry only) the monitor flag.
struct TextLines {
    int length, byteOrder, monitor;
};
constexpr int kNoLine = -1;
constexpr TextLines kDisplayLines{.length = 21, .byteOrder = 26, .monitor = kNoLine};
constexpr TextLines kInputLines{.length = 44, .byteOrder = 51, .monitor = 45};

// Texts start at ValueScratch byte 0. A length beyond this is cut to it: far more than a panel shows,
// and short of the fixed offsets higher up in ValueScratch, which clearing must not touch.
constexpr std::int32_t kMaxTextBytes = 4096;

// Byte order "1" holds the first character of each word in its high byte, as the character entry
// writes it; any other text of the line is order "0".
constexpr char kHighByteFirst[] = "1";

// The shown text: `length` bytes, each word's bytes swapped back for high-byte-first order, up to the
// first zero byte.
std::string TextFrom(std::vector<std::uint8_t> bytes, std::int32_t length, bool highByteFirst) {
    if (highByteFirst)
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
    const auto end = std::find(bytes.begin(), bytes.begin() + length, std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

}  // namespace

void RefreshAsciiDisplay(DisplayContext& context, engine::DrawObject& part) {
    const int type = part.TypeCode();
    const TextLines& lines = type == kAsciiInput ? kInputLines : kDisplayLines;
    LoadPart(context, part);
    const PartConfig& config = context.current.config;

    // The register is copied in whole words; a register that copies nothing leaves zeros, not the
    // previous part's text.
    const std::int32_t length = std::clamp(config.Number(lines.length), 0, kMaxTextBytes);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length + (length & 1)));
    context.access.Memory().CopyIn(Area::ValueScratch, 0, bytes);
    EvaluateValue(context, type);

    if (!IsShown(context)) {
        ShowPicture(part, 0, false);
        ShowPicture(part, 1, false);
        return;
    }
    // An entry without monitoring keeps whatever text it shows; it is still shown.
    if (lines.monitor == kNoLine || config.Number(lines.monitor) == 1) {
        context.access.Memory().CopyOut(Area::ValueScratch, 0, bytes);
        part.SetProperty("SHAPE0.txt1.text",
                         TextFrom(bytes, length, config.Text(lines.byteOrder) == kHighByteFirst));
    }
    ShowPicture(part, 0, true);
    ShowPicture(part, 1, false);
}

}  // namespace sim
