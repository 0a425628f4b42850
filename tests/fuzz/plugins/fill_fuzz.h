#pragma once
// The frame of the cellfill and groupfill harnesses: one address record, a grid that checks every
// cell it receives, and a row count small enough to keep runs short.
// Input lines: PLC number, protocol, model, area, text, row count (-2 to 60), starting record (-1 to 1),
// and for groupfill the row types, comma-separated.

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"
#include "tests/fuzz/plugins/fuzz_lines.h"

namespace fuzzplugins {

struct FillInput {
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    std::string area;
    std::string text;
    std::unique_ptr<AddressRecord[]> records;  // exactly two
    int32_t rows = 0;
    int32_t startRecord = 0;
    std::unique_ptr<int32_t[]> rowTypes;  // exactly `rows` entries
};

inline FillInput ReadFillInput(FuzzLines& in, bool withTypes) {
    FillInput input;
    const int32_t plc = in.Within(-1, 3);
    input.links[1].protocol = input.links[2].protocol = in.Number();
    input.links[1].model = input.links[2].model = in.Number();
    input.area = in.Text();
    input.text = in.Text();
    input.rows = in.Within(-2, 60);
    input.startRecord = in.Within(-1, 1);
    input.records.reset(new AddressRecord[2]);
    for (int i = 0; i < 2; ++i) input.records[i] = {0, plc, 0, 0, input.text.c_str(), input.area.c_str()};
    if (withTypes && input.rows > 0) {
        const std::vector<int32_t> types = in.Numbers();
        input.rowTypes.reset(new int32_t[input.rows]);
        for (int32_t row = 0; row < input.rows; ++row) {
            input.rowTypes[row] = row < static_cast<int32_t>(types.size()) ? types[row] : 0;
        }
    }
    return input;
}

struct CheckedGrid {
    int32_t rows = 0;
    int32_t lastRow = 0;
    size_t longestText = 0;

    static void Put(void* context, int32_t row, int32_t column, const char* text) {
        auto* grid = static_cast<CheckedGrid*>(context);
        // Column 0 only, header row never, rows in increasing order and inside the grid.
        Require(column == 0 && row > grid->lastRow && row < grid->rows && text != nullptr);
        grid->lastRow = row;
        grid->longestText = std::max(grid->longestText, std::strlen(text));
    }
};

}  // namespace fuzzplugins
