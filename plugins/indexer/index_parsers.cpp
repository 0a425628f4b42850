#include "plugins/indexer/index_parsers.h"

#include "plugins/common/text_parse.h"

namespace plcaddr {

namespace {

// Base 16 from left to right; a character that is not a hexadecimal digit counts as the digit before
// it (0 at the start), the way the family's own tool reads a mistyped address.
int64_t RepeatingHex(std::string_view text) {
    if (text.empty()) return -1;
    int64_t value = 0;
    int previous = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit >= 0) previous = digit;
        value = value * 16 + previous;
        if (value > kMaxNumber) return kMaxNumber;
    }
    return value;
}

// Word and bit split at the first point; a text without a point (or ending in it) is a word, bit 0.
struct WordAndBit {
    int64_t word;
    int64_t bit;
};
WordAndBit ReadWordAndBit(std::string_view text) {
    const SplitText parts = SplitAtFirst(text, '.');
    return {LeadingDecimal(parts.before), LeadingDecimal(parts.after)};
}

int64_t WordHexDigit(std::string_view text) {
    if (text.empty()) return 0;
    const int last = HexDigit(text.back());
    const int64_t digit = last < 0 ? 0 : last;
    if (text.size() == 1) return digit;
    return 16 * LeadingDecimal(text.substr(0, text.size() - 1)) + digit;
}

int64_t HexPair(std::string_view text) {
    // Padded with leading zeros to four characters so "A05" reads as hundreds "0A" and units "05".
    std::string_view padded = text;
    char buffer[4] = {'0', '0', '0', '0'};
    if (text.size() < 4) {
        for (size_t i = 0; i < text.size(); ++i) buffer[4 - text.size() + i] = text[i];
        padded = std::string_view(buffer, 4);
    }
    const size_t split = padded.size() - 2;
    return 100 * RepeatingHex(padded.substr(0, split)) + LeadingDecimal(padded.substr(split));
}

int64_t OctalLastDigit(std::string_view text) {
    if (text.size() < 2) return LeadingDecimal(text);
    return 8 * LeadingDecimal(text.substr(0, text.size() - 1)) + LeadingDecimal(text.substr(text.size() - 1));
}

int64_t Colon(std::string_view text) {
    // Without a colon the whole text is the number after it.
    const SplitText parts = SplitAtFirst(text, ':');
    if (!parts.found) return LeadingDecimal(text);
    return 10000 * LeadingDecimal(parts.before) + LeadingDecimal(parts.after);
}

int64_t ColonSlash(std::string_view text) {
    const SplitText colon = SplitAtFirst(text, ':');
    const int64_t file = colon.found ? LeadingDecimal(colon.before) : 0;
    const SplitText slash = SplitAtFirst(colon.found ? colon.after : text, '/');
    return 10000 * file + 16 * LeadingDecimal(slash.before) + LeadingDecimal(slash.after);
}

}  // namespace

int64_t ParseIndex(IndexParser parser, std::string_view text) {
    switch (parser) {
        case IndexParser::None:
            return 0;
        case IndexParser::Decimal:
            return LeadingDecimal(text);
        case IndexParser::Octal:
            return OctalDigits(text);
        case IndexParser::Hex:
            return RepeatingHex(text);
        case IndexParser::WordBit16: {
            const WordAndBit wb = ReadWordAndBit(text);
            return 16 * wb.word + wb.bit % 100;
        }
        case IndexParser::ByteBit8: {
            const WordAndBit wb = ReadWordAndBit(text);
            return 8 * wb.word + wb.bit;
        }
        case IndexParser::WordBit32: {
            const WordAndBit wb = ReadWordAndBit(text);
            return 32 * wb.word + wb.bit;
        }
        case IndexParser::WordHexDigit:
            return WordHexDigit(text);
        case IndexParser::Hundreds16: {
            const int64_t v = LeadingDecimal(text);
            return 16 * (v / 100) + v % 100;
        }
        case IndexParser::HexPair:
            return HexPair(text);
        case IndexParser::OctalLastDigit:
            return OctalLastDigit(text);
        case IndexParser::Colon:
            return Colon(text);
        case IndexParser::ColonSlash:
            return ColonSlash(text);
        case IndexParser::Half:
            return LeadingDecimal(text) / 2;
        case IndexParser::CounterPairs: {
            const int64_t n = LeadingDecimal(text);
            return n > 200 ? 2 * n - 200 : n;
        }
    }
    return 0;
}

}  // namespace plcaddr
