// The blink pass: every blinking picture of the parts the last refresh tick listed swaps its background
// and text colours on each tick of the blink timer.

#include <algorithm>
#include <initializer_list>

#include "simulator/display/handler_steps.h"

namespace sim {

namespace {

enum class BlinkFlag { A, B };  // the per-entry value of the list that says the picture blinks
constexpr std::int32_t kAnyLampState = -2;

// One blinking picture of a part type: the flag that enables it, the picture, and the two configuration
// lines holding its colours.
struct BlinkRow {
    int type;
    BlinkFlag flag;
    int picture;
    std::int32_t lampState;  // bit lamps: the lamp state in which this picture is the one shown
    int firstColourLine;
    int secondColourLine;
};

// A bit lamp blinks only the picture it shows: picture 0 while its entry's lamp state is 0 (OFF),
// picture 1 while it is 1 (ON). The state is the one its refresh left in the list, so two blinking
// lamps, one ON and one OFF, each blink their own shown picture. (A single reference number for all
// lamps, taken from the last lamp met at start-up, would blink the hidden picture of every lamp in the
// other state.)
constexpr BlinkRow kBlinkRows[] = {
    {1, BlinkFlag::A, 0, kAnyLampState, 28, 60},
    {1, BlinkFlag::B, 1, kAnyLampState, 42, 64},
    {2, BlinkFlag::A, 0, kAnyLampState, 28, 49},
    {3, BlinkFlag::A, 0, kAnyLampState, 28, 43},
    {4, BlinkFlag::A, 0, kAnyLampState, 28, 43},
    {14, BlinkFlag::A, 0, 0, 28, 12},
    {14, BlinkFlag::B, 1, 1, 42, 16},
    {78, BlinkFlag::A, 0, kAnyLampState, 28, 43},
};

bool Blinks(const BlinkRow& row, const PartList& list, std::size_t entry) {
    const std::int32_t flag = row.flag == BlinkFlag::A ? list.valueA[entry] : list.valueB[entry];
    if (flag != 1) return false;
    return row.lampState == kAnyLampState || list.valueC[entry] == row.lampState;
}

// The entries of `type` the last refresh tick listed, each with the blinking pictures of its rows.
void BlinkType(DisplayContext& context, int type) {
    const PartList& list = context.lists.List(type);
    const int count = std::min(context.lists.SnapshotCount(type), PartList::kCapacity);
    for (int entry = 1; entry <= count; ++entry) {
        const auto at = static_cast<std::size_t>(entry);
        engine::DrawObject* part = list.parts[at];
        if (!part) continue;
        for (const BlinkRow& row : kBlinkRows)
            if (row.type == type && Blinks(row, list, at))
                Blink(context, type, *part, entry, row.picture, row.firstColourLine, row.secondColourLine);
    }
}

void BlinkTypes(DisplayContext& context, std::initializer_list<int> types) {
    for (int type : types) BlinkType(context, type);
}

}  // namespace

void Blink(DisplayContext& context, int type, engine::DrawObject& part, int entry, int picture,
           int firstColourLine, int secondColourLine) {
    LoadPart(context, part);
    std::int32_t* state = context.blink.At(type, entry, picture);
    if (!state) return;
    const PartConfig& config = context.current.config;
    const std::int32_t first = config.Number(firstColourLine);
    const std::int32_t second = config.Number(secondColourLine);
    const std::string background = PicturePath(picture, "rc2.backColor");
    const std::string text = PicturePath(picture, "txt1.fontcolor");
    if (*state == 1) {
        part.SetProperty(background, first);
        part.SetProperty(text, second);
        *state = 0;
    } else if (*state == 0) {
        part.SetProperty(background, second);
        part.SetProperty(text, first);
        *state = 1;
    }
}

void BlinkPass(DisplayContext& context) {
    BlinkTypes(context, {1, 2, 3, 4, 14});
    // The week display (type 22) blinks here, between the bit lamps and the combination keys, with the
    // colour lines of today's weekday.
    BlinkTypes(context, {78});
}

}  // namespace sim
