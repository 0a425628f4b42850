#pragma once
// The panel skins: the picture of each panel model around its screen, and where the screen sits.

#include <optional>
#include <string>

namespace sim {

struct Skin {
    std::string bitmap;         // relative to the working folder, e.g. "bitmap/10.4.bmp"
    int x = 0, y = 0;           // the drawing area's top-left inside the window (the drawing offset)
    int width = 0, height = 0;  // the drawing area in panel pixels
};

// The skin of panel model `model` in the project's orientation (0 landscape, 1 portrait); nothing for
// a model the table does not know.
std::optional<Skin> SkinFor(int model, int orientation);

}  // namespace sim
