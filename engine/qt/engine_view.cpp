#include "engine/qt/engine_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace engine {

EngineView::EngineView(View& view, QWidget* parent)
    : QWidget(parent), m_view(view), m_renderer(view.GetDrawing().Folder()) {
    m_view.onRepaint = [this] { update(); };
}

EngineView::~EngineView() {
    m_view.onRepaint = nullptr;
}

QPointF EngineView::ToDrawing(QPointF widgetPoint) const {
    return widgetPoint / m_view.ViewScale() + QPointF(m_view.OriginX(), m_view.OriginY());
}

void EngineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const Page* page = m_view.CurrentPage();
    if (!page) return;
    m_renderer.SetFolder(m_view.GetDrawing().Folder());
    painter.scale(m_view.ViewScale(), m_view.ViewScale());
    painter.translate(-m_view.OriginX(), -m_view.OriginY());
    m_renderer.DrawPage(painter, *page);
}

void EngineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    QPointF point = ToDrawing(event->position());
    m_view.ClickAt(point.x(), point.y());
    emit clicked(point.x(), point.y());
}

}  // namespace engine
