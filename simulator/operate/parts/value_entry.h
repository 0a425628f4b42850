#pragma once
// The value entry parts: the word switch (type 2), the numeric input (type 12) and the ASCII input
// (type 13) write numbers and texts into words of panel or PLC memory, through the popup keyboards.

#include <cstdint>
#include <string>
#include <vector>

namespace engine {
class DrawObject;
}

namespace sim {

class Panel;
class PanelMemory;

void PressWordSwitch(Panel& panel, engine::DrawObject& part);
void PressNumericInput(Panel& panel, engine::DrawObject& part);
void PressAsciiInput(Panel& panel, engine::DrawObject& part);

// The lowest and highest value of a data type when no range is configured.
struct DataTypeLimits {
    double lower, upper;
};
DataTypeLimits LimitsOf(int dataType);

// Packed BCD of a non-negative integer, its decimal digits read as hexadecimal digits (1234 becomes
// 0x1234); a negative value encodes as 0.
std::uint32_t EncodeBcd(std::int64_t value);

// An entered value as the integer a word of data type `dataType` (not 6) stores: v x 10^d rounded to
// the nearest integer, halves away from zero, BCD-encoded for the BCD types.
std::int64_t IntegerOfEntry(double value, int fractionDigits, int dataType);

// Writes `text` into the word area `area` from word `firstWord` as `maxLength` bytes: byte order "0"
// puts the first character in the low byte, "1" in the high byte; the rest is zero. A run beyond the
// area writes nothing. Returns the bytes as laid out (for the PLC request).
std::vector<std::uint8_t> WriteTextValue(PanelMemory& memory, const std::string& area, std::int32_t firstWord,
                                         const std::string& text, char byteOrder, std::int32_t maxLength);

}  // namespace sim
