#pragma once
// The screen records: one per page, read from the page's ConfigText.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {
class View;
}

namespace sim {

struct ScreenRecord {
    enum Kind : std::int32_t { kBaseScreen = 0, kPopupWindow = 1 };

    std::int32_t screenNumber = 0;
    std::int32_t attribute = 0;  // handed to the view's ScreenAttribute whenever the screen is shown
    std::array<std::int32_t, 3> screenNumbers{};  // read by screen switching
    std::string name;                             // trimmed
    std::array<std::int32_t, 2> numbers90{};
    std::int32_t kind = kBaseScreen;
    std::int32_t popupWidth = 0, popupHeight = 0;
    std::int32_t positionMode = 0;  // 0 centred in the panel, 1 at popupX, popupY
    std::int32_t number138 = 0;
    std::int32_t popupY = 0, popupX = 0;
    std::int32_t showTitle = 0;  // 1: the pop-up has a title bar
    std::int32_t number170 = 0;
    std::string title;  // trimmed
};

ScreenRecord ReadScreenRecord(std::string_view text);

struct ScreenTable {
    static constexpr int kCapacity = 200;

    std::array<ScreenRecord, kCapacity> records;
    int count = 0;  // pages that have a record: the first kCapacity pages

    // A page without a record (beyond the capacity) counts as a base screen, as its empty kind
    // field would read.
    bool IsBaseScreen(int page) const {
        return page < 0 || page >= count ||
               records[static_cast<std::size_t>(page)].kind == ScreenRecord::kBaseScreen;
    }
};

// Reads the records of the view's pages; pages past the capacity get none.
void LoadScreenTable(const engine::View& view, ScreenTable& table);

}  // namespace sim
