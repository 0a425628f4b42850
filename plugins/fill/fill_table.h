#pragma once
// Which notation the column fillers write for an area of (protocol, model). cellfill and groupfill
// share one table; groupfill replaces the rows of protocols 5, 14 and 43.

#include <cstdint>
#include <string_view>

namespace plcaddr {

enum class FillVariant { Cell, Group };

enum class FillNotation {
    Nothing,         // no cell is written
    Decimal,         // "%d"
    Hex,             // "%x"
    Octal,           // "%o"
    WordBit16,       // word as written, "." and the bit as "%02d", 16 bits per word
    WordBit32,       // as WordBit16 with 32 bits per word
    WordPlainBit,    // word as written, "." and the number after the point as "%d", no carry
    ByteBit8,        // "%d.%d", 8 bits per byte
    WordHexDigit,    // decimal word (left out when 0) followed by one "%x" digit
    Hundreds16,      // decimal, only xx00 to xx15 in every hundred
    PrefixNumber,    // prefix:n, n at most 255
    PrefixPair,      // prefix:a/b, 16 positions per a, at most 4096
    TensOctalDigit,  // decimal tens followed by one octal digit
    ByteBitNoPoint,  // byte and bit written together: "%d%d"
    HexSuffix,       // prefix followed by "%X" of the last two hexadecimal digits, at most 5F
    LimitedDecimal,  // decimal with an upper limit
};

struct FillRule {
    FillNotation notation = FillNotation::Nothing;
    int64_t limit = 0;         // LimitedDecimal and WordPlainBit
    bool stopAtLimit = false;  // past the limit the run ends; otherwise every further row repeats it
};

FillRule FillRuleFor(FillVariant variant, int32_t protocol, int32_t model, std::string_view area);

}  // namespace plcaddr
