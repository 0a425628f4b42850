#include "tools/projectbuilder/part_lines.h"

#include <stdexcept>

namespace projectbuilder {
namespace {

// Lines of the show condition every part has: bit flag, required state, level flag, required level,
// and the address group of the bit.
constexpr int kShowByBit = 1, kShowBitState = 2, kShowByLevel = 3, kShowLevel = 4, kShowBitGroup = 5;

}  // namespace

void Require(bool condition, const std::string& what) {
    if (!condition) throw std::invalid_argument(what);
}

void ShowLines(ConfigLines& lines, const ShowCondition& show) {
    lines.Set(kShowByBit, show.byBit ? 1 : 0).Set(kShowBitState, show.bitState);
    lines.Set(kShowByLevel, show.byLevel ? 1 : 0).Set(kShowLevel, show.level);
    Group(lines, kShowBitGroup, show.byBit ? show.bit : Address{});
}

void TouchConditionLines(ConfigLines& lines, const TouchCondition& touch, const TouchLines& at,
                         const std::string& part) {
    lines.Set(at.byBit, touch.byBit ? 1 : 0).Set(at.bitState, touch.bitState);
    lines.Set(at.byLevel, touch.byLevel ? 1 : 0).Set(at.level, touch.level);
    if (touch.byBit) Group(lines, at.bitGroup, touch.bit);
    if (at.notify < 0) {
        Require(!touch.notify, part + ": this part type has no notification bit");
        return;
    }
    lines.Set(at.notify, touch.notify ? 1 : 0).Set(at.notifyValue, touch.notifyValue);
    if (touch.notify) Group(lines, at.notifyGroup, touch.notifyBit);
}

std::unique_ptr<engine::DrawObject> FinishPart(const PartFrame& frame, int type,
                                               std::span<const Picture> pictures, ConfigLines& lines) {
    Require(!pictures.empty() && pictures.size() <= kMaxPictures,
            frame.name + ": a part has 1 to " + std::to_string(kMaxPictures) + " pictures");
    ShowLines(lines, frame.show);
    auto part = PictureGroup(frame.name, type, frame.rect, pictures, frame.shape);
    part->SetConfigText(lines.Text());
    return part;
}

}  // namespace projectbuilder
