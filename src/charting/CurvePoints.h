// The points of one curve as the chart reads them, without owning them: one contiguous array, or the
// curve store's blocks of BLOCK_POINTS points each (point i lies in block i / BLOCK_POINTS). Whoever
// keeps the points keeps them, and the block table, in place while a reference exists.
#pragma once

#include "charting/CurvePoint.h"

#include <algorithm>
#include <cstddef>

class CurvePoints
{
public:
    static constexpr int BLOCK_SHIFT = 16;
    static constexpr int BLOCK_POINTS = 1 << BLOCK_SHIFT;

    CurvePoints() = default;
    // A contiguous array (or none).
    CurvePoints(const CurvePoint* pArray) : m_pArray(pArray) {}
    // Blocks: ppBlocks[k] holds points k * BLOCK_POINTS onwards.
    static CurvePoints FromBlocks(const CurvePoint* const* ppBlocks)
    {
        CurvePoints points;
        points.m_ppBlocks = ppBlocks;
        return points;
    }

    const CurvePoint& operator[](int i) const
    {
        return m_ppBlocks == nullptr ? m_pArray[i] : m_ppBlocks[i >> BLOCK_SHIFT][i & (BLOCK_POINTS - 1)];
    }
    bool operator==(std::nullptr_t) const { return m_pArray == nullptr && m_ppBlocks == nullptr; }
    bool operator==(const CurvePoints& other) const = default;

    // Calls f(pRun, iFirst, nRun) for the contiguous runs that make up points iFrom .. iTo - 1, in order.
    template <class F> void ForEachRun(int iFrom, int iTo, F f) const
    {
        if (m_ppBlocks == nullptr)
        {
            if (iFrom < iTo)
                f(m_pArray + iFrom, iFrom, iTo - iFrom);
            return;
        }
        for (int i = iFrom; i < iTo;)
        {
            const int nRun = std::min(iTo - i, BLOCK_POINTS - (i & (BLOCK_POINTS - 1)));
            f(&(*this)[i], i, nRun);
            i += nRun;
        }
    }

private:
    const CurvePoint* m_pArray = nullptr;
    const CurvePoint* const* m_ppBlocks = nullptr;
};
