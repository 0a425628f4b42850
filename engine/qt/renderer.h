#pragma once
// Paints a page with QPainter: every kind of object, children after their parent, invisible objects
// (and everything inside them) skipped. Colours are Win32-style 0x00BBGGRR values.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <string>

#include "engine/model/page.h"

class QPainter;

namespace engine {

QColor ColorFromBgr(int bgr);

class Renderer {
  public:
    // `folder` is where picture files of "image" objects are looked up (the drawing's folder).
    explicit Renderer(std::string folder = {});

    // Picture files are looked up in `folder`; a new folder forgets the pictures loaded so far.
    void SetFolder(const std::string& folder);

    // Paints `page` in drawing coordinates onto `painter` (the caller sets any transform).
    void DrawPage(QPainter& painter, const Page& page);
    // Renders `page` into an image of the page's size.
    QImage RenderPage(const Page& page);

  private:
    void DrawObject(QPainter& painter, const engine::DrawObject& object);
    void DrawText(QPainter& painter, const engine::DrawObject& object);
    void DrawImage(QPainter& painter, const engine::DrawObject& object);
    const QImage& Picture(const std::string& file);

    std::string m_folder;
    QHash<QString, QImage> m_pictures;
};

}  // namespace engine
