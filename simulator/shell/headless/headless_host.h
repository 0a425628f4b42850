#pragma once
// The host of tests and scripted runs: a virtual clock that moves only when told to, timers fired in
// time order as the clock passes them, message boxes recorded (and echoed to stderr), a settable
// cursor and a panel clock kept as an offset from the virtual time.

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "simulator/shell/host.h"

namespace sim {

class HeadlessHost : public Host {
  public:
    // The panel clock starts at `start` (a calendar time); by default at the workstation's local time.
    HeadlessHost();
    explicit HeadlessHost(const LocalTime& start);

    void SetTimer(int id, int periodMs, std::function<void()> onTick) override;
    void KillTimer(int id) override;
    void MessageBox(const std::string& text) override;
    void Beep(int frequencyHz, int durationMs) override;
    CursorPoint CursorPosition() override { return m_cursor; }
    // Hands the window to the modal driver (the script runner plays its key commands into it); without
    // a driver the window is cancelled at once, as if Escape had been pressed.
    void RunModal(ModalWindow& window) override;
    LocalTime GetLocalTime() override;
    void SetLocalTime(const LocalTime& time) override;

    // Moves the virtual clock `ms` milliseconds on, firing every timer that falls due on the way, in
    // time order (timers due at the same moment in id order).
    void Advance(std::int64_t ms);
    std::int64_t Now() const { return m_now; }
    bool TimerArmed(int id) const { return m_timers.count(id) != 0; }

    void SetCursor(int x, int y) { m_cursor = {x, y}; }
    void SetModalDriver(std::function<void(ModalWindow&)> driver) { m_modalDriver = std::move(driver); }
    // Message boxes shown since the last call.
    std::vector<std::string> TakeMessages();
    int Beeps() const { return m_beeps; }
    // Echo message boxes on stderr (on by default).
    void SetEcho(bool echo) { m_echo = echo; }

  private:
    struct Timer {
        int period;
        std::int64_t due;
        std::function<void()> onTick;
    };

    std::map<int, Timer> m_timers;
    std::int64_t m_now = 0;
    std::time_t m_startSeconds = 0;  // the panel clock at virtual time 0, as a calendar count
    std::int64_t m_clockOffsetMs = 0;
    CursorPoint m_cursor;
    std::function<void(ModalWindow&)> m_modalDriver;
    std::vector<std::string> m_messages;
    int m_beeps = 0;
    bool m_echo = true;
};

}  // namespace sim
