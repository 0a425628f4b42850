#include "simulator/shell/project/part_config.h"

#include <algorithm>

#include "engine/model/draw_object.h"
#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

struct LineCountRow {
    int firstType, lastType, lines;
};

// Line counts by part type; the design tool writes exactly this many lines for each type.
constexpr LineCountRow kLineCounts[] = {
    {1, 1, 100},   {30, 31, 100}, {77, 77, 100}, {2, 2, 80},   {12, 12, 80},  {14, 14, 80},  {22, 22, 80},
    {3, 4, 70},    {13, 13, 70},  {16, 16, 70},  {6, 6, 570},  {15, 15, 550}, {27, 27, 550}, {17, 17, 50},
    {32, 32, 50},  {34, 34, 50},  {19, 19, 60},  {79, 79, 60}, {20, 21, 30},  {33, 33, 30},  {56, 56, 30},
    {58, 58, 30},  {23, 24, 40},  {5, 5, 20},    {25, 25, 20}, {50, 55, 20},  {57, 57, 20},  {59, 61, 20},
    {26, 26, 260}, {28, 28, 77},  {78, 78, 170},
};
constexpr int kOtherTypesLineCount = 670;

}  // namespace

int PartLineCount(int partType) {
    for (const LineCountRow& row : kLineCounts)
        if (partType >= row.firstType && partType <= row.lastType) return row.lines;
    return kOtherTypesLineCount;
}

void PartConfig::Load(std::string_view text, int lineCount) {
    m_text.assign(text);
    m_count = std::clamp(lineCount, 0, kCapacity);
    m_lines.fill({});
    const std::string_view all = m_text;
    std::size_t pos = 0;
    for (int i = 0; i < m_count && pos < all.size(); ++i) {
        std::size_t end = all.find("\r\n", pos);
        if (end == std::string_view::npos) end = all.size();
        m_lines[static_cast<std::size_t>(i)] = {pos, end - pos};
        pos = end == all.size() ? end : end + 2;
    }
}

std::string_view PartConfig::Line(int index) const {
    if (index < 0 || index >= m_count) return {};
    const Span& span = m_lines[static_cast<std::size_t>(index)];
    return std::string_view(m_text).substr(span.begin, span.length);
}

std::int32_t PartConfig::Number(int index) const {
    return DecimalNumber(Line(index));
}

std::string_view PartConfig::Text(int index) const {
    return TrimmedText(Line(index));
}

void LoadPartConfig(PartRecord& record, engine::DrawObject* object) {
    record.object = object;
    if (!object) {
        record.config.Clear();
        return;
    }
    record.config.Load(object->ConfigText(), PartLineCount(object->TypeCode()));
}

}  // namespace sim
