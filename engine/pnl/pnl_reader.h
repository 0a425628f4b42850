#pragma once
// Reads the drawing file (".pnl", JSON): pages with their texts, sizes and objects.
//
//   { "pages": [ { "width": 800, "height": 600, "config": TEXT, "extra": TEXT, "objects": [ OBJECT ] } ] }
//   OBJECT: { "kind": "group"|"rect"|"ellipse"|"text"|"line"|"image", "name", "type", "config": TEXT,
//             "extra": TEXT, "left", "top", "width", "height", "visible", "backColor", "frontColor",
//             "lineColor", "lineWidth", "fillStyle", "text", "fontcolor", "fontsize", "textalign",
//             "multiline", "points": [[x, y]], "file", "children": [ OBJECT ] }
//   TEXT: a string (lines separated by CR LF), a list of lines, or a map from line number to text.
//
// Missing keys take defaults; unknown object keys are kept as properties reachable by path. Texts are
// converted from UTF-8 to the project's code page. A malformed file gives nullptr and an error
// "FILE: PLACE: REASON", where PLACE is a line and column or a JSON pointer such as /pages/0/width.

#include <memory>
#include <string>
#include <string_view>

#include "engine/model/drawing.h"

namespace engine {

std::unique_ptr<Drawing> ReadDrawingFile(const std::string& path, std::string& error);
std::unique_ptr<Drawing> ReadDrawingText(std::string_view text, const std::string& source,
                                         std::string& error);

}  // namespace engine
