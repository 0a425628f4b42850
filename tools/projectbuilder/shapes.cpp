#include "tools/projectbuilder/shapes.h"

#include "engine/pnl/codepage.h"

namespace projectbuilder {

namespace {

std::unique_ptr<engine::DrawObject> Make(std::string_view kind, std::string_view name, Rect rect) {
    auto object = std::make_unique<engine::DrawObject>(std::string(kind));
    object->SetName(engine::Utf8ToCodePage(name));
    object->SetLeft(rect.left);
    object->SetTop(rect.top);
    object->SetWidth(rect.width);
    object->SetHeight(rect.height);
    return object;
}

}  // namespace

std::unique_ptr<engine::DrawObject> TextObject(std::string_view name, Rect rect, std::string_view text,
                                               const TextStyle& style) {
    auto object = Make("text", name, rect);
    object->SetProperty("text", engine::Utf8ToCodePage(text));
    object->SetProperty("fontcolor", style.color);
    object->SetProperty("fontsize", style.size);
    object->SetProperty("textalign", style.align);
    object->SetProperty("multiline", style.multiline);
    return object;
}

std::unique_ptr<engine::DrawObject> BoxObject(std::string_view name, Rect rect, int backColor, int lineColor,
                                              int lineWidth, Shape shape) {
    auto object = Make(shape == Shape::Ellipse ? "ellipse" : "rect", name, rect);
    object->SetProperty("backColor", backColor);
    object->SetProperty("lineColor", lineColor);
    object->SetProperty("lineWidth", lineWidth);
    return object;
}

std::unique_ptr<engine::DrawObject> LineObject(std::string_view name, double x0, double y0, double x1,
                                               double y1, int color, int width) {
    auto object = std::make_unique<engine::DrawObject>("line");
    object->SetName(engine::Utf8ToCodePage(name));
    object->SetPoints({{x0, y0}, {x1, y1}});
    object->UpdateShape();
    object->SetProperty("lineColor", color);
    object->SetProperty("lineWidth", width);
    return object;
}

std::unique_ptr<engine::DrawObject> PictureGroup(std::string_view name, int type, Rect rect,
                                                 std::span<const Picture> pictures, Shape shape) {
    auto group = Make("group", name, rect);
    group->SetTypeCode(type);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& picture = pictures[i];
        auto shapeGroup = Make("group", "SHAPE" + std::to_string(i), rect);
        shapeGroup->SetVisible(i == 0);
        shapeGroup->AddChild(
            BoxObject("rc2", rect, picture.backColor, picture.lineColor, picture.lineWidth, shape));
        shapeGroup->AddChild(
            TextObject("txt1", rect, picture.text, {.color = picture.textColor, .size = picture.fontSize}));
        group->AddChild(std::move(shapeGroup));
    }
    return group;
}

}  // namespace projectbuilder
