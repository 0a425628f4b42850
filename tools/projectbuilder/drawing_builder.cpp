#include "tools/projectbuilder/drawing_builder.h"

#include "engine/pnl/pnl_writer.h"

namespace projectbuilder {

engine::Page& DrawingBuilder::Page(int index) {
    while (m_drawing->PageCount() <= index) m_drawing->AddPage();
    return *m_drawing->PageAt(index);
}

engine::DrawObject& DrawingBuilder::Add(int page, std::unique_ptr<engine::DrawObject> object) {
    return *Page(page).AddObject(std::move(object));
}

engine::DrawObject& DrawingBuilder::Object(int page, std::string name, int type, std::string config,
                                           std::string extra) {
    auto object = std::make_unique<engine::DrawObject>("group");
    object->SetName(std::move(name));
    object->SetTypeCode(type);
    object->SetConfigText(std::move(config));
    object->SetExtraText(std::move(extra));
    return Add(page, std::move(object));
}

std::unique_ptr<engine::Drawing> DrawingBuilder::Take() {
    auto drawing = std::move(m_drawing);
    m_drawing = std::make_unique<engine::Drawing>();
    return drawing;
}

bool DrawingBuilder::Write(const std::string& path, std::string& error) const {
    return engine::WriteDrawingFile(*m_drawing, path, error);
}

}  // namespace projectbuilder
