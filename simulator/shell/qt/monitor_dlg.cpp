#include "simulator/shell/qt/monitor_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>

#include "simulator/shell/panel/panel.h"
#include "simulator/shell/qt/qt_host.h"

namespace sim {

MonitorDlg::MonitorDlg(Panel& panel, QtHost& host, QWidget* parent)
    : QWidget(parent),
      m_panel(panel),
      m_host(host),
      m_skin(new QLabel(this)),
      m_view(new engine::EngineView(panel.View(), this)) {
    setWindowTitle(QStringLiteral("Monitor"));
    resize(640, 480);
    m_host.SetWindow(this);
    m_host.afterTick = [this] { m_view->update(); };
    // Presses anywhere in the window (skin, view, children) are touches: watch them before dispatch.
    qApp->installEventFilter(this);
}

MonitorDlg::~MonitorDlg() {
    qApp->removeEventFilter(this);
    m_host.afterTick = nullptr;
    m_host.SetWindow(nullptr);
}

void MonitorDlg::ApplySkin() {
    const auto& skin = m_panel.PanelSkin();
    if (!skin) return;  // an unknown model: template size, no skin, no drawing area
    QPixmap picture(QString::fromStdString(skin->bitmap));
    if (!picture.isNull()) {
        m_skin->setPixmap(picture);
        m_skin->setGeometry(0, 0, picture.width(), picture.height());
        setFixedSize(picture.size());
    }
    m_view->setGeometry(skin->x, skin->y, skin->width, skin->height);
}

bool MonitorDlg::IsOurs(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only the main window's own widgets: a keyboard dialog is a child window with its own clicks.
    return widget && widget->window() == this;
}

bool MonitorDlg::eventFilter(QObject* watched, QEvent* event) {
    if (!IsOurs(watched)) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            QWidget* widget = static_cast<QWidget*>(watched);
            m_host.SetCursor(widget->mapTo(this, mouse->position().toPoint()));
            m_panel.Touch();
            m_view->update();
            return true;  // the touch is the whole effect of a press
        }
        case QEvent::MouseButtonRelease: {
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
            m_panel.Release();
            m_view->update();
            return true;
        }
        case QEvent::KeyPress: {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;  // Enter never closes the panel
            if (key == Qt::Key_Escape) {
                close();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void MonitorDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* exit = menu.addAction(QStringLiteral("退出(&Q)"));
    menu.addSeparator();
    QAction* about = menu.addAction(QStringLiteral("关于(&A)"));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == exit) close();
    if (chosen == about) ShowAbout();
}

void MonitorDlg::ShowAbout() {
    QMessageBox::about(
        this, QStringLiteral("关于 Monitor"),
        QStringLiteral("Monitor: operator-panel simulator\nRuns panel projects offline or online."));
}

void MonitorDlg::closeEvent(QCloseEvent* event) {
    m_panel.Stop();
    event->accept();
}

}  // namespace sim
