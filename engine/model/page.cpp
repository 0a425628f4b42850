#include "engine/model/page.h"

#include <algorithm>

#include "engine/model/names.h"

namespace engine {

DrawObject* Selection::Item(int index) const {
    return index >= 0 && index < Count() ? m_items[static_cast<size_t>(index)] : nullptr;
}

void Selection::Add(DrawObject* object) {
    if (!object || Holds(object)) return;
    object->SetSelected(true);
    m_items.push_back(object);
}

void Selection::Clear() {
    for (auto* item : m_items) item->SetSelected(false);
    m_items.clear();
}

bool Selection::Holds(const DrawObject* object) const {
    return std::find(m_items.begin(), m_items.end(), object) != m_items.end();
}

DrawObject* Page::ObjectAt(int index) const {
    return index >= 0 && index < ObjectCount() ? m_objects[static_cast<size_t>(index)].get() : nullptr;
}

DrawObject* Page::FindObject(std::string_view name) const {
    for (const auto& object : m_objects)
        if (SameName(object->Name(), name)) return object.get();
    return nullptr;
}

DrawObject* Page::AddObject(std::unique_ptr<DrawObject> object) {
    m_objects.push_back(std::move(object));
    return m_objects.back().get();
}

DrawObject* Page::CreateObject(const std::string& kind, double left, double top, double width,
                               double height) {
    if (kind != "text" && kind != "line") return nullptr;
    auto object = std::make_unique<DrawObject>(kind);
    object->SetLeft(left);
    object->SetTop(top);
    object->SetWidth(width);
    object->SetHeight(height);
    return AddObject(std::move(object));
}

void Page::DeleteSelected() {
    // Delete only the outermost selected objects: a selected child of a selected group goes with it.
    std::vector<DrawObject*> doomed;
    for (int i = 0; i < m_selection.Count(); ++i) {
        DrawObject* item = m_selection.Item(i);
        bool inSelectedGroup = false;
        for (DrawObject* up = item->Parent(); up && !inSelectedGroup; up = up->Parent())
            inSelectedGroup = m_selection.Holds(up);
        if (!inSelectedGroup) doomed.push_back(item);
    }
    m_selection = Selection();  // the items are about to go; forget them without touching them
    for (DrawObject* item : doomed) {
        if (DrawObject* parent = item->Parent()) {
            parent->TakeChild(item);
            continue;
        }
        auto it = std::find_if(m_objects.begin(), m_objects.end(),
                               [item](const auto& owned) { return owned.get() == item; });
        if (it != m_objects.end()) m_objects.erase(it);
    }
}

DrawObject* Page::ObjectAtPoint(double x, double y) const {
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it)
        if ((*it)->Visible() && (*it)->Contains(x, y)) return it->get();
    return nullptr;
}

}  // namespace engine
