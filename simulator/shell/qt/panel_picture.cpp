#include "simulator/shell/qt/panel_picture.h"

#include <QPainter>

#include "engine/qt/renderer.h"
#include "simulator/shell/panel/panel.h"

namespace sim {

QImage RenderPanel(Panel& panel) {
    engine::Page* page = panel.View().CurrentPage();
    QImage skin;
    if (panel.PanelSkin()) skin.load(QString::fromStdString(panel.PanelSkin()->bitmap));
    if (skin.isNull()) {
        if (!page) return QImage(1, 1, QImage::Format_RGB32);
        return engine::Renderer(panel.View().GetDrawing().Folder()).RenderPage(*page);
    }
    QImage picture = skin.convertToFormat(QImage::Format_RGB32);
    if (page) {
        QPainter painter(&picture);
        painter.translate(panel.OffsetX(), panel.OffsetY());
        painter.setClipRect(0, 0, panel.AreaWidth(), panel.AreaHeight());
        engine::Renderer(panel.View().GetDrawing().Folder()).DrawPage(painter, *page);
    }
    return picture;
}

}  // namespace sim
