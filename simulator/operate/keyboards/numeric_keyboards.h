#pragma once
// The numeric keyboard (Keyboard) and the password keyboard (Keyboard_Pass), both drawn on page 24
// with the keys "element1" .. "element17": digits 1..9 and 0 ("element1" .. "element10"), "." (11),
// "-" (12), Backspace (13), Clear (14), "00" (15), Cancel (16) and Enter (17).
//
// Keyboard: the caller sets NumericEntry (limits, fraction digits d, data type, active = 1) and runs
// it; Enter accepts a number inside the limits into NumericEntry.result with EntryAccepted = 1.
// The limits are in units of 10^-d except for data type 6 (floating point), whose limits are taken as
// they are. The typed number is single precision, and so is the range test: the limits are rounded
// to single precision first, so a number typed exactly as the limit shows is never refused.
//
//   panel.Entry().numeric = {.lowerLimit = 0, .upperLimit = 1000, .fractionDigits = 1, .dataType = 0,
//                            .active = 1, .result = 0};
//   Keyboard keyboard(panel.Entry(), panel.ProgramFolder());
//   keyboard.Run(panel.GetHost());
//   if (panel.Entry().EntryAccepted == 1) use(panel.Entry().numeric.result);
//
// Keyboard_Pass: Enter compares the typed number with the project's eight user-level passwords and
// accepts the first equal one: MatchedLevel = its index 1..8, EntryAccepted = 1. While a touch's
// password prompt is open (LoginRequest.required = 1) a level below LoginRequest.minimumLevel is
// refused, and an accepted one becomes the current user level (index - 1) through `setUserLevel`.
// A password slot left empty in the project never matches. The typed digits are shown only masked,
// as one "*" per character in "text100"; the plain entry field "text3" is kept hidden.
//
//   Keyboard_Pass login(panel.Entry(), panel.Tables().settings.passwords,
//                       [&](int level) { panel.Memory().SetUserLevel(level); }, panel.ProgramFolder());
//   login.Run(panel.GetHost());

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "simulator/operate/keyboards/keyboard_window.h"
#include "simulator/shell/project/project_settings.h"

namespace sim {

class Keyboard : public KeyboardWindow {
  public:
    Keyboard(EntryState& entry, const std::string& programFolder);

  private:
    void OnKey(std::string_view name) override;
    void Enter();

    bool m_decimalPoint = false;  // the text holds a "."
};

using Passwords = std::array<std::string, ProjectSettings::kPasswordCount>;

class Keyboard_Pass : public KeyboardWindow {
  public:
    Keyboard_Pass(EntryState& entry, const Passwords& passwords, std::function<void(int)> setUserLevel,
                  const std::string& programFolder);

  private:
    void OnKey(std::string_view name) override;
    void Enter();

    Passwords m_passwords;
    std::function<void(int)> m_setUserLevel;
};

// The typed text as a single-precision number: an optional "-", digits and at most one ".", read
// as far as they go. Nullopt when the text holds no digit before the first other character ("", "-",
// "."). A number beyond the single-precision range is infinite, one too small for it is zero.
std::optional<float> EnteredNumber(std::string_view text);

}  // namespace sim
