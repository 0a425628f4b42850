#include "simulator/display/handler_steps.h"
#include "simulator/display/text_displays.h"

namespace sim {

namespace {

struct HandlerRow {
    int type;
    RefreshHandler handler;
};

// Part types the refresh tick redraws. Types without a row are drawn by the engine alone.
constexpr HandlerRow kHandlers[] = {
    {1, RefreshBitButton},       {2, RefreshButton},         {3, RefreshButton},
    {4, RefreshButton},          {78, RefreshButton},        {14, RefreshBitLamp},
    {15, RefreshMultistate},     {6, RefreshMultistate},     {81, RefreshSelectionClear},
    {16, RefreshNumericDisplay}, {12, RefreshNumericInput},  {17, RefreshAsciiDisplay},
    {13, RefreshAsciiDisplay},   {7, RefreshMessageDisplay},
};

}  // namespace

RefreshHandler RefreshHandlerFor(int type) {
    for (const HandlerRow& row : kHandlers)
        if (row.type == type) return row.handler;
    return nullptr;
}

}  // namespace sim
