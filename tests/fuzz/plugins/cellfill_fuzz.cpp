// cellfill over any record, codes and row count.

#include "tests/fuzz/plugins/fill_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzplugins::FuzzLines in(data, size);
    fuzzplugins::FillInput input = fuzzplugins::ReadFillInput(in, false);
    fuzzplugins::CheckedGrid checked{input.rows};
    const PlcGrid grid{&checked, &fuzzplugins::CheckedGrid::Put};
    cellfill(&grid, input.links, input.records.get(), input.rows, input.startRecord);
    return 0;
}
