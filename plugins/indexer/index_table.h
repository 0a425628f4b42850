#pragma once
// Which reader, scale and offset turn an address of (protocol, model, area) into its linear index.

#include <cstdint>
#include <string_view>

#include "plugins/indexer/index_parsers.h"

namespace plcaddr {

// index = scale * parsed text + offset
struct IndexRule {
    IndexParser parser = IndexParser::None;
    int64_t scale = 1;
    int64_t offset = 0;
};

// The rule for the area; IndexParser::None when the family has no index for it.
IndexRule IndexRuleFor(int32_t protocol, int32_t model, std::string_view area);

}  // namespace plcaddr
