#include "plugins/fill/fill_run.h"

#include <algorithm>

#include "plugins/common/text_format.h"
#include "plugins/common/text_parse.h"

namespace plcaddr {

namespace {

constexpr int64_t kPrefixNumberLimit = 255;
constexpr int64_t kPrefixPairLimit = 0x1000;
constexpr int64_t kHexSuffixLimit = 0x5F;

// "prefix:" up to and including the first colon is kept as written; without a colon there is no prefix.
struct Prefixed {
    std::string_view prefix;
    std::string_view number;
};
Prefixed SplitPrefix(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos) return {{}, text};
    return {text.substr(0, colon + 1), text.substr(colon + 1)};
}

int64_t WordHexDigitStart(std::string_view text) {
    if (text.empty()) return 0;
    const int64_t digit = std::max(HexDigit(text.back()), 0);
    if (text.size() == 1) return digit;
    return 16 * LeadingDecimal(text.substr(0, text.size() - 1)) + digit;
}

// Bits per word or byte; past the last bit the next word or byte starts at bit 0.
int64_t MinorRadix(FillNotation notation) {
    switch (notation) {
        case FillNotation::WordBit16:
            return 16;
        case FillNotation::WordBit32:
            return 32;
        case FillNotation::ByteBit8:
        case FillNotation::TensOctalDigit:
            return 8;
        default:
            return 0;  // no carry
    }
}

}  // namespace

FillRun::FillRun(FillRule rule, FillVariant variant, std::string_view text) : m_rule(rule) {
    switch (rule.notation) {
        case FillNotation::Nothing:
            break;
        case FillNotation::Decimal:
        case FillNotation::Hundreds16:
        case FillNotation::LimitedDecimal:
            m_position = LeadingDecimal(text);
            break;
        case FillNotation::Hex:
            m_position = HexPrefix(text);
            break;
        case FillNotation::Octal:
            m_position = OctalDigits(text);
            break;
        case FillNotation::WordHexDigit:
            m_position = WordHexDigitStart(text);
            break;
        case FillNotation::PrefixNumber: {
            const Prefixed parts = SplitPrefix(text);
            m_prefix = parts.prefix;
            m_position = LeadingDecimal(parts.number);
            break;
        }
        case FillNotation::PrefixPair: {
            const Prefixed parts = SplitPrefix(text);
            const SplitText pair = SplitAtFirst(parts.number, '/');
            m_prefix = parts.prefix;
            m_position = 16 * LeadingDecimal(pair.before) + LeadingDecimal(pair.after);
            break;
        }
        case FillNotation::ByteBitNoPoint: {
            const SplitText parts = SplitAtFirst(text, '.');
            m_position = 8 * LeadingDecimal(parts.before) + LeadingDecimal(parts.after);
            break;
        }
        case FillNotation::HexSuffix: {
            const size_t split = text.size() < 2 ? 0 : text.size() - 2;
            m_prefix = text.substr(0, split);
            m_position = HexPrefix(text.substr(split));
            break;
        }
        case FillNotation::WordBit16:
        case FillNotation::WordBit32:
        case FillNotation::WordPlainBit:
        case FillNotation::ByteBit8:
        case FillNotation::TensOctalDigit:
            StartMajorMinor(variant, text);
            break;
    }
}

void FillRun::StartMajorMinor(FillVariant variant, std::string_view text) {
    switch (m_rule.notation) {
        case FillNotation::ByteBit8:
            if (variant == FillVariant::Cell) {
                // Read as a floating-point number: the byte and the one digit after the point.
                const DottedNumber number = ReadDotted(text, 1);
                m_major = number.whole;
                m_minor = number.fraction;
            } else {
                const SplitText parts = SplitAtFirst(text, '.');
                m_major = LeadingDecimal(parts.before);
                m_minor = LeadingDecimal(parts.after);
            }
            AppendDecimal(m_majorText, m_major);
            break;
        case FillNotation::TensOctalDigit:
            if (variant == FillVariant::Cell) {
                const int64_t value = LeadingDecimal(text);
                m_major = value / 10;
                m_minor = value % 10;
                AppendDecimal(m_majorText, m_major);
            } else if (!text.empty()) {
                // The last character is the digit; the tens stay as written ("" for a one-character text).
                m_majorText.assign(text.substr(0, text.size() - 1));
                m_major = LeadingDecimal(m_majorText);
                m_minor = DecimalDigit(text.back());
            }
            break;
        default: {
            // Word.bit: the word stays as written, the bit is the number after the point.
            const SplitText parts = SplitAtFirst(text, '.');
            m_majorText.assign(parts.before);
            m_major = LeadingDecimal(parts.before);
            m_minor = LeadingDecimal(parts.after);
            break;
        }
    }
}

bool FillRun::AppendCurrent(std::string& out) const {
    switch (m_rule.notation) {
        case FillNotation::Nothing:
            return false;
        case FillNotation::Decimal:
        case FillNotation::Hundreds16:
            AppendDecimal(out, m_position);
            return true;
        case FillNotation::LimitedDecimal:
            if (m_rule.stopAtLimit && m_position > m_rule.limit) return false;
            AppendDecimal(out, std::min(m_position, m_rule.limit));
            return true;
        case FillNotation::Hex:
            AppendHex(out, m_position, false);
            return true;
        case FillNotation::Octal:
            AppendOctal(out, m_position);
            return true;
        case FillNotation::WordHexDigit:
            if (m_position / 16 != 0) AppendDecimal(out, m_position / 16);
            AppendHex(out, m_position % 16, false);
            return true;
        case FillNotation::PrefixNumber:
            out.append(m_prefix);
            AppendDecimal(out, std::min(m_position, kPrefixNumberLimit));
            return true;
        case FillNotation::PrefixPair: {
            const int64_t position = std::min(m_position, kPrefixPairLimit);
            out.append(m_prefix);
            AppendDecimal(out, position / 16);
            out.push_back('/');
            AppendDecimal(out, position % 16);
            return true;
        }
        case FillNotation::ByteBitNoPoint:
            AppendDecimal(out, m_position / 8);
            AppendDecimal(out, m_position % 8);
            return true;
        case FillNotation::HexSuffix:
            out.append(m_prefix);
            AppendHex(out, std::min(m_position, kHexSuffixLimit), true);
            return true;
        case FillNotation::WordBit16:
        case FillNotation::WordBit32:
            out.append(m_majorText);
            out.push_back('.');
            AppendTwoDigits(out, m_minor);
            return true;
        case FillNotation::WordPlainBit:
            if (m_rule.stopAtLimit && m_minor > m_rule.limit) return false;
            out.append(m_majorText);
            out.push_back('.');
            AppendDecimal(out, m_minor);
            return true;
        case FillNotation::ByteBit8:
            out.append(m_majorText);
            out.push_back('.');
            AppendDecimal(out, m_minor);
            return true;
        case FillNotation::TensOctalDigit:
            out.append(m_majorText);
            AppendDecimal(out, m_minor);
            return true;
    }
    return false;
}

void FillRun::Carry() {
    m_minor = 0;
    ++m_major;
    m_majorText.clear();
    AppendDecimal(m_majorText, m_major);
}

void FillRun::Advance(int64_t step) {
    switch (m_rule.notation) {
        case FillNotation::Hundreds16:
            // After xx15 (or any number at or above it within its hundred) comes the next hundred.
            for (int64_t i = 0; i < step; ++i) {
                m_position = m_position % 100 >= 15 ? (m_position / 100 + 1) * 100 : m_position + 1;
            }
            break;
        case FillNotation::WordBit16:
        case FillNotation::WordBit32:
        case FillNotation::ByteBit8:
        case FillNotation::TensOctalDigit:
            m_minor += step;
            if (m_minor >= MinorRadix(m_rule.notation)) Carry();
            break;
        case FillNotation::WordPlainBit:
            m_minor += step;
            break;
        default:
            m_position += step;
            break;
    }
}

}  // namespace plcaddr
