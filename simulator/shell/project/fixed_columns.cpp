#include "simulator/shell/project/fixed_columns.h"

#include <limits>

namespace sim {

std::string_view Field(std::string_view text, Column column) {
    if (column.pos >= text.size()) return {};
    return text.substr(column.pos, column.len);
}

std::int32_t DecimalNumber(std::string_view text) {
    std::size_t i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate in 64 bits and stop growing once past the 32-bit range, so any length is safe.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::string_view TrimmedText(std::string_view text) {
    return text.substr(0, text.find(' '));
}

}  // namespace sim
