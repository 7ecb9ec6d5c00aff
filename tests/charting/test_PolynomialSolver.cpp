// The polynomial solver: an exact polynomial is found again, elimination swaps rows on a zero pivot,
// singular systems and coefficient counts outside 1..21 fail; and the plane-vector functions.
#include "charting/CPolynomialSolver.h"
#include "charting/PlotVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(PolynomialSolver, FitFindsAnExactCubicAgain)
{
    std::vector<CurvePoint> points;
    for (int i = -3; i <= 4; ++i)
    {
        const double x = 0.5 * i;
        points.push_back({x, 1.0 - 2.0 * x + 3.0 * x * x - 0.25 * x * x * x});
    }
    CPolynomialSolver solver;
    ASSERT_TRUE(solver.Fit((int)points.size(), 4, points.data()));
    solver.m_iCoeffCount = 4;
    const double expected[4] = {1.0, -2.0, 3.0, -0.25};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(solver.m_dCoeff[i], expected[i], 1e-9) << i;
    EXPECT_NEAR(solver.Evaluate(2.0), 1.0 - 4.0 + 12.0 - 2.0, 1e-9);
    solver.m_iCoeffCount = 2;
    EXPECT_NEAR(solver.Evaluate(2.0), 1.0 - 4.0, 1e-9) << "only the coefficients in use count";
}

TEST(PolynomialSolver, SolveSwapsRowsOnAZeroPivot)
{
    double a[4] = {0, 1, 1, 1};
    double b[2] = {2, 3};
    ASSERT_TRUE(CPolynomialSolver::Solve(a, b, 2));
    EXPECT_DOUBLE_EQ(b[0], 1.0);
    EXPECT_DOUBLE_EQ(b[1], 2.0);
}

TEST(PolynomialSolver, SingularSystemsAndBadCountsFail)
{
    double a[4] = {0, 1, 0, 2};
    double b[2] = {1, 1};
    EXPECT_FALSE(CPolynomialSolver::Solve(a, b, 2));

    // Every x equal: a straight line through them is not determined.
    const CurvePoint same[3] = {{2, 1}, {2, 5}, {2, 3}};
    CPolynomialSolver solver;
    EXPECT_FALSE(solver.Fit(3, 2, same));
    const CurvePoint line[2] = {{0, 1}, {1, 3}};
    EXPECT_FALSE(solver.Fit(2, 0, line));
    EXPECT_FALSE(solver.Fit(2, 22, line));
    EXPECT_TRUE(solver.Fit(2, 2, line));
}

TEST(PlotVector, Arithmetic)
{
    const double a[2] = {3, 4};
    const double b[2] = {1, -2};
    double out[2] = {9, 9};
    EXPECT_EQ(Vec2Sub(a, b, out), out);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], 6);
    Vec2Add(a, b, out);
    EXPECT_EQ(out[0], 4);
    EXPECT_EQ(out[1], 2);
    Vec2Perpendicular(a, out);
    EXPECT_EQ(out[0], -4);
    EXPECT_EQ(out[1], 3);
    const double r1[2] = {0, 1};
    const double r2[2] = {-1, 0};
    Vec2MulMatrix(a, r1, r2, out);
    EXPECT_EQ(out[0], -4);
    EXPECT_EQ(out[1], 3);
    EXPECT_EQ(Vec2LengthSquared(a), 25);
    EXPECT_EQ(Vec2Length(a), 5);
    EXPECT_EQ(Vec2Dot(a, b), -5);
    EXPECT_TRUE(Vec2IsOrthogonal(a, out));
    EXPECT_FALSE(Vec2IsOrthogonal(a, b));

    // Missing inputs.
    EXPECT_EQ(Vec2Sub(nullptr, b, out), nullptr);
    EXPECT_EQ(Vec2Dot(a, nullptr), 0.0);
    EXPECT_EQ(Vec2Length(nullptr), 0.0);
    EXPECT_TRUE(Vec2IsOrthogonal(nullptr, b));
}

TEST(PlotVector, ScaleNormaliseAndCosine)
{
    double a[2] = {3, 4};
    double out[2] = {7, 8};
    Vec2Scale(a, 0.0, out);
    EXPECT_EQ(a[0], 3);
    EXPECT_EQ(out[0], 7) << "a factor of 0 changes nothing";
    Vec2Scale(a, 2.0, out);
    EXPECT_EQ(a[1], 8);
    EXPECT_EQ(out[1], 8);
    Vec2Normalize(a);
    EXPECT_DOUBLE_EQ(a[0], 0.6);
    double zero[2] = {0, 0};
    Vec2Normalize(zero);
    EXPECT_EQ(zero[0], 0.0);
    double u[2] = {5, 0};
    double v[2] = {0, -3};
    EXPECT_EQ(Vec2Cosine(u, v), 0.0);
    EXPECT_EQ(u[0], 1.0);
}

TEST(PlotVector, LinesProjectionAndDistance)
{
    double line[3];
    EXPECT_FALSE(LineFromPoints(1, 1, 1, 1, line));
    ASSERT_TRUE(LineFromPoints(0, 2, 4, 2, line));
    EXPECT_EQ(line[0], 0);
    EXPECT_EQ(line[1], 4);
    EXPECT_EQ(line[2], 8);

    const double p[2] = {3, 4};
    const double d[2] = {2, 0};
    VectorProjection projection;
    ASSERT_TRUE(Vec2Project(p, d, &projection));
    EXPECT_EQ(projection.dParallelX, 3);
    EXPECT_EQ(projection.dPerpendicularY, 4);
    EXPECT_EQ(projection.dParallelLength, 3);
    EXPECT_EQ(projection.dPerpendicularLength, 4);

    EXPECT_DOUBLE_EQ(PointLineDistance({0, 0}, {10, 0}, {3, 4}), 4.0);
    EXPECT_DOUBLE_EQ(PointLineDistance({0, 0}, {10, 10}, {10, 0}), std::sqrt(50.0));
    EXPECT_DOUBLE_EQ(PointLineDistance({2, 2}, {2, 2}, {5, 6}), 5.0) << "coinciding ends: from the point";
}
