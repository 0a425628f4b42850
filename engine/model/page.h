#pragma once
// A page of the drawing (one screen of the panel): its texts, size, objects in a stable order and the
// selection the program and the view share.

#include <memory>
#include <string>
#include <vector>

#include "engine/model/draw_object.h"

namespace engine {

class Selection {
  public:
    int Count() const { return static_cast<int>(m_items.size()); }
    DrawObject* Item(int index) const;
    void Add(DrawObject* object);
    void Clear();
    bool Holds(const DrawObject* object) const;

  private:
    std::vector<DrawObject*> m_items;
};

class Page {
  public:
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void SetSize(double width, double height) { m_width = width, m_height = height; }
    int BackColor() const { return m_backColor; }
    void SetBackColor(int color) { m_backColor = color; }
    const std::string& ConfigText() const { return m_config; }
    void SetConfigText(std::string text) { m_config = std::move(text); }
    const std::string& ExtraText() const { return m_extra; }
    void SetExtraText(std::string text) { m_extra = std::move(text); }

    int ObjectCount() const { return static_cast<int>(m_objects.size()); }
    DrawObject* ObjectAt(int index) const;
    DrawObject* FindObject(std::string_view name) const;
    DrawObject* AddObject(std::unique_ptr<DrawObject> object);
    // The program's own objects: kind "text" or "line" only; any other kind gives nullptr.
    DrawObject* CreateObject(const std::string& kind, double left, double top, double width, double height);
    // Removes the selected objects (top-level or nested) and empties the selection.
    void DeleteSelected();
    // The topmost visible top-level object under the point, or nullptr.
    DrawObject* ObjectAtPoint(double x, double y) const;

    Selection& GetSelection() { return m_selection; }
    const Selection& GetSelection() const { return m_selection; }

  private:
    double m_width = 800, m_height = 600;
    int m_backColor = 16777215;
    std::string m_config, m_extra;
    std::vector<std::unique_ptr<DrawObject>> m_objects;
    Selection m_selection;
};

}  // namespace engine
