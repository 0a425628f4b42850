#pragma once
// The host interface: everything the simulator's logic needs from the platform.
// The Qt host drives the real program; the headless host (virtual clock) drives tests and scripted runs.
// The simulator core talks only to this interface and never includes a window-system header.

#include <functional>
#include <string>

namespace sim {

class ModalWindow;

// A local date and time as the panel sees it.
struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    int dayOfWeek = 6;  // 0 = Sunday
};

struct CursorPoint {
    int x = 0, y = 0;  // client coordinates of the main window
};

class Host {
  public:
    virtual ~Host() = default;

    // Arms (or re-arms) timer `id` to call `onTick` every `periodMs` milliseconds on the window thread.
    virtual void SetTimer(int id, int periodMs, std::function<void()> onTick) = 0;
    virtual void KillTimer(int id) = 0;

    // Shows a modal message box with a fixed text (bytes in the project's code page) and waits for OK.
    virtual void MessageBox(const std::string& text) = 0;

    // Sounds the touch beep; a host without sound gives a visible or logged cue instead.
    virtual void Beep(int frequencyHz, int durationMs) = 0;

    virtual CursorPoint CursorPosition() = 0;

    // Shows `window` modally and returns when it has closed (the popup keyboards). Timers keep running.
    virtual void RunModal(ModalWindow& window) = 0;

    // The panel's local clock. Setting it moves only the panel's clock (an offset kept by the host),
    // never the workstation's.
    virtual LocalTime GetLocalTime() = 0;
    virtual void SetLocalTime(const LocalTime& time) = 0;
};

}  // namespace sim
