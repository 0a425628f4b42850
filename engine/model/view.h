#pragma once
// The engine as a window hosts it: one open drawing, the shown page and the view settings.
// Window-free; the Qt widget EngineView paints a View and feeds it clicks.

#include <functional>
#include <memory>
#include <string>

#include "engine/model/drawing.h"

namespace engine {

struct ViewArea {
    double left = 0, top = 0, width = 0, height = 0;
};

class View {
  public:
    View();
    ~View();

    // Opens a drawing file; an empty path gives an empty view. On failure the view keeps its old
    // drawing, `error` names the file, the place and the reason, and the result is false.
    bool OpenDrawing(const std::string& path, std::string* error = nullptr);
    // Shows a drawing built in memory (tests, tools).
    void SetDrawing(std::unique_ptr<Drawing> drawing);
    const Drawing& GetDrawing() const { return *m_drawing; }

    int PageCount() const { return m_drawing->PageCount(); }
    Page* PageAt(int index) const { return m_drawing->PageAt(index); }
    int CurrentPageIndex() const { return m_current; }
    // Shows page `index`; an index outside the drawing is refused (false) and nothing changes.
    bool SetCurrentPageIndex(int index);
    Page* CurrentPage() const { return m_drawing->PageAt(m_current); }

    int ScreenAttribute() const { return m_screenAttribute; }
    void SetScreenAttribute(int attribute) { m_screenAttribute = attribute; }

    // Runs one script statement. Supported: "SystemParams.ShowGrid = false" (and = true) and "Refresh()";
    // anything else is ignored and traced.
    void RunScript(const std::string& statement);
    bool ShowGrid() const { return m_showGrid; }

    bool RunMode() const { return m_runMode; }
    void SetRunMode(bool run) { m_runMode = run; }
    double ViewScale() const { return m_scale; }
    void SetViewScale(double scale) { m_scale = scale > 0 ? scale : 1.0; }
    double OriginX() const { return m_originX; }
    double OriginY() const { return m_originY; }
    void SetViewOrigin(double x, double y) { m_originX = x, m_originY = y; }
    const ViewArea& Area() const { return m_area; }
    void SetViewArea(double left, double top, double width, double height) {
        m_area = {left, top, width, height};
    }
    int ViewOption() const { return m_viewOption; }
    void SetViewOption(int option) { m_viewOption = option; }

    // Deletes the selected objects of the current page.
    void DeleteSelected();

    // A click at drawing coordinates: the topmost visible object under the point becomes the current
    // page's selection and the click event is raised with the point (also when nothing was hit).
    void ClickAt(double x, double y);
    std::function<void(double x, double y)> onClick;
    // Raised when the view must be painted again (a page change, "Refresh()").
    std::function<void()> onRepaint;
    // Receives trace lines (unsupported scripts); stderr when unset.
    std::function<void(const std::string&)> onTrace;

  private:
    void Repaint() {
        if (onRepaint) onRepaint();
    }

    std::unique_ptr<Drawing> m_drawing;
    int m_current = 0;
    int m_screenAttribute = 0;
    bool m_showGrid = true, m_runMode = false;
    double m_scale = 1.0, m_originX = 0, m_originY = 0;
    ViewArea m_area;
    int m_viewOption = 0;
};

}  // namespace engine
