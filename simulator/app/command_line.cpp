#include "simulator/app/command_line.h"

#include <charconv>

namespace sim {

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments, std::string& error) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--headless") {
            line.headless = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = "missing value after " + option;
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--project") {
            line.project = value;
            line.handOff = false;
        } else if (option == "--script") {
            line.script = value;
        } else if (option == "--converters") {
            line.converters = value;
        } else if (option == "--model") {
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), line.model);
            if (ec != std::errc() || end != value.data() + value.size() || line.model < 0) {
                error = "bad model number \"" + value + "\"";
                return std::nullopt;
            }
        } else if (option == "--mode") {
            if (value != "1" && value != "2") {
                error = "mode is 1 (offline) or 2 (online)";
                return std::nullopt;
            }
            line.mode = value[0];
        } else {
            error = "unknown option " + option;
            return std::nullopt;
        }
    }
    if (line.headless && line.script.empty()) {
        error = "--headless needs --script";
        return std::nullopt;
    }
    return line;
}

}  // namespace sim
