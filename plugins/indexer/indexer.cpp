// The indexer plug-in: address text to the linear index of its register.

#include <algorithm>

#include "plugins/common/text_parse.h"
#include "plugins/include/plcaddr_plugins.h"
#include "plugins/indexer/index_table.h"

extern "C" int32_t indexer(const char* addressText, int32_t protocol, int32_t model, const char* areaName) {
    using namespace plcaddr;
    const std::string_view text = TextOf(addressText);
    if (text.empty()) return PLCADDR_NO_INDEX;
    const IndexRule rule = IndexRuleFor(protocol, model, TextOf(areaName));
    if (rule.parser == IndexParser::None) return PLCADDR_NO_INDEX;
    const int64_t index = rule.scale * ParseIndex(rule.parser, text) + rule.offset;
    // Held one above INT32_MIN so that no text can produce PLCADDR_NO_INDEX.
    return static_cast<int32_t>(std::clamp<int64_t>(index, INT32_MIN + int64_t{1}, INT32_MAX));
}
