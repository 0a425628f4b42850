#pragma once
// Readers for the address texts of the design tool. Every reader accepts any text: the design tool
// passes whatever the user typed, so a character that does not fit counts as described per reader
// and a number too large for a register address is held at kMaxNumber instead of overflowing.

#include <cstdint>
#include <string_view>

namespace plcaddr {

inline constexpr int64_t kMaxNumber = INT32_MAX;

// Value of a decimal digit character, 0 for any other character.
int DecimalDigit(char c);

// Value of a hexadecimal digit character (0-9, a-f, A-F), -1 for any other character.
int HexDigit(char c);

// The digits at the start of the text as a decimal number; 0 when the text does not start with a digit.
// No sign and no leading blanks are read: addresses have neither.
int64_t LeadingDecimal(std::string_view text);

// Each character read on its own as a decimal digit (other characters 0), weighted by 8 to the power
// of its position from the right. The PLC families write octal addresses this way, so "18" reads 16.
int64_t OctalDigits(std::string_view text);

// The hexadecimal digits at the start of the text, up to the first other character.
int64_t HexPrefix(std::string_view text);

// A text read the way a floating-point reader reads "whole.fraction": the leading digits, and when a
// point follows them, the first `fractionDigits` digits after it as an integer (missing digits count
// as 0, so with two digits "100.5" gives fraction 50). Reading stops at the first foreign character.
struct DottedNumber {
    int64_t whole = 0;
    int fraction = 0;
};
DottedNumber ReadDotted(std::string_view text, int fractionDigits);

// The text before and after the first `separator`; without one, `before` is the whole text and
// `after` is empty.
struct SplitText {
    std::string_view before;
    std::string_view after;
    bool found = false;
};
SplitText SplitAtFirst(std::string_view text, char separator);

// A text pointer from the C interface as a view; null reads as the empty text.
inline std::string_view TextOf(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace plcaddr
