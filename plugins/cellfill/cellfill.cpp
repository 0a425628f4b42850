// The cellfill plug-in: one address per grid row.

#include "plugins/fill/fill_column.h"
#include "plugins/include/plcaddr_plugins.h"

extern "C" void cellfill(const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                         int32_t rowCount, int32_t startRecord) {
    plcaddr::FillColumn(plcaddr::FillVariant::Cell, grid, links, records, nullptr, rowCount, startRecord);
}
