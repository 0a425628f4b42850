#include "simulator/shell/project/poll_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sim {
namespace {

PollEntry Entry(const char* area, std::int32_t address, std::int32_t station = 1, std::int32_t kind = 7) {
    PollEntry e;
    e.area = area;
    e.address = address;
    e.station = station;
    e.plcNumber = 1;
    e.kind = kind;
    return e;
}

// "X0" style names of a list, in order.
std::vector<std::string> Names(const PollList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.count; ++i)
        names.push_back(list.entries[static_cast<std::size_t>(i)].area +
                        std::to_string(list.entries[static_cast<std::size_t>(i)].address));
    return names;
}

TEST(PollList, GroupingByFamily) {
    struct Case {
        int protocol, model;
        std::vector<PollEntry> built;
        std::vector<std::string> grouped;
    };
    const Case cases[] = {
        {0, 0, {Entry("X", 3), Entry("X", 9), Entry("X", 10), Entry("D", 100)}, {"X0", "X8", "D100"}},
        {2, 0, {Entry("IR", 5), Entry("IR", 150)}, {"IR0", "IR100"}},
        // rows run in table order (Y before X), each area sorted by address
        {0, 1, {Entry("X", 17), Entry("Y", 9), Entry("X", 1), Entry("Y", 2)}, {"Y0", "Y8", "X0", "X16"}},
        {0, 2, {Entry("S", 12), Entry("S", 15)}, {"S8"}},
        {0, 1, {Entry("S", 12)}, {"S12"}},  // S is grouped only for model 2
        {11, 5, {Entry("C", 9), Entry("P", 31)}, {"P16", "C8"}},
        {19, 3, {Entry("0x", 17), Entry("1x", 40), Entry("4x", 5)}, {"0x16", "1x32", "4x5"}},
        // internal areas are dropped when grouping
        {0, 0, {Entry("LB", 1), Entry("D", 4), Entry("LW", 2), Entry("RWI", 3), Entry("", 4)}, {"D4"}},
        // a family without a row keeps the list as built, internal areas included
        {3, 0, {Entry("X", 3), Entry("LB", 1), Entry("X", 9)}, {"X3", "LB1", "X9"}},
        {0, 3, {Entry("X", 3), Entry("X", 9)}, {"X3", "X9"}},
    };
    for (const Case& c : cases) {
        PollList list;
        for (const PollEntry& e : c.built) AddPollEntry(list, e);
        GroupPollList(list, c.protocol, c.model);
        EXPECT_EQ(Names(list), c.grouped) << "protocol " << c.protocol << " model " << c.model;
    }
}

TEST(PollList, ABlockTakesTheOtherFieldsOfItsLowestAddress) {
    PollList list;
    AddPollEntry(list, Entry("X", 11, 4));
    AddPollEntry(list, Entry("X", 9, 9));
    GroupPollList(list, 0, 0);
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.entries[0].address, 8);
    EXPECT_EQ(list.entries[0].station, 9);
}

TEST(PollList, DuplicatesAreSkippedAndCapacityHolds) {
    PollList list;
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100)), PollAdd::Added);
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100)), PollAdd::Duplicate);
    // differing in any one of station, link or kind: a different operand
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100, 2)), PollAdd::Added);
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100, 1, 0)), PollAdd::Added);
    PollEntry otherLink = Entry("D", 100);
    otherLink.plcNumber = 2;
    EXPECT_EQ(AddPollEntry(list, otherLink), PollAdd::Added);
    EXPECT_EQ(list.count, 4);

    // the same operand read longer (a text part) widens the entry instead of losing the extra words
    PollEntry longer = Entry("D", 100);
    longer.count = 5;
    EXPECT_EQ(AddPollEntry(list, longer), PollAdd::Widened);
    EXPECT_EQ(list.entries[0].count, 5);
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100)), PollAdd::Duplicate);
    EXPECT_EQ(list.entries[0].count, 5);

    for (int a = 0; list.count < PollList::kCapacity; ++a) AddPollEntry(list, Entry("M", a));
    EXPECT_EQ(AddPollEntry(list, Entry("Y", 1)), PollAdd::Full);
    EXPECT_EQ(AddPollEntry(list, Entry("D", 100)), PollAdd::Duplicate);
    EXPECT_EQ(list.count, PollList::kCapacity);
}

}  // namespace
}  // namespace sim
