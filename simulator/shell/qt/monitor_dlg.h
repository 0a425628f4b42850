#pragma once
// The main window: the panel skin with the engine view in its screen cut-out. Thin: it forwards the
// left-button press and release, Esc and the context menu to the panel and repaints after each tick.

#include <QLabel>
#include <QWidget>
#include <memory>

#include "engine/qt/engine_view.h"

namespace sim {

class Panel;
class QtHost;

class MonitorDlg : public QWidget {
    Q_OBJECT
  public:
    MonitorDlg(Panel& panel, QtHost& host, QWidget* parent = nullptr);
    ~MonitorDlg() override;

    engine::EngineView* View() { return m_view; }
    // Loads the skin bitmap and places the view; called once the panel has started.
    void ApplySkin();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowAbout();
    bool IsOurs(QObject* watched) const;

    Panel& m_panel;
    QtHost& m_host;
    QLabel* m_skin;
    engine::EngineView* m_view;
};

}  // namespace sim
