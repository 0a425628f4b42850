#include "simulator/shell/project/screen_table.h"

#include <algorithm>

#include "engine/model/view.h"
#include "simulator/shell/project/fixed_columns.h"

namespace sim {

namespace {

// Columns of a page's ConfigText.
constexpr Column kScreenNumber{0, 8};
constexpr Column kAttribute{8, 8};
constexpr Column kScreenNumbers{16, 8};  // three, 8 apart
constexpr Column kName{40, 50};
constexpr Column kNumbers90{90, 8};  // two, 8 apart
constexpr Column kKind{106, 8};
constexpr Column kPopupWidth{114, 8};
constexpr Column kPopupHeight{122, 8};
constexpr Column kPositionMode{130, 8};
constexpr Column kNumber138{138, 8};
constexpr Column kPopupY{146, 8};
constexpr Column kPopupX{154, 8};
constexpr Column kShowTitle{162, 8};
constexpr Column kNumber170{170, 8};
constexpr Column kTitle{178, 40};

}  // namespace

ScreenRecord ReadScreenRecord(std::string_view text) {
    ScreenRecord r;
    r.screenNumber = FieldNumber(text, kScreenNumber);
    r.attribute = FieldNumber(text, kAttribute);
    for (std::size_t k = 0; k < r.screenNumbers.size(); ++k)
        r.screenNumbers[k] = FieldNumber(text, Shifted(kScreenNumbers, kScreenNumbers.len * k));
    r.name = FieldText(text, kName);
    for (std::size_t k = 0; k < r.numbers90.size(); ++k)
        r.numbers90[k] = FieldNumber(text, Shifted(kNumbers90, kNumbers90.len * k));
    r.kind = FieldNumber(text, kKind);
    r.popupWidth = FieldNumber(text, kPopupWidth);
    r.popupHeight = FieldNumber(text, kPopupHeight);
    r.positionMode = FieldNumber(text, kPositionMode);
    r.number138 = FieldNumber(text, kNumber138);
    r.popupY = FieldNumber(text, kPopupY);
    r.popupX = FieldNumber(text, kPopupX);
    r.showTitle = FieldNumber(text, kShowTitle);
    r.number170 = FieldNumber(text, kNumber170);
    r.title = FieldText(text, kTitle);
    return r;
}

void LoadScreenTable(const engine::View& view, ScreenTable& table) {
    table.count = std::min(view.PageCount(), ScreenTable::kCapacity);
    for (int page = 0; page < ScreenTable::kCapacity; ++page)
        table.records[static_cast<std::size_t>(page)] =
            page < table.count ? ReadScreenRecord(view.PageAt(page)->ConfigText()) : ScreenRecord{};
}

}  // namespace sim
