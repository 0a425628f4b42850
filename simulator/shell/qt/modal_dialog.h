#pragma once
// The Qt window of a modal window (the popup keyboards): a borderless dialog filled by an engine view.
// A click on the view runs the window's click handler; Escape cancels; Enter is swallowed. The dialog
// ends when the window reports it has closed.

#include <QDialog>

#include "engine/qt/engine_view.h"

namespace sim {

class ModalWindow;

class ModalDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ModalDialog(ModalWindow& window, QWidget* parent = nullptr);
    engine::EngineView* View() { return m_view; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void CloseWhenDone();

    ModalWindow& m_window;
    engine::EngineView* m_view;
};

}  // namespace sim
