#include "simulator/operate/keyboards/numeric_keyboards.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "simulator/shell/project/fixed_columns.h"

namespace sim {
namespace {

constexpr int kKeypadPage = 24;
// Window size in pixels when the drawing gives none (the page size is used otherwise).
constexpr int kDefaultWidth = 230;
constexpr int kDefaultHeight = 200;

constexpr std::string_view kKeyPrefix = "element";
enum Key {
    kZeroKey = 10,
    kPointKey = 11,
    kMinusKey = 12,
    kBackspaceKey = 13,
    kClearKey = 14,
    kDoubleZeroKey = 15,
    kCancelKey = 16,
    kEnterKey = 17,
};
constexpr int kFloatType = 6;  // data format 6: 32-bit floating point

// The digits a digit key appends ("element1" .. "element10"); empty for any other key.
std::string_view DigitOf(int key) {
    static constexpr std::string_view digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    return key >= 1 && key <= kZeroKey ? digits[key - 1] : std::string_view();
}

// A double narrowed to single precision; values beyond its range become infinite.
float ToFloat(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) return std::numeric_limits<float>::infinity();
    if (value < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// `value` formatted as printf's "%0.<d>f" does; d is kept to what a double can show.
std::string FormatFixed(double value, int fractionDigits) {
    const int d = std::clamp(fractionDigits, 0, 17);
    const int length = std::snprintf(nullptr, 0, "%0.*f", d, value);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::snprintf(buffer.data(), buffer.size(), "%0.*f", d, value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

// The accepted range of a numeric entry, in single precision like the typed number.
struct Range {
    float low, high;
};

Range EntryRange(const NumericEntry& entry) {
    const double scale = entry.dataType == kFloatType ? 1.0 : std::pow(10.0, entry.fractionDigits);
    return {ToFloat(entry.lowerLimit / scale), ToFloat(entry.upperLimit / scale)};
}

}  // namespace

std::optional<float> EnteredNumber(std::string_view text) {
    float value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (error == std::errc()) return value;
    if (error != std::errc::result_out_of_range) return std::nullopt;
    // Too large or too small for a float: a non-zero digit before the point means too large.
    const bool negative = !text.empty() && text[0] == '-';
    bool large = false;
    for (const char* p = begin; p != stop && *p != '.'; ++p) large = large || (*p >= '1' && *p <= '9');
    const float magnitude = large ? std::numeric_limits<float>::infinity() : 0.0f;
    return negative ? -magnitude : magnitude;
}

Keyboard::Keyboard(EntryState& entry, const std::string& programFolder)
    : KeyboardWindow(entry, kKeypadPage, kDefaultWidth, kDefaultHeight) {
    if (!Open(programFolder, {"text1", "text2", "text3", "text100", "rect6"})) return;
    Named("text3")->SetSelected(true);
    Named("text3")->Activate();
    if (engine::DrawObject* masked = Named("text100")) masked->SetSelected(false);

    // The limits are shown only for a value entry; otherwise the texts stay as drawn.
    const NumericEntry& numeric = m_entry.numeric;
    if (numeric.active == 1) {
        const double scale = numeric.dataType == kFloatType ? 1.0 : std::pow(10.0, numeric.fractionDigits);
        SetText("text1", FormatFixed(numeric.upperLimit / scale, numeric.fractionDigits));
        SetText("text2", FormatFixed(numeric.lowerLimit / scale, numeric.fractionDigits));
    }
}

void Keyboard::OnKey(std::string_view name) {
    const int key = KeyNumber(name, kKeyPrefix);
    std::string text = Text();
    if (std::string_view digit = DigitOf(key); !digit.empty()) {
        text += digit;
    } else {
        switch (key) {
            case kDoubleZeroKey:
                text += "00";
                break;
            case kPointKey:
                if (!m_decimalPoint) text += '.';
                m_decimalPoint = true;
                break;
            case kMinusKey:
                if (text.empty() || text[0] != '-') text.insert(0, "-");
                break;
            case kBackspaceKey:
                if (!text.empty()) text.pop_back();
                m_decimalPoint = text.find('.') != std::string::npos;
                break;
            case kClearKey:
                text.clear();
                m_decimalPoint = false;
                break;
            case kCancelKey:
                m_entry.EntryAccepted = 0;
                Close(DialogResult::Cancel);
                return;
            case kEnterKey:
                Enter();
                return;
            default:
                break;  // no key: the display is only refreshed
        }
    }
    // While typing only the upper bound is shown; the lower one is tested by Enter, since a number
    // on its way up (typing "1" of "150" with a lower limit of 100) starts below it.
    SetText("text3", text);
    const std::optional<float> value = EnteredNumber(text);
    SetValid("rect6", !(value && *value > EntryRange(m_entry.numeric).high));
}

void Keyboard::Enter() {
    const std::optional<float> value = EnteredNumber(Text());
    const Range range = EntryRange(m_entry.numeric);
    // A text without a number ("", "-", ".") is refused like one outside the limits.
    if (!value || !(*value >= range.low && *value <= range.high)) {
        SetValid("rect6", false);
        return;
    }
    m_entry.EntryAccepted = 1;
    m_entry.numeric.result = *value;
    Close(DialogResult::Ok);
}

Keyboard_Pass::Keyboard_Pass(EntryState& entry, const Passwords& passwords,
                             std::function<void(int)> setUserLevel, const std::string& programFolder)
    : KeyboardWindow(entry, kKeypadPage, kDefaultWidth, kDefaultHeight),
      m_passwords(passwords),
      m_setUserLevel(std::move(setUserLevel)) {
    if (!Open(programFolder, {"text1", "text2", "text3", "text100", "rect6"})) return;
    // The typed digits stay in the hidden entry field; only the mask is shown.
    Named("text3")->SetSelected(false);
    Named("text3")->SetVisible(false);
    if (engine::DrawObject* masked = Named("text100")) masked->SetSelected(true);
    SetText("text1", "99999");
    SetText("text2", "0");
}

void Keyboard_Pass::OnKey(std::string_view name) {
    const int key = KeyNumber(name, kKeyPrefix);
    std::string text = Text();
    if (std::string_view digit = DigitOf(key); !digit.empty()) {
        text += digit;
    } else {
        switch (key) {
            case kDoubleZeroKey:
                text += "0000";
                break;
            case kPointKey:
                text += '.';
                break;
            case kMinusKey:
                text += '-';
                break;
            case kBackspaceKey:
                if (!text.empty()) text.pop_back();
                break;
            case kClearKey:
                text.clear();
                break;
            case kCancelKey:
                m_entry.EntryAccepted = 0;
                Close(DialogResult::Cancel);
                return;
            case kEnterKey:
                Enter();
                return;
            default:
                break;
        }
    }
    SetText("text100", std::string(text.size(), '*'));
    SetText("text3", text);
    SetValid("rect6", text.size() <= 5);
}

void Keyboard_Pass::Enter() {
    const std::string text = Text();
    m_entry.PasswordText = text;
    if (text.empty()) {
        SetValid("rect6", false);
        return;
    }
    // Passwords are numbers written as text, compared as numbers in level order.
    const std::int32_t typed = DecimalNumber(text);
    int level = 0;
    for (std::size_t k = 0; k < m_passwords.size() && level == 0; ++k)
        if (!m_passwords[k].empty() && DecimalNumber(m_passwords[k]) == typed)
            level = static_cast<int>(k) + 1;
    if (level == 0) {
        SetValid("rect6", false);
        return;
    }
    m_entry.MatchedLevel = level;
    if (m_entry.login.required == 1) {
        if (level < m_entry.login.minimumLevel) {
            SetValid("rect6", false);
            return;
        }
        if (m_setUserLevel) m_setUserLevel(level - 1);
    }
    m_entry.EntryAccepted = 1;
    Close(DialogResult::Ok);
}

}  // namespace sim
