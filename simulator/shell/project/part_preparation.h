#pragma once
// The start-up pass over every part of the project: every object is locked against editing and shown,
// and a few part types do their one-time start work (lamp reference, chart page lists, hidden timer
// child, the text cells of the alarm display).

#include <array>
#include <cstdint>

namespace engine {
class DrawObject;
class View;
}  // namespace engine

namespace sim {

struct PartRecord;
struct ScreenTable;

// The pages holding the charts of one type, in the order the pass met them. The trend pass finds the
// chart slots of the shown screen here.
struct ChartPageList {
    static constexpr int kCapacity = 15;

    std::array<int, kCapacity> pages{};
    int count = 0;

    // Once the list is full, a further page overwrites the last entry.
    void Add(int page);
};

// The text cells the alarm display writes its rows into. They are created on the page that holds the
// display; a later alarm display on a base screen replaces the list (the earlier cells stay on their
// page, empty).
struct AlarmTextCells {
    static constexpr int kCapacity = 610;

    std::array<engine::DrawObject*, kCapacity> cells{};
    int count = 0;
    int page = -1;
};

struct PreparedParts {
    std::int32_t lampReference = 0;  // line 25 of the last bit lamp (type 14) met
    ChartPageList trendPages;        // type 31
    ChartPageList xyPages;           // type 30
    AlarmTextCells alarmCells;       // made for the last alarm display (type 32) on a base screen
};

// Walks every page and every object of the view in order. Every object gets LockMask 1023,
// LockLevel 1 and Visible true; then by type:
//   14  the part's lines are loaded into `current`; line 25 becomes the lamp reference;
//   30, 31  the page joins that chart type's page list;
//   81  its child "Timer" is hidden;
//   32  its page is shown; on a base screen 610 text cells are created there.
// Objects created by the pass are not walked. `prepared` is reset first.
void PrepareParts(engine::View& view, const ScreenTable& screens, PartRecord& current,
                  PreparedParts& prepared);

}  // namespace sim
