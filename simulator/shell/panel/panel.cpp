#include "simulator/shell/panel/panel.h"

#include <algorithm>
#include <filesystem>

#include "simulator/memory/poll_collection.h"
#include "simulator/shell/project/part_preparation.h"

namespace sim {

Panel::Panel(Host& host)
    : m_host(host),
      m_tables(std::make_unique<ProjectTables>()),
      m_lists(std::make_unique<PartLists>()),
      m_blink(std::make_unique<BlinkStates>()) {}

Panel::~Panel() {
    Stop();
}

EvaluationTables Panel::Evaluation() const {
    return {&m_tables->discreteAlarms, &m_tables->analogAlarms, &m_tables->settings};
}

bool Panel::Start(const PanelOptions& options, std::string* error) {
    m_online = options.online;
    m_model = options.model;
    m_programFolder = options.programFolder;
    m_converters = std::make_unique<ConverterBinding>(m_host, options.converterFolder);
    m_access = std::make_unique<ValueAccess>(m_memory, *m_converters, m_queue);
    m_display = std::make_unique<DisplayContext>(
        DisplayContext{*m_access, Evaluation(), m_current, *m_lists, *m_blink, m_prepared, m_scrolls});
    m_queue.Reset();
    m_queue.SetOnline(m_online);

    if (!m_view.OpenDrawing(options.projectPath, error)) return false;
    m_view.SetViewScale(1.0);
    m_view.SetViewOrigin(0, 0);

    LoadProjectTables(m_view, *m_tables);
    const ProjectSettings& settings = m_tables->settings;
    for (int link = 1; link <= 2; ++link)
        m_access->SetPlcType(link, settings.ports[link - 1].protocol, settings.ports[link - 1].model);
    m_access->SetRecipes(&m_tables->recipes);

    m_view.SetRunMode(true);
    m_view.RunScript("SystemParams.ShowGrid = false");
    m_view.RunScript("Refresh()");
    m_view.SetViewOption(0);

    PrepareParts(m_view, m_tables->screens, m_current, m_prepared);
    m_view.SetCurrentPageIndex(settings.startScreen);
    m_currentScreen = m_view.CurrentPageIndex();

    // The memory is cleared before recipe group 0 is copied in, so the copy survives start-up.
    m_memory.Clear();
    m_access->LoadRecipe(0);
    m_memory.SetUserLevel(settings.initialUserLevel);

    ArmTimers();
    m_view.SetScreenAttribute(m_tables->screens.count > m_currentScreen
                                  ? m_tables->screens.records[static_cast<size_t>(m_currentScreen)].attribute
                                  : 0);
    m_beepOnTouch = settings.beepOff == 0;

    m_skin = SkinFor(m_model, settings.orientation);
    if (m_skin) {
        std::error_code ignored;
        if (!std::filesystem::is_regular_file(m_skin->bitmap, ignored)) m_host.MessageBox("File Error");
        m_view.SetViewArea(0, 0, m_skin->width, m_skin->height);
    }
    m_started = true;
    return true;
}

void Panel::Stop() {
    if (!m_started) return;
    for (int id = kTimerRefresh; id <= kTimerSystem; ++id) m_host.KillTimer(id);
    m_touched = nullptr;
    m_current.object = nullptr;
    m_bitSwitches.hold = MomentaryHold{};
    m_started = false;
}

void Panel::ArmTimers() {
    // A scan time of 0 would make the blink timer spin; the shortest blink period is one step.
    int blinkPeriod = std::max(1, m_tables->settings.scanTime) * 100;
    const std::pair<int, int> timers[] = {
        {kTimerRefresh, 500}, {kTimerBlink, blinkPeriod}, {kTimerPicture, 200}, {kTimerGif, 300},
        {kTimerTrend, 1000},  {kTimerAlarm, 1000},        {kTimerMove, 100}};
    for (auto [id, period] : timers) m_host.SetTimer(id, period, [this, id = id] { OnTimer(id); });
    if (!m_started) m_host.SetTimer(kTimerSystem, 1000, [this] { OnTimer(kTimerSystem); });
}

void Panel::ShowScreen(int page) {
    if (!m_view.SetCurrentPageIndex(page)) return;
    m_currentScreen = page;
    const ScreenTable& screens = m_tables->screens;
    m_view.SetScreenAttribute(page < screens.count ? screens.records[static_cast<size_t>(page)].attribute
                                                   : 0);
    m_view.SetViewOption(0);
    // A screen change restarts the display timers with the same periods.
    ArmTimers();
}

void Panel::LoadPart(engine::DrawObject* part) {
    LoadPartConfig(m_current, part);
}

}  // namespace sim
