#include "converters/addrmap/addrmap.h"

#include <cstdint>
#include <limits>

#include "converters/common/plc_families.h"
#include "converters/include/plc_converters.h"

namespace conv {

namespace {

// Parsers accept any text, as the design tool lets the user type anything into an address cell. They
// compute in 64 bits and stop growing past this bound so that a long text cannot overflow; the caller
// then reports no index.
constexpr std::int64_t kTooLarge = std::int64_t{std::numeric_limits<int>::max()} + 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int64_t Decimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value >= kTooLarge) return kTooLarge;
    }
    return value;
}

// Each character's decimal digit value (0 for a non-digit) weighted by 8 to the power of its place
// from the right. An 8 or 9 is not rejected; it simply weighs more.
std::int64_t Octal(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 8 + (IsDigit(c) ? c - '0' : 0);
        if (value >= kTooLarge) return kTooLarge;
    }
    return value;
}

// "w.b" is bit b of 16-bit word w. Only the last two digits of b count, matching the design tool.
std::int64_t WordBit16(std::string_view text) {
    const std::size_t dot = text.find('.');
    const std::int64_t word = Decimal(text.substr(0, dot));
    const std::int64_t bit = dot == std::string_view::npos ? 0 : Decimal(text.substr(dot + 1)) % 100;
    return word >= kTooLarge ? kTooLarge : 16 * word + bit;
}

}  // namespace

int IndexOf(std::string_view registerName, std::string_view addressText, int protocol, int model) {
    const PlcRegister* reg = FindRegister(protocol, model, registerName);
    if (!reg || addressText.empty()) return kNoIndex;
    std::int64_t index = 0;
    switch (reg->rule) {
        case IndexRule::Decimal:
            index = Decimal(addressText);
            break;
        case IndexRule::Octal:
            index = Octal(addressText);
            break;
        case IndexRule::WordBit16:
            index = WordBit16(addressText);
            break;
    }
    return index >= kTooLarge ? kNoIndex : static_cast<int>(index);
}

}  // namespace conv
