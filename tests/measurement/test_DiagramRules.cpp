// The diagram pane's rules: redraw period, axis texts and formats, and what the feed makes of the value
// pairs (rounding, reduction, running time, x range, point limit).
#include "PipelineFixture.h"

#include "measurement/CDiagramFeed.h"
#include "measurement/CDiagramRules.h"
#include "protocol/Language.h"

#include <vector>

namespace
{
struct Point
{
    int iCurve;
    double dX, dY;
};

class CRecordingCurves : public CDiagramCurves
{
public:
    std::vector<Point> m_points;
    int m_aiCount[2] = {};

    int AddPoint(int iCurve, double dX, double dY) override
    {
        m_points.push_back({iCurve, dX, dY});
        return ++m_aiCount[iCurve];
    }
};
} // namespace

TEST(DiagramRules, RedrawPeriodIsTwoThirdsOfTheSamplePeriodAndAtLeast450Ms)
{
    EXPECT_EQ(666, CDiagramRules::FirstRedrawPeriod(1.0));
    EXPECT_EQ(450, CDiagramRules::FirstRedrawPeriod(0.6)); // 400 raised
    EXPECT_EQ(450, CDiagramRules::FirstRedrawPeriod(0.001));
    EXPECT_EQ(2000, CDiagramRules::FirstRedrawPeriod(3.0));
    EXPECT_EQ(5000, CDiagramRules::NextRedrawPeriod(0.001, 450));
    EXPECT_EQ(5000, CDiagramRules::NextRedrawPeriod(0.0199, 450));
    EXPECT_EQ(450, CDiagramRules::NextRedrawPeriod(0.02, 450));
    EXPECT_EQ(666, CDiagramRules::NextRedrawPeriod(1.0, 666));
}

TEST(DiagramRules, TimeAxisScrollsOnlyForFastPointsPastFiveSeconds)
{
    EXPECT_TRUE(CDiagramRules::ShowsWholeTimeRange(4.9, false, 0.0002));
    EXPECT_FALSE(CDiagramRules::ShowsWholeTimeRange(5.0, false, 0.0002));
    EXPECT_TRUE(CDiagramRules::ShowsWholeTimeRange(60.0, true, 0.0002));
    EXPECT_TRUE(CDiagramRules::ShowsWholeTimeRange(60.0, false, 0.05));
}

TEST_F(PipelineTest, DiagramQuantityTextsAndFormats)
{
    EXPECT_EQ("Zeit [sek]", CDiagramRules::QuantityText(1, LANGUAGE_GERMAN, false, pipeline.m_sChannel));
    EXPECT_EQ("Time\n[sec]", CDiagramRules::QuantityText(1, LANGUAGE_ENGLISH, true, pipeline.m_sChannel));
    EXPECT_EQ("Kanal A [N·m]", CDiagramRules::QuantityText(2, LANGUAGE_GERMAN, false, pipeline.m_sChannel));
    EXPECT_EQ("Channel B\n[N·m]",
              CDiagramRules::QuantityText(3, LANGUAGE_ENGLISH, true, pipeline.m_sChannel));
    EXPECT_EQ("Aus [N.L]", CDiagramRules::QuantityText(0, LANGUAGE_GERMAN, false, pipeline.m_sChannel));
    EXPECT_EQ("n.a. [default]", CDiagramRules::QuantityText(9, LANGUAGE_GERMAN, false, pipeline.m_sChannel));
    EXPECT_EQ("not  [available]", CDiagramRules::QuantityText(1, 500, false, pipeline.m_sChannel));

    int iDecimals = -1;
    EXPECT_EQ("%0.2f", CDiagramRules::QuantityFormat(2, pipeline.m_sChannel, true, &iDecimals));
    EXPECT_EQ(2, iDecimals);
    pipeline.m_sChannel[1].iDecimals = 9;
    EXPECT_EQ("%0.8f", CDiagramRules::QuantityFormat(3, pipeline.m_sChannel, false, &iDecimals));
    EXPECT_EQ(8, iDecimals);
    EXPECT_EQ("%0.1f", CDiagramRules::QuantityFormat(3, pipeline.m_sChannel, true, &iDecimals));
    EXPECT_EQ(0, iDecimals); // the digital input: one decimal shown, whole numbers drawn
    iDecimals = 5;
    EXPECT_EQ("n.a.", CDiagramRules::QuantityFormat(1, pipeline.m_sChannel, false, &iDecimals));
    EXPECT_EQ(5, iDecimals);
}

// Time along x, channel A on y1, channel B on y2, 1 ms per sample.
class DiagramFeedTest : public PipelineTest
{
protected:
    void SetUp() override
    {
        PipelineTest::SetUp();
        settings.dSamplePeriod = 0.001;
        settings.iAxisX = MeasureAdjustStruct::AXIS_TIME;
        settings.iAxisY1 = MeasureAdjustStruct::AXIS_CHANNEL_A;
        settings.iAxisY2 = MeasureAdjustStruct::AXIS_CHANNEL_B;
        settings.bAxisXShown = settings.bAxisY1Shown = settings.bAxisY2Shown = 1;
    }
    void Start()
    {
        pipeline.ResetMeanLists(0);
        feed.Start(settings, pipeline.m_iAveragingCount);
        feed.m_iDecimalsY1 = feed.m_iDecimalsY2 = 2;
    }
    double Add(double dA, double dB)
    {
        double dTime = -1.0;
        feed.Add(dA, dB, pipeline, curves, &dTime);
        return dTime;
    }

    CDiagramFeed feed;
    CRecordingCurves curves;
};

TEST_F(DiagramFeedTest, PairsBecomeRoundedPointsAlongTheRunningTime)
{
    Start();
    EXPECT_EQ(0.0, Add(1.23456, 0.0));
    EXPECT_FALSE(feed.m_bDrawingEnabled); // the first pair adds points but does not enable drawing
    EXPECT_DOUBLE_EQ(0.001, Add(-2.005, 3.0));
    EXPECT_TRUE(feed.m_bDrawingEnabled);
    ASSERT_EQ(4u, curves.m_points.size());
    EXPECT_EQ(1.23, curves.m_points[0].dY);
    EXPECT_EQ(0.0, curves.m_points[1].dY);
    EXPECT_DOUBLE_EQ(0.001, curves.m_points[2].dX);
    EXPECT_EQ(2, feed.m_iPointsY1);
    EXPECT_EQ(2, feed.m_iPointsY2);
    EXPECT_EQ(0.0, feed.m_dDataXMin);
    EXPECT_DOUBLE_EQ(0.001, feed.m_dDataXMax);

    feed.Stop();
    EXPECT_EQ(-1.0, Add(5.0, 5.0));
    EXPECT_EQ(4u, curves.m_points.size());
}

TEST_F(DiagramFeedTest, PointLimitDropsEveryLaterPairWhole)
{
    Start();
    feed.SetPointLimit(true, 100);
    for (int i = 0; i < 150; ++i)
        Add(i, -i);
    EXPECT_EQ(100, feed.m_iPointsY1);
    EXPECT_EQ(100, curves.m_aiCount[0]);
    EXPECT_EQ(100, curves.m_aiCount[1]);
    EXPECT_NEAR(0.1, feed.m_dValueX, 1e-12); // no time advance for the dropped pairs
    EXPECT_NEAR(0.099, feed.m_dDataXMax, 1e-12);
    feed.SetPointLimit(false, 0);
    Add(1, 1);
    EXPECT_EQ(101, feed.m_iPointsY1);
}

TEST_F(DiagramFeedTest, ReducedPointsOnlyWhileTheValueListIsActive)
{
    pipeline.m_iAveragingCount = 4;
    Start();
    EXPECT_DOUBLE_EQ(0.004, feed.m_dPointPeriod);
    for (int i = 1; i <= 4; ++i)
        Add(i, 0);
    EXPECT_EQ(4, feed.m_iPointsY1) << "no value list: every pair, unreduced";
    ASSERT_EQ(8u, curves.m_points.size());
    EXPECT_EQ(4.0, curves.m_points[6].dY);

    host.m_bFirstPairSeen = true;
    curves = CRecordingCurves();
    Start();
    for (int i = 1; i <= 8; ++i)
        Add(i, 10 * i);
    ASSERT_EQ(4u, curves.m_points.size()); // two groups of four, two curves
    EXPECT_EQ(2.5, curves.m_points[0].dY);
    EXPECT_EQ(25.0, curves.m_points[1].dY);
    EXPECT_EQ(6.5, curves.m_points[2].dY);
    EXPECT_DOUBLE_EQ(0.007, curves.m_points[2].dX); // the time of the group's last pair
}

TEST_F(DiagramFeedTest, ChannelAlongXGivesItsValueAsXAndNoTime)
{
    settings.iAxisX = MeasureAdjustStruct::AXIS_CHANNEL_A;
    settings.iAxisY1 = MeasureAdjustStruct::AXIS_CHANNEL_B;
    settings.bAxisY2Shown = 0;
    Start();
    feed.m_bAxisOnY2 = 0;
    EXPECT_EQ(CDiagramFeed::X_BEFORE_FIRST_CHANNEL_VALUE, feed.m_dValueX);
    EXPECT_EQ(-1, feed.m_iQuantityY2);
    EXPECT_EQ(-1.0, Add(7.0, 2.0)); // the time is left as it was
    Add(-3.0, 4.0);
    ASSERT_EQ(2u, curves.m_points.size());
    EXPECT_EQ(7.0, curves.m_points[0].dX);
    EXPECT_EQ(2.0, curves.m_points[0].dY);
    EXPECT_EQ(-3.0, feed.m_dDataXMin);
    EXPECT_EQ(7.0, feed.m_dDataXMax);
}
