#pragma once
// Which notation the stepper writes for an area of (protocol, model). The stepper keeps a table of its
// own: it differs from the column filler's in several rows (B, W, SW are decimal outside models 3
// and 6, protocol 8 writes %MX with a point, the prefix-and-pair limit, upper-case hexadecimal).

#include <cstdint>
#include <string_view>

namespace plcaddr {

enum class StepNotation {
    Nothing,         // no text is written
    Decimal,         // "%d"
    Hex,             // "%X"
    Octal,           // "%o"
    WordBit16,       // w.bb, 16 bits per word
    WordBit32,       // w.bb, 32 bits per word
    ByteBit8,        // a.b, 8 bits per byte
    TensOctalDigit,  // decimal tens followed by one octal digit
    WordHexDigit,    // decimal word followed by one hexadecimal digit
    HexSuffix,       // prefix followed by two hexadecimal digits, at most 5F
    PrefixPair,      // prefix:a/b, 16 positions per a, at most 4095
    PrefixNumber,    // prefix:n, at most 255
    LimitedDecimal,  // decimal held at the area's limit
    Hundreds16,      // xx00 to xx15 in every hundred, stepped from the caller's last value
};

struct StepRule {
    StepNotation notation = StepNotation::Nothing;
    int64_t limit = 0;  // LimitedDecimal only
};

StepRule StepRuleFor(int32_t protocol, int32_t model, std::string_view area);

}  // namespace plcaddr
