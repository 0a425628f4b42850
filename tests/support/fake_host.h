#pragma once
// A host for unit tests: records message boxes and beeps, keeps a settable clock, runs no timers.

#include <functional>
#include <string>
#include <vector>

#include "simulator/shell/host.h"
#include "simulator/shell/modal_window.h"

namespace sim {

class FakeHost : public Host {
  public:
    void SetTimer(int, int, std::function<void()>) override {}
    void KillTimer(int) override {}
    void MessageBox(const std::string& text) override { messages.push_back(text); }
    void Beep(int, int) override { ++beeps; }
    CursorPoint CursorPosition() override { return cursor; }
    // Runs the window with `onModal` (a test clicks its keys there); without one it closes nothing.
    void RunModal(ModalWindow& window) override {
        if (onModal) onModal(window);
    }
    LocalTime GetLocalTime() override { return clock; }
    void SetLocalTime(const LocalTime& time) override { clock = time; }

    std::function<void(ModalWindow&)> onModal;
    std::vector<std::string> messages;
    int beeps = 0;
    CursorPoint cursor;
    LocalTime clock;
};

}  // namespace sim
