#pragma once
// The two hexadecimal text parsers of the numeric parts. Both take the digits 0-9, a-f and A-F; they
// differ in how they treat any other character. Values wrap modulo 2^32 like the panel's 32-bit
// registers, so an over-long text gives a defined (if meaningless) result.

#include <cstdint>
#include <string_view>

namespace sim {

// Lenient: an empty text gives -1; any other character repeats the digit before it (0 at the start),
// so "1G" reads as 0x11.
std::int32_t ParseHexLenient(std::string_view text);

// Strict: any character that is not a hexadecimal digit makes the whole result 0; an empty text is 0.
std::int32_t ParseHexStrict(std::string_view text);

}  // namespace sim
