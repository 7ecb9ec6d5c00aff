// The diagram's curve store: up to ten curves, each a contiguous CurvePoint array that starts at
// 10,000 points and doubles when full. The chart draws straight from these arrays. The owning
// diagram window guards the store with its lock.
#pragma once

#include "charting/CurvePoint.h"
#include "framework/AfxWin32.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

// The window that owns a store and has handed its arrays to a chart: told when an array moves while it
// grows, so that the chart never draws from a freed array.
class CCurveStoreOwner
{
public:
    // pNew holds the curve's nCount points (the point being added is not among them yet).
    virtual void OnCurveArrayMoved(int iCurve, CurvePoint* pNew, int nCount) = 0;

protected:
    ~CCurveStoreOwner() = default;
};

class CDataManager
{
public:
    static constexpr int CURVE_COUNT = 10;
    static constexpr uint32_t INITIAL_CAPACITY = 10000;

    CDataManager() = default;
    virtual ~CDataManager();
    CDataManager(const CDataManager&) = delete;
    CDataManager& operator=(const CDataManager&) = delete;

    // Frees the arrays of all curves.
    void deleteAll();
    // Appends (x, y) and returns the curve's new count; -1 for a curve outside 0..9. A point whose
    // array cannot be allocated or grown is refused: the curve keeps its points and the count it
    // had is returned (see takeRefusal). pOwner learns of an array that moved while growing.
    int addPoint(int iCurve, double x, double y, CCurveStoreOwner* pOwner);
    // Count 0; the array and its capacity stay. False for a curve outside 0..9.
    bool clearCurve(int iCurve);
    // The count, or while the last-index flag is set the index of the last point (0 when empty);
    // 0 for a curve outside 0..9. The caller text names the caller for diagnosis only.
    int getCount(int iCurve, LPCSTR lpszCaller) const;
    // Smallest first x over the curves with points; DBL_MAX when none has any.
    double getAbsoluteXMin(LPCSTR lpszCaller) const;
    // Largest last x over the curves with points; -DBL_MAX when none has any.
    double getAbsoluteXMax(LPCSTR lpszCaller) const;

    void setLastIndex(bool bLastIndex) { m_bLastIndex = bLastIndex; }
    bool isLastIndex() const { return m_bLastIndex; }
    // The curve's array (null before its first point, or for a curve outside 0..9).
    CurvePoint* getCurve(int iCurve) const;
    uint32_t getCapacity(int iCurve) const;
    // No point of the curve has a smaller x than the point before it since it was last cleared.
    bool isAscending(int iCurve) const;
    // True once after the first refused point since the store was created or a curve cleared.
    bool takeRefusal();

protected:
    // A block of nPoints points from malloc (calloc when bZeroed); null when memory is exhausted.
    virtual CurvePoint* AllocatePoints(size_t nPoints, bool bZeroed);

private:
    struct FreePoints
    {
        void operator()(CurvePoint* p) const { std::free(p); }
    };
    static bool IsValid(int iCurve) { return iCurve >= 0 && iCurve < CURVE_COUNT; }
    // False (nothing changed) when the larger array cannot be had.
    bool Grow(int iCurve, CCurveStoreOwner* pOwner);
    int Refuse(int iCurve);

    std::unique_ptr<CurvePoint[], FreePoints> m_pCurve[CURVE_COUNT];
    uint32_t m_nCount[CURVE_COUNT] = {};
    uint32_t m_nCapacity[CURVE_COUNT] = {};
    bool m_bLastIndex = false;
    bool m_bDescending[CURVE_COUNT] = {};
    enum class Refusal
    {
        None,
        Pending,
        Taken
    } m_refusal = Refusal::None;
};
