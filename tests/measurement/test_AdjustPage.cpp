// What the measure-configuration page and its software-scaling dialog compute without their windows:
// the page's layout, the scaling factor Save derives, the scaled range value and a current value's text.
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgSoftwareConfig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(AdjustPage, OuterGroupKeepsALeastSize)
{
    struct Case
    {
        int cx, cy;
        CRect rcGroup;
    };
    const Case cases[] = {{1000, 800, CRect(10, 5, 991, 790)},
                          {549, 355, CRect(10, 5, 540, 345)},
                          {548, 354, CRect(10, 5, 540, 345)},
                          {548, 800, CRect(10, 5, 540, 790)},
                          {300, 200, CRect(10, 5, 540, 345)}};
    for (const Case& c : cases)
        EXPECT_EQ(CDlgMeasureAdjust::OuterGroupRect(c.cx, c.cy), c.rcGroup) << c.cx << " x " << c.cy;
}

TEST(SoftwareScaling, SaveDerivesTheFactorPerInputUnitAndRefusesAnUndefinedOne)
{
    // 1 N·m (range unit factor 0.01 per cN·m) equates 0.7376: 0.007376 per cN·m.
    double dFactor = -1.0;
    ASSERT_TRUE(CDlgSoftwareConfig::ComputeScalingFactor(0.7376, 1.0, 20.0, 20000.0, 0.01, dFactor));
    EXPECT_NEAR(0.007376, dFactor, 1e-12);
    struct Case
    {
        double dScaled, dPhysical, dRange, dFullScale;
    };
    const double dInfinity = std::numeric_limits<double>::infinity();
    const Case refused[] = {{0.7376, 0.0, 20.0, 20000.0},
                            {0.7376, 1.0, 0.0, 20000.0},
                            {0.7376, 1.0, 20.0, 0.0},
                            {dInfinity, 1.0, 20.0, 20000.0},
                            {1e308, 1e-308, 20.0, 20000.0}};
    for (const Case& c : refused)
    {
        dFactor = 42.0;
        EXPECT_FALSE(CDlgSoftwareConfig::ComputeScalingFactor(c.dScaled, c.dPhysical, c.dRange, c.dFullScale,
                                                              0.01, dFactor))
            << c.dScaled << " / " << c.dPhysical << ", range " << c.dRange << ", " << c.dFullScale;
        EXPECT_EQ(42.0, dFactor);
    }
}

TEST(SoftwareScaling, ScaledRangeValueAndCurrentValueTexts)
{
    // 250 cN·m is 2.5 N·m: a slot factor f shows 2.5 × f / 0.01; without a scaling (or a range) 0.
    EXPECT_NEAR(2.5 * 0.007376 / 0.01, CDlgSoftwareConfig::ScaledRangeValue(2.5, 0.007376, 25000.0, 0.01),
                1e-12);
    EXPECT_EQ(0.0, CDlgSoftwareConfig::ScaledRangeValue(2.5, 0.0, 25000.0, 0.01));
    EXPECT_EQ(0.0, CDlgSoftwareConfig::ScaledRangeValue(2.5, 0.5, 0.0, 0.01));
    struct Case
    {
        double dValue;
        const char* pszText;
    };
    const Case cases[] = {{12.345678, "12.345678"},   {1234.5, "1234.5"}, {0.0, "0"},
                          {-0.00000001, "0"},         {-3.25, "-3.25"},   {123456789.4, "123456789"},
                          {0.123456789, "0.12345679"}};
    for (const Case& c : cases)
        EXPECT_STREQ(CDlgSoftwareConfig::FormatCurrentValue(c.dValue).GetString(), c.pszText) << c.dValue;
}
