#pragma once
// A window-free modal window, such as a popup keyboard: an engine view the host shows, and the
// handlers of a click on the view and of the Escape key. The host runs it until it is closed; the
// caller reads what it left in the shared state afterwards.

namespace engine {
class View;
}

namespace sim {

class ModalWindow {
  public:
    virtual ~ModalWindow() = default;

    virtual engine::View& View() = 0;
    // The window's size in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The view's click event, after the click put the object under the pointer into the current
    // page's selection.
    virtual void OnClick() = 0;
    // The Escape key: the window cancels and closes.
    virtual void OnEscape() = 0;
    virtual bool Closed() const = 0;
};

}  // namespace sim
