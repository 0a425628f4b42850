#include "plugins/common/text_parse.h"

#include <algorithm>

namespace plcaddr {

namespace {

// value * base + digit, held at kMaxNumber once it passes it.
int64_t Accumulate(int64_t value, int base, int digit) {
    return std::min(value * base + digit, kMaxNumber);
}

}  // namespace

int DecimalDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int64_t LeadingDecimal(std::string_view text) {
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = Accumulate(value, 10, c - '0');
    }
    return value;
}

int64_t OctalDigits(std::string_view text) {
    int64_t value = 0;
    for (char c : text) value = Accumulate(value, 8, DecimalDigit(c));
    return value;
}

int64_t HexPrefix(std::string_view text) {
    int64_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) break;
        value = Accumulate(value, 16, digit);
    }
    return value;
}

DottedNumber ReadDotted(std::string_view text, int fractionDigits) {
    DottedNumber number;
    size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number.whole = Accumulate(number.whole, 10, text[i] - '0');
    }
    const bool hasPoint = i < text.size() && text[i] == '.';
    if (hasPoint) ++i;
    for (int d = 0; d < fractionDigits; ++d) {
        int digit = 0;
        if (hasPoint && i < text.size() && text[i] >= '0' && text[i] <= '9') {
            digit = text[i++] - '0';
        } else {
            i = text.size();  // the number ended: the remaining places are zeros
        }
        number.fraction = number.fraction * 10 + digit;
    }
    return number;
}

SplitText SplitAtFirst(std::string_view text, char separator) {
    const size_t at = text.find(separator);
    if (at == std::string_view::npos) return {text, {}, false};
    return {text.substr(0, at), text.substr(at + 1), true};
}

}  // namespace plcaddr
