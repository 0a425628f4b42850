#include "simulator/shell/project/part_preparation.h"

#include "engine/model/view.h"
#include "simulator/shell/project/part_config.h"
#include "simulator/shell/project/screen_table.h"

namespace sim {

namespace {

// Lock settings that keep the run-time view from moving or editing an object.
constexpr int kLockMask = 1023;
constexpr int kLockLevel = 1;

constexpr int kLampReferenceLine = 25;

enum PartType : int {
    kBitLamp = 14,
    kXyChart = 30,
    kTrendChart = 31,
    kAlarmDisplay = 32,
    kTimerPart = 81,
};

// Where the cells are made; the alarm scan moves each one to its row.
constexpr double kCellLeft = 50, kCellTop = 50, kCellWidth = 320, kCellHeight = 20;

void CreateAlarmCells(engine::Page& page, int pageIndex, AlarmTextCells& list) {
    list = AlarmTextCells{};
    list.page = pageIndex;
    for (int c = 0; c < AlarmTextCells::kCapacity; ++c) {
        engine::DrawObject* cell = page.CreateObject("text", kCellLeft, kCellTop, kCellWidth, kCellHeight);
        if (!cell) break;
        cell->SetSelected(false);
        cell->SetProperty("BackStyle", 0);
        cell->SetProperty("BorderStyle", 0);
        cell->SetLockMask(kLockMask);
        cell->SetVisible(true);
        list.cells[static_cast<std::size_t>(list.count++)] = cell;
    }
}

}  // namespace

void ChartPageList::Add(int page) {
    if (count < kCapacity)
        pages[static_cast<std::size_t>(count++)] = page;
    else
        pages[kCapacity - 1] = page;
}

void PrepareParts(engine::View& view, const ScreenTable& screens, PartRecord& current,
                  PreparedParts& prepared) {
    prepared = PreparedParts{};
    for (int p = 0; p < view.PageCount(); ++p) {
        engine::Page& page = *view.PageAt(p);
        const int objectCount = page.ObjectCount();  // the cells made below are not parts
        for (int i = 0; i < objectCount; ++i) {
            engine::DrawObject* object = page.ObjectAt(i);
            object->SetLockMask(kLockMask);
            object->SetLockLevel(kLockLevel);
            object->SetVisible(true);
            switch (object->TypeCode()) {
                case kBitLamp:
                    LoadPartConfig(current, object);
                    prepared.lampReference = current.config.Number(kLampReferenceLine);
                    break;
                case kTrendChart:
                    prepared.trendPages.Add(p);
                    break;
                case kXyChart:
                    prepared.xyPages.Add(p);
                    break;
                case kTimerPart:
                    object->SetProperty("Timer.visible", false);
                    break;
                case kAlarmDisplay:
                    view.SetCurrentPageIndex(p);
                    if (screens.IsBaseScreen(p)) CreateAlarmCells(page, p, prepared.alarmCells);
                    break;
                default:
                    break;
            }
        }
    }
}

}  // namespace sim
