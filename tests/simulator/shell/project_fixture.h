#pragma once
// The project tests build their texts and drawings with the project builder, so no test spells a
// fixed-column text out by hand.

#include <initializer_list>
#include <string>
#include <string_view>

#include "tools/projectbuilder/drawing_builder.h"
#include "tools/projectbuilder/texts.h"

namespace sim::test {

using projectbuilder::DrawingBuilder;
using projectbuilder::FixedColumns;

// Lines 0, 1, 2, ... joined with CR LF, each one ended by it as the design tool writes them.
inline std::string ConfigLines(std::initializer_list<std::string_view> lines) {
    return projectbuilder::ConfigLines(lines).Text();
}

}  // namespace sim::test
