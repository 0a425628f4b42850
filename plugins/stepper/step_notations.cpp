#include "plugins/stepper/step_notations.h"

#include <algorithm>

#include "plugins/common/text_format.h"
#include "plugins/common/text_parse.h"

namespace plcaddr {

namespace {

constexpr int64_t kHexSuffixLimit = 0x5F;
constexpr int64_t kPrefixPairLimit = 0xFFF;
constexpr int64_t kPrefixNumberLimit = 255;
constexpr int64_t kHundreds16Limit = 99915;

// Bit notations are stepped as whole bit numbers (word * bits per word + bit), which gives the same
// texts as stepping the written bit and carrying into the word, and lets a negative step borrow.
bool AppendWordBit(std::string& out, std::string_view start, int64_t delta, int bitsPerWord, int bitDigits) {
    const DottedNumber number = ReadDotted(start, bitDigits);
    const int64_t position = number.whole * bitsPerWord + number.fraction + delta;
    if (position < 0) return false;
    AppendDecimal(out, position / bitsPerWord);
    out.push_back('.');
    if (bitDigits == 2) {
        AppendTwoDigits(out, position % bitsPerWord);
    } else {
        AppendDecimal(out, position % bitsPerWord);
    }
    return true;
}

// "57" is read as tens 5 and octal digit 7 (the text is rewritten as 5.7 and read like a byte.bit);
// the result is written without a point and without a leading zero.
bool AppendTensOctalDigit(std::string& out, std::string_view start, int64_t delta) {
    std::string dotted;
    if (start.size() == 1) {
        dotted = "0.";
        dotted += start;
    } else if (!start.empty()) {
        dotted.assign(start.substr(0, start.size() - 1));
        dotted += '.';
        dotted += start.back();
    }
    const DottedNumber number = ReadDotted(dotted, 1);
    const int64_t position = number.whole * 8 + number.fraction + delta;
    if (position < 0) return false;
    AppendDecimal(out, position / 8 * 10 + position % 8);
    return true;
}

bool AppendWordHexDigit(std::string& out, int32_t protocol, std::string_view start, int64_t delta) {
    int64_t position = 0;
    if (start.empty()) {
        position = protocol == 11 ? delta : 0;
    } else {
        const int last = std::max(HexDigit(start.back()), 0);
        position = start.size() == 1 ? last : 16 * LeadingDecimal(start.substr(0, start.size() - 1)) + last;
        position += delta;
    }
    if (position < 0) return false;
    if (position / 16 != 0) AppendDecimal(out, position / 16);
    AppendHex(out, position % 16, false);
    return true;
}

bool AppendHexSuffix(std::string& out, std::string_view start, int64_t delta) {
    const size_t split = start.size() < 2 ? 0 : start.size() - 2;
    const int64_t position = std::min(HexPrefix(start.substr(split)) + delta, kHexSuffixLimit);
    if (position < 0) return false;
    out.append(start.substr(0, split));
    AppendHex(out, position, true);
    return true;
}

// "prefix:" up to and including the first colon is kept as written; without a colon there is no prefix.
struct Prefixed {
    std::string_view prefix;
    std::string_view number;
};
Prefixed SplitPrefix(std::string_view start) {
    const size_t colon = start.find(':');
    if (colon == std::string_view::npos) return {{}, start};
    return {start.substr(0, colon + 1), start.substr(colon + 1)};
}

bool AppendPrefixPair(std::string& out, std::string_view start, int64_t delta) {
    const Prefixed parts = SplitPrefix(start);
    const SplitText pair = SplitAtFirst(parts.number, '/');
    const int64_t position =
        std::min(16 * LeadingDecimal(pair.before) + LeadingDecimal(pair.after) + delta, kPrefixPairLimit);
    if (position < 0) return false;
    out.append(parts.prefix);
    AppendDecimal(out, position / 16);
    out.push_back('/');
    AppendDecimal(out, position % 16);
    return true;
}

bool AppendPrefixNumber(std::string& out, std::string_view start, int64_t delta) {
    const Prefixed parts = SplitPrefix(start);
    const int64_t position = std::min(LeadingDecimal(parts.number) + delta, kPrefixNumberLimit);
    if (position < 0) return false;
    out.append(parts.prefix);
    AppendDecimal(out, position);
    return true;
}

bool AppendNumber(std::string& out, int64_t position, int base, int64_t limit) {
    position = std::min(position, limit);
    if (position < 0) return false;
    if (base == 16) {
        AppendHex(out, position, true);
    } else if (base == 8) {
        AppendOctal(out, position);
    } else {
        AppendDecimal(out, position);
    }
    return true;
}

}  // namespace

bool StepText(StepRule rule, int32_t protocol, std::string_view start, int64_t delta, std::string& out) {
    constexpr int64_t kNoLimit = INT64_MAX;
    switch (rule.notation) {
        case StepNotation::Nothing:
        case StepNotation::Hundreds16:
            return false;
        case StepNotation::Decimal:
            return AppendNumber(out, LeadingDecimal(start) + delta, 10, kNoLimit);
        case StepNotation::LimitedDecimal:
            return AppendNumber(out, LeadingDecimal(start) + delta, 10, rule.limit);
        case StepNotation::Hex:
            return AppendNumber(out, HexPrefix(start) + delta, 16, kNoLimit);
        case StepNotation::Octal:
            return AppendNumber(out, OctalDigits(start) + delta, 8, kNoLimit);
        case StepNotation::WordBit16:
            return AppendWordBit(out, start, delta, 16, 2);
        case StepNotation::WordBit32:
            return AppendWordBit(out, start, delta, 32, 2);
        case StepNotation::ByteBit8:
            return AppendWordBit(out, start, delta, 8, 1);
        case StepNotation::TensOctalDigit:
            return AppendTensOctalDigit(out, start, delta);
        case StepNotation::WordHexDigit:
            return AppendWordHexDigit(out, protocol, start, delta);
        case StepNotation::HexSuffix:
            return AppendHexSuffix(out, start, delta);
        case StepNotation::PrefixPair:
            return AppendPrefixPair(out, start, delta);
        case StepNotation::PrefixNumber:
            return AppendPrefixNumber(out, start, delta);
    }
    return false;
}

bool StepHundreds16(int32_t& last, std::string_view start, int32_t step, std::string& out) {
    if (last == 0) last = static_cast<int32_t>(LeadingDecimal(start));
    int64_t value = int64_t{last} + step;
    if (value >= 0 && value <= kHundreds16Limit) {
        int64_t hundreds = value / 100;
        int64_t rest = value - 100 * hundreds;
        while (rest >= 16) {
            rest -= 16;
            ++hundreds;
        }
        value = 100 * hundreds + rest;
    }
    last = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    if (value < 0 || value > kHundreds16Limit) return false;
    AppendDecimal(out, value);
    return true;
}

}  // namespace plcaddr
