#pragma once
// One run of consecutive addresses in a fill notation: the start read from the address text, the
// text of the current position, and the step to the next one.

#include <cstdint>
#include <string>
#include <string_view>

#include "plugins/fill/fill_table.h"

namespace plcaddr {

class FillRun {
  public:
    // `text` must outlive the run (prefixes are kept as views into it).
    FillRun(FillRule rule, FillVariant variant, std::string_view text);

    // Appends the address text of the current position. False, with nothing appended, once the
    // position has passed a limit that ends the run.
    bool AppendCurrent(std::string& out) const;

    // Moves on by `step` positions (bits, in the bit notations).
    void Advance(int64_t step);

  private:
    void StartMajorMinor(FillVariant variant, std::string_view text);
    void Carry();

    FillRule m_rule;
    int64_t m_position = 0;  // linear notations
    std::string_view m_prefix;
    // Word.bit, byte.bit and tens-and-octal-digit: the major part keeps its written text until the
    // first carry, then it is written as a number.
    std::string m_majorText;
    int64_t m_major = 0;
    int64_t m_minor = 0;
};

}  // namespace plcaddr
