#include "simulator/shell/headless/headless_host.h"

#include <algorithm>
#include <cstdio>

#include "engine/pnl/codepage.h"
#include "simulator/shell/modal_window.h"

namespace sim {
namespace {

// Calendar times are handled as UTC counts so that no time zone or daylight-saving rule applies.
std::time_t ToSeconds(const LocalTime& t) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    return timegm(&tm);
}

LocalTime FromMs(std::int64_t ms) {
    std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    return {tm.tm_year + 1900,           tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
            static_cast<int>(ms % 1000), tm.tm_wday};
}

LocalTime WorkstationTime() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, 0, tm.tm_wday};
}

}  // namespace

HeadlessHost::HeadlessHost() : HeadlessHost(WorkstationTime()) {}

HeadlessHost::HeadlessHost(const LocalTime& start) : m_startSeconds(ToSeconds(start)) {}

void HeadlessHost::SetTimer(int id, int periodMs, std::function<void()> onTick) {
    int period = std::max(1, periodMs);
    m_timers[id] = Timer{period, m_now + period, std::move(onTick)};
}

void HeadlessHost::KillTimer(int id) {
    m_timers.erase(id);
}

void HeadlessHost::MessageBox(const std::string& text) {
    m_messages.push_back(text);
    if (m_echo) std::fprintf(stderr, "message box: %s\n", engine::CodePageToUtf8(text).c_str());
}

void HeadlessHost::Beep(int, int) {
    ++m_beeps;
}

void HeadlessHost::RunModal(ModalWindow& window) {
    if (m_modalDriver) m_modalDriver(window);
    if (!window.Closed()) window.OnEscape();
}

LocalTime HeadlessHost::GetLocalTime() {
    return FromMs(static_cast<std::int64_t>(m_startSeconds) * 1000 + m_now + m_clockOffsetMs);
}

void HeadlessHost::SetLocalTime(const LocalTime& time) {
    std::int64_t target = static_cast<std::int64_t>(ToSeconds(time)) * 1000 + time.millisecond;
    m_clockOffsetMs = target - (static_cast<std::int64_t>(m_startSeconds) * 1000 + m_now);
}

void HeadlessHost::Advance(std::int64_t ms) {
    std::int64_t end = m_now + std::max<std::int64_t>(0, ms);
    while (true) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
            if (it->second.due <= end && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        if (next == m_timers.end()) break;
        m_now = next->second.due;
        next->second.due += next->second.period;
        // The tick may re-arm or kill timers, this one included: run a copy of the callback.
        std::function<void()> tick = next->second.onTick;
        tick();
    }
    m_now = end;
}

std::vector<std::string> HeadlessHost::TakeMessages() {
    std::vector<std::string> taken;
    taken.swap(m_messages);
    return taken;
}

}  // namespace sim
