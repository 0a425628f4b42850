#pragma once
// Data format codes 0 to 7 of the part configurations and the value reader, and the helpers that turn
// their bytes into numbers and back. Every multi-byte value is stored least significant byte first.

#include <cstdint>
#include <span>

namespace sim {

enum class DataFormat : std::uint8_t {
    Unsigned16 = 0,
    Integer32 = 1,  // read as signed, like Signed32
    Signed16 = 2,
    Signed32 = 3,
    Bcd16 = 4,
    Bcd32 = 5,
    Float32 = 6,
    Bit = 7,
};

// Bytes a value of format `code` occupies: 1 for a bit, 2 or 4 for words; 0 for an unknown code.
constexpr int FormatWidth(int code) {
    switch (code) {
        case 0:
        case 2:
        case 4:
            return 2;
        case 1:
        case 3:
        case 5:
        case 6:
            return 4;
        case 7:
            return 1;
        default:
            return 0;
    }
}

double DecodeU16(std::uint8_t low, std::uint8_t high);
double DecodeS16(std::uint8_t low, std::uint8_t high);
double Decode32(std::span<const std::uint8_t, 4> bytes);  // format 1
double DecodeS32(std::span<const std::uint8_t, 4> bytes);
double DecodeBcd16(std::uint8_t low, std::uint8_t high);
double DecodeBcd32(std::span<const std::uint8_t, 4> bytes);
double DecodeFloat(std::span<const std::uint8_t, 4> bytes);

// Decodes `bytes` (at least FormatWidth(code) of them) by format code; unknown codes and short input
// give 0.
double DecodeValue(int code, std::span<const std::uint8_t> bytes);

void EncodeU16(std::uint16_t value, std::span<std::uint8_t, 2> out);
void Encode32(std::uint32_t value, std::span<std::uint8_t, 4> out);
void EncodeFloat(float value, std::span<std::uint8_t, 4> out);

}  // namespace sim
