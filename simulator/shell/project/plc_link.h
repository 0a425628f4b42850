#pragma once
// A PLC connection record of the project settings: one per serial port of the panel.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

struct PlcLink {
    static constexpr std::size_t kRecordBytes = 78;
    static constexpr int kNumberCount = 14;

    std::string portText;  // trimmed
    std::string plcName;   // trimmed
    // The fourteen 4-character numbers of the record in their order (characters 22, 26, ..., 74);
    // the named fields below are copies of some of them.
    std::array<std::int32_t, kNumberCount> numbers{};

    std::int32_t protocol = 0;       // PLC family code (driver table, converters)
    std::int32_t model = 0;          // model within the family
    std::int32_t portIndex = 0;      // 0 COM1, 1 COM2
    std::int32_t baudIndex = 0;      // 0..7: 1200 .. 115200 baud
    std::int32_t parityIndex = 0;    // 0 none, 1 even, 2 odd
    std::int32_t dataBitsIndex = 0;  // 0 seven, 1 eight data bits
    std::int32_t stopBitsIndex = 0;  // 0 one, 1 two stop bits
    std::int32_t replyTimeout = 0;   // in 100 ms steps
    std::int32_t retryCount = 0;
};

// Reads the record that starts at `offset` of the settings text.
PlcLink ReadPlcLink(std::string_view text, std::size_t offset);

}  // namespace sim
