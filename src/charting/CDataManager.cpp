#include "charting/CDataManager.h"

#include <cfloat>
#include <cstring>
#include <limits>

CDataManager::~CDataManager()
{
    deleteAll();
}

void CDataManager::deleteAll()
{
    for (auto& pCurve : m_pCurve)
        pCurve.reset();
}

CurvePoint* CDataManager::AllocatePoints(size_t nPoints, bool bZeroed)
{
    void* p = bZeroed ? std::calloc(nPoints, sizeof(CurvePoint)) : std::malloc(nPoints * sizeof(CurvePoint));
    return static_cast<CurvePoint*>(p);
}

int CDataManager::addPoint(int iCurve, double x, double y, CCurveStoreOwner* pOwner)
{
    if (!IsValid(iCurve))
        return -1;
    if (!m_pCurve[iCurve])
    {
        CurvePoint* p = AllocatePoints(INITIAL_CAPACITY, false);
        if (p == nullptr)
            return Refuse(iCurve);
        m_pCurve[iCurve].reset(p);
        m_nCount[iCurve] = 0;
        m_nCapacity[iCurve] = INITIAL_CAPACITY;
    }
    if (m_nCount[iCurve] == m_nCapacity[iCurve] && !Grow(iCurve, pOwner))
        return Refuse(iCurve);
    const uint32_t n = m_nCount[iCurve];
    CurvePoint* pPoints = m_pCurve[iCurve].get();
    if (n > 0 && !(x >= pPoints[n - 1].x)) // a NaN x ends the order too
        m_bDescending[iCurve] = true;
    pPoints[n] = {x, y};
    m_nCount[iCurve] = n + 1;
    return static_cast<int>(n + 1);
}

bool CDataManager::Grow(int iCurve, CCurveStoreOwner* pOwner)
{
    const uint32_t nCapacity = m_nCapacity[iCurve];
    // Counts are returned as int: the store never holds more than INT_MAX points in a curve.
    if (nCapacity > static_cast<uint32_t>(std::numeric_limits<int>::max()) / 2)
        return false;
    CurvePoint* pNew = AllocatePoints(2 * static_cast<size_t>(nCapacity), true);
    if (pNew == nullptr)
        return false;
    std::memcpy(pNew, m_pCurve[iCurve].get(), m_nCount[iCurve] * sizeof(CurvePoint));
    m_pCurve[iCurve].reset(pNew);
    if (pOwner != nullptr)
        pOwner->OnCurveArrayMoved(iCurve, pNew, static_cast<int>(m_nCount[iCurve]));
    m_nCapacity[iCurve] = 2 * nCapacity;
    return true;
}

int CDataManager::Refuse(int iCurve)
{
    if (m_refusal == Refusal::None)
        m_refusal = Refusal::Pending;
    return static_cast<int>(m_nCount[iCurve]);
}

bool CDataManager::takeRefusal()
{
    if (m_refusal != Refusal::Pending)
        return false;
    m_refusal = Refusal::Taken;
    return true;
}

bool CDataManager::clearCurve(int iCurve)
{
    if (!IsValid(iCurve))
        return false;
    m_nCount[iCurve] = 0;
    m_bDescending[iCurve] = false;
    m_refusal = Refusal::None;
    return true;
}

int CDataManager::getCount(int iCurve, LPCSTR /*lpszCaller*/) const
{
    if (!IsValid(iCurve))
        return 0;
    const int n = static_cast<int>(m_nCount[iCurve]);
    return m_bLastIndex && n != 0 ? n - 1 : n;
}

double CDataManager::getAbsoluteXMin(LPCSTR /*lpszCaller*/) const
{
    double dMin = DBL_MAX;
    for (int i = 0; i < CURVE_COUNT; ++i)
        if (m_pCurve[i] && m_nCount[i] > 0 && m_pCurve[i][0].x < dMin)
            dMin = m_pCurve[i][0].x;
    return dMin;
}

double CDataManager::getAbsoluteXMax(LPCSTR /*lpszCaller*/) const
{
    // The last point itself, whatever the last-index flag says: never a read past the count.
    double dMax = -DBL_MAX;
    for (int i = 0; i < CURVE_COUNT; ++i)
        if (m_pCurve[i] && m_nCount[i] > 0 && m_pCurve[i][m_nCount[i] - 1].x > dMax)
            dMax = m_pCurve[i][m_nCount[i] - 1].x;
    return dMax;
}

CurvePoint* CDataManager::getCurve(int iCurve) const
{
    return IsValid(iCurve) ? m_pCurve[iCurve].get() : nullptr;
}

uint32_t CDataManager::getCapacity(int iCurve) const
{
    return IsValid(iCurve) ? m_nCapacity[iCurve] : 0;
}

bool CDataManager::isAscending(int iCurve) const
{
    return IsValid(iCurve) && !m_bDescending[iCurve];
}
