#pragma once
// The fixed-column project texts: the settings in page 0's ExtraText and the screen record in each
// page's ConfigText. Texts given to the builders are UTF-8; they are stored in the project's code page.
// Every field is checked against its width, so a builder never writes a value the loader would read
// as something else (std::invalid_argument instead).

#include <array>
#include <string>
#include <string_view>

namespace projectbuilder {

// A PLC connection on one serial port of the panel: the numbers are the codes the settings dialog
// stores (indices into its lists), not baud rates or bit counts.
struct PlcPort {
    std::string portText{};  // two characters, e.g. "C1"
    std::string plcName{};   // one word of at most 20 characters
    int portIndex = 0;       // 0 COM1, 1 COM2
    int protocol = 0;        // PLC family code
    int model = 0;           // model within the family
    int baudIndex = 0;       // 0..7: 1200 .. 115200 baud
    int parityIndex = 0;     // 0 none, 1 even, 2 odd
    int dataBitsIndex = 1;   // 0 seven, 1 eight data bits
    int stopBitsIndex = 0;   // 0 one, 1 two stop bits
    int replyTimeout = 10;   // 100 ms steps
    int retryCount = 3;
};

class ProjectSettingsBuilder {
  public:
    // The length of the settings text the loader reads.
    static constexpr std::size_t kBytes = 1165;

    ProjectSettingsBuilder& StartScreen(int screen);
    // Blink timer period in 100 ms steps; 5 unless set (a period of 0 would stop the blink timer).
    ProjectSettingsBuilder& ScanTime(int steps);
    ProjectSettingsBuilder& BeepOff(bool off);
    // Password of user level 1..8: one word of at most 8 characters.
    ProjectSettingsBuilder& Password(int level, std::string_view password);
    // 0..9: the loader reads one character.
    ProjectSettingsBuilder& InitialUserLevel(int level);
    // 0 landscape, 1 portrait.
    ProjectSettingsBuilder& Orientation(int orientation);
    // PLC 1 on port record 1, PLC 2 on port record 2.
    ProjectSettingsBuilder& Plc(int number, const PlcPort& port);
    // Whether page 0 carries a recipe table ("Lock2") and a "Lock3" table.
    ProjectSettingsBuilder& RecipeFlag(bool present);
    ProjectSettingsBuilder& Lock3Flag(bool present);

    // The settings text, kBytes characters.
    std::string Text() const;

  private:
    int m_startScreen = 0, m_scanTime = 5, m_beepOff = 0, m_initialUserLevel = 0, m_orientation = 0;
    int m_recipeFlag = 0, m_lock3Flag = 0;
    std::array<std::string, 8> m_passwords;
    std::array<PlcPort, 2> m_ports;
};

class ScreenRecordBuilder {
  public:
    // The length of the record text the loader reads.
    static constexpr std::size_t kBytes = 218;

    ScreenRecordBuilder& ScreenNumber(int number);
    // Handed to the view whenever the screen is shown.
    ScreenRecordBuilder& Attribute(int attribute);
    // One word of at most 50 code-page characters.
    ScreenRecordBuilder& Name(std::string_view name);
    ScreenRecordBuilder& BaseScreen();
    // A pop-up window of the given size, centred in the panel until PopupAt places it.
    ScreenRecordBuilder& Popup(int width, int height);
    ScreenRecordBuilder& PopupAt(int x, int y);
    // A pop-up with a title bar showing `title` (one word of at most 40 code-page characters).
    ScreenRecordBuilder& Title(std::string_view title);

    std::string Text() const;

  private:
    int m_number = 0, m_attribute = 0, m_kind = 0, m_width = 0, m_height = 0;
    int m_positionMode = 0, m_x = 0, m_y = 0, m_showTitle = 0;
    std::string m_name, m_title;  // code page
};

}  // namespace projectbuilder
