#pragma once
// Register values as numbers and as the texts the numeric parts show. Shared by the numeric displays,
// the value entry parts and every display that compares or draws a register value (bar graphs,
// meters, trends, alarms, moving shapes).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace sim {

// Data type codes of the numeric parts (the same codes as the memory's data formats).
enum NumberType : int {
    kNumberU16 = 0,  // 16-bit unsigned
    kNumber32 = 1,   // 32-bit, read as signed
    kNumberS16 = 2,
    kNumberS32 = 3,
    kNumberBcd16 = 4,
    kNumberBcd32 = 5,
    kNumberFloat = 6,  // IEEE-754 single precision
};

// Display types, which only data types 0 and 1 follow.
enum NumberRadix : int {
    kRadixDecimal = 0,  // "%0.0f"
    kRadixHex = 1,      // "%x", lower case
    kRadixOctal = 2,    // "%o"
    kRadixInteger = 5,  // "%d"
};

// The value of the four register bytes `bytes` (least significant first) as data type `dataType`.
// BCD nibbles above 9 weigh in as they are; floats widen exactly. Any data type outside 0..6 gives 0.
double DecodeNumber(std::span<const std::uint8_t, 4> bytes, int dataType);

// The plain text of the value in `bytes`: data types 0 and 1 by `displayType` (see NumberRadix; any
// other display type gives ""), data types 2 to 5 as a decimal integer, data type 6 as "%f" (six
// decimals). Any other data type gives "". Hexadecimal and octal show a negative 32-bit value as its
// two's complement.
std::string FormatNumber(int dataType, int displayType, std::span<const std::uint8_t, 4> bytes);

// How a numeric part shows its value; each part type reads these from its own configuration lines.
struct NumberSettings {
    int dataType = kNumberU16;
    int displayType = kRadixDecimal;
    int totalDigits = 0;     // width the padding fills, fraction digits included
    int fractionDigits = 0;  // f: decimals shown; an integer register holds the value × 10^f
    bool scaling = false;    // shown value = raw / 10^f × gain + offset (floats: raw × gain + offset)
    double gain = 0;
    double offset = 0;
    int padding = 0;  // 0 none, 1 leading zeros, 2 leading spaces
};

enum NumberPadding : int { kPadNone = 0, kPadZeros = 1, kPadSpaces = 2 };

struct ShownNumber {
    std::string text;
    // The value range colours compare: the register value, scaled when scaling is on, before the
    // decimal point is applied (an integer register with f = 2 holding 1234 gives 1234, not 12.34).
    double value = 0;
};

// The text a numeric display or numeric entry shows for the register bytes `bytes`: the plain text,
// scaling, decimal point and padding. An empty plain text (unknown display or data type) stays empty.
ShownNumber ShowNumber(std::span<const std::uint8_t, 4> bytes, const NumberSettings& settings);

// A decimal fraction as the configuration writes gains, offsets and limits ("2", "-0.5", "1e3"):
// its leading number, 0 when there is none.
double ParseDecimal(std::string_view text);

}  // namespace sim
