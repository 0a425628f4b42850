#pragma once
// The widget that shows a View: paints its current page at the view's origin and scale and turns a
// left-button press into a click on the view (selection and click event).

#include <QPointF>
#include <QWidget>

#include "engine/model/view.h"
#include "engine/qt/renderer.h"

namespace engine {

class EngineView : public QWidget {
    Q_OBJECT
  public:
    explicit EngineView(View& view, QWidget* parent = nullptr);
    ~EngineView() override;

    View& GetView() { return m_view; }
    QPointF ToDrawing(QPointF widgetPoint) const;

  signals:
    // Raised after the view handled a click; the point is in drawing coordinates.
    void clicked(double x, double y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    View& m_view;
    Renderer m_renderer;
};

}  // namespace engine
