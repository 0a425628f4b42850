// stepper over any PLC, codes, texts, step, counter, output index and slot.
// Input lines: PLC number, protocol, model, area, start, step, counter, output index (-1 to 2),
// slot (-1 to 2), last value, buffer size (0 to 48).

#include <cstring>
#include <memory>

#include "plugins/include/plcaddr_plugins.h"
#include "tests/fuzz/plugins/fuzz_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzplugins::Require;
    fuzzplugins::FuzzLines in(data, size);
    const int32_t plc = in.Within(-1, 3);
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    links[1].protocol = links[2].protocol = in.Number();
    links[1].model = links[2].model = in.Number();
    const std::string area = in.Text();
    const std::string start = in.Text();
    const int32_t step = in.Number();
    int32_t counter = in.Number();
    const int32_t outputIndex = in.Within(-1, 2);
    const int32_t slot = in.Within(-1, 2);
    const int32_t last = in.Number();
    const size_t bufferSize = static_cast<size_t>(in.Within(0, 48));

    // Three entries and three slots, each exactly as large as declared.
    constexpr int kEntries = 3;
    std::unique_ptr<char[]> buffers[kEntries];
    auto outputs = std::make_unique<PlcText[]>(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        buffers[i].reset(new char[bufferSize + 1]);
        std::memcpy(buffers[i].get(), "", 1);
        outputs[i] = {buffers[i].get(), bufferSize};
    }
    auto lastValues = std::make_unique<int32_t[]>(kEntries);
    for (int i = 0; i < kEntries; ++i) lastValues[i] = last;

    const int32_t before = counter;
    stepper(outputs.get(), links, &counter, lastValues.get(), plc, area.c_str(), start.c_str(), step,
            outputIndex, slot);
    Require(counter == static_cast<int32_t>(static_cast<uint32_t>(before) + 1u));
    for (int i = 0; i < kEntries; ++i) {
        if (bufferSize > 0) Require(std::strlen(buffers[i].get()) < bufferSize);
        if (i != outputIndex) Require(buffers[i][0] == '\0');
        if (i != slot) Require(lastValues[i] == last);
    }
    return 0;
}
