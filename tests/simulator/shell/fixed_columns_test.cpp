#include "simulator/shell/project/fixed_columns.h"

#include <gtest/gtest.h>

#include <limits>

namespace sim {
namespace {

TEST(FixedColumns, DecimalNumberReadsLeadingDigitsAfterSpacesAndOneSign) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"", 0},
        {"        ", 0},
        {"   5", 5},
        {"0042", 42},
        {"12ab", 12},
        {"12 3", 12},
        {"abc", 0},
        {"-3", -3},
        {"  -17   ", -17},
        {"+7", 7},
        {"- 3", 0},  // the sign must touch the digits
        {"--3", 0},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"99999999999999999999", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"-99999999999999999999", std::numeric_limits<std::int32_t>::min()},
        {"\xB0\xA1", 0},  // a GBK character is text
    };
    for (const Case& c : cases) EXPECT_EQ(DecimalNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(FixedColumns, TrimmedTextStopsAtTheFirstSpace) {
    struct Case {
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {
        {"", ""},        {"LW", "LW"}, {"LW        ", "LW"},
        {"AB CD", "AB"}, {" LW", ""},  {"\xB1\xC3 x", "\xB1\xC3"},
    };
    for (const Case& c : cases) EXPECT_EQ(TrimmedText(c.text), c.trimmed) << '"' << c.text << '"';
}

TEST(FixedColumns, FieldPastTheEndOfTheTextIsEmptyAndAFieldCutByTheEndKeepsWhatIsThere) {
    const std::string text = "0123456789";
    struct Case {
        Column column;
        const char* field;
        std::int32_t number;
    };
    const Case cases[] = {
        {{0, 4}, "0123", 123}, {{8, 4}, "89", 89}, {{10, 4}, "", 0}, {{500, 8}, "", 0}, {{3, 0}, "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Field(text, c.column), c.field) << c.column.pos << "," << c.column.len;
        EXPECT_EQ(FieldNumber(text, c.column), c.number) << c.column.pos << "," << c.column.len;
    }
}

}  // namespace
}  // namespace sim
