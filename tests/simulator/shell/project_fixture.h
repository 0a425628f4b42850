#pragma once
// Builders for the project tests: fixed-column texts placed by column, and small drawings made in
// memory, so no test spells a fixed-column text out by hand.

#include <memory>
#include <string>
#include <string_view>

#include "engine/model/drawing.h"
#include "engine/model/view.h"

namespace sim::test {

// A text of space-padded fields: each value is written at its column and the text grows as needed.
class FixedColumns {
  public:
    FixedColumns& Put(std::size_t column, std::string_view value) {
        if (m_text.size() < column + value.size()) m_text.resize(column + value.size(), ' ');
        m_text.replace(column, value.size(), value);
        return *this;
    }
    FixedColumns& Put(std::size_t column, long long value) { return Put(column, std::to_string(value)); }
    // Pads the text with spaces to `width` characters.
    FixedColumns& Pad(std::size_t width) {
        if (m_text.size() < width) m_text.resize(width, ' ');
        return *this;
    }
    const std::string& Text() const { return m_text; }

  private:
    std::string m_text;
};

// Lines joined with CR LF, each one ended by it as the design tool writes them.
inline std::string ConfigLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) text.append(line).append("\r\n");
    return text;
}

// A drawing built page by page, shown in a view when done.
class DrawingBuilder {
  public:
    DrawingBuilder() : m_drawing(std::make_unique<engine::Drawing>()) {}

    // Page `index`, adding empty pages up to it.
    engine::Page& Page(int index) {
        while (m_drawing->PageCount() <= index) m_drawing->AddPage();
        return *m_drawing->PageAt(index);
    }
    engine::DrawObject& Object(int page, std::string name, int type = 0, std::string config = {},
                               std::string extra = {}) {
        auto object = std::make_unique<engine::DrawObject>("group");
        object->SetName(std::move(name));
        object->SetTypeCode(type);
        object->SetConfigText(std::move(config));
        object->SetExtraText(std::move(extra));
        return *Page(page).AddObject(std::move(object));
    }
    // Moves the drawing into `view`; the builder is empty afterwards.
    void ShowIn(engine::View& view) {
        view.SetDrawing(std::move(m_drawing));
        m_drawing = std::make_unique<engine::Drawing>();
    }

  private:
    std::unique_ptr<engine::Drawing> m_drawing;
};

}  // namespace sim::test
