// Word, screen and function switches and combination keys (types 2, 3, 4 and 78), display side: the
// value does not choose the picture; a shown button always shows picture 0.

#include "simulator/display/handler_steps.h"

namespace sim {

namespace {

constexpr int kShape0BlinkLine = 29;  // 1: picture 0 blinks

}  // namespace

void RefreshButton(DisplayContext& context, engine::DrawObject& part) {
    const int type = part.TypeCode();
    LoadPart(context, part);
    if (int entry = context.lists.RegisterPart(type, &part))
        context.lists.List(type).valueA[static_cast<std::size_t>(entry)] =
            context.current.config.Number(kShape0BlinkLine);

    EvaluateValue(context, type);
    const bool shown = IsShown(context);
    ShowPicture(part, 0, shown);
    ShowPicture(part, 1, false);
}

}  // namespace sim
