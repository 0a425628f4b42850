#pragma once
// Opens the popup keyboards for the value entry parts: each runs modally through the host and leaves
// its result in the panel's entry state.

namespace sim {

class Panel;

// The numeric keyboard, with the request in the entry state's NumericEntry.
void OpenNumericKeyboard(Panel& panel);
// The ASCII keyboard's letter page (it may switch to the symbol page itself). True when it ended with
// OK, as every way of closing it from its own keys does.
bool OpenAsciiKeyboard(Panel& panel);
// The ASCII keyboard's symbol page, for when the letter page did not end with OK.
bool OpenAsciiSymbolPage(Panel& panel);

}  // namespace sim
