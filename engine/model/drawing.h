#pragma once
// A whole drawing: the pages of one project (page index = screen number) and where it came from.

#include <memory>
#include <string>
#include <vector>

#include "engine/model/page.h"

namespace engine {

class Drawing {
  public:
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    Page* PageAt(int index) const {
        return index >= 0 && index < PageCount() ? m_pages[static_cast<size_t>(index)].get() : nullptr;
    }
    Page* AddPage() {
        m_pages.push_back(std::make_unique<Page>());
        return m_pages.back().get();
    }
    // The folder the drawing was read from; picture files are found relative to it.
    const std::string& Folder() const { return m_folder; }
    void SetFolder(std::string folder) { m_folder = std::move(folder); }

  private:
    std::vector<std::unique_ptr<Page>> m_pages;
    std::string m_folder;
};

}  // namespace engine
