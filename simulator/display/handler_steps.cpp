#include "simulator/display/handler_steps.h"

#include <span>

#include "simulator/memory/part_condition.h"

namespace sim {

std::string PicturePath(int picture, std::string_view property) {
    std::string path = "SHAPE" + std::to_string(picture) + ".";
    path += property;
    return path;
}

void ShowPicture(engine::DrawObject& part, int picture, bool visible) {
    part.SetProperty(PicturePath(picture, "visible"), visible);
}

void HideAllPictures(engine::DrawObject& part) {
    for (int picture = 0; picture < kPictureCount; ++picture) ShowPicture(part, picture, false);
}

void LoadPart(DisplayContext& context, engine::DrawObject& part) {
    LoadPartConfig(context.current, &part);
}

void EvaluateValue(DisplayContext& context, int type) {
    const std::array<std::uint8_t, 4> zero{};
    context.access.Memory().CopyIn(Area::ValueScratch, kScratchValue, zero);
    EvaluatePart(type, context.current.config, context.access, context.tables);
}

bool IsShown(DisplayContext& context) {
    return PartCondition(context.current.config, context.access) == 1;
}

std::array<std::uint8_t, 4> ValueBytes(DisplayContext& context) {
    std::array<std::uint8_t, 4> bytes{};
    context.access.Memory().CopyOut(Area::ValueScratch, kScratchValue, bytes);
    return bytes;
}

}  // namespace sim
