#include "simulator/operate/keyboards/keyboard_window.h"

#include <cstdio>
#include <filesystem>

#include "engine/model/names.h"

namespace sim {

KeyboardWindow::KeyboardWindow(EntryState& entry, int page, int defaultWidth, int defaultHeight)
    : m_entry(entry), m_page(page), m_defaultWidth(defaultWidth), m_defaultHeight(defaultHeight) {}

int KeyboardWindow::Width() const {
    const engine::Page* page = m_view.PageAt(m_page);
    return page ? static_cast<int>(page->Width()) : m_defaultWidth;
}

int KeyboardWindow::Height() const {
    const engine::Page* page = m_view.PageAt(m_page);
    return page ? static_cast<int>(page->Height()) : m_defaultHeight;
}

bool KeyboardWindow::Open(const std::string& programFolder, std::initializer_list<std::string_view> names) {
    const std::string path = (std::filesystem::path(programFolder) / kKeypadsFile).string();
    std::string reason;
    if (!m_view.OpenDrawing(path, &reason))
        m_openError = reason.empty() ? path + ": cannot open the keyboard drawing" : reason;
    else if (!m_view.SetCurrentPageIndex(m_page))
        m_openError = path + ": the keyboard drawing has no page " + std::to_string(m_page);
    else if (!m_view.CurrentPage()->FindObject("text3"))
        m_openError = path + ": page " + std::to_string(m_page) + " has no entry field \"text3\"";
    if (!m_openError.empty()) {
        // Keyboards show no messages; the trace tells an installation without a usable drawing.
        std::fprintf(stderr, "keyboard: %s\n", m_openError.c_str());
        m_view.SetDrawing(std::make_unique<engine::Drawing>());
        m_entry.EntryAccepted = 0;
        m_result = DialogResult::Cancel;
        return false;
    }
    m_view.SetViewOption(0);

    engine::Page& page = *m_view.CurrentPage();
    for (int i = 0; i < page.ObjectCount(); ++i) {
        engine::DrawObject* object = page.ObjectAt(i);
        for (std::string_view name : names) {
            if (engine::SameName(object->Name(), name) && !Named(name)) {
                object->SetVisible(true);
                m_named.emplace_back(std::string(name), object);
            }
        }
        object->SetLockMask(1023);
    }
    return true;
}

void KeyboardWindow::Run(Host& host) {
    if (!Closed()) host.RunModal(*this);
}

void KeyboardWindow::OnClick() {
    if (Closed()) return;
    const engine::Page* page = m_view.CurrentPage();
    const engine::DrawObject* key = page ? page->GetSelection().Item(0) : nullptr;
    OnKey(key ? std::string_view(key->Name()) : std::string_view());
}

void KeyboardWindow::OnEscape() {
    if (Closed()) return;
    m_entry.EntryAccepted = 0;
    OnCancelled();
    Close(DialogResult::Ok);
}

void KeyboardWindow::Close(DialogResult result) {
    m_named.clear();
    m_result = result;
}

engine::DrawObject* KeyboardWindow::Named(std::string_view name) const {
    for (const auto& [known, object] : m_named)
        if (engine::SameName(known, name)) return object;
    return nullptr;
}

std::string KeyboardWindow::Text() const {
    const engine::DrawObject* field = Named("text3");
    if (!field) return {};
    auto text = field->GetProperty("text");
    return text ? engine::VariantText(*text) : std::string();
}

void KeyboardWindow::SetText(std::string_view objectName, const std::string& text) {
    if (engine::DrawObject* object = Named(objectName)) object->SetProperty("text", text);
}

void KeyboardWindow::SetValid(std::string_view rectName, bool valid) {
    if (engine::DrawObject* rect = Named(rectName))
        rect->SetProperty("BackColor", valid ? kValidColor : kInvalidColor);
}

int KeyNumber(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || !engine::SameName(name.substr(0, prefix.size()), prefix)) return 0;
    std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 2 || digits[0] == '0') return 0;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

}  // namespace sim
