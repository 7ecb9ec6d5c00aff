#include "measurement/CMovingAverageRing.h"

#include <algorithm>
#include <cmath>

CMovingAverageRing::CMovingAverageRing(int n)
    : m_iSize(std::max(n, 1)), m_adValue(static_cast<size_t>(m_iSize))
{
}

int CMovingAverageRing::AddValue(double dValue)
{
    m_iNewest = (m_iNewest + 1) % m_iSize;
    if (m_iFilled == m_iSize)
        Accumulate(-m_adValue[static_cast<size_t>(m_iNewest)]);
    else
        ++m_iFilled;
    m_adValue[static_cast<size_t>(m_iNewest)] = dValue;
    Accumulate(dValue);
    // Rounding left behind by values that went is cleared once per round.
    if (++m_iAddsSinceResum >= m_iSize)
        Resum();
    return 0;
}

bool CMovingAverageRing::GetAverage(double* pdOut) const
{
    if (m_iFilled == 0)
    {
        *pdOut = 0.0;
        return false;
    }
    *pdOut = (m_dSum + m_dCompensation) / m_iFilled;
    return true;
}

void CMovingAverageRing::Clear()
{
    m_iFilled = 0;
    m_dSum = 0.0;
    m_dCompensation = 0.0;
    m_iAddsSinceResum = 0;
}

void CMovingAverageRing::SetSize(int n)
{
    n = std::max(n, 1);
    if (n == m_iSize)
        return;
    if (n > m_iSize)
    {
        // Free nodes between the newest and the oldest value are written first.
        m_adValue.insert(m_adValue.begin() + m_iNewest + 1, static_cast<size_t>(n - m_iSize), 0.0);
        m_iSize = n;
        return;
    }
    while (m_iSize > n)
    {
        if (m_iFilled == m_iSize)
            --m_iFilled;
        const int iOldest = (m_iNewest + 1) % m_iSize;
        m_adValue.erase(m_adValue.begin() + iOldest);
        if (iOldest < m_iNewest)
            --m_iNewest;
        --m_iSize;
    }
    Resum();
}

int CMovingAverageRing::OldestFilled() const
{
    return ((m_iNewest - m_iFilled + 1) % m_iSize + m_iSize) % m_iSize;
}

// Neumaier's compensated summation.
void CMovingAverageRing::Accumulate(double dValue)
{
    const double dTotal = m_dSum + dValue;
    if (std::fabs(m_dSum) >= std::fabs(dValue))
        m_dCompensation += (m_dSum - dTotal) + dValue;
    else
        m_dCompensation += (dValue - dTotal) + m_dSum;
    m_dSum = dTotal;
}

void CMovingAverageRing::Resum()
{
    m_dSum = 0.0;
    m_dCompensation = 0.0;
    m_iAddsSinceResum = 0;
    int i = OldestFilled();
    for (int n = 0; n < m_iFilled; ++n, i = (i + 1) % m_iSize)
        Accumulate(m_adValue[static_cast<size_t>(i)]);
}
