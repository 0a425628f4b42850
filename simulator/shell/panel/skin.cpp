#include "simulator/shell/panel/skin.h"

#include <initializer_list>

namespace sim {
namespace {

constexpr int kAnyOrientation = -1;

struct SkinRow {
    std::initializer_list<int> models;
    int orientation;
    const char* bitmap;
    int x, y, width, height;
};

const SkinRow kSkins[] = {
    {{0, 9, 11, 14}, kAnyOrientation, "bitmap/10.4A.bmp", 135, 139, 800, 600},
    {{1, 2}, kAnyOrientation, "bitmap/10.4.bmp", 110, 112, 640, 480},
    {{3, 10, 15}, kAnyOrientation, "bitmap/7.bmp", 139, 111, 800, 480},
    {{4, 5}, kAnyOrientation, "bitmap/5.7.bmp", 109, 108, 640, 480},
    {{6}, kAnyOrientation, "bitmap/3.5.bmp", 55, 53, 320, 240},
    {{7, 13, 16}, 0, "bitmap/4.3.bmp", 81, 62, 480, 272},
    {{7, 13, 16}, 1, "bitmap/4.3p.bmp", 57, 81, 272, 480},
    {{8, 12, 17}, 0, "bitmap/3.5.bmp", 55, 53, 320, 240},
    {{8, 12, 17}, 1, "bitmap/3.5p.bmp", 52, 55, 240, 320},
};

}  // namespace

std::optional<Skin> SkinFor(int model, int orientation) {
    for (const SkinRow& row : kSkins) {
        bool modelMatches = false;
        for (int m : row.models) modelMatches = modelMatches || m == model;
        if (modelMatches && (row.orientation == kAnyOrientation || row.orientation == orientation))
            return Skin{row.bitmap, row.x, row.y, row.width, row.height};
    }
    return std::nullopt;
}

}  // namespace sim
