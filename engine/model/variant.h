#pragma once
// The typed value of an engine property: what SetProperty takes and GetProperty gives back.

#include <optional>
#include <string>
#include <variant>

namespace engine {

using Variant = std::variant<bool, int, double, std::string>;

// Text form of a value: bools as 1 or 0, doubles without trailing zeros.
std::string VariantText(const Variant& value);

// Numeric form: bools and ints widen, texts parse as a number when the whole text is one.
std::optional<double> VariantNumber(const Variant& value);

inline int VariantInt(const Variant& value, int fallback = 0) {
    auto number = VariantNumber(value);
    return number ? static_cast<int>(*number) : fallback;
}

inline bool VariantBool(const Variant& value) {
    return VariantInt(value) != 0;
}

}  // namespace engine
