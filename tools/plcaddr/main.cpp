// plcaddr: runs the address-text plug-ins from the command line, one result per line on stdout.
//
//   plcaddr indexer PROTOCOL MODEL AREA TEXT          the index, or "none"
//   plcaddr renamer PROTOCOL MODEL AREA               the converted name (empty line for an empty result)
//   plcaddr stepper PLC PROTOCOL MODEL AREA START STEP COUNTER [LAST]
//                                                     the text or "unchanged", then counter=N and, when
//                                                     LAST is given or the slot changed, last=N
//   plcaddr cellfill PLC PROTOCOL MODEL AREA TEXT ROWS          "ROW TEXT" for every written cell
//   plcaddr groupfill PLC PROTOCOL MODEL AREA TEXT ROWS TYPES   likewise; TYPES = row types from row 1
//                                                     on, comma-separated (missing entries count 0)
//
// PLC 1 or 2 puts PROTOCOL and MODEL into that connection record. Bad arguments print the usage line on
// stderr and exit 2; a plug-in that cannot be loaded exits 1.

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "plugins/include/plcaddr_plugins.h"
#include "tools/plcaddr/plugin_loader.h"

namespace {

constexpr int kBadArguments = 2;
constexpr int kNoPlugin = 1;
constexpr int32_t kMaxRows = 1000000;

int Usage() {
    std::fputs(
        "usage: plcaddr indexer PROTOCOL MODEL AREA TEXT | renamer PROTOCOL MODEL AREA | "
        "stepper PLC PROTOCOL MODEL AREA START STEP COUNTER [LAST] | cellfill PLC PROTOCOL MODEL AREA TEXT "
        "ROWS | "
        "groupfill PLC PROTOCOL MODEL AREA TEXT ROWS TYPE1,TYPE2,...\n",
        stderr);
    return kBadArguments;
}

bool ParseInt(std::string_view text, int32_t& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool ParseRows(std::string_view text, int32_t& rows) {
    return ParseInt(text, rows) && rows >= 0 && rows <= kMaxRows;
}

bool ParseTypes(std::string_view text, int32_t rows, std::vector<int32_t>& types) {
    types.assign(static_cast<size_t>(rows), 0);
    size_t row = 1;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        int32_t type = 0;
        if (!ParseInt(text.substr(0, comma), type)) return false;
        if (row < types.size()) types[row] = type;
        ++row;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (text.empty()) return false;  // a trailing comma
    }
    return true;
}

template <typename Function>
Function* Load(PluginLibrary& library, const char* name) {
    std::string error;
    void* entry = library.Open(name, error);
    if (!entry) std::fprintf(stderr, "plcaddr: %s\n", error.c_str());
    return reinterpret_cast<Function*>(entry);
}

int RunIndexer(char** args) {
    int32_t protocol = 0, model = 0;
    if (!ParseInt(args[0], protocol) || !ParseInt(args[1], model)) return Usage();
    PluginLibrary library;
    auto* function = Load<decltype(indexer)>(library, "indexer");
    if (!function) return kNoPlugin;
    const int32_t index = function(args[3], protocol, model, args[2]);
    if (index == PLCADDR_NO_INDEX) {
        std::puts("none");
    } else {
        std::printf("%d\n", index);
    }
    return 0;
}

int RunRenamer(char** args) {
    int32_t protocol = 0, model = 0;
    if (!ParseInt(args[0], protocol) || !ParseInt(args[1], model)) return Usage();
    PluginLibrary library;
    auto* function = Load<decltype(renamer)>(library, "renamer");
    if (!function) return kNoPlugin;
    std::vector<char> result(64);
    const size_t length = function(args[2], protocol, model, result.data(), result.size());
    if (length >= result.size()) {
        result.resize(length + 1);
        function(args[2], protocol, model, result.data(), result.size());
    }
    std::puts(result.data());
    return 0;
}

int RunStepper(char** args, int count) {
    int32_t plc = 0, protocol = 0, model = 0, step = 0, counter = 0;
    int32_t last = 0;
    const bool lastGiven = count == 8;
    if (!ParseInt(args[0], plc) || !ParseInt(args[1], protocol) || !ParseInt(args[2], model) ||
        !ParseInt(args[5], step) || !ParseInt(args[6], counter) || (lastGiven && !ParseInt(args[7], last))) {
        return Usage();
    }
    PluginLibrary library;
    auto* function = Load<decltype(stepper)>(library, "stepper");
    if (!function) return kNoPlugin;

    PlcLink links[PLCADDR_LINK_COUNT] = {};
    if (plc == 1 || plc == 2) links[plc].protocol = protocol, links[plc].model = model;
    // The entry starts with a text no address can have, so an entry left alone is recognised.
    static constexpr char kUntouched[] = "\x01";
    std::vector<char> buffer(std::strlen(args[4]) + 64);
    std::memcpy(buffer.data(), kUntouched, sizeof kUntouched);
    PlcText output{buffer.data(), buffer.size()};
    int32_t lastValues[1] = {last};
    function(&output, links, &counter, lastValues, plc, args[3], args[4], step, 0, 0);

    std::puts(std::strcmp(buffer.data(), kUntouched) == 0 ? "unchanged" : buffer.data());
    std::printf("counter=%d\n", counter);
    if (lastGiven || lastValues[0] != last) std::printf("last=%d\n", lastValues[0]);
    return 0;
}

void PrintCell(void* context, int32_t row, int32_t /*column*/, const char* text) {
    std::fprintf(static_cast<FILE*>(context), "%d %s\n", row, text);
}

int RunFill(char** args, bool group) {
    int32_t plc = 0, protocol = 0, model = 0, rows = 0;
    std::vector<int32_t> types;
    if (!ParseInt(args[0], plc) || !ParseInt(args[1], protocol) || !ParseInt(args[2], model) ||
        !ParseRows(args[5], rows) || (group && !ParseTypes(args[6], rows, types))) {
        return Usage();
    }
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    if (plc == 1 || plc == 2) links[plc].protocol = protocol, links[plc].model = model;
    AddressRecord record{};
    record.plcNumber = plc;
    record.addressText = args[4];
    record.areaName = args[3];
    PlcGrid grid{stdout, PrintCell};

    PluginLibrary library;
    if (group) {
        auto* function = Load<decltype(groupfill)>(library, "groupfill");
        if (!function) return kNoPlugin;
        function(&grid, links, &record, types.data(), rows, 0);
    } else {
        auto* function = Load<decltype(cellfill)>(library, "cellfill");
        if (!function) return kNoPlugin;
        function(&grid, links, &record, rows, 0);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string_view command = argv[1];
    char** args = argv + 2;
    const int count = argc - 2;
    if (command == "indexer" && count == 4) return RunIndexer(args);
    if (command == "renamer" && count == 3) return RunRenamer(args);
    if (command == "stepper" && (count == 7 || count == 8)) return RunStepper(args, count);
    if (command == "cellfill" && count == 6) return RunFill(args, false);
    if (command == "groupfill" && count == 7) return RunFill(args, true);
    return Usage();
}
