// skingen: draws the panel skin bitmaps and the online status picture into a folder.
//   skingen OUT_DIR
// Each skin is a dark bezel with rounded corners and a black screen cut-out at the drawing area's
// position; the bitmap is as wide as the position plus the area plus the same margin on the right
// (and as high likewise), so the screen sits centred in its frame. Errors go to stderr, status 1.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "simulator/shell/panel/skin.h"

namespace {

// One skin bitmap to draw: the simulator's own skin table gives its file and screen place.
struct Skin {
    std::string file;
    int x, y, width, height;
    std::string label;
};

// Every bitmap of the simulator's skin table once, with a label of its size and resolution.
std::vector<Skin> SkinsToDraw() {
    std::vector<Skin> skins;
    for (int model = 0; model <= 17; ++model) {
        for (int orientation : {0, 1}) {
            auto skin = sim::SkinFor(model, orientation);
            if (!skin) continue;
            std::string file = std::filesystem::path(skin->bitmap).filename().string();
            bool known = false;
            for (const Skin& drawn : skins) known = known || drawn.file == file;
            if (known) continue;
            std::string inches = file.substr(0, file.find_first_not_of("0123456789."));
            if (!inches.empty() && inches.back() == '.') inches.pop_back();
            skins.push_back(
                {file, skin->x, skin->y, skin->width, skin->height,
                 inches + "\"  " + std::to_string(skin->width) + " x " + std::to_string(skin->height)});
        }
    }
    return skins;
}

// Behind the rounded corners: the neutral grey of a desktop.
const QColor kDesk(200, 202, 206);
const QColor kBezelTop(78, 83, 92);
const QColor kBezelBottom(36, 39, 44);
const QColor kRecess(44, 47, 53);
const QColor kLabel(196, 202, 212);

QImage DrawSkin(const Skin& skin) {
    const int width = 2 * skin.x + skin.width, height = 2 * skin.y + skin.height;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kDesk);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const double radius = std::min(width, height) * 0.05;
    const QRectF outer(0.5, 0.5, width - 1.0, height - 1.0);
    QLinearGradient bezel(0, 0, 0, height);
    bezel.setColorAt(0, kBezelTop);
    bezel.setColorAt(1, kBezelBottom);
    p.setPen(QPen(QColor(22, 24, 28), 1));
    p.setBrush(bezel);
    p.drawRoundedRect(outer, radius, radius);
    // A soft highlight along the upper edge, as light falling on a moulded case.
    p.setPen(QPen(QColor(120, 126, 136), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), radius - 2, radius - 2);

    // The recess the glass sits in, a few pixels around the cut-out.
    const double inset = std::clamp(std::min(skin.x, skin.y) * 0.12, 6.0, 14.0);
    const QRectF screen(skin.x, skin.y, skin.width, skin.height);
    p.setPen(QPen(QColor(100, 106, 116), 1));
    p.setBrush(kRecess);
    p.drawRoundedRect(screen.adjusted(-inset, -inset, inset, inset), 5, 5);

    // The model label and a power lamp in the bottom margin.
    const double marginTop = skin.y + skin.height, margin = height - marginTop;
    QFont font("DejaVu Sans");
    font.setPixelSize(std::clamp(static_cast<int>(margin / 4), 11, 18));
    p.setFont(font);
    p.setPen(kLabel);
    p.drawText(QRectF(0, marginTop + inset, width, margin - inset), Qt::AlignCenter,
               QString::fromStdString(skin.label));
    const QPointF lamp(width - skin.x / 2.0, marginTop + margin / 2.0 + inset / 2);
    QRadialGradient glow(lamp, 7);
    glow.setColorAt(0, QColor(120, 240, 150));
    glow.setColorAt(0.5, QColor(40, 190, 90));
    glow.setColorAt(1, QColor(40, 190, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(lamp, 7, 7);

    // The cut-out last and without smoothing, so it is black to the exact pixel.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(skin.x, skin.y, skin.width, skin.height), Qt::black);
    return image;
}

// The online status picture: a computer and a controller joined by a link with a caution sign.
QImage DrawOnlineStatus() {
    const int width = 300, height = 120;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kDesk);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient card(0, 0, 0, height);
    card.setColorAt(0, QColor(246, 248, 251));
    card.setColorAt(1, QColor(220, 226, 234));
    p.setPen(QPen(QColor(150, 158, 170), 1));
    p.setBrush(card);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 12, 12);

    const QColor ink(60, 72, 88);
    // The computer: a monitor on a stand.
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(190, 214, 240));
    p.drawRoundedRect(QRectF(28, 30, 64, 44), 4, 4);
    p.drawLine(QPointF(60, 74), QPointF(60, 86));
    p.drawLine(QPointF(44, 88), QPointF(76, 88));
    // The controller: a box with a row of status lamps and terminals.
    p.setBrush(QColor(214, 218, 224));
    p.drawRoundedRect(QRectF(208, 28, 64, 62), 4, 4);
    const QColor lamps[] = {QColor(40, 190, 90), QColor(255, 176, 0), QColor(220, 60, 50)};
    for (int k = 0; k < 3; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(lamps[k]);
        p.drawEllipse(QPointF(222 + 14 * k, 42), 4, 4);
    }
    p.setPen(QPen(ink, 1.5));
    for (int k = 0; k < 6; ++k) p.drawLine(QPointF(216 + 8 * k, 72), QPointF(216 + 8 * k, 84));
    // The link, dashed, with the caution sign in its middle.
    QPen link(ink, 2, Qt::DashLine);
    p.setPen(link);
    p.drawLine(QPointF(98, 56), QPointF(202, 56));
    QPainterPath triangle;
    triangle.moveTo(150, 34);
    triangle.lineTo(172, 74);
    triangle.lineTo(128, 74);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(150, 90, 0), 2));
    p.setBrush(QColor(255, 196, 40));
    p.drawPath(triangle);
    p.setPen(QPen(QColor(60, 40, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 48), QPointF(150, 62));
    p.drawPoint(QPointF(150, 68));
    return image;
}

bool Save(const QImage& image, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QString::fromLatin1(file));
    if (image.save(path, "BMP")) return true;
    std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUT_DIR\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "skingen: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const Skin& skin : SkinsToDraw()) ok = Save(DrawSkin(skin), folder, skin.file.c_str()) && ok;
    ok = Save(DrawOnlineStatus(), folder, "onlineworring.bmp") && ok;
    return ok ? 0 : 1;
}
