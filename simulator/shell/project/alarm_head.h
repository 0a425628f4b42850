#pragma once
// The 20-character head shared by the two alarm tables of page 0's "Lock1" object: how many alarms
// are in use and the first register they watch (alarm i watches the register i places after it).

#include <cstdint>
#include <string>
#include <string_view>

namespace sim {

struct AlarmHead {
    static constexpr std::size_t kBytes = 20;

    std::int32_t count = 0;  // alarms in use, as written (the tables clamp it to their capacity)
    std::int32_t link = 0;
    std::int32_t station = 0;
    std::int32_t scanTime = 0;  // compared with the alarm display's millisecond clock
    std::string registerName;   // trimmed
    std::string addressText;    // trimmed
};

AlarmHead ReadAlarmHead(std::string_view text);

// A message field without the spaces that pad it to its width; spaces inside the message stay.
std::string AlarmMessage(std::string_view field);

}  // namespace sim
