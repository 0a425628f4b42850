#include "simulator/shell/qt/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <cstdio>

#include "engine/pnl/codepage.h"
#include "simulator/shell/modal_window.h"
#include "simulator/shell/qt/modal_dialog.h"

namespace sim {

QtHost::QtHost(QObject* parent) : QObject(parent) {}

QtHost::~QtHost() = default;

void QtHost::SetTimer(int id, int periodMs, std::function<void()> onTick) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(std::max(1, periodMs));
    connect(timer.get(), &QTimer::timeout, this, [this, onTick = std::move(onTick)] {
        // A message box shown from a tick runs its own event loop; ticks wait until it is answered, so
        // a message that recurs on every tick does not stack up boxes.
        if (m_messageBoxOpen) return;
        onTick();
        if (afterTick) afterTick();
    });
    timer->start();
    // Re-arming from inside a tick replaces the timer after its tick has finished.
    if (auto old = m_timers.find(id); old != m_timers.end()) old->second.release()->deleteLater();
    m_timers[id] = std::move(timer);
}

void QtHost::KillTimer(int id) {
    if (auto it = m_timers.find(id); it != m_timers.end()) {
        it->second->stop();
        it->second.release()->deleteLater();
        m_timers.erase(it);
    }
}

void QtHost::MessageBox(const std::string& text) {
    QString message = QString::fromStdString(engine::CodePageToUtf8(text));
    std::fprintf(stderr, "message box: %s\n", message.toUtf8().constData());
    m_messageBoxOpen = true;
    QMessageBox::information(m_window, QStringLiteral("Monitor"), message, QMessageBox::Ok);
    m_messageBoxOpen = false;
}

void QtHost::RunModal(ModalWindow& window) {
    if (window.Closed()) return;  // a keyboard that could not open shows no empty dialog
    ModalDialog dialog(window, m_window);
    if (onModalShown) QTimer::singleShot(0, &dialog, [this, &dialog] { onModalShown(dialog); });
    dialog.exec();
    if (!window.Closed()) window.OnEscape();
}

void QtHost::Beep(int frequencyHz, int durationMs) {
    // Qt has no tone generator: the system bell rings where the desktop has one, and the log tells.
    QApplication::beep();
    if (qEnvironmentVariableIsSet("HMISIM_TRACE"))
        std::fprintf(stderr, "beep %d Hz %d ms\n", frequencyHz, durationMs);
}

LocalTime QtHost::GetLocalTime() {
    QDateTime now = QDateTime::currentDateTime().addMSecs(m_clockOffsetMs);
    QDate d = now.date();
    QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec(), d.dayOfWeek() % 7};
}

void QtHost::SetLocalTime(const LocalTime& time) {
    QDateTime target(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute, time.second));
    if (!target.isValid()) return;  // a date the calendar does not have leaves the clock alone
    m_clockOffsetMs = QDateTime::currentDateTime().msecsTo(target);
}

}  // namespace sim
