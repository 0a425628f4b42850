#include "engine/model/view.h"

#include <cstdio>

#include "engine/model/names.h"
#include "engine/pnl/pnl_reader.h"

namespace engine {
namespace {

// Compares a statement with a script form, ignoring case and blanks.
bool SameStatement(std::string_view statement, std::string_view form) {
    size_t i = 0, j = 0;
    while (true) {
        while (i < statement.size() && (statement[i] == ' ' || statement[i] == '\t')) ++i;
        while (j < form.size() && form[j] == ' ') ++j;
        if (i == statement.size() || j == form.size()) return i == statement.size() && j == form.size();
        if (AsciiLower(statement[i]) != AsciiLower(form[j])) return false;
        ++i, ++j;
    }
}

}  // namespace

View::View() : m_drawing(std::make_unique<Drawing>()) {}
View::~View() = default;

bool View::OpenDrawing(const std::string& path, std::string* error) {
    if (path.empty()) {
        SetDrawing(std::make_unique<Drawing>());
        return true;
    }
    std::string reason;
    auto drawing = ReadDrawingFile(path, reason);
    if (!drawing) {
        if (error) *error = reason;
        return false;
    }
    SetDrawing(std::move(drawing));
    return true;
}

void View::SetDrawing(std::unique_ptr<Drawing> drawing) {
    m_drawing = std::move(drawing);
    m_current = 0;
    Repaint();
}

bool View::SetCurrentPageIndex(int index) {
    if (!m_drawing->PageAt(index)) return false;
    m_current = index;
    Repaint();
    return true;
}

void View::RunScript(const std::string& statement) {
    if (SameStatement(statement, "SystemParams.ShowGrid = false")) {
        m_showGrid = false;
    } else if (SameStatement(statement, "SystemParams.ShowGrid = true")) {
        m_showGrid = true;
    } else if (SameStatement(statement, "Refresh()")) {
        Repaint();
    } else {
        std::string line = "engine: script ignored: " + statement;
        if (onTrace)
            onTrace(line);
        else
            std::fprintf(stderr, "%s\n", line.c_str());
    }
}

void View::DeleteSelected() {
    if (Page* page = CurrentPage()) page->DeleteSelected();
    Repaint();
}

void View::ClickAt(double x, double y) {
    if (Page* page = CurrentPage()) {
        page->GetSelection().Clear();
        page->GetSelection().Add(page->ObjectAtPoint(x, y));
    }
    if (onClick) onClick(x, y);
}

}  // namespace engine
