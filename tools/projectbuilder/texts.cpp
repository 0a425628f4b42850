#include "tools/projectbuilder/texts.h"

#include <stdexcept>

namespace projectbuilder {

FixedColumns& FixedColumns::Put(std::size_t column, std::string_view value) {
    if (m_text.size() < column + value.size()) m_text.resize(column + value.size(), ' ');
    m_text.replace(column, value.size(), value);
    return *this;
}

FixedColumns& FixedColumns::Pad(std::size_t width) {
    if (m_text.size() < width) m_text.resize(width, ' ');
    return *this;
}

FixedColumns& FixedColumns::Number(std::size_t column, std::size_t width, long long value) {
    const std::string digits = std::to_string(value);
    if (digits.size() > width)
        throw std::invalid_argument(digits + " does not fit a field of " + std::to_string(width) +
                                    " characters at column " + std::to_string(column));
    Pad(column + width);
    return Put(column, std::string(width - digits.size(), ' ') + digits);
}

FixedColumns& FixedColumns::Word(std::size_t column, std::size_t width, std::string_view word) {
    if (word.size() > width || word.find(' ') != std::string_view::npos)
        throw std::invalid_argument("\"" + std::string(word) + "\" is not one word of at most " +
                                    std::to_string(width) + " characters (column " + std::to_string(column) +
                                    ")");
    Pad(column + width);
    return Put(column, word);
}

ConfigLines::ConfigLines(std::initializer_list<std::string_view> lines) {
    int line = 0;
    for (std::string_view text : lines) Set(line++, text);
}

ConfigLines& ConfigLines::Set(int line, std::string_view text) {
    if (line < 0 || line >= kMaxLines)
        throw std::invalid_argument("configuration line " + std::to_string(line) + " is out of range");
    if (text.find_first_of("\r\n") != std::string_view::npos)
        throw std::invalid_argument("configuration line " + std::to_string(line) + " holds a line break");
    m_lines[line] = std::string(text);
    return *this;
}

std::string_view ConfigLines::Get(int line) const {
    auto it = m_lines.find(line);
    return it == m_lines.end() ? std::string_view() : std::string_view(it->second);
}

std::string ConfigLines::Text() const {
    std::string text;
    for (int line = 0; line < Count(); ++line) text.append(Get(line)).append("\r\n");
    return text;
}

Address PanelAddress(std::string_view registerName, int index) {
    return {0, 0, std::string(registerName), std::to_string(index)};
}

void Group(ConfigLines& lines, int k, int link, int station, std::string_view registerName,
           std::string_view addressText) {
    lines.Set(k, link).Set(k + 1, station).Set(k + 2, "").Set(k + 3, registerName).Set(k + 4, addressText);
}

void Group(ConfigLines& lines, int k, const Address& address) {
    Group(lines, k, address.link, address.station, address.registerName, address.addressText);
}

}  // namespace projectbuilder
