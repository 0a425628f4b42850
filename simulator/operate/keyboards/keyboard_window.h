#pragma once
// What the four popup keyboards have in common: each opens the keyboard drawing "keypads.pnl" from
// the program folder afresh, shows its own page, remembers the named objects of that page, reads the
// name of the clicked key from the page's selection and closes with OK or Cancel. What the caller uses
// afterwards is the shared entry state (EntryAccepted first of all); Result() tells how the window ended.
//
// A keyboard whose drawing cannot be used (the file is missing or unreadable, the page is not in it,
// or the page has no entry field "text3") is closed as cancelled from the start: EntryAccepted is 0,
// Result() is Cancel and OpenError() says why. Run() then returns at once without showing anything.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/model/view.h"
#include "simulator/operate/entry_state.h"
#include "simulator/shell/host.h"
#include "simulator/shell/modal_window.h"

namespace sim {

enum class DialogResult { None, Ok, Cancel };

// Validity backgrounds of the entry field: red for a refused text, white for a valid one.
constexpr int kInvalidColor = 255;
constexpr int kValidColor = 16777215;

// The file name of the keyboard drawing, in the program folder.
constexpr std::string_view kKeypadsFile = "keypads.pnl";

class KeyboardWindow : public ModalWindow {
  public:
    KeyboardWindow(const KeyboardWindow&) = delete;
    KeyboardWindow& operator=(const KeyboardWindow&) = delete;

    engine::View& View() override { return m_view; }
    // The size of the keyboard's page, which is drawn as large as the window.
    int Width() const override;
    int Height() const override;

    // Handles the key named by item 0 of the current page's selection.
    void OnClick() override;
    // Escape cancels whatever the drawing shows: EntryAccepted = 0, closed with OK.
    void OnEscape() override;
    bool Closed() const override { return m_result != DialogResult::None; }

    // How the window ended; None while it is open.
    DialogResult Result() const { return m_result; }
    // Shows the window modally through `host`; a keyboard closed at opening is not shown.
    void Run(Host& host);
    // Why the keyboard drawing could not be used; empty when it opened.
    const std::string& OpenError() const { return m_openError; }

  protected:
    KeyboardWindow(EntryState& entry, int page, int defaultWidth, int defaultHeight);

    // Loads the drawing, shows the page, makes the objects named in `names` visible and remembers
    // them, and locks every object of the page against editing. False (the window closed as
    // cancelled) when the drawing cannot be used.
    bool Open(const std::string& programFolder, std::initializer_list<std::string_view> names);

    // A key of this keyboard, by its object name; a name that is no key does nothing.
    virtual void OnKey(std::string_view name) = 0;
    // Runs when the keyboard is cancelled by Escape, before it closes.
    virtual void OnCancelled() {}

    void Close(DialogResult result);

    // A remembered named object, or nullptr when the page has none of that name.
    engine::DrawObject* Named(std::string_view name) const;
    // The text of the entry field "text3".
    std::string Text() const;
    void SetText(std::string_view objectName, const std::string& text);
    void SetValid(std::string_view rectName, bool valid);

    EntryState& m_entry;

  private:
    engine::View m_view;
    int m_page;
    int m_defaultWidth, m_defaultHeight;
    DialogResult m_result = DialogResult::None;
    std::string m_openError;
    std::vector<std::pair<std::string, engine::DrawObject*>> m_named;
};

// The number of a key named `prefix` followed by a decimal number from 1 to 99 ("element12" gives
// 12 for the prefix "element"; engine names ignore case); 0 for any other name.
int KeyNumber(std::string_view name, std::string_view prefix);

}  // namespace sim
