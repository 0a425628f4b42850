#include "tools/projectbuilder/project_texts.h"

#include <stdexcept>

#include "engine/pnl/codepage.h"
#include "tools/projectbuilder/texts.h"

namespace projectbuilder {

namespace {

// The settings text: two port records of 78 characters, then the panel-wide fields.
constexpr std::size_t kPortRecordBytes = 78;
constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kOrientation = 160;
constexpr std::size_t kStartScreen = 172;
constexpr std::size_t kScanTime = 176;
constexpr std::size_t kBeepOff = 196;
constexpr std::size_t kPasswords = 200;
constexpr std::size_t kPasswordWidth = 8;
constexpr std::size_t kInitialUserLevel = 264;
constexpr std::size_t kLock3Flag = 1157;
constexpr std::size_t kRecipeFlag = 1161;

// Within a port record: port text, PLC name, then fourteen 4-character numbers from 22; these are the
// places of the numbers the PLC link record names.
constexpr std::size_t kPortText = 0, kPortTextWidth = 2;
constexpr std::size_t kPlcName = 2, kPlcNameWidth = 20;
constexpr std::size_t kPortIndex = 22, kProtocol = 26, kModel = 30, kBaud = 42, kParity = 46, kDataBits = 50,
                      kStopBits = 54, kReplyTimeout = 58, kRetryCount = 62;

// The screen record: 8-character numbers, a 50-character name and a 40-character title.
constexpr std::size_t kScreenWidth = 8;
constexpr std::size_t kScreenNumber = 0, kAttribute = 8, kName = 40, kNameWidth = 50, kKind = 106,
                      kPopupWidth = 114, kPopupHeight = 122, kPositionMode = 130, kPopupY = 146,
                      kPopupX = 154, kShowTitle = 162, kTitle = 178, kTitleWidth = 40;

void Require(bool condition, const std::string& what) {
    if (!condition) throw std::invalid_argument(what);
}

}  // namespace

ProjectSettingsBuilder& ProjectSettingsBuilder::StartScreen(int screen) {
    m_startScreen = screen;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::ScanTime(int steps) {
    m_scanTime = steps;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::BeepOff(bool off) {
    m_beepOff = off ? 1 : 0;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::Password(int level, std::string_view password) {
    Require(level >= 1 && level <= 8, "password level " + std::to_string(level) + " is not 1..8");
    m_passwords[static_cast<std::size_t>(level - 1)] = engine::Utf8ToCodePage(password);
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::InitialUserLevel(int level) {
    Require(level >= 0 && level <= 9, "initial user level " + std::to_string(level) + " is not one digit");
    m_initialUserLevel = level;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::Orientation(int orientation) {
    m_orientation = orientation;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::Plc(int number, const PlcPort& port) {
    Require(number == 1 || number == 2, "PLC " + std::to_string(number) + " is not 1 or 2");
    m_ports[static_cast<std::size_t>(number - 1)] = port;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::RecipeFlag(bool present) {
    m_recipeFlag = present ? 1 : 0;
    return *this;
}

ProjectSettingsBuilder& ProjectSettingsBuilder::Lock3Flag(bool present) {
    m_lock3Flag = present ? 1 : 0;
    return *this;
}

std::string ProjectSettingsBuilder::Text() const {
    FixedColumns text;
    for (std::size_t k = 0; k < m_ports.size(); ++k) {
        const PlcPort& port = m_ports[k];
        const std::size_t base = kPortRecordBytes * k;
        text.Word(base + kPortText, kPortTextWidth, engine::Utf8ToCodePage(port.portText));
        text.Word(base + kPlcName, kPlcNameWidth, engine::Utf8ToCodePage(port.plcName));
        const std::pair<std::size_t, int> numbers[] = {
            {kPortIndex, port.portIndex},
            {kProtocol, port.protocol},
            {kModel, port.model},
            {kBaud, port.baudIndex},
            {kParity, port.parityIndex},
            {kDataBits, port.dataBitsIndex},
            {kStopBits, port.stopBitsIndex},
            {kReplyTimeout, port.replyTimeout},
            {kRetryCount, port.retryCount},
        };
        for (const auto& [column, value] : numbers) text.Number(base + column, kNumberWidth, value);
    }
    text.Number(kOrientation, kNumberWidth, m_orientation);
    text.Number(kStartScreen, kNumberWidth, m_startScreen);
    text.Number(kScanTime, kNumberWidth, m_scanTime);
    text.Number(kBeepOff, kNumberWidth, m_beepOff);
    for (std::size_t k = 0; k < m_passwords.size(); ++k)
        text.Word(kPasswords + kPasswordWidth * k, kPasswordWidth, m_passwords[k]);
    text.Number(kInitialUserLevel, 1, m_initialUserLevel);
    text.Number(kLock3Flag, kNumberWidth, m_lock3Flag);
    text.Number(kRecipeFlag, kNumberWidth, m_recipeFlag);
    return text.Pad(kBytes).Text();
}

ScreenRecordBuilder& ScreenRecordBuilder::ScreenNumber(int number) {
    m_number = number;
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::Attribute(int attribute) {
    m_attribute = attribute;
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::Name(std::string_view name) {
    m_name = engine::Utf8ToCodePage(name);
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::BaseScreen() {
    m_kind = 0;
    m_width = m_height = m_positionMode = m_x = m_y = m_showTitle = 0;
    m_title.clear();
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::Popup(int width, int height) {
    m_kind = 1;
    m_width = width;
    m_height = height;
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::PopupAt(int x, int y) {
    m_positionMode = 1;
    m_x = x;
    m_y = y;
    return *this;
}

ScreenRecordBuilder& ScreenRecordBuilder::Title(std::string_view title) {
    m_showTitle = 1;
    m_title = engine::Utf8ToCodePage(title);
    return *this;
}

std::string ScreenRecordBuilder::Text() const {
    FixedColumns text;
    text.Number(kScreenNumber, kScreenWidth, m_number);
    text.Number(kAttribute, kScreenWidth, m_attribute);
    text.Word(kName, kNameWidth, m_name);
    text.Number(kKind, kScreenWidth, m_kind);
    text.Number(kPopupWidth, kScreenWidth, m_width);
    text.Number(kPopupHeight, kScreenWidth, m_height);
    text.Number(kPositionMode, kScreenWidth, m_positionMode);
    text.Number(kPopupY, kScreenWidth, m_y);
    text.Number(kPopupX, kScreenWidth, m_x);
    text.Number(kShowTitle, kScreenWidth, m_showTitle);
    text.Word(kTitle, kTitleWidth, m_title);
    return text.Pad(kBytes).Text();
}

}  // namespace projectbuilder
