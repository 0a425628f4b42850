// indexer over any address text, protocol, model and area name.
// Input lines: protocol, model, area, text.

#include "plugins/include/plcaddr_plugins.h"
#include "tests/fuzz/plugins/fuzz_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzplugins::FuzzLines in(data, size);
    const int32_t protocol = in.Number();
    const int32_t model = in.Number();
    const std::string area = in.Text();
    const std::string text = in.Text();
    const int32_t index = indexer(text.c_str(), protocol, model, area.c_str());
    // Every protocol outside 0..43 and every empty text has no index.
    if (protocol < 0 || protocol > 43 || text.empty()) fuzzplugins::Require(index == PLCADDR_NO_INDEX);
    return 0;
}
