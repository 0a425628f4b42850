#pragma once
// Small wrappers that call the plug-ins through their C interface the way the design tool does and
// hand the results back as strings.

#include <cstdint>
#include <string>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"

namespace plugintest {

// One PLC in record 1 (or 2); record 0 is the panel's own memory.
struct Plc {
    int32_t number = 1;
    int32_t protocol = 0;
    int32_t model = 0;
};

inline void FillLinks(PlcLink (&links)[PLCADDR_LINK_COUNT], const Plc& plc) {
    links[0] = links[1] = links[2] = PlcLink{};
    if (plc.number == 1 || plc.number == 2) {
        links[plc.number].protocol = plc.protocol;
        links[plc.number].model = plc.model;
    }
}

// The cells a fill writes, as "row text" lines.
struct GridRecorder {
    std::vector<std::string> cells;
    bool wrongColumn = false;

    static void Put(void* context, int32_t row, int32_t column, const char* text) {
        auto* self = static_cast<GridRecorder*>(context);
        if (column != 0) self->wrongColumn = true;
        self->cells.push_back(std::to_string(row) + " " + text);
    }
    PlcGrid Grid() { return PlcGrid{this, &GridRecorder::Put}; }
};

// cellfill, or groupfill when `rowTypes` is given (types of rows 1, 2, ... ; missing rows count 0).
inline std::vector<std::string> Fill(const Plc& plc, const char* area, const char* text, int32_t rows,
                                     const std::vector<int32_t>* rowTypes = nullptr) {
    PlcLink links[PLCADDR_LINK_COUNT];
    FillLinks(links, plc);
    AddressRecord records[2] = {};
    records[1].plcNumber = plc.number;
    records[1].addressText = text;
    records[1].areaName = area;
    GridRecorder recorder;
    PlcGrid grid = recorder.Grid();
    if (rowTypes) {
        std::vector<int32_t> types(rows > 0 ? static_cast<size_t>(rows) : 0, 0);
        for (size_t i = 0; i < rowTypes->size() && i + 1 < types.size(); ++i) types[i + 1] = (*rowTypes)[i];
        groupfill(&grid, links, records, types.data(), rows, 1);
    } else {
        cellfill(&grid, links, records, rows, 1);
    }
    if (recorder.wrongColumn) recorder.cells.push_back("a cell outside column 0");
    return recorder.cells;
}

// One stepper call; the entry starts as "old" so that an entry left alone shows as "old".
struct StepResult {
    std::string text;
    int32_t counter = 0;
    int32_t last = 0;
};
inline StepResult Step(const Plc& plc, const char* area, const char* start, int32_t step, int32_t counter,
                       int32_t last = 0, size_t bufferSize = 64) {
    PlcLink links[PLCADDR_LINK_COUNT];
    FillLinks(links, plc);
    std::vector<char> buffer(bufferSize + 1, '#');  // one guard byte past the size handed over
    const std::string old = "old";
    if (bufferSize > old.size()) std::copy(old.c_str(), old.c_str() + old.size() + 1, buffer.begin());
    PlcText outputs[2] = {{nullptr, 0}, {buffer.data(), bufferSize}};
    int32_t lastValues[3] = {-7, last, -7};
    stepper(outputs, links, &counter, lastValues, plc.number, area, start, step, 1, 1);
    StepResult result{bufferSize > 0 ? std::string(buffer.data()) : std::string(), counter, lastValues[1]};
    if (buffer[bufferSize] != '#' || lastValues[0] != -7 || lastValues[2] != -7)
        result.text = "written out of bounds";
    return result;
}

}  // namespace plugintest
