#pragma once
// The shape shared by the plug-ins' protocol tables: a row names the protocol codes and the models it
// serves, a few groups of area names with the rule for each group, and the rule for every other area.
// Rows are tried in order and the first row whose protocol and model match decides, so a row for
// "every other model" follows the rows for the models it excludes.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace plcaddr {

// Protocol codes run from 0 to 43 and fit one 64-bit mask.
inline constexpr int32_t kLastProtocol = 43;

constexpr uint64_t CodeMask(std::initializer_list<int> codes) {
    uint64_t mask = 0;
    for (int code : codes) mask |= uint64_t{1} << code;
    return mask;
}

struct ModelSet {
    bool any = true;
    uint64_t mask = 0;

    constexpr bool Holds(int32_t model) const {
        return any || (model >= 0 && model < 64 && ((mask >> model) & 1) != 0);
    }
};

inline constexpr ModelSet kAnyModel{};
constexpr ModelSet Models(std::initializer_list<int> models) {
    return {false, CodeMask(models)};
}

// True when `area` is one of the space-separated names of `names`, compared exactly.
constexpr bool NameListHas(std::string_view names, std::string_view area) {
    while (!names.empty()) {
        const size_t end = names.find(' ');
        if (names.substr(0, end) == area) return true;
        if (end == std::string_view::npos) break;
        names.remove_prefix(end + 1);
    }
    return false;
}

template <typename Rule>
struct AreaGroup {
    std::string_view names;  // space-separated area names; empty marks an unused group
    Rule rule{};
};

template <typename Rule, int Groups>
struct ProtocolRow {
    uint64_t protocols;
    ModelSet models;
    AreaGroup<Rule> groups[Groups];
    Rule others{};

    constexpr bool Serves(int32_t protocol, int32_t model) const {
        return protocol >= 0 && protocol <= kLastProtocol && ((protocols >> protocol) & 1) != 0 &&
               models.Holds(model);
    }

    constexpr const Rule& RuleFor(std::string_view area) const {
        for (const auto& group : groups) {
            if (!group.names.empty() && NameListHas(group.names, area)) return group.rule;
        }
        return others;
    }
};

template <typename Row>
constexpr const Row* FindRow(std::span<const Row> table, int32_t protocol, int32_t model) {
    for (const Row& row : table) {
        if (row.Serves(protocol, model)) return &row;
    }
    return nullptr;
}

}  // namespace plcaddr
