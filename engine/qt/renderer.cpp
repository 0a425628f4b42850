#include "engine/qt/renderer.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <filesystem>

#include "engine/pnl/codepage.h"

namespace engine {
namespace {

constexpr const char* kFontFamily = "WenQuanYi Micro Hei";

Qt::PenStyle PenStyleOf(int lineStyle) {
    static const Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                          Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    return lineStyle >= 0 && lineStyle < 6 ? styles[lineStyle] : Qt::SolidLine;
}

// Text alignment codes follow the numeric keypad: 7 8 9 top, 4 5 6 middle, 1 2 3 bottom.
Qt::Alignment AlignmentOf(int code) {
    if (code < 1 || code > 9) code = 5;
    Qt::Alignment horizontal = (code % 3 == 1)   ? Qt::AlignLeft
                               : (code % 3 == 2) ? Qt::AlignHCenter
                                                 : Qt::AlignRight;
    Qt::Alignment vertical = code >= 7 ? Qt::AlignTop : code >= 4 ? Qt::AlignVCenter : Qt::AlignBottom;
    return horizontal | vertical;
}

QPen OutlineOf(const engine::DrawObject& object) {
    const Variant* width = object.Style("lineWidth");
    double lineWidth = width ? VariantNumber(*width).value_or(1) : 1;
    if (lineWidth <= 0) return Qt::NoPen;
    QPen pen(ColorFromBgr(object.StyleInt("lineColor")), lineWidth);
    pen.setStyle(PenStyleOf(object.StyleInt("lineStyle")));
    return pen;
}

QBrush FillOf(const engine::DrawObject& object) {
    if (object.StyleInt("fillStyle") == 0) return Qt::NoBrush;
    return QBrush(ColorFromBgr(object.StyleInt("backColor")));
}

QRectF BoundsOf(const engine::DrawObject& object) {
    return QRectF(object.Left(), object.Top(), object.Width(), object.Height()).normalized();
}

}  // namespace

QColor ColorFromBgr(int bgr) {
    auto value = static_cast<uint32_t>(bgr);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

Renderer::Renderer(std::string folder) : m_folder(std::move(folder)) {}

void Renderer::SetFolder(const std::string& folder) {
    if (folder == m_folder) return;
    m_folder = folder;
    m_pictures.clear();
}

void Renderer::DrawPage(QPainter& painter, const Page& page) {
    painter.fillRect(QRectF(0, 0, page.Width(), page.Height()), ColorFromBgr(page.BackColor()));
    for (int i = 0; i < page.ObjectCount(); ++i) DrawObject(painter, *page.ObjectAt(i));
}

QImage Renderer::RenderPage(const Page& page) {
    QImage image(std::max(1, static_cast<int>(page.Width())), std::max(1, static_cast<int>(page.Height())),
                 QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawPage(painter, page);
    return image;
}

void Renderer::DrawObject(QPainter& painter, const engine::DrawObject& object) {
    if (!object.Visible()) return;
    const std::string& kind = object.Kind();
    painter.setPen(OutlineOf(object));
    painter.setBrush(FillOf(object));
    if (kind == "rect") {
        painter.drawRect(BoundsOf(object));
    } else if (kind == "ellipse") {
        painter.drawEllipse(BoundsOf(object));
    } else if (kind == "line") {
        QPolygonF polygon;
        for (const auto& p : object.Points()) polygon << QPointF(p.x, p.y);
        if (polygon.isEmpty())
            polygon << QPointF(object.Left(), object.Top()) << QPointF(object.Right(), object.Bottom());
        if (object.StyleInt("fillStyle") != 0 && polygon.size() > 2)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    } else if (kind == "image") {
        DrawImage(painter, object);
    }
    if (kind == "text" || (kind != "group" && !object.StyleText("text").empty())) DrawText(painter, object);
    for (size_t i = 0; i < object.ChildCount(); ++i) DrawObject(painter, *object.ChildAt(i));
}

void Renderer::DrawText(QPainter& painter, const engine::DrawObject& object) {
    QRectF bounds = BoundsOf(object);
    if (object.Kind() == "text") {
        if (object.StyleInt("fillStyle") != 0) painter.fillRect(bounds, FillOf(object));
        if (object.StyleInt("borderStyle") != 0) {
            painter.setPen(QPen(ColorFromBgr(object.StyleInt("lineColor")), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bounds);
        }
    }
    QFont font(kFontFamily);
    font.setPixelSize(std::clamp(object.StyleInt("fontsize", 12), 1, 1000));
    painter.setFont(font);
    painter.setPen(ColorFromBgr(object.StyleInt("fontcolor")));
    int flags = static_cast<int>(AlignmentOf(object.StyleInt("textalign", 5)));
    if (object.StyleInt("multiline") != 0) flags |= Qt::TextWordWrap;
    painter.drawText(bounds, flags, QString::fromStdString(CodePageToUtf8(object.StyleText("text"))));
}

void Renderer::DrawImage(QPainter& painter, const engine::DrawObject& object) {
    const QImage& picture = Picture(CodePageToUtf8(object.StyleText("file")));
    QRectF bounds = BoundsOf(object);
    if (!picture.isNull()) {
        painter.drawImage(bounds, picture);
        return;
    }
    // A missing picture shows as a crossed frame, so the drawing still tells where it belongs.
    painter.setPen(QPen(Qt::gray, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds);
    painter.drawLine(bounds.topLeft(), bounds.bottomRight());
    painter.drawLine(bounds.topRight(), bounds.bottomLeft());
}

const QImage& Renderer::Picture(const std::string& file) {
    QString key = QString::fromStdString(file);
    auto it = m_pictures.find(key);
    if (it != m_pictures.end()) return *it;
    std::filesystem::path path(file);
    if (path.is_relative() && !m_folder.empty()) path = std::filesystem::path(m_folder) / path;
    QImage picture;
    if (!file.empty()) picture.load(QString::fromStdString(path.string()));
    return *m_pictures.insert(key, picture);
}

}  // namespace engine
