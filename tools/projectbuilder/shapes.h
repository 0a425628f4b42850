#pragma once
// Plain drawing objects for the look of a screen (titles, labels, frames) and the picture group every
// part is made of. Texts are UTF-8 and stored in the project's code page; colours are 0x00BBGGRR.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/model/draw_object.h"

namespace projectbuilder {

constexpr int Rgb(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

struct Rect {
    double left = 0, top = 0, width = 0, height = 0;
};

// The outline of a part's background ("rc2").
enum class Shape { Rect, Ellipse };

struct TextStyle {
    int color = 0;
    int size = 14;
    int align = 5;  // numeric keypad: 7 8 9 top, 4 5 6 middle, 1 2 3 bottom
    bool multiline = false;
};

std::unique_ptr<engine::DrawObject> TextObject(std::string_view name, Rect rect, std::string_view text,
                                               const TextStyle& style = {});
// A filled box or ellipse; lineWidth 0 draws no outline.
std::unique_ptr<engine::DrawObject> BoxObject(std::string_view name, Rect rect, int backColor, int lineColor,
                                              int lineWidth = 1, Shape shape = Shape::Rect);
std::unique_ptr<engine::DrawObject> LineObject(std::string_view name, double x0, double y0, double x1,
                                               double y1, int color, int width = 1);

// One state picture of a part: its background and its caption.
struct Picture {
    std::string text{};
    int backColor = Rgb(210, 214, 220);
    int textColor = Rgb(20, 20, 20);
    int fontSize = 14;
    int lineColor = Rgb(70, 74, 80);
    int lineWidth = 1;
};

// A group named `name` of part type `type` covering `rect`, holding the pictures "SHAPE0" ..
// "SHAPE{n-1}"; each is a group of the background "rc2" and the caption "txt1", all at the part's
// rectangle. Picture 0 is shown, the others start hidden, as the first refresh would leave them.
std::unique_ptr<engine::DrawObject> PictureGroup(std::string_view name, int type, Rect rect,
                                                 std::span<const Picture> pictures,
                                                 Shape shape = Shape::Rect);

}  // namespace projectbuilder
