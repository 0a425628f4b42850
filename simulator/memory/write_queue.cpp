#include "simulator/memory/write_queue.h"

#include <algorithm>

namespace sim {

bool WriteRequest::SetArea(std::string_view name) {
    if (name.size() >= area.size()) return false;
    area.fill('\0');
    std::copy(name.begin(), name.end(), area.begin());
    return true;
}

std::string_view WriteRequest::AreaName() const {
    return std::string_view(area.data(), std::find(area.begin(), area.end(), '\0') - area.begin());
}

WriteQueue::WriteQueue(ExchangeLock& lock)
    : m_lock(lock), m_requests(std::make_unique<std::array<WriteRequest, kCapacity>>()) {}

void WriteQueue::SetOnline(bool online) {
    std::lock_guard guard(m_lock);
    m_online = online;
}

bool WriteQueue::IsOnline() const {
    std::lock_guard guard(m_lock);
    return m_online;
}

void WriteQueue::Reset() {
    std::lock_guard guard(m_lock);
    m_requests->fill(WriteRequest{});
    m_count = 0;
}

WriteQueue::AppendResult WriteQueue::Append(const WriteRequest& request) {
    std::lock_guard guard(m_lock);
    if (!m_online) return AppendResult::RefusedOffline;
    if (m_count == kCapacity) {
        (*m_requests)[kCapacity - 1] = request;
        return AppendResult::ReplacedLast;
    }
    (*m_requests)[m_count++] = request;
    return AppendResult::Appended;
}

bool WriteQueue::CopyHead(WriteRequest& out) const {
    std::lock_guard guard(m_lock);
    if (m_count == 0) return false;
    out = (*m_requests)[0];
    return true;
}

bool WriteQueue::RemoveHead() {
    std::lock_guard guard(m_lock);
    if (m_count == 0) return false;
    std::move(m_requests->begin() + 1, m_requests->begin() + m_count, m_requests->begin());
    --m_count;
    return true;
}

void WriteQueue::DiscardAll() {
    std::lock_guard guard(m_lock);
    m_count = 0;
}

int WriteQueue::Count() const {
    std::lock_guard guard(m_lock);
    return m_count;
}

}  // namespace sim
