#pragma once
// The recipe table: the ConfigText of page 0's "Lock2" object. A recipe is a numbered group of
// values; the panel copies the selected group into RWI1 upwards (LoadRecipe) and can save it back.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace sim {

// A register of the recipe parts (where the recipe is written to or read from in the PLC).
struct RecipeReference {
    std::int32_t flag = 0, link = 0, station = 0;
    std::string registerName;  // trimmed
    std::string addressText;   // trimmed
};

class RecipeTable {
  public:
    // One RWI area's worth of words: more than any group can load. Words past it are not kept.
    static constexpr std::size_t kWordCapacity = 204800;

    RecipeTable();

    // Empties the table: no recipes.
    void Clear();
    // Reads the table from the "Lock2" text; the recipe data are read while the text lasts and every
    // word the text does not hold reads 0.
    void Read(std::string_view text);

    bool Present() const { return m_present; }
    const std::string& Name1() const { return m_name1; }
    const std::string& Name2() const { return m_name2; }
    std::int32_t ItemsPerGroup() const { return m_itemsPerGroup; }
    std::int32_t GroupCount() const { return m_groupCount; }
    // Recipe data format: 0 and 2 one word per item, 1, 3 and 4 two words; any other code one word.
    std::int32_t DataFormat() const { return m_dataFormat; }
    int WordsPerItem() const;
    std::int64_t WordsPerGroup() const { return std::int64_t{m_itemsPerGroup} * WordsPerItem(); }
    const std::array<RecipeReference, 2>& References() const { return m_references; }
    const std::array<std::int32_t, 2>& Numbers() const { return m_numbers; }

    // Name of group `group` (trimmed); empty for a group outside 0..GroupCount()-1.
    std::string_view GroupName(int group) const;
    // The words of group `group`, cut at the capacity; empty for a group outside 0..GroupCount()-1.
    // The mutable form lets SaveRecipe store a group back.
    std::span<const std::int32_t> GroupWords(int group) const;
    std::span<std::int32_t> GroupWords(int group);
    // How many data words the text held.
    std::size_t WordsRead() const { return m_wordsRead; }

  private:
    std::pair<std::size_t, std::size_t> GroupRange(int group) const;

    bool m_present = false;
    // Kept for the group names, which are read only when a name is shown.
    std::string m_text;
    std::string m_name1, m_name2;
    std::int32_t m_itemsPerGroup = 0, m_groupCount = 0, m_dataFormat = 0;
    std::array<RecipeReference, 2> m_references;
    std::array<std::int32_t, 2> m_numbers{};
    std::size_t m_wordsRead = 0;
    // 800 KB: allocated once, off the owner's stack.
    std::unique_ptr<std::array<std::int32_t, kWordCapacity>> m_words;
};

}  // namespace sim
