#pragma once
// The two text forms a project carries: fixed-column texts (settings, screen records, the page-0
// tables), where every field sits at a character position with a width, and part configurations,
// numbered lines separated by CR LF. Both hold bytes in the project's code page; the higher-level
// builders convert their UTF-8 arguments before placing them here.

#include <cstddef>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

namespace projectbuilder {

// A text of space-padded fields. Put writes a value at its column and grows the text as needed; the
// checked forms refuse (std::invalid_argument) what the loader would read back differently.
class FixedColumns {
  public:
    FixedColumns& Put(std::size_t column, std::string_view value);
    FixedColumns& Put(std::size_t column, long long value) { return Put(column, std::to_string(value)); }
    // Pads the text with spaces to `width` characters.
    FixedColumns& Pad(std::size_t width);

    // A number right-aligned in its field; one that does not fit the width is refused.
    FixedColumns& Number(std::size_t column, std::size_t width, long long value);
    // A word left-aligned in its field. The loader keeps a trimmed field only up to the first space,
    // so a word with a space, or one longer than the width, is refused.
    FixedColumns& Word(std::size_t column, std::size_t width, std::string_view word);

    const std::string& Text() const { return m_text; }

  private:
    std::string m_text;
};

// A part's configuration: line number to text, unset lines empty. Text() writes lines 0 up to the
// highest line set, each ended by CR LF as the design tool writes them.
class ConfigLines {
  public:
    // Room of the largest configuration a part can have.
    static constexpr int kMaxLines = 700;

    ConfigLines() = default;
    // Lines 0, 1, 2, ... in order.
    ConfigLines(std::initializer_list<std::string_view> lines);

    // A line outside 0..kMaxLines-1, or a text holding CR or LF (it would shift every later line),
    // is refused with std::invalid_argument.
    ConfigLines& Set(int line, std::string_view text);
    ConfigLines& Set(int line, long long value) { return Set(line, std::to_string(value)); }
    // The text of a line; empty when it was not set.
    std::string_view Get(int line) const;
    // One past the highest line set.
    int Count() const { return m_lines.empty() ? 0 : m_lines.rbegin()->first + 1; }
    std::string Text() const;

  private:
    std::map<int, std::string> m_lines;
};

// Where a part finds a register: link (0 panel memory, 1 PLC 1, 2 PLC 2), station, register name as
// written in the project ("LB", "LW", "RWI" or a PLC register) and address text.
struct Address {
    int link = 0;
    int station = 0;
    std::string registerName{};
    std::string addressText{};
};

// A register of the panel's own memory, such as PanelAddress("LB", 10).
Address PanelAddress(std::string_view registerName, int index);

// The five lines of an address group starting at line k: link, station, a line not read, register
// name, address text.
void Group(ConfigLines& lines, int k, int link, int station, std::string_view registerName,
           std::string_view addressText);
void Group(ConfigLines& lines, int k, const Address& address);

}  // namespace projectbuilder
