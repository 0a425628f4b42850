#include "simulator/operate/keyboards/ascii_keyboard.h"

namespace sim {
namespace {

constexpr int kLetterPage = 25;
constexpr int kSymbolPage = 26;
// Window size in pixels when the drawing gives none (the page size is used otherwise).
constexpr int kDefaultWidth = 300;
constexpr int kDefaultHeight = 230;

// Function keys, shared by both pages.
constexpr int kEnterKey = 4;
constexpr int kBackspaceKey = 9;
constexpr int kClearKey = 17;
constexpr int kSwitchKey = 24;
constexpr int kCancelKey = 25;

constexpr std::string_view kKeyPrefix = "borderG";

// Characters of "borderG1" .. "borderG31"; the function keys hold 0.
constexpr AsciiPage::Characters Layout(std::string_view keys) {
    AsciiPage::Characters characters{};
    for (std::size_t i = 0; i < characters.size(); ++i) characters[i] = keys[i] == '\t' ? '\0' : keys[i];
    return characters;
}
// A tab marks a function key.
constexpr AsciiPage::Characters kLetters = Layout("ABC\tDEFG\tHIJKLMN\tOPQRST\t\tUVWXYZ");
constexpr AsciiPage::Characters kSymbols = Layout("123\t4567\t890#$%&\t*-_+/.\t\t?=<>;:");

}  // namespace

AsciiPage::AsciiPage(EntryState& entry, Host& host, std::string programFolder, int page,
                     const Characters& characters)
    : KeyboardWindow(entry, page, kDefaultWidth, kDefaultHeight),
      m_host(host),
      m_programFolder(std::move(programFolder)),
      m_characters(characters) {}

void AsciiPage::OpenPage() {
    if (!Open(m_programFolder, {"text1", "text2", "text3", "rect2"})) return;
    SetText("text1", "0");
    SetText("text2", std::to_string(m_entry.AsciiEntryLength));
    SetText("text3", StartText());
}

void AsciiPage::OnKey(std::string_view name) {
    const int key = KeyNumber(name, kKeyPrefix);
    if (key < 1 || key > kKeyCount) return;
    std::string text = Text();
    if (char character = m_characters[static_cast<std::size_t>(key - 1)]; character != '\0') {
        if (text.size() >= kMaxTextLength) {
            SetValid("rect2", false);  // the 65th character is refused
            return;
        }
        text += character;
        Show(text);
        return;
    }
    switch (key) {
        case kEnterKey:
            Enter();
            break;
        case kBackspaceKey:
            if (!text.empty()) text.pop_back();
            Show(text);
            break;
        case kClearKey:
            Show({});
            break;
        case kSwitchKey:
            SwitchPage();
            break;
        case kCancelKey:
            m_entry.EntryAccepted = 0;
            OnCancelled();
            Close(DialogResult::Ok);
            break;
        default:
            break;
    }
}

void AsciiPage::OnCancelled() {
    m_entry.AsciiLetterPageText.clear();
    m_entry.AsciiSymbolPageText.clear();
}

void AsciiPage::Show(const std::string& text) {
    SetText("text3", text);
    SetValid("rect2", static_cast<long long>(text.size()) <= m_entry.AsciiEntryLength);
}

void AsciiPage::Enter() {
    const std::string text = Text();
    if (text.empty() || static_cast<long long>(text.size()) > m_entry.AsciiEntryLength) {
        SetValid("rect2", false);
        return;
    }
    m_entry.EntryAccepted = 1;
    m_entry.AsciiEntryText = text;
    m_entry.AsciiLetterPageText.clear();
    m_entry.AsciiSymbolPageText.clear();
    Close(DialogResult::Ok);
}

void AsciiPage::SwitchPage() {
    OtherStartText() = Text();
    std::unique_ptr<AsciiPage> other = MakeOtherPage();
    other->Run(m_host);
    // The other page took over the entry: whatever it ended with, this page ends with it. A page
    // that could not be opened (Cancel) leaves this one open with its text.
    if (other->Result() == DialogResult::Ok) Close(DialogResult::Ok);
}

AscKeyboardInput::AscKeyboardInput(EntryState& entry, Host& host, std::string programFolder)
    : AsciiPage(entry, host, std::move(programFolder), kLetterPage, kLetters) {
    OpenPage();
}

std::unique_ptr<AsciiPage> AscKeyboardInput::MakeOtherPage() {
    return std::make_unique<AscNumBoard>(m_entry, m_host, m_programFolder);
}

AscNumBoard::AscNumBoard(EntryState& entry, Host& host, std::string programFolder)
    : AsciiPage(entry, host, std::move(programFolder), kSymbolPage, kSymbols) {
    OpenPage();
}

std::unique_ptr<AsciiPage> AscNumBoard::MakeOtherPage() {
    return std::make_unique<AscKeyboardInput>(m_entry, m_host, m_programFolder);
}

}  // namespace sim
