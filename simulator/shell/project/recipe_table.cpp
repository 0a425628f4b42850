#include "simulator/shell/project/recipe_table.h"

#include <algorithm>
#include <cstring>

#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns of the "Lock2" text.
constexpr Column kName1{0, 20};
constexpr Column kName2{20, 20};
constexpr Column kItemsPerGroup{60, 4};
constexpr Column kGroupCount{64, 4};
constexpr Column kDataFormat{68, 4};
constexpr std::size_t kReferences = 72;  // two references of 32 characters
constexpr std::size_t kReferenceBytes = 32;
constexpr Column kReferenceFlag{0, 4};
constexpr Column kReferenceLink{4, 4};
constexpr Column kReferenceStation{8, 4};
constexpr Column kReferenceName{12, 10};
constexpr Column kReferenceAddress{22, 10};
constexpr Column kNumber{136, 4};      // two, 4 apart
constexpr Column kGroupName{148, 20};  // one per group, then the data
constexpr std::size_t kWordBytes = 8;  // one decimal number per data word

}  // namespace

RecipeTable::RecipeTable() : m_words(std::make_unique<std::array<std::int32_t, kWordCapacity>>()) {
    Clear();
}

void RecipeTable::Clear() {
    m_present = false;
    m_text.clear();
    m_name1.clear();
    m_name2.clear();
    m_itemsPerGroup = m_groupCount = m_dataFormat = 0;
    m_references = {};
    m_numbers = {};
    m_wordsRead = 0;
    std::memset(m_words->data(), 0, sizeof(*m_words));  // one call: 800 KB are cleared on every load
}

int RecipeTable::WordsPerItem() const {
    return m_dataFormat == 1 || m_dataFormat == 3 || m_dataFormat == 4 ? 2 : 1;
}

void RecipeTable::Read(std::string_view text) {
    Clear();
    m_present = true;
    m_text.assign(text);
    m_name1 = FieldText(text, kName1);
    m_name2 = FieldText(text, kName2);
    // A negative count (a stray '-') means none; the 4-character fields cannot exceed 9999.
    m_itemsPerGroup = std::max(0, FieldNumber(text, kItemsPerGroup));
    m_groupCount = std::max(0, FieldNumber(text, kGroupCount));
    m_dataFormat = FieldNumber(text, kDataFormat);
    for (std::size_t r = 0; r < m_references.size(); ++r) {
        const std::size_t base = kReferences + kReferenceBytes * r;
        RecipeReference& ref = m_references[r];
        ref.flag = FieldNumber(text, Shifted(kReferenceFlag, base));
        ref.link = FieldNumber(text, Shifted(kReferenceLink, base));
        ref.station = FieldNumber(text, Shifted(kReferenceStation, base));
        ref.registerName = FieldText(text, Shifted(kReferenceName, base));
        ref.addressText = FieldText(text, Shifted(kReferenceAddress, base));
    }
    for (std::size_t k = 0; k < m_numbers.size(); ++k)
        m_numbers[k] = FieldNumber(text, Shifted(kNumber, kNumber.len * k));

    const std::size_t dataStart = kGroupName.pos + kGroupName.len * static_cast<std::size_t>(m_groupCount);
    const auto wanted =
        static_cast<std::uint64_t>(m_groupCount) * static_cast<std::uint64_t>(WordsPerGroup());
    const std::size_t limit = static_cast<std::size_t>(std::min<std::uint64_t>(wanted, kWordCapacity));
    std::size_t k = 0;
    for (; k < limit && dataStart + kWordBytes * k < text.size(); ++k)
        (*m_words)[k] = FieldNumber(text, {dataStart + kWordBytes * k, kWordBytes});
    m_wordsRead = k;
}

std::string_view RecipeTable::GroupName(int group) const {
    if (group < 0 || group >= m_groupCount) return {};
    return TrimmedText(Field(m_text, Shifted(kGroupName, kGroupName.len * static_cast<std::size_t>(group))));
}

std::pair<std::size_t, std::size_t> RecipeTable::GroupRange(int group) const {
    if (group < 0 || group >= m_groupCount) return {0, 0};
    const auto perGroup = static_cast<std::uint64_t>(WordsPerGroup());
    const std::uint64_t first =
        std::min<std::uint64_t>(perGroup * static_cast<std::uint64_t>(group), kWordCapacity);
    const std::uint64_t end = std::min<std::uint64_t>(first + perGroup, kWordCapacity);
    return {static_cast<std::size_t>(first), static_cast<std::size_t>(end - first)};
}

std::span<const std::int32_t> RecipeTable::GroupWords(int group) const {
    auto [first, count] = GroupRange(group);
    return std::span<const std::int32_t>(m_words->data() + first, count);
}

std::span<std::int32_t> RecipeTable::GroupWords(int group) {
    auto [first, count] = GroupRange(group);
    return std::span<std::int32_t>(m_words->data() + first, count);
}

}  // namespace sim
