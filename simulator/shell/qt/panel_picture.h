#pragma once
// The panel as a picture: the skin bitmap with the shown page drawn into its screen cut-out.

#include <QImage>

namespace sim {

class Panel;

// The skin (when the model has one and its bitmap loads) with the current page at the drawing offset;
// without a skin just the page.
QImage RenderPanel(Panel& panel);

}  // namespace sim
