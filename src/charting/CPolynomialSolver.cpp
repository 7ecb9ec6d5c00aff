#include "charting/CPolynomialSolver.h"

#include <cmath>
#include <utility>
#include <vector>

bool CPolynomialSolver::Fit(int n, int k, const CurvePoints& pPoints)
{
    if (k < 1 || k > MAX_COEFFS || n < 0 || (n > 0 && pPoints == nullptr))
        return false;
    // A = XᵀX and b = Xᵀy with X[j][i] = x_j^i, summed row by row.
    std::vector<double> a(static_cast<size_t>(k) * k, 0.0);
    double b[MAX_COEFFS] = {};
    double powers[MAX_COEFFS];
    for (int j = 0; j < n; ++j)
    {
        powers[0] = 1.0;
        for (int i = 1; i < k; ++i)
            powers[i] = pPoints[j].x * powers[i - 1];
        for (int i = 0; i < k; ++i)
        {
            for (int c = 0; c <= i; ++c)
                a[static_cast<size_t>(i) * k + c] += powers[i] * powers[c];
            b[i] += powers[i] * pPoints[j].y;
        }
    }
    for (int i = 0; i < k; ++i)
        for (int c = i + 1; c < k; ++c)
            a[static_cast<size_t>(i) * k + c] = a[static_cast<size_t>(c) * k + i];
    const bool bSolved = Solve(a.data(), b, k);
    for (int i = 0; i < k; ++i)
        m_dCoeff[i] = b[i];
    return bSolved;
}

double CPolynomialSolver::Evaluate(double x) const
{
    double dSum = 0.0;
    double dPower = 1.0;
    for (int i = 0; i < m_iCoeffCount && i < MAX_COEFFS; ++i)
    {
        dSum += m_dCoeff[i] * dPower;
        dPower *= x;
    }
    return dSum;
}

bool CPolynomialSolver::Solve(double* pA, double* pB, int k)
{
    auto at = [pA, k](int r, int c) -> double& { return pA[static_cast<size_t>(r) * k + c]; };
    for (int i = 0; i < k; ++i)
    {
        int p = i;
        for (int r = i + 1; r < k; ++r)
            if (std::fabs(at(r, i)) > std::fabs(at(p, i)))
                p = r;
        if (at(p, i) == 0.0)
            return false;
        if (p != i)
        {
            for (int c = i; c < k; ++c)
                std::swap(at(i, c), at(p, c));
            std::swap(pB[i], pB[p]);
        }
        const double dPivot = at(i, i);
        for (int c = i; c < k; ++c)
            at(i, c) /= dPivot;
        pB[i] /= dPivot;
        for (int r = 0; r < k; ++r)
        {
            if (r == i)
                continue;
            const double f = at(r, i);
            for (int c = i; c < k; ++c)
                at(r, c) -= f * at(i, c);
            pB[r] -= f * pB[i];
        }
    }
    return true;
}
