#pragma once
// The keyboard drawing "keypads.pnl": pages 0 to 26, of which the popup keyboards use three.
//
//   page 24  numeric and password keyboard, 230 x 200: limits "text1" (upper) and "text2" (lower),
//            the entry field "text3" (with "text100" for the masked password) over its validity
//            background "rect6", and the keys "element1" .. "element17"
//   page 25  ASCII letter page, 300 x 230: "text1" and "text2" (length limits), the entry field "text3"
//            over "rect2", and the keys "borderG1" .. "borderG31" labelled A to Z
//   page 26  ASCII digit and symbol page: the same objects labelled with digits and symbols
//
// Each page is as large as the keyboard window that shows it. Every key is a top-level rectangle that
// draws its own label, so a click on it selects the key itself.

#include <memory>

#include "engine/model/drawing.h"

namespace projectbuilder {

constexpr int kNumericKeypadPage = 24;
constexpr int kLetterKeypadPage = 25;
constexpr int kSymbolKeypadPage = 26;

std::unique_ptr<engine::Drawing> KeypadsDrawing();

}  // namespace projectbuilder
