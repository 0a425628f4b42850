#include "plugins/fill/fill_column.h"

#include <string>

#include "plugins/common/plc_link.h"
#include "plugins/common/protocol_table.h"
#include "plugins/common/text_parse.h"
#include "plugins/fill/fill_run.h"

namespace plcaddr {

namespace {

// How groupfill moves through the rows for one area.
struct GroupSteps {
    bool everyRow = false;  // write every row with a step of 1, as cellfill does
    int64_t oneWord = 1;
    int64_t twoWords = 2;
};

constexpr uint64_t kByteAddressed = CodeMask({4, 9, 22, 27, 28});

GroupSteps GroupStepsFor(bool onPlc, PlcCodes codes, std::string_view area) {
    if (!onPlc) return {};
    if (codes.protocol == 6 && NameListHas("DT_Bit DT_BIT WL_Bit", area)) return {true, 1, 1};
    if (codes.protocol == 23) return {true, 1, 1};
    if (codes.protocol >= 0 && codes.protocol <= kLastProtocol &&
        ((kByteAddressed >> codes.protocol) & 1) != 0) {
        return {false, 2, 4};
    }
    if (codes.protocol == 0 && codes.model != 3 && area == "CV32") return {false, 1, 1};
    return {};
}

// Data types 1, 3, 5 and 6 take two words.
bool IsTwoWordType(int32_t type) {
    return type == 1 || type == 3 || type == 5 || type == 6;
}

}  // namespace

void FillColumn(FillVariant variant, const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                const int32_t* rowTypes, int32_t rowCount, int32_t startRecord) {
    if (!grid || !grid->putCellText || !records || startRecord < 0) return;
    const AddressRecord& record = records[startRecord];
    const std::string_view area = TextOf(record.areaName);

    PlcCodes codes;
    FillRule rule{FillNotation::Decimal};
    const bool onPlc = record.plcNumber != 0;
    if (onPlc) {
        if (!ReadPlcCodes(links, record.plcNumber, codes)) return;
        rule = FillRuleFor(variant, codes.protocol, codes.model, area);
    }
    if (rule.notation == FillNotation::Nothing) return;

    const GroupSteps steps =
        variant == FillVariant::Group ? GroupStepsFor(onPlc, codes, area) : GroupSteps{true};
    FillRun run(rule, variant, TextOf(record.addressText));
    std::string cell;
    for (int32_t row = 1; row < rowCount; ++row) {
        if (!steps.everyRow && (row - 1) % 4 != 0) continue;
        cell.assign(area);
        if (!run.AppendCurrent(cell)) return;
        grid->putCellText(grid->context, row, 0, cell.c_str());
        if (steps.everyRow) {
            run.Advance(1);
        } else {
            const bool twoWords = rowTypes && IsTwoWordType(rowTypes[row]);
            run.Advance(twoWords ? steps.twoWords : steps.oneWord);
        }
    }
}

}  // namespace plcaddr
