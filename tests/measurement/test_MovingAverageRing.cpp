// The averaging ring and the reduction of the diagram's points.
#include "PipelineFixture.h"

#include "measurement/CMovingAverageRing.h"

#include <cmath>
#include <deque>

namespace
{
double Mean(const CMovingAverageRing& ring)
{
    double d = -1.0;
    EXPECT_TRUE(ring.GetAverage(&d));
    return d;
}
} // namespace

TEST(MovingAverageRing, AveragesTheNewestValuesAndKeepsThemWhenResized)
{
    CMovingAverageRing ring(4);
    ring.AddValue(1);
    ring.AddValue(2);
    EXPECT_EQ(1.5, Mean(ring));
    for (const double d : {3.0, 4.0, 5.0})
        ring.AddValue(d);
    EXPECT_EQ(3.5, Mean(ring));

    ring.SetSize(2);
    EXPECT_EQ(4.5, Mean(ring));
    ring.SetSize(6);
    EXPECT_EQ(4.5, Mean(ring));
    EXPECT_EQ(2, ring.GetFilled());

    ring.AddValue(6);
    ring.AddValue(7);
    EXPECT_EQ(5.5, Mean(ring)); // the new nodes took them
    for (const double d : {8.0, 9.0, 10.0})
        ring.AddValue(d);
    EXPECT_EQ(7.5, Mean(ring)); // 5 to 10
}

TEST(MovingAverageRing, EmptyRingGivesFalseAndZeroAndSizeZeroIsOneNode)
{
    CMovingAverageRing ring(0);
    double d = 7.0;
    EXPECT_FALSE(ring.GetAverage(&d));
    EXPECT_EQ(0.0, d);
    EXPECT_EQ(1, ring.GetSize());
    ring.AddValue(3);
    ring.AddValue(9);
    EXPECT_EQ(9.0, Mean(ring));
    ring.Clear();
    EXPECT_FALSE(ring.GetAverage(&d));
    ring.SetSize(-5);
    EXPECT_EQ(1, ring.GetSize());
}

// A long run of values of very different size leaves no rounding behind in the mean.
TEST(MovingAverageRing, LongRunsKeepTheMeanOfTheValuesHeld)
{
    CMovingAverageRing ring(512);
    std::deque<double> held;
    for (int i = 0; i < 200000; ++i)
    {
        const double d = i % 1000 == 0 ? 1e12 : std::sin(i) * 0.001;
        ring.AddValue(d);
        held.push_back(d);
        if (held.size() > 512)
            held.pop_front();
    }
    double dSum = 0.0;
    for (const double d : held)
        dSum += d;
    EXPECT_NEAR(dSum / 512.0, Mean(ring), 1e-9);

    CMovingAverageRing constant(512);
    for (int i = 0; i < 5000; ++i)
        constant.AddValue(i % 7 == 0 ? 3.3 : 0.1);
    for (int i = 0; i < 512; ++i)
        constant.AddValue(0.1);
    EXPECT_EQ(0.1, Mean(constant));
}

TEST_F(PipelineTest, ReductionYieldsTheMeanOfEachCompletedGroupWhileTheOutputIsPrepared)
{
    pipeline.m_iAveragingCount = 4;
    pipeline.ResetMeanLists(0);
    host.m_bFirstPairSeen = true;
    double d = 0.0;
    EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y1, 1.0, &d));
    EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y1, 2.0, &d));
    EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y1, 3.0, &d));
    EXPECT_TRUE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y1, 6.0, &d));
    EXPECT_EQ(3.0, d);
    EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y1, 10.0, &d));
    EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_X, 10.0, &d))
        << "each index counts its own group";
}

TEST_F(PipelineTest, ReductionNeverYieldsWithoutPreparedOutputAndPassesEveryValueForGroupsOfOne)
{
    pipeline.m_iAveragingCount = 4;
    pipeline.ResetMeanLists(0);
    double d = 0.0;
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y2, i, &d));

    pipeline.m_iAveragingCount = 1;
    pipeline.ResetMeanLists(0);
    EXPECT_TRUE(pipeline.ReduceValue(CValuePipeline::REDUCE_Y2, 5.0, &d));
    EXPECT_EQ(5.0, d);
    EXPECT_FALSE(pipeline.ReduceValue(3, 5.0, &d));
}

TEST_F(PipelineTest, MeanListsAreSizedFromTheMeanCodes)
{
    pipeline.m_sChannel[0].iMeanCode = 9;
    pipeline.m_sChannel[1].iMeanCode = 3;
    pipeline.ResetMeanLists(0);
    EXPECT_EQ(512, pipeline.m_pMeanList[0]->GetSize());
    EXPECT_EQ(8, pipeline.m_pMeanList[1]->GetSize());
    pipeline.ResetMeanLists(2);
    EXPECT_EQ(1, pipeline.m_pMeanList[0]->GetSize());
    pipeline.ResetMeanLists(1);
    EXPECT_EQ(1, pipeline.m_pMeanList[1]->GetSize());
    pipeline.ResetMeanLists(5);
    EXPECT_EQ(8, pipeline.m_pMeanList[1]->GetSize());
    EXPECT_EQ(1, pipeline.m_pMeanList[0]->GetSize());
}

TEST_F(PipelineTest, CalibrationRingsAverageTheirSamples)
{
    pipeline.ResetCalibLists();
    for (int i = 1; i <= 4; ++i)
        pipeline.AddCalibSample(i, 10 * i, -i, 0.5);
    const CalibRingAverages averages = pipeline.GetCalibAverages();
    EXPECT_EQ(2.5, averages.adAverage[0]);
    EXPECT_EQ(25.0, averages.adAverage[1]);
    EXPECT_EQ(-2.5, averages.adAverage[2]);
    EXPECT_EQ(0.5, averages.adAverage[3]);
    EXPECT_EQ(4, averages.aiCount[3]);
    EXPECT_EQ(CValuePipeline::CALIB_RING_SIZE, pipeline.m_pCalibList[0]->GetSize());
}
