#pragma once
// The frame both column fillers share: read the starting record, choose the notation, and write one
// address per written row of column 0.

#include <cstdint>

#include "plugins/fill/fill_table.h"
#include "plugins/include/plcaddr_plugins.h"

namespace plcaddr {

// cellfill writes every row and steps by 1; groupfill writes rows 1, 5, 9, ... and steps by the size of
// each written row's data type (rowTypes, indexed by grid row; null counts every row as one word).
void FillColumn(FillVariant variant, const PlcGrid* grid, const PlcLink* links, const AddressRecord* records,
                const int32_t* rowTypes, int32_t rowCount, int32_t startRecord);

}  // namespace plcaddr
