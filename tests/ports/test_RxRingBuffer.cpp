#include "ports/CRxRingBuffer.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{
std::vector<unsigned char> Bytes(unsigned int uiFirst, unsigned int uiCount)
{
    std::vector<unsigned char> ab(uiCount);
    for (unsigned int i = 0; i < uiCount; ++i)
        ab[i] = static_cast<unsigned char>(uiFirst + i);
    return ab;
}
} // namespace

TEST(RxRingBuffer, KeepsOrderAcrossTheWrap)
{
    CRxRingBuffer ring(10);
    std::vector<unsigned char> abOut(10);
    ASSERT_EQ(7u, ring.Put(7, Bytes(0, 7).data()));
    ASSERT_EQ(5u, ring.Get(5, abOut.data()));
    ASSERT_EQ(8u, ring.Put(8, Bytes(7, 8).data())); // writes past the end and wraps
    EXPECT_EQ(10u, ring.GetStoredCount());
    ASSERT_EQ(10u, ring.Get(20, abOut.data()));
    EXPECT_EQ(Bytes(5, 10), abOut);
    EXPECT_EQ(-1, ring.GetByte());
    EXPECT_EQ(0u, ring.Get(4, abOut.data()));
}

TEST(RxRingBuffer, DropsAChunkThatDoesNotFitWhole)
{
    CRxRingBuffer ring(8);
    ASSERT_EQ(6u, ring.Put(6, Bytes(1, 6).data()));
    EXPECT_EQ(0u, ring.Put(3, Bytes(100, 3).data()));
    EXPECT_TRUE(ring.HasOverflowed());
    EXPECT_EQ(6u, ring.GetStoredCount());
    EXPECT_EQ(1, ring.GetByte());
    ring.Reset();
    EXPECT_EQ(0u, ring.GetStoredCount());
    EXPECT_EQ(8u, ring.Put(8, Bytes(0, 8).data()));
}

TEST(RxRingBuffer, ReadsWithoutWaitUnderTheManagersTimeouts)
{
    CRxRingBuffer ring(16);
    ring.SetTimeouts({MAXDWORD, 0, 0, 0, 0});
    unsigned char abOut[4] = {};
    EXPECT_EQ(-1, ring.GetByteWait());
    ring.Put(2, Bytes(9, 2).data());
    EXPECT_EQ(2u, ring.GetWait(4, abOut));
}

// The producer puts only while the reader waits, so the wake-up is what returns the bytes.
TEST(RxRingBuffer, WaitingReaderWakesWhenEnoughBytesArrive)
{
    CRxRingBuffer ring(16);
    ring.SetTimeouts({0, 0, 10000, 0, 0});
    bool bWaitSeen = false;
    std::thread producer(
        [&]
        {
            bWaitSeen = WaitUntil([&ring] { return ring.IsReaderWaiting(); }, 10000);
            ring.Put(2, Bytes(1, 2).data());
            ring.Put(2, Bytes(3, 2).data());
        });
    unsigned char abOut[4] = {};
    EXPECT_EQ(4u, ring.GetWait(4, abOut));
    producer.join();
    EXPECT_TRUE(bWaitSeen);
    EXPECT_EQ(Bytes(1, 4), std::vector<unsigned char>(abOut, abOut + 4));
}

// A reset from the reading side while the reader thread puts: afterwards only whole chunks, in order.
TEST(RxRingBuffer, ResetWhileTheProducerPutsKeepsWholeChunks)
{
    constexpr unsigned int CHUNK = 7;
    constexpr int PUTS = 200000;
    CRxRingBuffer ring(64);
    std::atomic<bool> bDone = false;
    std::thread producer(
        [&]
        {
            for (int i = 0; i < PUTS; ++i)
            {
                std::vector<unsigned char> ab(CHUNK, static_cast<unsigned char>(i));
                while (ring.Put(CHUNK, ab.data()) == 0 && !bDone)
                    ;
            }
            bDone = true;
        });
    int iBroken = 0;
    std::vector<unsigned char> ab(64);
    for (int iRound = 0; !bDone; ++iRound)
    {
        if (iRound % 3 == 0)
            ring.Reset();
        unsigned int n = ring.Get(64, ab.data());
        iBroken += n % CHUNK != 0 || n > 64 ? 1 : 0;
        for (unsigned int i = 0; i + 1 < n; ++i)
            iBroken += i % CHUNK != CHUNK - 1 && ab[i] != ab[i + 1] ? 1 : 0;
    }
    producer.join();
    EXPECT_EQ(0, iBroken);
    EXPECT_LE(ring.GetStoredCount(), ring.GetCapacity());
}

TEST(RxRingBuffer, WaitEndsAfterTheTotalTimeout)
{
    CRxRingBuffer ring(16);
    ring.SetTimeouts({MAXDWORD, 0, 30, 0, 0});
    unsigned char abOut[4] = {};
    EXPECT_EQ(0u, ring.GetWait(4, abOut));
}
