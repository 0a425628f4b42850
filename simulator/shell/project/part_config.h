#pragma once
// The configuration lines of one part. A part's ConfigText is split at CR LF into the fixed number of
// lines its type has; the main window holds the lines of one part at a time, together with the part
// they belong to (the "current part"), and every part action starts by loading them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {
class DrawObject;
}

namespace sim {

// Number of configuration lines a part of this type has; every type not in the table has 670.
int PartLineCount(int partType);

class PartConfig {
  public:
    // Room for the longest line count of any type.
    static constexpr int kCapacity = 700;

    // Splits `text` into `lineCount` lines (clamped to 0..kCapacity): line i runs up to the next CR LF
    // and the scan goes on after it. A last line without CR LF is kept as a line; lines past the end of
    // the text are empty, and text past the last wanted line is not kept.
    void Load(std::string_view text, int lineCount);
    void Clear() { Load({}, 0); }

    int LineCount() const { return m_count; }
    // Line i as written; any index outside 0..LineCount()-1 gives an empty line.
    std::string_view Line(int index) const;
    // Line i as a decimal number (see DecimalNumber) and as trimmed text (see TrimmedText).
    std::int32_t Number(int index) const;
    std::string_view Text(int index) const;

  private:
    struct Span {
        std::size_t begin = 0, length = 0;
    };
    std::string m_text;  // the lines point into this copy
    std::array<Span, kCapacity> m_lines{};
    int m_count = 0;
};

// The part whose lines are loaded, as the main window keeps it.
struct PartRecord {
    engine::DrawObject* object = nullptr;
    PartConfig config;
};

// Makes `object` the current part and fills the lines from its ConfigText by its TypeCode. A null
// object leaves no current part and no lines.
void LoadPartConfig(PartRecord& record, engine::DrawObject* object);

}  // namespace sim
