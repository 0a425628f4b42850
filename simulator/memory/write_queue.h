#pragma once
// The hand-over of PLC writes from the window thread to the exchange thread: a fixed queue of 64
// WriteRequests guarded by ExchangeLock, which also guards the exchange's poll list.
//
// The window thread appends (online mode only); the exchange thread copies the head, removes it, or
// discards everything while the PLC link is down. The lock is held only for those short copies.

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>

namespace sim {

// One lock shared by the write queue and the poll list. A plain mutex: it is held only for copies,
// never while a driver runs or a reply is awaited.
class ExchangeLock {
  public:
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }
    bool try_lock() { return m_mutex.try_lock(); }

  private:
    std::mutex m_mutex;
};

struct WriteRequest {
    static constexpr std::size_t kAreaBytes = 24;  // longest PLC area name is 9 characters; room to spare
    static constexpr std::size_t kDataBytes = 1500;

    std::array<char, kAreaBytes> area{};  // zero-terminated PLC area name
    std::int32_t address = 0;             // start address (the resolved index)
    std::int32_t station = 0;
    std::int32_t count = 0;      // 16-bit words for a word write; 1 for a bit write
    std::int32_t plcNumber = 0;  // the address group's link, 1 or 2
    // A bit write holds 0 or 1 in the first byte; a word write each word low byte first.
    std::array<std::uint8_t, kDataBytes> data{};

    // Stores `name` as the area; refuses (and leaves the area unchanged) a name that does not fit.
    bool SetArea(std::string_view name);
    std::string_view AreaName() const;
};

class WriteQueue {
  public:
    static constexpr int kCapacity = 64;

    enum class AppendResult { Appended, ReplacedLast, RefusedOffline };

    explicit WriteQueue(ExchangeLock& lock);

    // Requests are accepted only in online mode; offline every write stays in the register image.
    void SetOnline(bool online);
    bool IsOnline() const;

    // Project opened: every field zeroed, count 0.
    void Reset();

    // Window thread. A full queue keeps its count and the new request replaces the last one.
    AppendResult Append(const WriteRequest& request);

    // Exchange thread. Copies the head into `out`; false (and `out` untouched) when the queue is empty.
    bool CopyHead(WriteRequest& out) const;
    // Exchange thread. Moves every later request up one place, whole; false when the queue is empty.
    bool RemoveHead();
    // Exchange thread, while the link is down.
    void DiscardAll();

    int Count() const;

  private:
    ExchangeLock& m_lock;
    bool m_online = false;
    int m_count = 0;
    // About 98 KB: kept off the owner's stack and allocated once.
    std::unique_ptr<std::array<WriteRequest, kCapacity>> m_requests;
};

}  // namespace sim
