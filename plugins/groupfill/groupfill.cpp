// The groupfill plug-in: one address on every fourth grid row, stepped by each row's data type.

#include "plugins/fill/fill_column.h"
#include "plugins/include/plcaddr_plugins.h"

extern "C" void groupfill(const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                          const int32_t* rowTypes, int32_t rowCount, int32_t startRecord) {
    plcaddr::FillColumn(plcaddr::FillVariant::Group, grid, links, records, rowTypes, rowCount, startRecord);
}
