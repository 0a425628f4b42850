#include "simulator/memory/data_format.h"

#include <bit>

namespace sim {

namespace {

std::uint32_t Compose32(std::span<const std::uint8_t, 4> b) {
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
           std::uint32_t{b[3]} << 24;
}

// One BCD byte: high nibble = tens, low nibble = units. Nibbles above 9 are weighted as they are, the
// way the panel shows a malformed BCD register, rather than rejected.
int BcdByte(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

}  // namespace

double DecodeU16(std::uint8_t low, std::uint8_t high) {
    return low | high << 8;
}

double DecodeS16(std::uint8_t low, std::uint8_t high) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
}

double Decode32(std::span<const std::uint8_t, 4> bytes) {
    return DecodeS32(bytes);
}

double DecodeS32(std::span<const std::uint8_t, 4> bytes) {
    return static_cast<std::int32_t>(Compose32(bytes));
}

double DecodeBcd16(std::uint8_t low, std::uint8_t high) {
    return BcdByte(high) * 100 + BcdByte(low);
}

double DecodeBcd32(std::span<const std::uint8_t, 4> bytes) {
    double value = 0;
    for (int i = 3; i >= 0; --i) value = value * 100 + BcdByte(bytes[i]);
    return value;
}

double DecodeFloat(std::span<const std::uint8_t, 4> bytes) {
    return std::bit_cast<float>(Compose32(bytes));
}

double DecodeValue(int code, std::span<const std::uint8_t> bytes) {
    const int width = FormatWidth(code);
    if (width == 0 || bytes.size() < static_cast<std::size_t>(width)) return 0;
    if (width == 4) {
        const std::span<const std::uint8_t, 4> four = bytes.first<4>();
        switch (code) {
            case 1:
                return Decode32(four);
            case 3:
                return DecodeS32(four);
            case 5:
                return DecodeBcd32(four);
            default:
                return DecodeFloat(four);
        }
    }
    switch (code) {
        case 0:
            return DecodeU16(bytes[0], bytes[1]);
        case 2:
            return DecodeS16(bytes[0], bytes[1]);
        case 4:
            return DecodeBcd16(bytes[0], bytes[1]);
        default:
            return bytes[0];
    }
}

void EncodeU16(std::uint16_t value, std::span<std::uint8_t, 2> out) {
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

void Encode32(std::uint32_t value, std::span<std::uint8_t, 4> out) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void EncodeFloat(float value, std::span<std::uint8_t, 4> out) {
    Encode32(std::bit_cast<std::uint32_t>(value), out);
}

}  // namespace sim
