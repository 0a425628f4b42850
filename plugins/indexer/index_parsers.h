#pragma once
// The readers that turn an address text into a linear position, one per notation of the PLC families.

#include <cstdint>
#include <string_view>

namespace plcaddr {

enum class IndexParser {
    None,            // the area has no index in this family
    Decimal,         // leading decimal integer
    Octal,           // digits weighted by powers of 8
    Hex,             // base 16, a foreign character repeating the previous digit
    WordBit16,       // w.b -> 16w + (b mod 100)
    ByteBit8,        // a.b -> 8a + b
    WordBit32,       // w.b -> 32w + b
    WordHexDigit,    // decimal word followed by one hexadecimal digit
    Hundreds16,      // only xx00 to xx15 exist in each hundred
    HexPair,         // hexadecimal hundreds, decimal last two digits
    OctalLastDigit,  // decimal tens, last digit octal
    Colon,           // a:b -> 10000a + b
    ColonSlash,      // a:b/c -> 10000a + 16b + c
    Half,            // byte address of a word area: decimal / 2
    CounterPairs,    // counters above 200 take two positions each
};

// The position the text gives under `parser`, before any scale or offset; 0 for IndexParser::None.
int64_t ParseIndex(IndexParser parser, std::string_view text);

}  // namespace plcaddr
