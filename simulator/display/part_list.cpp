#include "simulator/display/part_list.h"

namespace sim {

namespace {

bool KnownType(int type) {
    return type >= 0 && type < PartLists::kTypeCount;
}

}  // namespace

void PartLists::BeginTick() {
    for (PartList& list : m_lists) {
        list.typeCode = 0;
        list.count = 0;
        list.listValue = 0;
    }
}

void PartLists::TakeSnapshot() {
    for (std::size_t type = 0; type < m_lists.size(); ++type) m_snapshot[type] = m_lists[type].count;
}

int PartLists::RegisterPart(int type, engine::DrawObject* part) {
    if (!KnownType(type)) return 0;
    PartList& list = List(type);
    if (list.count >= PartList::kCapacity) return 0;
    ++list.count;
    list.parts[static_cast<std::size_t>(list.count)] = part;
    list.typeCode = type;
    return list.count;
}

int PartLists::SnapshotCount(int type) const {
    return KnownType(type) ? m_snapshot[static_cast<std::size_t>(type)] : 0;
}

std::int32_t* BlinkStates::At(int type, int entry, int picture) {
    if (type < 0 || type >= static_cast<int>(m_states.size())) return nullptr;
    auto& entries = m_states[static_cast<std::size_t>(type)];
    if (entry < 0 || entry >= static_cast<int>(entries.size())) return nullptr;
    auto& pictures = entries[static_cast<std::size_t>(entry)];
    if (picture < 0 || picture >= static_cast<int>(pictures.size())) return nullptr;
    return &pictures[static_cast<std::size_t>(picture)];
}

}  // namespace sim
