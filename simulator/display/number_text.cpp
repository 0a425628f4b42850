#include "simulator/display/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "simulator/memory/data_format.h"

namespace sim {

namespace {

// Fraction digits beyond this are shown as this many; a configured 400 would otherwise make a
// 400-character text of zeros.
constexpr int kMaxFractionDigits = 30;
// Padding never adds more than this many characters, whatever the total-digits line says.
constexpr std::int64_t kMaxPadding = 64;

// `value` with `decimals` digits after the point ("%.*f"); 0 decimals rounds to an integer text.
std::string FixedText(double value, int decimals) {
    char small[64];
    const int length = std::snprintf(small, sizeof small, "%.*f", decimals, value);
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, length);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string RadixText(std::uint32_t value, int radix) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, radix == kRadixHex ? "%x" : "%o", value);
    return length < 0 ? std::string() : std::string(text, static_cast<std::size_t>(length));
}

bool IsWordType(int dataType) {
    return dataType == kNumberU16 || dataType == kNumber32;
}

// Leading zeros go after a minus sign, so that -2 padded to six digits reads -00002, not 0000-2.
void PadText(std::string& text, const NumberSettings& settings, int fractionDigits) {
    if (settings.padding != kPadZeros && settings.padding != kPadSpaces) return;
    const std::size_t point = text.find('.');
    const auto integerChars = static_cast<std::int64_t>(point == std::string::npos ? text.size() : point);
    const std::int64_t missing =
        std::min(kMaxPadding, std::int64_t{settings.totalDigits} - fractionDigits - integerChars);
    if (settings.padding == kPadZeros) {
        if (missing <= 0) return;
        const std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
        text.insert(at, static_cast<std::size_t>(missing), '0');
        return;
    }
    for (char& c : text) {
        if (c != '0') break;
        c = ' ';
    }
    if (missing > 0) text.insert(0, static_cast<std::size_t>(missing), ' ');
}

}  // namespace

double DecodeNumber(std::span<const std::uint8_t, 4> bytes, int dataType) {
    if (dataType < kNumberU16 || dataType > kNumberFloat) return 0;
    return DecodeValue(dataType, bytes);
}

std::string FormatNumber(int dataType, int displayType, std::span<const std::uint8_t, 4> bytes) {
    if (dataType < kNumberU16 || dataType > kNumberFloat) return {};
    const double value = DecodeNumber(bytes, dataType);
    if (dataType == kNumberFloat) return FixedText(value, 6);
    // Every integer type decodes to a whole number within 32 bits.
    const auto integer = static_cast<std::int64_t>(value);
    if (!IsWordType(dataType)) return std::to_string(integer);
    switch (displayType) {
        case kRadixDecimal:
            return FixedText(value, 0);
        case kRadixHex:
        case kRadixOctal:
            return RadixText(static_cast<std::uint32_t>(integer), displayType);
        case kRadixInteger:
            return std::to_string(integer);
        default:
            return {};
    }
}

double ParseDecimal(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

ShownNumber ShowNumber(std::span<const std::uint8_t, 4> bytes, const NumberSettings& settings) {
    const int type = settings.dataType;
    const double raw = DecodeNumber(bytes, type);
    std::string text = FormatNumber(type, settings.displayType, bytes);
    if (text.empty()) return {.text = {}, .value = raw};

    const bool isFloat = type == kNumberFloat;
    const int fraction = std::clamp(settings.fractionDigits, 0, kMaxFractionDigits);
    const double scale = std::pow(10.0, fraction);
    // A float is taken as its six-decimal text shows it. An integer is its register value: a
    // hexadecimal or octal text read back as decimal digits ("ff" as 0) would misplace the range
    // colours and the scaled value.
    double value = isFloat ? ParseDecimal(text) : raw;

    if (settings.scaling) {
        value = isFloat ? value * settings.gain + settings.offset
                        : value / scale * settings.gain + settings.offset;
        text = FixedText(value, isFloat || fraction > 0 ? 6 : 0);
    }

    // Where the decimal point goes: decimal texts of integer registers. A scaled hexadecimal or octal
    // display shows a decimal number (a fraction has no hexadecimal text), so it gets the point too.
    // The plain integer display type 5 ignores it.
    const bool radix = settings.displayType == kRadixHex || settings.displayType == kRadixOctal;
    const bool decimalPoint = !isFloat && (!IsWordType(type) || settings.displayType == kRadixDecimal ||
                                           (radix && settings.scaling));
    if (isFloat)
        text = FixedText(value, fraction);
    else if (decimalPoint && fraction > 0)
        text = FixedText(settings.scaling ? value : value / scale, fraction);

    PadText(text, settings, fraction);
    return {.text = std::move(text), .value = value};
}

}  // namespace sim
