// groupfill over any record, codes, row count and row types.

#include "tests/fuzz/plugins/fill_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzplugins::FuzzLines in(data, size);
    fuzzplugins::FillInput input = fuzzplugins::ReadFillInput(in, true);
    fuzzplugins::CheckedGrid checked{input.rows};
    const PlcGrid grid{&checked, &fuzzplugins::CheckedGrid::Put};
    groupfill(&grid, input.links, input.records.get(), input.rowTypes.get(), input.rows, input.startRecord);
    return 0;
}
