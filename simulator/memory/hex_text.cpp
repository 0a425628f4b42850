#include "simulator/memory/hex_text.h"

namespace sim {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::int32_t ParseHexLenient(std::string_view text) {
    if (text.empty()) return -1;
    std::uint32_t value = 0;
    int previous = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit >= 0) previous = digit;
        value = value * 16 + static_cast<std::uint32_t>(previous);
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t ParseHexStrict(std::string_view text) {
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return 0;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace sim
