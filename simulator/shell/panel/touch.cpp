// Touches: a left-button press on the drawing finds the touchable part under it, checks whether it
// may be operated, runs the type's handler and writes the part's notification bit; the release runs
// the release handler (the momentary bit switch).

#include <cmath>

#include "simulator/memory/evaluate_part.h"
#include "simulator/memory/part_condition.h"
#include "simulator/shell/panel/panel.h"

namespace sim {
namespace {

constexpr int kNone = -1;

// The touch condition lines of each touchable type.
struct TouchLines {
    int type;
    int interlockFlag, requiredBit, levelFlag, requiredLevel;
    int notificationFlag, notificationValue, notificationGroup;  // kNone: the type has no notification
};

constexpr TouchLines kTouchLines[] = {
    {1, 10, 12, 13, 14, 15, 11, 21},        {2, 10, 12, 13, 14, kNone, kNone, kNone},
    {3, 10, 12, 13, 14, 15, 11, 21},        {4, 10, 12, 13, 14, kNone, kNone, kNone},
    {6, 536, 538, 539, 540, 541, 537, 547}, {12, 52, 58, 59, 60, 61, 67, 62},
    {13, 10, 12, 13, 14, 15, 11, 21},       {78, 10, 16, 17, 18, kNone, kNone, kNone},
};

const TouchLines* TouchLinesOf(int type) {
    for (const TouchLines& lines : kTouchLines)
        if (lines.type == type) return &lines;
    return nullptr;
}

}  // namespace

void Panel::SetTouchHandler(int type, TouchHandler handler) {
    if (type >= 0 && type < static_cast<int>(m_touchHandlers.size()))
        m_touchHandlers[static_cast<size_t>(type)] = handler;
}

int Panel::HitTest(int x, int y) const {
    // Without a skin the drawing area is 0 x 0: no touch reaches a part, not even at its corner.
    if (!m_skin || x < 0 || y < 0 || x > AreaWidth() || y > AreaHeight()) return -1;
    const engine::Page* page = m_view.CurrentPage();
    if (!page) return -1;
    for (int i = 0; i < page->ObjectCount(); ++i) {
        const engine::DrawObject& part = *page->ObjectAt(i);
        if (!TouchLinesOf(part.TypeCode())) continue;
        auto left = static_cast<int>(part.Left()), top = static_cast<int>(part.Top());
        auto width = static_cast<int>(part.Width()), height = static_cast<int>(part.Height());
        if (x >= left && x <= left + width && y >= top && y <= top + height) return i;
    }
    return -1;
}

bool Panel::CheckTouchAllowed(int type) {
    const TouchLines* lines = TouchLinesOf(type);
    if (!lines) return false;
    const PartConfig& config = m_current.config;
    if (config.Number(lines->interlockFlag) == 1)
        return m_memory.ScratchValue(kScratchControlA, 7) == config.Number(lines->requiredBit);
    if (config.Number(lines->levelFlag) == 1)
        return m_memory.UserLevel() >= config.Number(lines->requiredLevel);
    return true;
}

void Panel::WriteNotification(int flag, const AddressGroup& group, int value) {
    if (flag != 1) return;
    RegisterAddress address = m_access->Resolve(group);
    auto area = AreaFromName(address.area);
    if (!area || Info(*area).kind != AreaKind::Bit) return;
    // Memory only: the operating handlers queue the PLC half of the notification themselves.
    m_memory.WriteBit(*area, address.index, value != 0);
}

void Panel::Touch() {
    if (!m_started) return;
    CursorPoint cursor = m_host.CursorPosition();
    int index = HitTest(cursor.x - OffsetX(), cursor.y - OffsetY());
    engine::Page* page = m_view.CurrentPage();
    if (index < 0 || !page) return;
    engine::DrawObject* part = page->ObjectAt(index);
    m_touched = part;
    if (m_beepOnTouch) m_host.Beep(1000, 100);

    int type = part->TypeCode();
    LoadPart(part);
    EvaluatePart(type, m_current.config, *m_access, Evaluation());
    if (PartCondition(m_current.config, *m_access) == 1 && CheckTouchAllowed(type)) {
        const TouchLines& lines = *TouchLinesOf(type);
        AddressGroup notification;
        if (lines.notificationGroup != kNone)
            notification = ReadAddressGroup(m_current.config, lines.notificationGroup);
        int flag = lines.notificationFlag == kNone ? 0 : m_current.config.Number(lines.notificationFlag);
        int value = lines.notificationValue == kNone ? 0 : m_current.config.Number(lines.notificationValue);
        // The screen switch tells the PLC before the screen changes under it.
        if (type == 3) WriteNotification(flag, notification, value);
        ++m_handledTouches;
        if (TouchHandler handler = m_touchHandlers[static_cast<size_t>(type)]) handler(*this, *part);
        if (type != 3) WriteNotification(flag, notification, value);
    }
    if (engine::Page* shown = m_view.CurrentPage()) shown->GetSelection().Clear();
}

void Panel::Release() {
    if (m_started && m_releaseHandler) m_releaseHandler(*this);
}

}  // namespace sim
