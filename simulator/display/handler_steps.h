#pragma once
// The steps every display handler shares, and the handlers of the lamp and button pictures, for the
// dispatch table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "simulator/display/display_context.h"

namespace sim {

// A part's state pictures are its children "SHAPE0" .. "SHAPE31".
inline constexpr int kPictureCount = 32;

// "SHAPE<picture>.<property>", e.g. "SHAPE1.visible" or "SHAPE0.rc2.backColor".
std::string PicturePath(int picture, std::string_view property);
void ShowPicture(engine::DrawObject& part, int picture, bool visible);
// Every one of the 32 pictures hidden.
void HideAllPictures(engine::DrawObject& part);

// Makes `part` the current part and loads its lines.
void LoadPart(DisplayContext& context, engine::DrawObject& part);
// Reads the loaded part's registers as part type `type`. The value bytes are cleared first, so that a
// part that reads no value (a bit button without monitor address, a refused or empty register) shows
// 0 rather than what the previous part left there.
void EvaluateValue(DisplayContext& context, int type);
// The loaded part's display condition.
bool IsShown(DisplayContext& context);
// The four value bytes at ValueScratch offset 1, lowest first.
std::array<std::uint8_t, 4> ValueBytes(DisplayContext& context);

void RefreshBitButton(DisplayContext& context, engine::DrawObject& part);       // type 1
void RefreshButton(DisplayContext& context, engine::DrawObject& part);          // types 2, 3, 4, 78
void RefreshBitLamp(DisplayContext& context, engine::DrawObject& part);         // type 14
void RefreshMultistate(DisplayContext& context, engine::DrawObject& part);      // types 15, 6
void RefreshSelectionClear(DisplayContext& context, engine::DrawObject& part);  // type 81

}  // namespace sim
