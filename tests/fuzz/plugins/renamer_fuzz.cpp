// renamer over any area name and code, into result buffers of every small size.
// Input lines: protocol, model, area, buffer size (0 to 64).

#include <cstring>
#include <memory>

#include "plugins/include/plcaddr_plugins.h"
#include "tests/fuzz/plugins/fuzz_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzplugins::Require;
    fuzzplugins::FuzzLines in(data, size);
    const int32_t protocol = in.Number();
    const int32_t model = in.Number();
    const std::string area = in.Text();
    const size_t bufferSize = static_cast<size_t>(in.Within(0, 64));
    // Exactly the size handed over, so a write past it is caught.
    std::unique_ptr<char[]> result(bufferSize ? new char[bufferSize] : nullptr);
    const size_t length = renamer(area.c_str(), protocol, model, result.get(), bufferSize);
    if (bufferSize > length) Require(std::strlen(result.get()) == length);
    if (bufferSize > 0 && bufferSize <= length) Require(result[0] == '\0');
    return 0;
}
