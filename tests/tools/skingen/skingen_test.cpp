// The skins in the run folder, checked against the panel models' table: each bitmap frames the drawing
// area with the same margin on every side, the screen cut-out is black to its edge pixels, and the
// bezel around it is not.

#include <gtest/gtest.h>

#include <QImage>
#include <string>

namespace {

struct SkinRow {
    const char* file;
    int x, y, width, height;
};

// Position and area of the drawing inside each skin, as the simulator places the drawing.
constexpr SkinRow kSkinTable[] = {
    {"10.4A.bmp", 135, 139, 800, 600}, {"10.4.bmp", 110, 112, 640, 480}, {"7.bmp", 139, 111, 800, 480},
    {"5.7.bmp", 109, 108, 640, 480},   {"4.3.bmp", 81, 62, 480, 272},    {"4.3p.bmp", 57, 81, 272, 480},
    {"3.5.bmp", 55, 53, 320, 240},     {"3.5p.bmp", 52, 55, 240, 320},
};

QImage Load(const char* file) {
    return QImage(QString::fromStdString(std::string(HMI_RUN_DIR) + "/bitmap/" + file));
}

bool IsBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// Dark but not black: every bezel pixel has some light in it.
bool IsBezel(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return qRed(p) + qGreen(p) + qBlue(p) >= 48;
}

TEST(Skins, CutOutBlackAtTheTablePositionInsideALitBezel) {
    for (const SkinRow& row : kSkinTable) {
        SCOPED_TRACE(row.file);
        const QImage image = Load(row.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), 2 * row.x + row.width);
        EXPECT_EQ(image.height(), 2 * row.y + row.height);

        const int left = row.x, top = row.y, right = row.x + row.width - 1, bottom = row.y + row.height - 1;
        const int midX = row.x + row.width / 2, midY = row.y + row.height / 2;
        const int inside[][2] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}, {midX, midY},
                                 {midX, top}, {left, midY}, {right, midY},  {midX, bottom}};
        for (const auto& p : inside) EXPECT_TRUE(IsBlack(image, p[0], p[1])) << p[0] << "," << p[1];

        // Just outside each edge and corner of the cut-out, and halfway out into the margins.
        for (int d : {1, 3, 6}) {
            const int outside[][2] = {{left - d, top - d},     {right + d, top - d}, {left - d, bottom + d},
                                      {right + d, bottom + d}, {midX, top - d},      {midX, bottom + d},
                                      {left - d, midY},        {right + d, midY}};
            for (const auto& p : outside) EXPECT_TRUE(IsBezel(image, p[0], p[1])) << p[0] << "," << p[1];
        }
        const int margins[][2] = {{row.x / 2, midY}, {image.width() - row.x / 2, midY}, {midX, row.y / 2}};
        for (const auto& p : margins) EXPECT_TRUE(IsBezel(image, p[0], p[1])) << p[0] << "," << p[1];
    }
}

TEST(Skins, OnlineStatusPicture) {
    const QImage image = Load("onlineworring.bmp");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(300, 120));
}

}  // namespace
