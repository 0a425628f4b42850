#pragma once
// One object of a page: a shape, a text, a line, a picture or a group of them. A part of a screen
// is one object (usually a group) whose children are reached by dotted paths ("SHAPE0.txt1.text").
// Coordinates are absolute panel pixels, origin top-left, for children as well as for top-level objects.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/model/variant.h"

namespace engine {

struct PointD {
    double x = 0, y = 0;
};

class DrawObject {
  public:
    // Kinds: "group", "rect", "ellipse", "text", "line", "image". Each kind starts with its style defaults.
    explicit DrawObject(std::string kind);

    const std::string& Kind() const { return m_kind; }
    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int TypeCode() const { return m_typeCode; }
    void SetTypeCode(int code) { m_typeCode = code; }
    // Configuration texts: bytes in the project's code page, lines separated by CR LF.
    const std::string& ConfigText() const { return m_config; }
    void SetConfigText(std::string text) { m_config = std::move(text); }
    const std::string& ExtraText() const { return m_extra; }
    void SetExtraText(std::string text) { m_extra = std::move(text); }

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    double Right() const { return m_left + m_width; }
    double Bottom() const { return m_top + m_height; }
    // Moving an object moves its descendants and its line points with it.
    void SetLeft(double left) { MoveBy(left - m_left, 0); }
    void SetTop(double top) { MoveBy(0, top - m_top); }
    void SetWidth(double width) { m_width = width; }
    void SetHeight(double height) { m_height = height; }
    void MoveBy(double dx, double dy);
    bool Contains(double x, double y) const;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool Selected() const { return m_selected; }
    void SetSelected(bool selected) { m_selected = selected; }
    void Activate() { m_activations++; }
    int Activations() const { return m_activations; }
    int LockMask() const { return m_lockMask; }
    void SetLockMask(int mask) { m_lockMask = mask; }
    int LockLevel() const { return m_lockLevel; }
    void SetLockLevel(int level) { m_lockLevel = level; }

    // Children, in drawing order.
    size_t ChildCount() const { return m_children.size(); }
    DrawObject* ChildAt(size_t index) const {
        return index < m_children.size() ? m_children[index].get() : nullptr;
    }
    DrawObject* AddChild(std::unique_ptr<DrawObject> child);
    DrawObject* FindChild(std::string_view name) const;
    DrawObject* Parent() const { return m_parent; }
    std::unique_ptr<DrawObject> TakeChild(const DrawObject* child);

    // Properties by dotted path: every segment but the last names a child, the last a property.
    // Unknown objects or properties are refused: nullopt / false.
    std::optional<Variant> GetProperty(std::string_view path) const;
    bool SetProperty(std::string_view path, const Variant& value);

    // This object's own style property (no path), or nullptr when it has none of that name.
    const Variant* Style(std::string_view name) const;
    int StyleInt(std::string_view name, int fallback = 0) const;
    std::string StyleText(std::string_view name) const;
    // Adds or replaces a style property; used by the file reader for keys it does not know.
    void PutStyle(std::string_view name, Variant value);
    const std::vector<std::pair<std::string, Variant>>& Styles() const { return m_styles; }

    // Lines: the points of a polyline, absolute panel pixels.
    const std::vector<PointD>& Points() const { return m_points; }
    void SetPointCount(int count);
    void SetPointX(int index, double x);
    void SetPointY(int index, double y);
    void SetPoints(std::vector<PointD> points) { m_points = std::move(points); }
    // Recomputes a line's bounds from its points.
    void UpdateShape();

  private:
    const DrawObject* Resolve(std::string_view& path) const;
    std::optional<Variant> GetOwn(std::string_view name) const;
    bool SetOwn(std::string_view name, const Variant& value);

    std::string m_kind;
    std::string m_name;
    int m_typeCode = 0;
    std::string m_config, m_extra;
    double m_left = 0, m_top = 0, m_width = 10, m_height = 10;
    bool m_visible = true, m_selected = false;
    int m_lockMask = 0, m_lockLevel = 0, m_activations = 0;
    std::vector<std::pair<std::string, Variant>> m_styles;
    std::vector<PointD> m_points;
    std::vector<std::unique_ptr<DrawObject>> m_children;
    DrawObject* m_parent = nullptr;
};

}  // namespace engine
