#include "simulator/display/message_scroll.h"

#include <algorithm>

namespace sim {

namespace {

// A GBK lead byte; the byte after it belongs to the same character whatever its value, so that a
// trail byte in the ASCII range (0x40..0x7E) never turns into a character of its own.
bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// Length of the character starting at `at`: 2 for a lead byte with a byte after it, else 1.
std::size_t CharacterLength(const std::string& text, std::size_t at) {
    return IsLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

ScrollState& ScrollStates::For(const engine::DrawObject* part) {
    ++m_uses;
    Slot* chosen = nullptr;
    for (Slot& slot : m_slots)
        if (slot.part == part) chosen = &slot;
    if (!chosen) {
        chosen = std::min_element(m_slots.begin(), m_slots.end(), [](const Slot& a, const Slot& b) {
            // Free slots first, then the one used longest ago.
            if ((a.part == nullptr) != (b.part == nullptr)) return a.part == nullptr;
            return a.lastUse < b.lastUse;
        });
        *chosen = Slot{.part = part, .lastUse = 0, .state = {}};
    }
    chosen->lastUse = m_uses;
    return chosen->state;
}

void ScrollStates::Release(const engine::DrawObject* part) {
    for (Slot& slot : m_slots)
        if (slot.part == part) slot = Slot{};
}

void ScrollStates::Clear() {
    m_slots.fill(Slot{});
    m_uses = 0;
}


void DropFirstCharacter(std::string& text) {
    if (!text.empty()) text.erase(0, CharacterLength(text, 0));
}

// The last character can only be found from the front: a trail byte may have any value.
void DropLastCharacter(std::string& text) {
    std::size_t last = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterLength(text, at)) last = at;
    text.resize(last);
}

}  // namespace sim
