#include "simulator/memory/value_access.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "simulator/memory/data_format.h"
#include "simulator/shell/project/fixed_columns.h"
#include "simulator/shell/project/recipe_table.h"

namespace sim {
namespace {

bool IsPanelRegister(const std::string& name) {
    return name == "LB" || name == "LW" || name == "RWI";
}

// The word areas a value write may store into.
std::optional<Area> WritableWordArea(const std::string& name) {
    auto area = AreaFromName(name);
    if (!area || Info(*area).kind != AreaKind::Word) return std::nullopt;
    return area;
}

bool IsWide(int format) {
    return format == 1 || format == 3 || format == 5;
}

}  // namespace

ValueAccess::ValueAccess(PanelMemory& memory, ConverterBinding& converters, WriteQueue& queue)
    : m_memory(memory), m_converters(converters), m_queue(queue) {}

void ValueAccess::SetPlcType(int link, int protocol, int model) {
    if (link == 1 || link == 2) m_plcTypes[static_cast<size_t>(link)] = {protocol, model};
}

ValueAccess::PlcType ValueAccess::TypeOf(int link) const {
    return (link == 1 || link == 2) ? m_plcTypes[static_cast<size_t>(link)] : PlcType{};
}

std::string ValueAccess::ResolveArea(const std::string& registerName, int link) {
    if (link != 1 && link != 2) return IsPanelRegister(registerName) ? registerName : std::string();
    PlcType type = TypeOf(link);
    return m_converters.ConverStr(registerName, type.protocol, type.model);
}

std::int32_t ValueAccess::ResolveIndex(const std::string& registerName, const std::string& addressText,
                                       int link) {
    if (link != 1 && link != 2) return DecimalNumber(addressText);
    PlcType type = TypeOf(link);
    return m_converters.Addrmap(registerName, addressText, type.protocol, type.model);
}

RegisterAddress ValueAccess::Resolve(const AddressGroup& group) {
    return {group.link, group.station, group.registerName, ResolveArea(group.registerName, group.link),
            ResolveIndex(group.registerName, group.addressText, group.link)};
}

void ValueAccess::ReadRegister(const std::string& registerName, std::int32_t index, std::int32_t offset,
                               int format, int link) {
    if (registerName.empty()) return;
    PlcType type = TypeOf(link);
    m_converters.Valuate(m_memory, registerName, index, offset, format, type.protocol, type.model);
}

void ValueAccess::CopyWords(const std::string& area, std::int32_t wordIndex, std::int32_t offset,
                            std::int32_t byteCount) {
    static const char* const kCopied[] = {"LW", "D", "TT", "CC", "N", "EM"};
    bool copied = false;
    for (const char* name : kCopied) copied = copied || area == name;
    if (!copied || byteCount <= 0 || offset < 0) return;
    std::int64_t count = byteCount + (byteCount & 1);
    if (offset + count > Info(Area::ValueScratch).units) return;  // would run past ValueScratch
    thread_local std::vector<std::uint8_t> buffer;
    buffer.resize(static_cast<size_t>(count));
    std::span<std::uint8_t> bytes(buffer);
    // A run that leaves the word area copies nothing rather than a part of it.
    if (!m_memory.CopyOut(*AreaFromName(area), 2 * static_cast<std::int64_t>(wordIndex), bytes)) return;
    m_memory.CopyIn(Area::ValueScratch, offset, bytes);
}

void ValueAccess::WriteValue(const std::string& area, std::int32_t index, std::int64_t value, int format,
                             const PlcTarget* target) {
    auto word = WritableWordArea(area);
    if (!word) return;
    std::uint8_t bytes[4];
    auto raw = static_cast<std::uint32_t>(value);
    Encode32(raw, std::span<std::uint8_t, 4>(bytes));
    std::int32_t count = IsWide(format) ? 2 : 1;
    bool stored = count == 2 ? m_memory.WriteDWord(*word, index, raw)
                             : m_memory.WriteWord(*word, index, static_cast<std::uint16_t>(raw));
    if (stored && *word == Area::RWI && index == 0) LoadRecipe(static_cast<std::int32_t>(raw & 0xFFFF));
    if (target) Queue(*target, count, bytes, static_cast<size_t>(2 * count));
}

void ValueAccess::WriteFloat(const std::string& area, std::int32_t index, float value,
                             const PlcTarget* target) {
    auto word = WritableWordArea(area);
    if (!word) return;
    std::uint8_t bytes[4];
    EncodeFloat(value, std::span<std::uint8_t, 4>(bytes));
    bool stored = m_memory.WriteFloat(*word, index, value);
    if (stored && *word == Area::RWI) std::memcpy(&m_rwiFloatPattern, &value, sizeof value);
    if (target) Queue(*target, 2, bytes, sizeof bytes);
}

void ValueAccess::QueueBit(int link, std::int32_t station, const std::string& registerName,
                           std::int32_t index, bool bit) {
    std::uint8_t byte = bit ? 1 : 0;
    Queue({registerName, index, station, link}, 1, &byte, 1);
}

void ValueAccess::Queue(const PlcTarget& target, std::int32_t count, const std::uint8_t* bytes,
                        std::size_t size) {
    if (!m_queue.IsOnline()) return;
    WriteRequest request;
    if (!request.SetArea(target.registerName)) return;
    request.address = target.index;
    request.station = target.station;
    request.count = count;
    request.plcNumber = target.link;
    std::memcpy(request.data.data(), bytes, std::min(size, request.data.size()));
    m_queue.Append(request);
}

void ValueAccess::LoadRecipe(std::int32_t group) {
    if (!m_recipes || !m_recipes->Present()) return;
    // A group the table does not hold is refused: nothing copied, the current group kept.
    if (group < 0 || group >= m_recipes->GroupCount()) return;
    std::span<const std::int32_t> words = m_recipes->GroupWords(group);
    for (size_t w = 0; w < words.size(); ++w)
        m_memory.WriteWord(Area::RWI, static_cast<std::int32_t>(1 + w), static_cast<std::uint16_t>(words[w]));
    m_memory.SetRecipeGroup(group);
}

}  // namespace sim
