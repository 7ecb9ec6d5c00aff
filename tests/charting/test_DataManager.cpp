// The curve store: curves kept in blocks that are added as they fill, every point read back where it
// was stored, cleared curves that keep their blocks, the last-index reading, the first and last x over
// the curves, refused points when memory runs out, and the ascending mark.
#include "charting/CDataManager.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace
{
constexpr int kBlock = CDataManager::BLOCK_POINTS;

// A store whose block allocations fail from the n-th on (counted from 0).
class StarvedStore : public CDataManager
{
public:
    explicit StarvedStore(int nFailFrom) : m_nFailFrom(nFailFrom) {}

protected:
    CurvePoint* AllocatePoints(size_t nPoints) override
    {
        return m_nAllocations++ >= m_nFailFrom ? nullptr : CDataManager::AllocatePoints(nPoints);
    }

private:
    int m_nFailFrom;
    int m_nAllocations = 0;
};

double YOf(int i)
{
    return 0.5 * i - 7.0;
}
} // namespace

TEST(DataManager, PointsAcrossBlocksStayWhereTheyWereStored)
{
    CDataManager store;
    const int nPoints = 2 * kBlock + kBlock / 2;
    std::vector<const CurvePoint*> stored;
    for (int i = 0; i < nPoints; ++i)
    {
        ASSERT_EQ(store.addPoint(3, i, YOf(i)), i + 1);
        stored.push_back(&store.getCurve(3)[i]);
        if (i + 1 == kBlock)
        {
            EXPECT_EQ(store.getCapacity(3), uint32_t(kBlock)) << "a full block takes no other";
        }
    }
    EXPECT_EQ(store.getCapacity(3), uint32_t(3 * kBlock));
    EXPECT_EQ(store.getCount(3, "LEER"), nPoints);
    const CurvePoints points = store.getCurve(3);
    for (int i = 0; i < nPoints; ++i)
    {
        ASSERT_EQ(&points[i], stored[i]) << "never moved";
        ASSERT_EQ(points[i].x, i);
        ASSERT_EQ(points[i].y, YOf(i));
    }
    // The runs a writer reads are the blocks, in order.
    std::vector<int> runs;
    points.ForEachRun(kBlock - 2, nPoints,
                      [&](const CurvePoint* pRun, int iFirst, int nRun)
                      {
                          EXPECT_EQ(pRun, stored[iFirst]);
                          runs.push_back(nRun);
                      });
    EXPECT_EQ(runs, (std::vector<int>{2, kBlock, kBlock / 2}));
}

TEST(DataManager, CurvesOutsideZeroToNineAreRefused)
{
    CDataManager store;
    for (int iCurve : {-1, 10})
    {
        EXPECT_EQ(store.addPoint(iCurve, 1, 1), -1);
        EXPECT_FALSE(store.clearCurve(iCurve));
        EXPECT_EQ(store.getCount(iCurve, "LEER"), 0);
        EXPECT_TRUE(store.getCurve(iCurve) == nullptr);
    }
}

TEST(DataManager, ClearedCurveKeepsItsBlocksForTheNextMeasurement)
{
    CDataManager store;
    for (int i = 0; i <= kBlock; ++i)
        store.addPoint(0, i, i);
    const CurvePoint* pFirst = &store.getCurve(0)[0];
    EXPECT_TRUE(store.clearCurve(0));
    EXPECT_EQ(store.getCount(0, "LEER"), 0);
    EXPECT_EQ(store.getCapacity(0), uint32_t(2 * kBlock));
    EXPECT_EQ(store.addPoint(0, 5, 6), 1);
    EXPECT_EQ(&store.getCurve(0)[0], pFirst);
    EXPECT_EQ(store.getCurve(0)[0].x, 5);
}

TEST(DataManager, LastIndexFlagAndTheOuterX)
{
    CDataManager store;
    store.setLastIndex(true);
    EXPECT_EQ(store.getCount(1, "LEER"), 0);
    EXPECT_EQ(store.getAbsoluteXMax("LEER"), -DBL_MAX);
    EXPECT_EQ(store.getAbsoluteXMin("LEER"), DBL_MAX);

    // The first and last points decide, whatever lies between them.
    store.addPoint(1, 2.0, 0);
    store.addPoint(1, 99.0, 0);
    store.addPoint(1, 7.0, 0);
    store.addPoint(4, -3.0, 0);
    store.addPoint(4, 5.0, 0);
    EXPECT_EQ(store.getCount(1, "LEER"), 2);
    EXPECT_EQ(store.getAbsoluteXMin("LEER"), -3.0);
    EXPECT_EQ(store.getAbsoluteXMax("LEER"), 7.0);
    store.setLastIndex(false);
    EXPECT_EQ(store.getCount(1, "LEER"), 3);
    // Without the flag the last point is still the one read.
    EXPECT_EQ(store.getAbsoluteXMax("LEER"), 7.0);

    // A cleared curve no longer takes part.
    store.clearCurve(4);
    EXPECT_EQ(store.getAbsoluteXMin("LEER"), 2.0);
}

TEST(DataManager, FirstBlockThatCannotBeHadRefusesThePoint)
{
    StarvedStore store(0);
    EXPECT_EQ(store.addPoint(2, 1, 1), 0);
    EXPECT_TRUE(store.getCurve(2) == nullptr);
    EXPECT_EQ(store.getCapacity(2), 0u);
    EXPECT_TRUE(store.takeRefusal());
    EXPECT_FALSE(store.takeRefusal()) << "reported once";
}

TEST(DataManager, BlockThatCannotBeHadKeepsEarlierPoints)
{
    StarvedStore store(1);
    for (int i = 0; i < kBlock; ++i)
        ASSERT_EQ(store.addPoint(0, i, -i), i + 1);
    EXPECT_FALSE(store.takeRefusal());

    EXPECT_EQ(store.addPoint(0, kBlock, 1), kBlock);
    EXPECT_EQ(store.addPoint(0, kBlock + 1, 1), kBlock);
    EXPECT_EQ(store.getCapacity(0), uint32_t(kBlock));
    EXPECT_EQ(store.getCurve(0)[kBlock - 1].y, 1 - kBlock);
    store.setLastIndex(true);
    EXPECT_EQ(store.getAbsoluteXMax("LEER"), kBlock - 1);
    EXPECT_TRUE(store.takeRefusal());
    EXPECT_FALSE(store.takeRefusal());

    // A new measurement clears the curve; a refusal after that is reported again.
    store.clearCurve(0);
    for (int i = 0; i < kBlock; ++i)
        store.addPoint(0, i, i);
    EXPECT_FALSE(store.takeRefusal());
    store.addPoint(0, 1, 1);
    EXPECT_TRUE(store.takeRefusal());
}

TEST(DataManager, AscendingUntilAnXRunsBackwards)
{
    CDataManager store;
    EXPECT_TRUE(store.isAscending(0));
    store.addPoint(0, 1, 0);
    store.addPoint(0, 1, 5); // equal x keeps the order
    store.addPoint(0, 2, 0);
    EXPECT_TRUE(store.isAscending(0));
    store.addPoint(0, 1.5, 0);
    EXPECT_FALSE(store.isAscending(0));
    store.clearCurve(0);
    EXPECT_TRUE(store.isAscending(0));
    EXPECT_FALSE(store.isAscending(10));
}
