#include "engine/model/variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace engine {

std::string VariantText(const Variant& value) {
    struct Visitor {
        std::string operator()(bool b) const { return b ? "1" : "0"; }
        std::string operator()(int i) const { return std::to_string(i); }
        std::string operator()(double d) const {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.10g", d);
            return buffer;
        }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, value);
}

std::optional<double> VariantNumber(const Variant& value) {
    if (auto b = std::get_if<bool>(&value)) return *b ? 1.0 : 0.0;
    if (auto i = std::get_if<int>(&value)) return *i;
    if (auto d = std::get_if<double>(&value))
        return std::isfinite(*d) ? std::optional<double>(*d) : std::nullopt;
    const auto& text = std::get<std::string>(value);
    double parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(parsed)) return std::nullopt;
    return parsed;
}

}  // namespace engine
