#include "plugins/common/text_format.h"

#include <charconv>
#include <cstring>

namespace plcaddr {

namespace {

void AppendInBase(std::string& out, int64_t value, int base, bool upperCase) {
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, base);
    for (char* p = digits; p != result.ptr; ++p) {
        out.push_back(upperCase && *p >= 'a' && *p <= 'f' ? static_cast<char>(*p - 'a' + 'A') : *p);
    }
}

}  // namespace

void AppendDecimal(std::string& out, int64_t value) {
    AppendInBase(out, value, 10, false);
}

void AppendTwoDigits(std::string& out, int64_t value) {
    if (value >= 0 && value < 10) out.push_back('0');
    AppendDecimal(out, value);
}

void AppendHex(std::string& out, int64_t value, bool upperCase) {
    AppendInBase(out, value, 16, upperCase);
}

void AppendOctal(std::string& out, int64_t value) {
    AppendInBase(out, value, 8, false);
}

bool CopyText(std::string_view text, char* buffer, size_t size) {
    if (!buffer || size == 0) return false;
    if (text.size() >= size) {
        buffer[0] = '\0';
        return false;
    }
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return true;
}

}  // namespace plcaddr
