#pragma once
// The entry state the popup keyboards share with the parts that open them: the caller fills the
// request, runs the keyboard modally and reads the result after it closed. One instance for the run,
// owned by the panel.

#include <cstdint>
#include <string>

namespace sim {

struct NumericEntry {
    double lowerLimit = 0;
    double upperLimit = 0;
    std::int32_t fractionDigits = 0;  // d: the limits are in units of 10^-d (except data type 6)
    std::int32_t dataType = 0;        // data format code
    std::uint8_t active = 0;          // 1 while a value entry has the numeric keyboard open
    float result = 0;
};

struct LoginRequest {
    std::int32_t required = 0;      // 1 while a touch's password prompt is open
    std::int32_t minimumLevel = 0;  // the lowest password index that satisfies it
};

struct EntryState {
    std::int32_t EntryAccepted = 0;  // 1: the last keyboard closed with Enter; 0: cancelled
    NumericEntry numeric;
    std::int32_t AsciiEntryLength = 0;
    std::string AsciiEntryText;       // the last text accepted on an ASCII page (code page bytes)
    std::string AsciiLetterPageText;  // the text each ASCII page starts with
    std::string AsciiSymbolPageText;
    std::string PasswordText;       // the last text submitted on the password keyboard
    std::int32_t MatchedLevel = 0;  // index 1..8 of the password last matched
    LoginRequest login;
};

}  // namespace sim
