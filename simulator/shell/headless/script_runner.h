#pragma once
// Runs a panel from a script, one command per line ('#' starts a comment), on the headless host:
//   wait MS                           advance the virtual clock, firing every due timer in order
//   touch X Y | release | click X Y   press, let go, or both, at drawing coordinates
//   key NAME                          click the key NAME of the open keyboard
//   set AREA INDEX VALUE [FORMAT]     write memory (format code, default 0; bit areas take 0 or 1)
//   expect AREA INDEX VALUE [FORMAT]  compare memory
//   expect-prop INDEX PATH VALUE      compare a property of object INDEX of the shown page
//   expect-screen N                   compare the shown page
//   print AREA INDEX [COUNT] [FORMAT] print values on the output, one "AREA INDEX VALUE" per line
//   screenshot FILE.png               the panel with its skin
//   expect-message TEXT               the host showed that message box since the last check
// The result is 0 when every expectation held, 1 when one failed, 2 for a bad script.

#include <functional>
#include <iosfwd>
#include <string>

namespace sim {

class Panel;
class HeadlessHost;

class ScriptRunner {
  public:
    // Writes the panel with its skin to a PNG file; false with a reason when it cannot.
    using Screenshot = std::function<bool(const std::string& path, std::string& error)>;
    // Clicks a key of the open keyboard; false when no keyboard is open or it has no such key.
    using KeyPress = std::function<bool(const std::string& name, std::string& error)>;

    ScriptRunner(Panel& panel, HeadlessHost& host, std::ostream& out, std::ostream& err);
    void SetScreenshot(Screenshot screenshot) { m_screenshot = std::move(screenshot); }
    void SetKeyPress(KeyPress keyPress) { m_keyPress = std::move(keyPress); }

    // Runs every line; failed expectations are reported with their line number and the run goes on,
    // a bad line ends it.
    int Run(std::istream& script, const std::string& name);

  private:
    struct Line;
    bool Execute(const Line& line);
    bool Expect(bool held, const Line& line, const std::string& detail);
    bool Bad(const Line& line, const std::string& reason);

    Panel& m_panel;
    HeadlessHost& m_host;
    std::ostream& m_out;
    std::ostream& m_err;
    Screenshot m_screenshot;
    KeyPress m_keyPress;
    std::string m_name;
    bool m_failed = false;
};

}  // namespace sim
