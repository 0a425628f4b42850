// The renamer plug-in: a family's area name to the common area code.

#include "plugins/common/text_format.h"
#include "plugins/common/text_parse.h"
#include "plugins/include/plcaddr_plugins.h"
#include "plugins/renamer/rename_table.h"

extern "C" size_t renamer(const char* areaName, int32_t protocol, int32_t model, char* result,
                          size_t resultSize) {
    using namespace plcaddr;
    const std::string_view renamed = RenameArea(TextOf(areaName), protocol, model);
    CopyText(renamed, result, resultSize);
    return renamed.size();
}
