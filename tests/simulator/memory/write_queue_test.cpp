#include "simulator/memory/write_queue.h"

#include <gtest/gtest.h>

#include <thread>

namespace sim {
namespace {

// A request whose every field, and the first and last data bytes, derive from `n`, so a request that
// moved whole can be told from one that was torn or shifted.
WriteRequest MakeRequest(int n) {
    WriteRequest r;
    EXPECT_TRUE(r.SetArea(n % 2 ? "D" : "4x_Bit"));
    r.address = n;
    r.station = n + 1;
    r.count = 1 + n % 2;
    r.plcNumber = 1 + n % 2;
    r.data.front() = static_cast<std::uint8_t>(n);
    r.data.back() = static_cast<std::uint8_t>(~n);
    return r;
}

void ExpectRequest(const WriteRequest& r, int n) {
    EXPECT_EQ(r.AreaName(), n % 2 ? "D" : "4x_Bit") << "request " << n;
    EXPECT_EQ(r.address, n);
    EXPECT_EQ(r.station, n + 1);
    EXPECT_EQ(r.count, 1 + n % 2);
    EXPECT_EQ(r.plcNumber, 1 + n % 2);
    EXPECT_EQ(r.data.front(), static_cast<std::uint8_t>(n));
    EXPECT_EQ(r.data.back(), static_cast<std::uint8_t>(~n));
}

class WriteQueueTest : public ::testing::Test {
  protected:
    void SetUp() override { queue.SetOnline(true); }

    ExchangeLock lock;
    WriteQueue queue{lock};
};

TEST_F(WriteQueueTest, OfflineAppendIsRefused) {
    queue.SetOnline(false);
    EXPECT_EQ(queue.Append(MakeRequest(1)), WriteQueue::AppendResult::RefusedOffline);
    EXPECT_EQ(queue.Count(), 0);
    WriteRequest head;
    EXPECT_FALSE(queue.CopyHead(head));
}

TEST_F(WriteQueueTest, SixtyFifthRequestReplacesTheSixtyFourth) {
    for (int n = 0; n < WriteQueue::kCapacity; ++n) {
        ASSERT_EQ(queue.Append(MakeRequest(n)), WriteQueue::AppendResult::Appended);
    }
    EXPECT_EQ(queue.Append(MakeRequest(64)), WriteQueue::AppendResult::ReplacedLast);
    EXPECT_EQ(queue.Count(), WriteQueue::kCapacity);

    WriteRequest head;
    for (int n = 0; n < 63; ++n) {
        ASSERT_TRUE(queue.CopyHead(head));
        ExpectRequest(head, n);
        ASSERT_TRUE(queue.RemoveHead());
    }
    ASSERT_TRUE(queue.CopyHead(head));
    ExpectRequest(head, 64);
}

TEST_F(WriteQueueTest, RemovingTheHeadMovesLaterRequestsUpWhole) {
    for (int n = 1; n <= 3; ++n) queue.Append(MakeRequest(n));
    ASSERT_TRUE(queue.RemoveHead());
    EXPECT_EQ(queue.Count(), 2);
    WriteRequest head;
    ASSERT_TRUE(queue.CopyHead(head));
    ExpectRequest(head, 2);
}

// Removing from an empty queue must not drive the count negative: a later append would otherwise
// land before the start of the table.
TEST_F(WriteQueueTest, RemoveOnEmptyQueueChangesNothing) {
    EXPECT_FALSE(queue.RemoveHead());
    EXPECT_EQ(queue.Count(), 0);
    queue.Append(MakeRequest(7));
    WriteRequest head;
    ASSERT_TRUE(queue.CopyHead(head));
    ExpectRequest(head, 7);
}

TEST_F(WriteQueueTest, DiscardAllAndResetEmptyTheQueue) {
    for (int n = 0; n < 5; ++n) queue.Append(MakeRequest(n));
    queue.DiscardAll();
    EXPECT_EQ(queue.Count(), 0);

    queue.Append(MakeRequest(3));
    queue.Reset();
    EXPECT_EQ(queue.Count(), 0);
    EXPECT_TRUE(queue.IsOnline());
}

TEST(WriteRequest, AreaNameThatDoesNotFitIsRefused) {
    WriteRequest r;
    ASSERT_TRUE(r.SetArea("DM"));
    EXPECT_FALSE(r.SetArea(std::string(WriteRequest::kAreaBytes, 'A')));
    EXPECT_EQ(r.AreaName(), "DM");
    EXPECT_TRUE(r.SetArea(std::string(WriteRequest::kAreaBytes - 1, 'A')));
}

// The window thread appends while the exchange thread copies and removes the head: every request
// arrives once, in order and whole. The producer waits while the queue is full so none is replaced.
TEST_F(WriteQueueTest, ProducerAndConsumerThreadsHandOverEveryRequestInOrder) {
    constexpr int kRequests = 2000;
    std::thread producer([&] {
        for (int n = 0; n < kRequests; ++n) {
            while (queue.Count() == WriteQueue::kCapacity) std::this_thread::yield();
            queue.Append(MakeRequest(n));
        }
    });
    int received = 0;
    WriteRequest head;
    while (received < kRequests) {
        if (!queue.CopyHead(head)) {
            std::this_thread::yield();
            continue;
        }
        ExpectRequest(head, received++);
        queue.RemoveHead();
    }
    producer.join();
    EXPECT_EQ(queue.Count(), 0);
}

}  // namespace
}  // namespace sim
