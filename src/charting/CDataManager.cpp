#include "charting/CDataManager.h"

#include <cfloat>
#include <limits>

namespace
{
constexpr uint32_t kMaxCount = std::numeric_limits<int>::max();
constexpr uint32_t kMaxBlocks = (kMaxCount + CDataManager::BLOCK_POINTS - 1) / CDataManager::BLOCK_POINTS;
} // namespace

CDataManager::~CDataManager()
{
    deleteAll();
}

void CDataManager::deleteAll()
{
    for (Curve& curve : m_curves)
    {
        for (uint32_t k = 0; k < curve.nBlocks; ++k)
            std::free(curve.ppBlocks[k]);
        curve = Curve();
    }
}

CurvePoint* CDataManager::AllocatePoints(size_t nPoints)
{
    return static_cast<CurvePoint*>(std::malloc(nPoints * sizeof(CurvePoint)));
}

int CDataManager::addPoint(int iCurve, double x, double y)
{
    if (!IsValid(iCurve))
        return -1;
    Curve& curve = m_curves[iCurve];
    const uint32_t n = curve.nCount;
    if (n == curve.nBlocks * static_cast<uint32_t>(BLOCK_POINTS) && !AddBlock(curve))
        return Refuse(curve);
    if (n > 0 && !(x >= curve.dLastX)) // a NaN x ends the order too
        curve.bDescending = true;
    At(curve, n) = {x, y};
    curve.dLastX = x;
    curve.nCount = n + 1;
    return static_cast<int>(n + 1);
}

bool CDataManager::AddBlock(Curve& curve)
{
    if (curve.nCount == kMaxCount) // counts are returned as int
        return false;
    if (!curve.ppBlocks)
    {
        // Zeroed pages: only the part of the table in use is ever touched.
        curve.ppBlocks.reset(static_cast<CurvePoint**>(std::calloc(kMaxBlocks, sizeof(CurvePoint*))));
        if (!curve.ppBlocks)
            return false;
    }
    CurvePoint* pBlock = AllocatePoints(BLOCK_POINTS);
    if (pBlock == nullptr)
        return false;
    curve.ppBlocks[curve.nBlocks++] = pBlock;
    return true;
}

int CDataManager::Refuse(const Curve& curve)
{
    if (m_refusal == Refusal::None)
        m_refusal = Refusal::Pending;
    return static_cast<int>(curve.nCount);
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
    m_curves[iCurve].nCount = 0;
    m_curves[iCurve].bDescending = false;
    m_refusal = Refusal::None;
    return true;
}

int CDataManager::getCount(int iCurve, LPCSTR /*lpszCaller*/) const
{
    if (!IsValid(iCurve))
        return 0;
    const int n = static_cast<int>(m_curves[iCurve].nCount);
    return m_bLastIndex && n != 0 ? n - 1 : n;
}

double CDataManager::getAbsoluteXMin(LPCSTR /*lpszCaller*/) const
{
    double dMin = DBL_MAX;
    for (const Curve& curve : m_curves)
        if (curve.nCount > 0 && At(curve, 0).x < dMin)
            dMin = At(curve, 0).x;
    return dMin;
}

double CDataManager::getAbsoluteXMax(LPCSTR /*lpszCaller*/) const
{
    // The last point itself, whatever the last-index flag says: never a read past the count.
    double dMax = -DBL_MAX;
    for (const Curve& curve : m_curves)
    {
        if (curve.nCount > 0 && At(curve, curve.nCount - 1).x > dMax)
            dMax = At(curve, curve.nCount - 1).x;
    }
    return dMax;
}

CurvePoints CDataManager::getCurve(int iCurve) const
{
    if (!IsValid(iCurve) || m_curves[iCurve].nBlocks == 0)
        return {};
    return CurvePoints::FromBlocks(m_curves[iCurve].ppBlocks.get());
}

uint32_t CDataManager::getCapacity(int iCurve) const
{
    return IsValid(iCurve) ? m_curves[iCurve].nBlocks * static_cast<uint32_t>(BLOCK_POINTS) : 0;
}

bool CDataManager::isAscending(int iCurve) const
{
    return IsValid(iCurve) && !m_curves[iCurve].bDescending;
}
