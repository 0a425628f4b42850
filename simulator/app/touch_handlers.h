#pragma once
// Installs the operating handlers of the touchable part types into a panel.

namespace sim {

class Panel;

void InstallTouchHandlers(Panel& panel);

}  // namespace sim
