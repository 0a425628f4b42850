#include "engine/model/draw_object.h"

#include <algorithm>

#include "engine/model/names.h"

namespace engine {
namespace {

// Style properties every object carries, with the defaults of a filled shape. Names are spelled as in
// the drawing file; lookups ignore case.
const std::vector<std::pair<std::string, Variant>>& ShapeDefaults() {
    static const std::vector<std::pair<std::string, Variant>> defaults = {
        {"backColor", 16777215}, {"frontColor", 0}, {"lineColor", 0},        {"lineWidth", 1},
        {"fillStyle", 1},        {"lineStyle", 0},  {"text", std::string()}, {"fontcolor", 0},
        {"fontsize", 12},        {"textalign", 5},  {"multiline", false},    {"borderStyle", 0},
        {"autoSize", false},     {"lineFlag", 0},   {"file", std::string()},
    };
    return defaults;
}

// Names the engine interface uses for the same style under another word.
std::string_view CanonicalStyle(std::string_view name) {
    static const std::pair<std::string_view, std::string_view> aliases[] = {
        {"fillcolor", "backColor"}, {"textcolor", "fontcolor"}, {"backstyle", "fillStyle"}};
    for (const auto& [alias, canonical] : aliases)
        if (SameName(name, alias)) return canonical;
    return name;
}

}  // namespace

DrawObject::DrawObject(std::string kind) : m_kind(std::move(kind)), m_styles(ShapeDefaults()) {
    // Texts, lines and groups are transparent unless the drawing fills them.
    if (m_kind == "text" || m_kind == "line" || m_kind == "group") PutStyle("fillStyle", 0);
    if (m_kind == "text") PutStyle("lineWidth", 0);
}

void DrawObject::MoveBy(double dx, double dy) {
    if (dx == 0 && dy == 0) return;
    m_left += dx;
    m_top += dy;
    for (auto& point : m_points) {
        point.x += dx;
        point.y += dy;
    }
    for (auto& child : m_children) child->MoveBy(dx, dy);
}

bool DrawObject::Contains(double x, double y) const {
    double x0 = std::min(m_left, m_left + m_width), x1 = std::max(m_left, m_left + m_width);
    double y0 = std::min(m_top, m_top + m_height), y1 = std::max(m_top, m_top + m_height);
    return x >= x0 && x <= x1 && y >= y0 && y <= y1;
}

DrawObject* DrawObject::AddChild(std::unique_ptr<DrawObject> child) {
    child->m_parent = this;
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

DrawObject* DrawObject::FindChild(std::string_view name) const {
    for (const auto& child : m_children)
        if (SameName(child->m_name, name)) return child.get();
    return nullptr;
}

std::unique_ptr<DrawObject> DrawObject::TakeChild(const DrawObject* child) {
    auto it = std::find_if(m_children.begin(), m_children.end(),
                           [child](const auto& owned) { return owned.get() == child; });
    if (it == m_children.end()) return nullptr;
    auto taken = std::move(*it);
    m_children.erase(it);
    taken->m_parent = nullptr;
    return taken;
}

// Walks every segment of `path` but the last through the children; leaves the last in `path`.
const DrawObject* DrawObject::Resolve(std::string_view& path) const {
    const DrawObject* object = this;
    for (size_t dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        if (dot == 0) return nullptr;  // an empty segment names nothing, not an unnamed child
        object = object->FindChild(path.substr(0, dot));
        if (!object) return nullptr;
        path.remove_prefix(dot + 1);
    }
    return object;
}

std::optional<Variant> DrawObject::GetProperty(std::string_view path) const {
    const DrawObject* object = Resolve(path);
    return object ? object->GetOwn(path) : std::nullopt;
}

bool DrawObject::SetProperty(std::string_view path, const Variant& value) {
    auto* object = const_cast<DrawObject*>(Resolve(path));
    return object && object->SetOwn(path, value);
}

std::optional<Variant> DrawObject::GetOwn(std::string_view name) const {
    if (SameName(name, "left")) return m_left;
    if (SameName(name, "top")) return m_top;
    if (SameName(name, "width")) return m_width;
    if (SameName(name, "height")) return m_height;
    if (SameName(name, "right")) return Right();
    if (SameName(name, "visible")) return m_visible;
    if (SameName(name, "selected")) return m_selected;
    if (SameName(name, "name")) return m_name;
    if (SameName(name, "kind")) return m_kind;
    if (SameName(name, "type") || SameName(name, "typecode")) return m_typeCode;
    if (SameName(name, "config") || SameName(name, "configtext")) return m_config;
    if (SameName(name, "extra") || SameName(name, "extratext")) return m_extra;
    if (SameName(name, "lockmask")) return m_lockMask;
    if (SameName(name, "locklevel")) return m_lockLevel;
    if (SameName(name, "pointcount")) return static_cast<int>(m_points.size());
    if (const Variant* style = Style(name)) return *style;
    return std::nullopt;
}

bool DrawObject::SetOwn(std::string_view name, const Variant& value) {
    auto number = VariantNumber(value);
    auto geometry = [&](auto setter) {
        if (!number) return false;
        (this->*setter)(*number);
        return true;
    };
    if (SameName(name, "left")) return geometry(&DrawObject::SetLeft);
    if (SameName(name, "top")) return geometry(&DrawObject::SetTop);
    if (SameName(name, "width")) return geometry(&DrawObject::SetWidth);
    if (SameName(name, "height")) return geometry(&DrawObject::SetHeight);
    if (SameName(name, "visible") || SameName(name, "selected") || SameName(name, "lockmask") ||
        SameName(name, "locklevel") || SameName(name, "type") || SameName(name, "typecode")) {
        if (!number) return false;
        int n = static_cast<int>(*number);
        if (SameName(name, "visible"))
            m_visible = n != 0;
        else if (SameName(name, "selected"))
            m_selected = n != 0;
        else if (SameName(name, "lockmask"))
            m_lockMask = n;
        else if (SameName(name, "locklevel"))
            m_lockLevel = n;
        else
            m_typeCode = n;
        return true;
    }
    if (SameName(name, "name")) {
        m_name = VariantText(value);
        return true;
    }
    std::string_view canonical = CanonicalStyle(name);
    for (auto& [key, stored] : m_styles) {
        if (SameName(key, canonical)) {
            stored = value;
            return true;
        }
    }
    return false;
}

const Variant* DrawObject::Style(std::string_view name) const {
    std::string_view canonical = CanonicalStyle(name);
    for (const auto& [key, stored] : m_styles)
        if (SameName(key, canonical)) return &stored;
    return nullptr;
}

int DrawObject::StyleInt(std::string_view name, int fallback) const {
    const Variant* style = Style(name);
    return style ? VariantInt(*style, fallback) : fallback;
}

std::string DrawObject::StyleText(std::string_view name) const {
    const Variant* style = Style(name);
    return style ? VariantText(*style) : std::string();
}

void DrawObject::PutStyle(std::string_view name, Variant value) {
    std::string_view canonical = CanonicalStyle(name);
    for (auto& [key, stored] : m_styles) {
        if (SameName(key, canonical)) {
            stored = std::move(value);
            return;
        }
    }
    m_styles.emplace_back(std::string(name), std::move(value));
}

void DrawObject::SetPointCount(int count) {
    m_points.resize(static_cast<size_t>(std::clamp(count, 0, 100000)));
}

void DrawObject::SetPointX(int index, double x) {
    if (index >= 0 && static_cast<size_t>(index) < m_points.size())
        m_points[static_cast<size_t>(index)].x = x;
}

void DrawObject::SetPointY(int index, double y) {
    if (index >= 0 && static_cast<size_t>(index) < m_points.size())
        m_points[static_cast<size_t>(index)].y = y;
}

void DrawObject::UpdateShape() {
    if (m_points.empty()) return;
    double x0 = m_points[0].x, x1 = x0, y0 = m_points[0].y, y1 = y0;
    for (const auto& p : m_points) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    m_left = x0, m_top = y0, m_width = x1 - x0, m_height = y1 - y0;
}

}  // namespace engine
