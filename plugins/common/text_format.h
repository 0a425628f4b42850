#pragma once
// Writers for address texts: the printf notations the PLC families use, appended to a string, and the
// copy of a finished text into a caller's buffer.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plcaddr {

// "%d"
void AppendDecimal(std::string& out, int64_t value);
// "%02d"
void AppendTwoDigits(std::string& out, int64_t value);
// "%x" or "%X" of a value that is not negative.
void AppendHex(std::string& out, int64_t value, bool upperCase);
// "%o" of a value that is not negative.
void AppendOctal(std::string& out, int64_t value);

// Copies text and its terminator into buffer[0 .. size - 1]. A text that does not fit is not cut short
// (a shortened address names another register): the buffer gets the empty text and false is returned.
bool CopyText(std::string_view text, char* buffer, size_t size);

}  // namespace plcaddr
