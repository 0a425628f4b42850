// Part lists and blink states: capacity, bounds, and what a refresh tick clears.

#include "simulator/display/part_list.h"

#include <gtest/gtest.h>

#include "engine/model/draw_object.h"

namespace sim {
namespace {

TEST(PartLists, RegistersUpToCapacityAndRefusesUnknownTypes) {
    PartLists lists;
    engine::DrawObject part("group");
    for (int i = 1; i <= PartList::kCapacity; ++i) ASSERT_EQ(lists.RegisterPart(14, &part), i);
    EXPECT_EQ(lists.RegisterPart(14, &part), 0);
    EXPECT_EQ(lists.List(14).count, PartList::kCapacity);
    EXPECT_EQ(lists.List(14).typeCode, 14);
    for (int type : {-1, PartLists::kTypeCount}) {
        EXPECT_EQ(lists.RegisterPart(type, &part), 0) << type;
        EXPECT_EQ(lists.SnapshotCount(type), 0) << type;
    }
}

TEST(PartLists, TickClearsCountsButKeepsEntryValuesAndTheSnapshot) {
    PartLists lists;
    engine::DrawObject part("group");
    lists.RegisterPart(1, &part);
    lists.List(1).valueA[1] = 1;
    lists.List(1).listValue = 5;
    lists.TakeSnapshot();

    lists.BeginTick();
    EXPECT_EQ(lists.List(1).count, 0);
    EXPECT_EQ(lists.List(1).typeCode, 0);
    EXPECT_EQ(lists.List(1).listValue, 0);
    EXPECT_EQ(lists.List(1).valueA[1], 1);
    EXPECT_EQ(lists.SnapshotCount(1), 1);
    lists.TakeSnapshot();
    EXPECT_EQ(lists.SnapshotCount(1), 0);
}

TEST(BlinkStates, RefusesCellsOutsideTheTable) {
    BlinkStates states;
    struct Case {
        int type, entry, picture;
        bool inside;
    } cases[] = {
        {0, 0, 0, true},    {99, 199, 1, true}, {100, 0, 0, false}, {-1, 0, 0, false},
        {0, 200, 0, false}, {0, -1, 0, false},  {0, 0, 2, false},   {0, 0, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.entry << "/" << c.picture);
        EXPECT_EQ(states.At(c.type, c.entry, c.picture) != nullptr, c.inside);
    }
    *states.At(99, 199, 1) = 1;
    EXPECT_EQ(*states.At(99, 199, 0), 0);
}

}  // namespace
}  // namespace sim
