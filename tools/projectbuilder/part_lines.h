#pragma once
// The configuration lines every part builder shares: the show condition, the touch condition with its
// notification bit, and the common finish of a part (its picture group and texts).

#include <memory>
#include <span>
#include <string>

#include "tools/projectbuilder/parts.h"

namespace projectbuilder {

// Touch condition lines by part type; -1: the type has no such line.
struct TouchLines {
    int byBit, bitState, byLevel, level, bitGroup;
    int notify, notifyValue, notifyGroup;
};
constexpr TouchLines kButtonTouch{10, 12, 13, 14, 16, 15, 11, 21};  // types 1, 2, 3, 4 and 13
constexpr TouchLines kMultistateSwitchTouch{536, 538, 539, 540, 542, 541, 537, 547};
constexpr TouchLines kCombinationKeyTouch{10, 16, 17, 18, 11, -1, -1, -1};
constexpr TouchLines kNumericInputTouch{52, 58, 59, 60, 53, 61, 67, 62};

constexpr int kMaxPictures = 32;

// Refuses an option the part cannot hold with std::invalid_argument.
void Require(bool condition, const std::string& what);

void ShowLines(ConfigLines& lines, const ShowCondition& show);
void TouchConditionLines(ConfigLines& lines, const TouchCondition& touch, const TouchLines& at,
                         const std::string& part);

// The part's picture group with its show condition and configuration text.
std::unique_ptr<engine::DrawObject> FinishPart(const PartFrame& frame, int type,
                                               std::span<const Picture> pictures, ConfigLines& lines);

}  // namespace projectbuilder
