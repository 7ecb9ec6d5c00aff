// The curve store: arrays that grow by doubling across 10,000 and 20,000 points and keep every point,
// the owner told of each moved array, cleared curves that keep their arrays, the last-index reading,
// the first and last x over the curves, refused points when memory runs out, and the ascending mark.
#include "charting/CDataManager.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <vector>

namespace
{
struct MovedArray
{
    int iCurve;
    CurvePoint* pNew;
    int nCount;
};

class RecordingOwner : public CCurveStoreOwner
{
public:
    void OnCurveArrayMoved(int iCurve, CurvePoint* pNew, int nCount) override
    {
        m_moves.push_back({iCurve, pNew, nCount});
    }
    std::vector<MovedArray> m_moves;
};

// A store whose allocations fail from the n-th on (counted from 0).
class StarvedStore : public CDataManager
{
public:
    explicit StarvedStore(int nFailFrom) : m_nFailFrom(nFailFrom) {}
    int m_nAllocations = 0;

protected:
    CurvePoint* AllocatePoints(size_t nPoints, bool bZeroed) override
    {
        if (m_nAllocations++ >= m_nFailFrom)
            return nullptr;
        return CDataManager::AllocatePoints(nPoints, bZeroed);
    }

private:
    int m_nFailFrom;
};

double YOf(int i)
{
    return 0.5 * i - 7.0;
}
} // namespace

TEST(DataManager, PointsAcrossBothGrowthsAllReadBack)
{
    CDataManager store;
    RecordingOwner owner;
    const int nPoints = 25000;
    for (int i = 0; i < nPoints; ++i)
    {
        ASSERT_EQ(store.addPoint(3, i, YOf(i), &owner), i + 1);
        if (i + 1 == 10000)
        {
            EXPECT_EQ(store.getCapacity(3), 10000u) << "the 10,000th point fits";
            EXPECT_TRUE(owner.m_moves.empty());
        }
    }
    EXPECT_EQ(store.getCapacity(3), 40000u);
    ASSERT_EQ(owner.m_moves.size(), 2u);
    // The chart hears of the new array with the points before the one that made it grow.
    EXPECT_EQ(owner.m_moves[0].iCurve, 3);
    EXPECT_EQ(owner.m_moves[0].nCount, 10000);
    EXPECT_EQ(owner.m_moves[1].nCount, 20000);
    EXPECT_EQ(owner.m_moves[1].pNew, store.getCurve(3));
    const CurvePoint* p = store.getCurve(3);
    for (int i = 0; i < nPoints; ++i)
    {
        ASSERT_EQ(p[i].x, i);
        ASSERT_EQ(p[i].y, YOf(i));
    }
    EXPECT_EQ(store.getCount(3, "LEER"), nPoints);
    // The rest of a grown array is zero-filled.
    EXPECT_EQ(p[nPoints].x, 0.0);
    EXPECT_EQ(p[39999].y, 0.0);
}

TEST(DataManager, CurvesOutsideZeroToNineAreRefused)
{
    CDataManager store;
    for (int iCurve : {-1, 10})
    {
        EXPECT_EQ(store.addPoint(iCurve, 1, 1, nullptr), -1);
        EXPECT_FALSE(store.clearCurve(iCurve));
        EXPECT_EQ(store.getCount(iCurve, "LEER"), 0);
        EXPECT_EQ(store.getCurve(iCurve), nullptr);
    }
}

TEST(DataManager, ClearedCurveKeepsItsArrayForTheNextMeasurement)
{
    CDataManager store;
    for (int i = 0; i < 10001; ++i)
        store.addPoint(0, i, i, nullptr);
    const CurvePoint* pArray = store.getCurve(0);
    EXPECT_TRUE(store.clearCurve(0));
    EXPECT_EQ(store.getCount(0, "LEER"), 0);
    EXPECT_EQ(store.getCurve(0), pArray);
    EXPECT_EQ(store.getCapacity(0), 20000u);
    EXPECT_EQ(store.addPoint(0, 5, 6, nullptr), 1);
    EXPECT_EQ(store.getCurve(0), pArray);
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
    store.addPoint(1, 2.0, 0, nullptr);
    store.addPoint(1, 99.0, 0, nullptr);
    store.addPoint(1, 7.0, 0, nullptr);
    store.addPoint(4, -3.0, 0, nullptr);
    store.addPoint(4, 5.0, 0, nullptr);
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

TEST(DataManager, FirstArrayThatCannotBeHadRefusesThePoint)
{
    StarvedStore store(0);
    EXPECT_EQ(store.addPoint(2, 1, 1, nullptr), 0);
    EXPECT_EQ(store.getCurve(2), nullptr);
    EXPECT_TRUE(store.takeRefusal());
    EXPECT_FALSE(store.takeRefusal()) << "reported once";
}

TEST(DataManager, GrowthThatCannotBeHadKeepsEarlierPoints)
{
    StarvedStore store(1);
    RecordingOwner owner;
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(store.addPoint(0, i, -i, &owner), i + 1);
    const CurvePoint* pArray = store.getCurve(0);
    EXPECT_FALSE(store.takeRefusal());

    EXPECT_EQ(store.addPoint(0, 10000, 1, &owner), 10000);
    EXPECT_EQ(store.addPoint(0, 10001, 1, &owner), 10000);
    EXPECT_EQ(store.getCurve(0), pArray);
    EXPECT_EQ(store.getCapacity(0), 10000u);
    EXPECT_TRUE(owner.m_moves.empty());
    EXPECT_EQ(pArray[9999].y, -9999);
    EXPECT_TRUE(store.takeRefusal());
    EXPECT_FALSE(store.takeRefusal());

    // A new measurement clears the curve; a refusal after that is reported again.
    store.clearCurve(0);
    for (int i = 0; i < 10000; ++i)
        store.addPoint(0, i, i, &owner);
    EXPECT_FALSE(store.takeRefusal());
    store.addPoint(0, 1, 1, &owner);
    EXPECT_TRUE(store.takeRefusal());
}

TEST(DataManager, AscendingUntilAnXRunsBackwards)
{
    CDataManager store;
    EXPECT_TRUE(store.isAscending(0));
    store.addPoint(0, 1, 0, nullptr);
    store.addPoint(0, 1, 5, nullptr); // equal x keeps the order
    store.addPoint(0, 2, 0, nullptr);
    EXPECT_TRUE(store.isAscending(0));
    store.addPoint(0, 1.5, 0, nullptr);
    EXPECT_FALSE(store.isAscending(0));
    store.clearCurve(0);
    EXPECT_TRUE(store.isAscending(0));
    EXPECT_FALSE(store.isAscending(10));
}
