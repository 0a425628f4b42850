#pragma once
// The running panel: everything the main window owns, window-free. The Qt window and the headless
// runner both drive it through the host interface: start-up, timer ticks, touches and releases.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "engine/model/view.h"
#include "simulator/display/display_context.h"
#include "simulator/memory/converter_binding.h"
#include "simulator/memory/panel_memory.h"
#include "simulator/memory/value_access.h"
#include "simulator/memory/write_queue.h"
#include "simulator/operate/bit_switch_state.h"
#include "simulator/operate/entry_state.h"
#include "simulator/shell/host.h"
#include "simulator/shell/panel/skin.h"
#include "simulator/shell/project/project_tables.h"

namespace sim {

struct PanelOptions {
    std::string projectPath;
    int model = 0;
    bool online = false;
    std::string converterFolder = ".";  // where Areamap.dll, Addrmap.dll and Regpeek.dll are
    std::string programFolder = ".";    // where the keyboard drawing "keypads.pnl" is
};

// Timer ids and periods of the main window.
enum TimerId {
    kTimerRefresh = 1,
    kTimerBlink,
    kTimerPicture,
    kTimerGif,
    kTimerTrend,
    kTimerAlarm,
    kTimerMove,
    kTimerSystem
};

class Panel;

// The operating handler of a touchable part type; runs after the touch checks passed.
using TouchHandler = void (*)(Panel& panel, engine::DrawObject& part);

class Panel {
  public:
    explicit Panel(Host& host);
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The start-up sequence after the hand-off file: open the drawing, load the tables, prepare the
    // parts, show the start screen, clear the memory, arm the timers, pick the skin. False (with the
    // reason in `error`) when the drawing cannot be opened; the panel then stays empty.
    bool Start(const PanelOptions& options, std::string* error = nullptr);
    // The exit command: timers stop, the touched and current parts are forgotten.
    void Stop();

    // A touch at the cursor position the host reports (client coordinates of the main window).
    void Touch();
    // Left button released: ends a pending momentary press (through the release handler).
    void Release();
    // Shows page `page` (its screen attribute, the poll list when online).
    void ShowScreen(int page);

    // Installs the operating handler of `type` (the operating parts register theirs at start).
    void SetTouchHandler(int type, TouchHandler handler);
    // Installs what a left-button release does (the momentary bit switch's release).
    void SetReleaseHandler(void (*handler)(Panel&)) { m_releaseHandler = handler; }

    // One tick of timer `id`: the refresh cycle.
    void OnTimer(int id);

    Host& GetHost() { return m_host; }
    engine::View& View() { return m_view; }
    PanelMemory& Memory() { return m_memory; }
    ValueAccess& Access() { return *m_access; }
    WriteQueue& Queue() { return m_queue; }
    ProjectTables& Tables() { return *m_tables; }
    DisplayContext& Display() { return *m_display; }
    BitSwitchState& BitSwitches() { return m_bitSwitches; }
    EntryState& Entry() { return m_entry; }
    // The folder of the simulator program, where the keyboard drawing "keypads.pnl" is.
    const std::string& ProgramFolder() const { return m_programFolder; }

    bool Online() const { return m_online; }
    int Model() const { return m_model; }
    int CurrentScreen() const { return m_currentScreen; }
    bool BeepOnTouch() const { return m_beepOnTouch; }
    // The skin of the model, when the table has one; without it the drawing area is 0 x 0.
    const std::optional<Skin>& PanelSkin() const { return m_skin; }
    int OffsetX() const { return m_skin ? m_skin->x : 0; }
    int OffsetY() const { return m_skin ? m_skin->y : 0; }
    int AreaWidth() const { return m_skin ? m_skin->width : 0; }
    int AreaHeight() const { return m_skin ? m_skin->height : 0; }
    engine::DrawObject* TouchedPart() const { return m_touched; }
    // Times the touch dispatcher ran a part's handler (the window test checks a touch arrived).
    int HandledTouches() const { return m_handledTouches; }

    // The touch steps, public for the tests.
    int HitTest(int x, int y) const;
    bool CheckTouchAllowed(int type);
    void WriteNotification(int flag, const AddressGroup& group, int value);

  private:
    void ArmTimers();
    void RefreshTick();
    void SystemTick();
    void ClockTransfer();
    void WriteSystemWords();
    void ReportPanelState();
    void FollowScreenRequest();

  public:
    // Makes `part` the current part and loads its configuration lines.
    void LoadPart(engine::DrawObject* part);
    const PartConfig& CurrentConfig() const { return m_current.config; }
    // The project tables EvaluatePart reads for the alarm and system part types.
    EvaluationTables Evaluation() const;

  private:

    Host& m_host;
    engine::View m_view;
    PanelMemory m_memory;
    ExchangeLock m_exchangeLock;
    WriteQueue m_queue{m_exchangeLock};
    std::unique_ptr<ConverterBinding> m_converters;
    std::unique_ptr<ValueAccess> m_access;
    std::unique_ptr<ProjectTables> m_tables;  // about 1 MB
    PreparedParts m_prepared;
    PartRecord m_current;
    std::unique_ptr<PartLists> m_lists;
    std::unique_ptr<BlinkStates> m_blink;
    ScrollStates m_scrolls;
    std::unique_ptr<DisplayContext> m_display;
    BitSwitchState m_bitSwitches;
    void (*m_releaseHandler)(Panel&) = nullptr;
    EntryState m_entry;
    std::string m_programFolder;
    std::array<TouchHandler, 100> m_touchHandlers{};

    bool m_started = false;
    bool m_online = false;
    int m_model = 0;
    std::optional<Skin> m_skin;
    int m_currentScreen = 0;
    bool m_beepOnTouch = true;
    engine::DrawObject* m_touched = nullptr;
    int m_handledTouches = 0;

    // Refresh-cycle counters.
    int m_sixStep = 0, m_threeStep = 0, m_fourStep = 0;
    int m_transferCounter = 0;                // 0..25
    std::array<int, 2> m_clockCounters{};     // 0..255, upload and download
    std::array<int, 2> m_lastClockTrigger{};  // trigger words at the last tick, upload and download
    int m_lastScreenRequest = 0;              // the screen-switch word at the last tick
};

}  // namespace sim
