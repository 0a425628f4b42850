#pragma once
// Fixed-column fields of the project texts. The design tool writes every project table as one long
// text in which each field sits at a fixed character position with a fixed width; these helpers cut
// such a field and read it as a number or as a word. Positions and widths count bytes (the texts are
// GBK, so a double-byte character takes two positions).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

// Where a field sits in its text: first byte and width.
struct Column {
    std::size_t pos;
    std::size_t len;
};

// The bytes of a field. A text that ends inside the field gives the part that is there; a text that
// ends before the field gives an empty field.
std::string_view Field(std::string_view text, Column column);

// Decimal value of a text, read as the C library's atoi reads it: leading white space is skipped, one
// optional '+' or '-' is taken, then the leading digits; no digits gives 0. So "   5" reads 5, "12ab"
// reads 12, "-3" reads -3 and "- 3" or "abc" read 0. A value beyond the 32-bit range saturates.
std::int32_t DecimalNumber(std::string_view text);

// The bytes before the first space; a text starting with a space is empty ("AB CD" gives "AB").
std::string_view TrimmedText(std::string_view text);

inline std::int32_t FieldNumber(std::string_view text, Column column) {
    return DecimalNumber(Field(text, column));
}

inline std::string FieldText(std::string_view text, Column column) {
    return std::string(TrimmedText(Field(text, column)));
}

// The same field `by` bytes further on: a field of the k-th of several equal records.
constexpr Column Shifted(Column column, std::size_t by) {
    return {column.pos + by, column.len};
}

}  // namespace sim
