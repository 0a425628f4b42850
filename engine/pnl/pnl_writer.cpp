#include "engine/pnl/pnl_writer.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "engine/pnl/codepage.h"

namespace engine {
namespace {

using nlohmann::ordered_json;

ordered_json VariantJson(const Variant& value) {
    if (auto b = std::get_if<bool>(&value)) return *b;
    if (auto i = std::get_if<int>(&value)) return *i;
    if (auto d = std::get_if<double>(&value)) return *d;
    return CodePageToUtf8(std::get<std::string>(value));
}

ordered_json ObjectJson(const DrawObject& object) {
    ordered_json out;
    out["kind"] = object.Kind();
    if (!object.Name().empty()) out["name"] = CodePageToUtf8(object.Name());
    if (object.TypeCode()) out["type"] = object.TypeCode();
    if (!object.ConfigText().empty()) out["config"] = CodePageToUtf8(object.ConfigText());
    if (!object.ExtraText().empty()) out["extra"] = CodePageToUtf8(object.ExtraText());
    out["left"] = object.Left();
    out["top"] = object.Top();
    out["width"] = object.Width();
    out["height"] = object.Height();
    if (!object.Visible()) out["visible"] = false;
    DrawObject defaults(object.Kind());
    for (const auto& [key, value] : object.Styles()) {
        const Variant* fresh = defaults.Style(key);
        if (!fresh || *fresh != value) out[key] = VariantJson(value);
    }
    if (!object.Points().empty()) {
        ordered_json points = ordered_json::array();
        for (const auto& p : object.Points()) points.push_back({p.x, p.y});
        out["points"] = points;
    }
    if (object.ChildCount()) {
        ordered_json children = ordered_json::array();
        for (size_t i = 0; i < object.ChildCount(); ++i) children.push_back(ObjectJson(*object.ChildAt(i)));
        out["children"] = children;
    }
    return out;
}

}  // namespace

std::string WriteDrawingText(const Drawing& drawing) {
    ordered_json pages = ordered_json::array();
    for (int i = 0; i < drawing.PageCount(); ++i) {
        const Page& page = *drawing.PageAt(i);
        ordered_json out;
        out["width"] = page.Width();
        out["height"] = page.Height();
        if (page.BackColor() != 16777215) out["backColor"] = page.BackColor();
        if (!page.ConfigText().empty()) out["config"] = CodePageToUtf8(page.ConfigText());
        if (!page.ExtraText().empty()) out["extra"] = CodePageToUtf8(page.ExtraText());
        ordered_json objects = ordered_json::array();
        for (int j = 0; j < page.ObjectCount(); ++j) objects.push_back(ObjectJson(*page.ObjectAt(j)));
        out["objects"] = objects;
        pages.push_back(out);
    }
    ordered_json document;
    document["pages"] = pages;
    return document.dump(1) + "\n";
}

bool WriteDrawingFile(const Drawing& drawing, const std::string& path, std::string& error) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file << WriteDrawingText(drawing);
    if (!file) {
        error = path + ": cannot write the file";
        return false;
    }
    return true;
}

}  // namespace engine
