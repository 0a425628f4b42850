// The main window's timers: timer 1 redraws the shown screen, timer 2 blinks, timer 8 keeps the
// system registers; the other passes join with their part types.

#include "simulator/memory/evaluate_part.h"
#include "simulator/shell/panel/panel.h"

namespace sim {

void Panel::OnTimer(int id) {
    if (!m_started) return;
    m_sixStep = (m_sixStep + 1) % 6;
    switch (id) {
        case kTimerRefresh:
            RefreshTick();
            break;
        case kTimerBlink:
            BlinkPass(*m_display);
            break;
        case kTimerSystem:
            SystemTick();
            break;
        default:
            break;  // picture, GIF, trend, alarm and motion passes come with their part types
    }
    if (engine::Page* page = m_view.CurrentPage()) page->GetSelection().Clear();
}

void Panel::RefreshTick() {
    m_lists->BeginTick();
    if (engine::Page* page = m_view.CurrentPage()) {
        for (int i = 0; i < page->ObjectCount(); ++i) {
            engine::DrawObject& part = *page->ObjectAt(i);
            if (RefreshHandler handler = RefreshHandlerFor(part.TypeCode())) handler(*m_display, part);
            part.SetVisible(true);
        }
    }
    m_lists->TakeSnapshot();
    m_threeStep = (m_threeStep + 1) % 3;
    m_fourStep = (m_fourStep + 1) % 4;
}

void Panel::SystemTick() {
    if (m_online) ReportPanelState();
    FollowScreenRequest();
    m_transferCounter = (m_transferCounter + 1) % 26;
    for (int& counter : m_clockCounters) counter = (counter + 1) % 256;
    ClockTransfer();
    WriteSystemWords();
}

// Entry 0 of the first register table tells the PLC the shown screen.
void Panel::ReportPanelState() {
    const RegisterEntry& entry = m_tables->settings.registerTable1[0];
    if (entry.numbers[0] == 0) return;
    int link = entry.numbers[1];
    RegisterAddress address =
        m_access->Resolve({link, entry.numbers[2], entry.registerName, entry.addressText});
    PlcTarget target{entry.registerName, address.index, address.station, link};
    m_access->WriteValue(address.area, address.index, m_currentScreen, 0, &target);
}

// The PLC asks for a screen through entry 0 of the second register table.
void Panel::FollowScreenRequest() {
    EvaluatePart(75, PartConfig(), *m_access, Evaluation());
    if (m_tables->settings.registerTable2[0].numbers[0] == 0) return;
    int requested = static_cast<int>(m_memory.ScratchValue(kScratchSecondTable, 0));
    if (requested == m_lastScreenRequest) return;
    m_lastScreenRequest = requested;
    if (requested < m_view.PageCount() && requested != m_currentScreen) ShowScreen(requested);
}

}  // namespace sim
