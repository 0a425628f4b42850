#pragma once
// The project settings: page 0's ExtraText. Ports, start screen, timing, passwords, the register
// tables that link panel state to the PLC, and the flags telling which page-0 tables exist.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "simulator/shell/project/plc_link.h"

namespace sim {

// An entry of the two register tables (the panel's state published to the PLC, and the words the
// PLC uses to command the panel).
struct RegisterEntry {
    std::array<std::int32_t, 4> numbers{};
    std::string registerName;  // trimmed
    std::string addressText;   // trimmed
};

// An entry of the system word table (clock transfer registers).
struct SystemWordEntry {
    std::array<std::int32_t, 3> numbers{};
    std::string registerName;  // trimmed
    std::string addressText;   // trimmed
};

struct ProjectSettings {
    static constexpr int kPortCount = 2;
    static constexpr int kPasswordCount = 8;
    static constexpr int kRegisterEntryCount = 10;
    static constexpr int kSystemWordCount = 4;

    std::array<PlcLink, kPortCount> ports;  // [0] is PLC 1 (link 1), [1] is PLC 2 (link 2)
    std::int32_t number156 = 0;
    std::int32_t orientation = 0;                 // 0 landscape, 1 portrait
    std::array<std::int32_t, 2> motionNumbers{};  // read by the moving parts
    std::int32_t startScreen = 0;
    std::int32_t scanTime = 0;                          // blink timer period in 100 ms steps
    std::array<std::int32_t, 4> numbers180{};           // the first is published as LW4026
    std::int32_t beepOff = 0;                           // 0: beep on every touch
    std::array<std::string, kPasswordCount> passwords;  // levels 1 to 8, trimmed
    std::int32_t initialUserLevel = 0;
    std::array<RegisterEntry, kRegisterEntryCount> registerTable1;
    std::array<std::int32_t, 3> systemWordFlags{};
    std::array<std::array<std::int32_t, 4>, 2> systemWordGroups{};
    std::array<SystemWordEntry, kSystemWordCount> systemWords;
    std::array<RegisterEntry, kRegisterEntryCount> registerTable2;
    std::int32_t lock3Flag = 0;   // non-zero: the "Lock3" table is present
    std::int32_t recipeFlag = 0;  // non-zero: the project has recipes ("Lock2"); cleared when it has none
};

ProjectSettings ReadProjectSettings(std::string_view text);

}  // namespace sim
