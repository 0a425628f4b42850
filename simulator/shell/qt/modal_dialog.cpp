#include "simulator/shell/qt/modal_dialog.h"

#include <QKeyEvent>

#include "simulator/shell/modal_window.h"

namespace sim {

ModalDialog::ModalDialog(ModalWindow& window, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_window(window),
      m_view(new engine::EngineView(window.View(), this)) {
    setModal(true);
    setFixedSize(window.Width(), window.Height());
    m_view->setGeometry(0, 0, window.Width(), window.Height());
    connect(m_view, &engine::EngineView::clicked, this, [this] {
        m_window.OnClick();
        m_view->update();
        CloseWhenDone();
    });
}

void ModalDialog::CloseWhenDone() {
    if (m_window.Closed()) accept();
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;  // swallowed
    QDialog::keyPressEvent(event);  // Escape arrives at reject()
}

void ModalDialog::reject() {
    if (!m_window.Closed()) m_window.OnEscape();
    QDialog::reject();
}

}  // namespace sim
