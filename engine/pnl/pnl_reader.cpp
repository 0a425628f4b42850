#include "engine/pnl/pnl_reader.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/pnl/codepage.h"

namespace engine {
namespace {

using nlohmann::json;

constexpr int kMaxNesting = 64;          // groups inside groups; deeper files are refused
constexpr long kMaxSparseLine = 100000;  // highest line number of a sparse configuration map
constexpr double kMaxCoordinate = 1e7;   // beyond this a coordinate is a typo, not a drawing

struct ReadError {
    std::string place, reason;
};

[[noreturn]] void Fail(const std::string& place, const std::string& reason) {
    throw ReadError{place, reason};
}

std::string Place(const std::string& parent, const std::string& key) {
    return parent + "/" + key;
}

double Number(const json& value, const std::string& place) {
    if (!value.is_number()) Fail(place, "expected a number");
    double number = value.get<double>();
    if (!(number >= -kMaxCoordinate && number <= kMaxCoordinate)) Fail(place, "number out of range");
    return number;
}

int Integer(const json& value, const std::string& place) {
    if (!value.is_number()) Fail(place, "expected a number");
    if (value.is_number_integer()) {
        auto wide = value.get<long long>();
        if (wide < INT32_MIN || wide > UINT32_MAX) Fail(place, "integer out of range");
        return static_cast<int>(static_cast<uint32_t>(wide));  // colours up to 0xFFFFFFFF keep their bits
    }
    double number = value.get<double>();
    if (!(number >= INT32_MIN && number <= INT32_MAX)) Fail(place, "integer out of range");
    return static_cast<int>(number);
}

bool Boolean(const json& value, const std::string& place) {
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number_integer()) return value.get<long long>() != 0;
    Fail(place, "expected true or false");
}

std::string Text(const json& value, const std::string& place) {
    if (!value.is_string()) Fail(place, "expected a string");
    return Utf8ToCodePage(value.get_ref<const std::string&>());
}

// TEXT: a string, a list of lines or a sparse map from line number to line; lines joined by CR LF.
std::string MultiLineText(const json& value, const std::string& place) {
    if (value.is_string()) return Text(value, place);
    std::vector<std::string> lines;
    if (value.is_array()) {
        for (size_t i = 0; i < value.size(); ++i)
            lines.push_back(Text(value[i], Place(place, std::to_string(i))));
    } else if (value.is_object()) {
        for (const auto& [key, line] : value.items()) {
            char* end = nullptr;
            long number = std::strtol(key.c_str(), &end, 10);
            if (key.empty() || *end != '\0' || number < 0 || number > kMaxSparseLine)
                Fail(Place(place, key), "line number must be 0 to " + std::to_string(kMaxSparseLine));
            if (lines.size() <= static_cast<size_t>(number)) lines.resize(static_cast<size_t>(number) + 1);
            lines[static_cast<size_t>(number)] = Text(line, Place(place, key));
        }
    } else {
        Fail(place, "expected a string, a list of lines or a map of lines");
    }
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) joined += "\r\n";
        joined += lines[i];
    }
    return joined;
}

bool KnownKind(const std::string& kind) {
    for (const char* known : {"group", "rect", "ellipse", "text", "line", "image"})
        if (kind == known) return true;
    return false;
}

// A value of an unknown key, kept as a property of the object.
Variant ExtraValue(const json& value, const std::string& place) {
    if (value.is_boolean()) return value.get<bool>();
    if (value.is_number_integer()) return Integer(value, place);
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) return Utf8ToCodePage(value.get_ref<const std::string&>());
    return value.dump();
}

std::vector<PointD> Points(const json& value, const std::string& place) {
    if (!value.is_array()) Fail(place, "expected a list of [x, y] points");
    std::vector<PointD> points;
    for (size_t i = 0; i < value.size(); ++i) {
        std::string at = Place(place, std::to_string(i));
        const json& pair = value[i];
        if (!pair.is_array() || pair.size() != 2) Fail(at, "expected [x, y]");
        points.push_back({Number(pair[0], Place(at, "0")), Number(pair[1], Place(at, "1"))});
    }
    return points;
}

std::unique_ptr<DrawObject> ReadObject(const json& value, const std::string& place, int depth);

void ReadChildren(DrawObject& parent, const json& value, const std::string& place, int depth) {
    if (!value.is_array()) Fail(place, "expected a list of objects");
    if (depth >= kMaxNesting) Fail(place, "groups nested too deeply");
    for (size_t i = 0; i < value.size(); ++i)
        parent.AddChild(ReadObject(value[i], Place(place, std::to_string(i)), depth + 1));
}

// Object keys that map onto fixed members; every other key is a style property.
void ReadObjectKey(DrawObject& object, const std::string& key, const json& value, const std::string& at,
                   int depth) {
    if (key == "kind") return;
    if (key == "name") return object.SetName(Text(value, at));
    if (key == "type") return object.SetTypeCode(Integer(value, at));
    if (key == "config") return object.SetConfigText(MultiLineText(value, at));
    if (key == "extra") return object.SetExtraText(MultiLineText(value, at));
    if (key == "left") return object.SetLeft(Number(value, at));
    if (key == "top") return object.SetTop(Number(value, at));
    if (key == "width" || key == "height") {
        double size = Number(value, at);
        if (size < 0) Fail(at, "negative size");
        return key == "width" ? object.SetWidth(size) : object.SetHeight(size);
    }
    if (key == "visible") return object.SetVisible(Boolean(value, at));
    if (key == "points") return object.SetPoints(Points(value, at));
    if (key == "children") return ReadChildren(object, value, at, depth);
    if (key == "text" || key == "file") return object.PutStyle(key, Text(value, at));
    if (key == "multiline") return object.PutStyle(key, Boolean(value, at));
    if (key == "lineWidth") {
        double width = Number(value, at);
        if (width < 0) Fail(at, "negative line width");
        return object.PutStyle(key, value.is_number_integer() ? Variant(Integer(value, at)) : Variant(width));
    }
    if (object.Style(key)) return object.PutStyle(key, Integer(value, at));  // colours, styles, sizes
    object.PutStyle(key, ExtraValue(value, at));
}

std::unique_ptr<DrawObject> ReadObject(const json& value, const std::string& place, int depth) {
    if (!value.is_object()) Fail(place, "expected an object");
    std::string kind = "rect";
    if (auto it = value.find("kind"); it != value.end()) {
        if (!it->is_string()) Fail(Place(place, "kind"), "expected a string");
        kind = it->get<std::string>();
        if (!KnownKind(kind)) Fail(Place(place, "kind"), "unknown kind \"" + kind + "\"");
    }
    auto object = std::make_unique<DrawObject>(kind);
    // Geometry first, so that children (absolute coordinates) are not moved by their group's left/top.
    for (const char* key : {"left", "top"})
        if (auto it = value.find(key); it != value.end())
            ReadObjectKey(*object, key, *it, Place(place, key), depth);
    for (const auto& [key, item] : value.items())
        if (key != "left" && key != "top") ReadObjectKey(*object, key, item, Place(place, key), depth);
    // A line drawn through points takes its bounds from them.
    if (kind == "line" && !object->Points().empty()) object->UpdateShape();
    return object;
}

void ReadPage(Drawing& drawing, const json& value, const std::string& place) {
    if (!value.is_object()) Fail(place, "expected a page object");
    Page& page = *drawing.AddPage();
    double width = page.Width(), height = page.Height();
    for (const auto& [key, item] : value.items()) {
        std::string at = Place(place, key);
        if (key == "width" || key == "height") {
            double size = Number(item, at);
            if (size < 0) Fail(at, "negative size");
            (key == "width" ? width : height) = size;
        } else if (key == "config") {
            page.SetConfigText(MultiLineText(item, at));
        } else if (key == "extra") {
            page.SetExtraText(MultiLineText(item, at));
        } else if (key == "backColor") {
            page.SetBackColor(Integer(item, at));
        } else if (key == "objects") {
            if (!item.is_array()) Fail(at, "expected a list of objects");
            for (size_t i = 0; i < item.size(); ++i)
                page.AddObject(ReadObject(item[i], Place(at, std::to_string(i)), 0));
        }
    }
    page.SetSize(width, height);
}

std::string LineAndColumn(std::string_view text, size_t byte) {
    size_t line = 1, column = 1;
    for (size_t i = 0; i < byte && i < text.size(); ++i) {
        if (text[i] == '\n')
            ++line, column = 1;
        else
            ++column;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::unique_ptr<Drawing> ReadDrawingText(std::string_view text, const std::string& source,
                                         std::string& error) {
    json document;
    try {
        document = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& e) {
        // The library's message reads "[json.exception...] parse error at line L, column C: REASON".
        std::string reason = e.what();
        auto at = reason.find("line ");
        auto colon = at == std::string::npos ? at : reason.find(": ", at);
        if (colon != std::string::npos) reason = reason.substr(colon + 2);
        error = source + ": " + LineAndColumn(text, e.byte > 0 ? e.byte - 1 : 0) + ": " + reason;
        return nullptr;
    } catch (const json::exception& e) {
        // Well-formed JSON the library cannot hold, such as a number beyond the range of a double.
        error = source + ": " + e.what();
        return nullptr;
    }
    auto drawing = std::make_unique<Drawing>();
    try {
        if (!document.is_object()) Fail("/", "expected an object with \"pages\"");
        auto pages = document.find("pages");
        if (pages == document.end()) Fail("/", "no \"pages\"");
        if (!pages->is_array()) Fail("/pages", "expected a list of pages");
        for (size_t i = 0; i < pages->size(); ++i)
            ReadPage(*drawing, (*pages)[i], "/pages/" + std::to_string(i));
    } catch (const ReadError& e) {
        error = source + ": " + e.place + ": " + e.reason;
        return nullptr;
    }
    return drawing;
}

std::unique_ptr<Drawing> ReadDrawingFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot open the file";
        return nullptr;
    }
    std::ostringstream content;
    content << file.rdbuf();
    auto drawing = ReadDrawingText(content.str(), path, error);
    if (drawing) drawing->SetFolder(std::filesystem::path(path).parent_path().string());
    return drawing;
}

}  // namespace engine
