#include "simulator/shell/panel/hand_off.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "simulator/shell/project/fixed_columns.h"

namespace sim {
namespace {

// A line without its end: LF, or the CR LF a Windows tool writes.
bool ReadLine(std::ifstream& file, std::string& line) {
    if (!std::getline(file, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace

void ParseModelAndMode(const std::string& line, HandOff& out) {
    out.mode = '1';
    out.model = 0;
    if (line.empty()) return;
    out.mode = line.back();
    out.model = DecimalNumber(std::string_view(line).substr(0, line.size() - 1));
}

HandOffResult ReadHandOff(const std::string& folder, HandOff& out) {
    std::filesystem::path path = std::filesystem::path(folder) / kHandOffFile;
    std::ifstream file(path);
    if (!file) return HandOffResult::Missing;
    out = HandOff{};
    std::string second;
    ReadLine(file, out.projectPath);
    ReadLine(file, second);
    ParseModelAndMode(second, out);
    file.close();
    if (out.projectPath.empty()) return HandOffResult::EmptyProject;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return HandOffResult::Ready;
}

}  // namespace sim
