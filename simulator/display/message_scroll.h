#pragma once
// The rest of a text that is being scrolled out of view, and the double-byte rule by which it loses
// its characters one at a time. Texts are bytes in the project's code page (GBK): a lead byte
// 0x81..0xFE and the byte after it are one character.

#include <array>
#include <cstdint>
#include <string>

namespace engine {
class DrawObject;
}

namespace sim {

// ScrollText and ScrollActive of one scrolling part.
struct ScrollState {
    std::string text;     // what is left of the text; one character goes per refresh tick
    bool active = false;  // the text is being scrolled out of view
};

// One ScrollState per part whose text is being scrolled out of view, so that two message displays
// (or a message display and the dynamic alarm bar) draining at the same time each keep their own
// text. A part's slot is freed when its text has gone; when every slot is taken, the part refreshed
// longest ago loses its slot and starts its text again.
class ScrollStates {
  public:
    static constexpr int kCapacity = 100;

    // The state of `part`; a part without one gets an empty, inactive state.
    ScrollState& For(const engine::DrawObject* part);
    // `part`'s text has been scrolled out: its slot is free again.
    void Release(const engine::DrawObject* part);
    // Every slot free (a new main window, a new drawing).
    void Clear();

  private:
    struct Slot {
        const engine::DrawObject* part = nullptr;  // only compared, never used to reach the object
        std::uint64_t lastUse = 0;
        ScrollState state;
    };
    std::array<Slot, kCapacity> m_slots{};
    std::uint64_t m_uses = 0;
};


// Removes the first or the last character of a code-page text: two bytes for a double-byte
// character, otherwise one. An empty text stays empty.
void DropFirstCharacter(std::string& text);
void DropLastCharacter(std::string& text);

}  // namespace sim
