#pragma once
// Part objects built in memory and a display context over a fresh panel memory, for the handler tests.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/model/draw_object.h"
#include "simulator/display/display_context.h"
#include "tests/support/value_access_stack.h"

namespace sim {

using Lines = std::map<int, std::string>;

// An address group at line k on panel memory: link 0, station 1, (unused), register name, address.
inline void PanelGroup(Lines& lines, int k, const std::string& name, int address) {
    lines[k] = "0";
    lines[k + 1] = "1";
    lines[k + 3] = name;
    lines[k + 4] = std::to_string(address);
}

// The display condition "shown while LB<bit> is 1".
inline void ShownWhileBit(Lines& lines, int bit) {
    lines[1] = "1";
    lines[2] = "1";
    lines[5] = "0";
    lines[8] = "LB";
    lines[9] = std::to_string(bit);
}

// A part as a drawing holds it: a group with the type code and configuration lines, and the pictures
// SHAPE0 .. SHAPE<pictures - 1>, each a group with a text cell "txt1" and a background "rc2".
inline std::unique_ptr<engine::DrawObject> MakePart(int type, const Lines& lines, int pictures = 2) {
    auto part = std::make_unique<engine::DrawObject>("group");
    part->SetTypeCode(type);
    std::string text;
    const int last = lines.empty() ? 0 : lines.rbegin()->first;
    for (int i = 0; i <= last; ++i) {
        auto it = lines.find(i);
        if (it != lines.end()) text += it->second;
        text += "\r\n";
    }
    part->SetConfigText(text);
    for (int j = 0; j < pictures; ++j) {
        auto picture = std::make_unique<engine::DrawObject>("group");
        picture->SetName("SHAPE" + std::to_string(j));
        auto cell = std::make_unique<engine::DrawObject>("text");
        cell->SetName("txt1");
        picture->AddChild(std::move(cell));
        auto background = std::make_unique<engine::DrawObject>("rect");
        background->SetName("rc2");
        picture->AddChild(std::move(background));
        part->AddChild(std::move(picture));
    }
    return part;
}

inline bool PictureVisible(const engine::DrawObject& part, int picture) {
    return engine::VariantBool(*part.GetProperty("SHAPE" + std::to_string(picture) + ".visible"));
}

// The pictures of `part` that are visible, in order.
inline std::vector<int> VisiblePictures(const engine::DrawObject& part, int pictures) {
    std::vector<int> shown;
    for (int j = 0; j < pictures; ++j)
        if (PictureVisible(part, j)) shown.push_back(j);
    return shown;
}

inline void SetAllPictures(engine::DrawObject& part, int pictures, bool visible) {
    for (int j = 0; j < pictures; ++j) part.SetProperty("SHAPE" + std::to_string(j) + ".visible", visible);
}

inline int PictureColour(const engine::DrawObject& part, int picture, const std::string& child,
                         const std::string& property) {
    return engine::VariantInt(
        *part.GetProperty("SHAPE" + std::to_string(picture) + "." + child + "." + property));
}

class DisplayTest : public ::testing::Test, public test::ValueAccessStack {
  protected:
    DisplayTest() : context{access, {}, current, lists, blink, prepared, scrolls} {}

    // One refresh tick over `parts`, in order, as the main window runs it.
    void Tick(const std::vector<engine::DrawObject*>& parts) {
        lists.BeginTick();
        for (engine::DrawObject* part : parts) {
            RefreshHandler handler = RefreshHandlerFor(part->TypeCode());
            ASSERT_NE(handler, nullptr) << "type " << part->TypeCode();
            handler(context, *part);
        }
        lists.TakeSnapshot();
    }

    // What a previous part left in the value bytes of ValueScratch.
    void LeaveInScratch(std::uint8_t byte) {
        const std::uint8_t bytes[4] = {byte, byte, byte, byte};
        memory.CopyIn(Area::ValueScratch, 1, bytes);
    }

    PartRecord current;
    PartLists lists;
    BlinkStates blink;
    PreparedParts prepared;
    ScrollStates scrolls;
    DisplayContext context;
};

}  // namespace sim
