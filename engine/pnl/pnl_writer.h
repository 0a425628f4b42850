#pragma once
// Writes a drawing in the ".pnl" form the reader takes (texts converted back to UTF-8). Only the style
// properties that differ from an object's kind defaults are written.

#include <string>

#include "engine/model/drawing.h"

namespace engine {

std::string WriteDrawingText(const Drawing& drawing);
bool WriteDrawingFile(const Drawing& drawing, const std::string& path, std::string& error);

}  // namespace engine
