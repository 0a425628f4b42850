#pragma once
// Runs a panel from a script, one command per line ('#' starts a comment), on the headless host:
//   wait MS                           advance the virtual clock, firing every due timer in order
//   touch X Y | release | click X Y   press, let go, or both, at drawing coordinates
//   key NAME                          click the key NAME of the open keyboard ("key Escape" cancels it)
//   set AREA INDEX VALUE [FORMAT]     write memory (format code, default 0; bit areas take 0 or 1)
//   expect AREA INDEX VALUE [FORMAT]  compare memory
//   expect-prop INDEX PATH VALUE      compare a property of object INDEX of the shown page
//   expect-screen N                   compare the shown page
//   print AREA INDEX [COUNT] [FORMAT] print values on the output, one "AREA INDEX VALUE" per line
//   screenshot FILE.png               the panel with its skin
//   expect-message TEXT               the host showed that message box since the last check
//   expect-queue N                    N PLC write requests are waiting in the write queue
// The result is 0 when every expectation held, 1 when one failed, 2 for a bad script.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace sim {

class Panel;
class HeadlessHost;
class ModalWindow;

class ScriptRunner {
  public:
    // Writes the panel with its skin to a PNG file; false with a reason when it cannot.
    using Screenshot = std::function<bool(const std::string& path, std::string& error)>;

    ScriptRunner(Panel& panel, HeadlessHost& host, std::ostream& out, std::ostream& err);
    void SetScreenshot(Screenshot screenshot) { m_screenshot = std::move(screenshot); }

    // Runs every line; failed expectations are reported with their line number and the run goes on,
    // a bad line ends it.
    int Run(std::istream& script, const std::string& name);

  private:
    struct Line;
    bool NextLine(Line& line);
    bool Execute(const Line& line);
    bool Key(const Line& line);
    // Plays the following lines into `window` until it closes.
    void DriveModal(ModalWindow& window);
    bool Expect(bool held, const Line& line, const std::string& detail);
    bool Bad(const Line& line, const std::string& reason);

    Panel& m_panel;
    HeadlessHost& m_host;
    std::ostream& m_out;
    std::ostream& m_err;
    Screenshot m_screenshot;
    std::istream* m_script = nullptr;
    int m_lineNumber = 0;
    bool m_bad = false;                // a bad line ended the run
    std::vector<ModalWindow*> m_open;  // the keyboards open, innermost last
    std::string m_name;
    bool m_failed = false;
};

}  // namespace sim
