// Least-squares polynomial through a curve's points: up to 21 coefficients, coefficient i multiplying
// x to the power i, found from the normal equations by Gauss-Jordan elimination.
#pragma once

#include "charting/CurvePoints.h"

class CPolynomialSolver
{
public:
    static constexpr int MAX_COEFFS = 21;

    CPolynomialSolver() = default;
    virtual ~CPolynomialSolver() = default;

    // Fits k coefficients over n points; false when the normal equations are singular or k is
    // outside 1..21 (the coefficients then hold what the elimination left).
    bool Fit(int n, int k, const CurvePoints& pPoints);
    double Evaluate(double x) const;
    // Solves A·s = b for a k×k row-major matrix; both are overwritten, b with the solution. False when
    // a pivot column is all zero.
    static bool Solve(double* pA, double* pB, int k);

    int m_iCoeffCount = 0;
    double m_dCoeff[MAX_COEFFS] = {};
};
