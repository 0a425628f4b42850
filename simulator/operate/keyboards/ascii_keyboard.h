#pragma once
// The ASCII keyboard: a letter page (AscKeyboardInput) and a digit and symbol page (AscNumBoard) that
// share their key names "borderG1" .. "borderG31". Each page starts with its start text
// (AsciiLetterPageText or AsciiSymbolPageText), shows the length limits "0" and AsciiEntryLength, and
// on Enter accepts a text of 1 to AsciiEntryLength characters into AsciiEntryText.
//
// The page switch key hands the current text to the other page and opens it modally on top of this
// one; when the other page ends with OK (Enter, Cancel or Escape there) this page closes with OK too.
// Both pages always close with OK; only a page whose drawing cannot be used ends with Cancel.
//
// The text holds at most 64 characters: a 65th character is refused (the validity background turns
// red) while Enter, Backspace, Clear, Cancel and the page switch keep working. Cancel and Escape
// forget both start texts, so a cancelled entry leaves nothing behind for the next one.
//
//   AscKeyboardInput letters(panel.Entry(), panel.GetHost(), panel.ProgramFolder());
//   letters.Run(panel.GetHost());
//   if (panel.Entry().EntryAccepted == 1) use(panel.Entry().AsciiEntryText);

#include <array>
#include <memory>
#include <string>

#include "simulator/operate/keyboards/keyboard_window.h"

namespace sim {

class AsciiPage : public KeyboardWindow {
  public:
    static constexpr int kKeyCount = 31;
    static constexpr std::size_t kMaxTextLength = 64;
    // The character of each key "borderG1" .. "borderG31"; 0 for the function keys.
    using Characters = std::array<char, kKeyCount>;

  protected:
    AsciiPage(EntryState& entry, Host& host, std::string programFolder, int page,
              const Characters& characters);

    // This page's start text and the other page's.
    virtual std::string& StartText() = 0;
    virtual std::string& OtherStartText() = 0;
    virtual std::unique_ptr<AsciiPage> MakeOtherPage() = 0;

    // Opens the page and fills its texts; called by the constructors of the two pages.
    void OpenPage();

    Host& m_host;
    std::string m_programFolder;

  private:
    void OnKey(std::string_view name) override;
    void OnCancelled() override;
    void Show(const std::string& text);
    void Enter();
    void SwitchPage();

    const Characters& m_characters;
};

// The letter page, A to Z (page 25).
class AscKeyboardInput : public AsciiPage {
  public:
    AscKeyboardInput(EntryState& entry, Host& host, std::string programFolder);

  private:
    std::string& StartText() override { return m_entry.AsciiLetterPageText; }
    std::string& OtherStartText() override { return m_entry.AsciiSymbolPageText; }
    std::unique_ptr<AsciiPage> MakeOtherPage() override;
};

// The digit and symbol page (page 26).
class AscNumBoard : public AsciiPage {
  public:
    AscNumBoard(EntryState& entry, Host& host, std::string programFolder);

  private:
    std::string& StartText() override { return m_entry.AsciiSymbolPageText; }
    std::string& OtherStartText() override { return m_entry.AsciiLetterPageText; }
    std::unique_ptr<AsciiPage> MakeOtherPage() override;
};

}  // namespace sim
