#pragma once
// A drawing built page by page in memory, then shown in a view or written as a ".pnl" file.

#include <memory>
#include <string>

#include "engine/model/drawing.h"
#include "engine/model/view.h"

namespace projectbuilder {

class DrawingBuilder {
  public:
    DrawingBuilder() : m_drawing(std::make_unique<engine::Drawing>()) {}

    // Page `index`, adding empty pages up to it.
    engine::Page& Page(int index);
    // Appends `object` to page `page` and returns it.
    engine::DrawObject& Add(int page, std::unique_ptr<engine::DrawObject> object);
    // Appends an empty group with a name, type code and texts (code page bytes).
    engine::DrawObject& Object(int page, std::string name, int type = 0, std::string config = {},
                               std::string extra = {});

    const engine::Drawing& Drawing() const { return *m_drawing; }
    // Moves the drawing out (into `view`); the builder is empty afterwards.
    std::unique_ptr<engine::Drawing> Take();
    void ShowIn(engine::View& view) { view.SetDrawing(Take()); }
    // Writes the drawing as a ".pnl" file; false with `error` set when the file cannot be written.
    bool Write(const std::string& path, std::string& error) const;

  private:
    std::unique_ptr<engine::Drawing> m_drawing;
};

}  // namespace projectbuilder
