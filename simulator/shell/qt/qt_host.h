#pragma once
// The host of the real program: Qt timers on the window thread, modal message boxes, the system beep,
// the cursor of the last mouse press and a panel clock kept as an offset from the workstation's.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "simulator/shell/host.h"

class QWidget;

namespace sim {

class QtHost : public QObject, public Host {
    Q_OBJECT
  public:
    explicit QtHost(QObject* parent = nullptr);
    ~QtHost() override;

    void SetTimer(int id, int periodMs, std::function<void()> onTick) override;
    void KillTimer(int id) override;
    void MessageBox(const std::string& text) override;
    void Beep(int frequencyHz, int durationMs) override;
    CursorPoint CursorPosition() override { return {m_cursor.x(), m_cursor.y()}; }
    void RunModal(ModalWindow& window) override;
    LocalTime GetLocalTime() override;
    void SetLocalTime(const LocalTime& time) override;

    // The window message boxes belong to.
    void SetWindow(QWidget* window) { m_window = window; }
    // The press position in the main window's client coordinates, recorded by the window.
    void SetCursor(QPoint client) { m_cursor = client; }
    // Called with each modal dialog once it is shown (a window test clicks its keys there).
    std::function<void(class ModalDialog&)> onModalShown;
    // Runs after every timer tick (the window repaints the panel there).
    std::function<void()> afterTick;

  private:
    std::map<int, std::unique_ptr<QTimer>> m_timers;
    QWidget* m_window = nullptr;
    QPoint m_cursor;
    qint64 m_clockOffsetMs = 0;
    bool m_messageBoxOpen = false;
};

}  // namespace sim
