// The diagram's curve store: up to ten curves, each kept in blocks of CurvePoints::BLOCK_POINTS points
// that are added as the curve fills, so that a point once stored never moves and adding one never
// copies earlier ones. The chart draws straight from the blocks. The owning diagram window guards the
// store with its lock.
#pragma once

#include "charting/CurvePoints.h"
#include "framework/AfxWin32.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

class CDataManager
{
public:
    static constexpr int CURVE_COUNT = 10;
    static constexpr int BLOCK_POINTS = CurvePoints::BLOCK_POINTS;

    CDataManager() = default;
    virtual ~CDataManager();
    CDataManager(const CDataManager&) = delete;
    CDataManager& operator=(const CDataManager&) = delete;

    // Frees the blocks of all curves.
    void deleteAll();
    // Appends (x, y) and returns the curve's new count; -1 for a curve outside 0..9. A point whose
    // block cannot be allocated is refused: the curve keeps its points and the count it had is
    // returned (see takeRefusal).
    int addPoint(int iCurve, double x, double y);
    // Count 0; the blocks stay for the next points. False for a curve outside 0..9.
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
    // The curve's points (none before its first point, or for a curve outside 0..9). They stay where
    // they are until deleteAll.
    CurvePoints getCurve(int iCurve) const;
    // Points the curve's blocks hold.
    uint32_t getCapacity(int iCurve) const;
    // No point of the curve has a smaller x than the point before it since it was last cleared.
    bool isAscending(int iCurve) const;
    // True once after the first refused point since the store was created or a curve cleared.
    bool takeRefusal();

protected:
    // A block of nPoints points from malloc; null when memory is exhausted.
    virtual CurvePoint* AllocatePoints(size_t nPoints);

private:
    struct FreeMemory
    {
        void operator()(void* p) const { std::free(p); }
    };
    struct Curve
    {
        // Room for every block a curve of INT_MAX points needs, so that the table never moves.
        std::unique_ptr<CurvePoint*[], FreeMemory> ppBlocks;
        uint32_t nBlocks = 0;
        uint32_t nCount = 0;
        double dLastX = 0;
        bool bDescending = false;
    };
    static bool IsValid(int iCurve) { return iCurve >= 0 && iCurve < CURVE_COUNT; }
    static CurvePoint& At(const Curve& curve, uint32_t i)
    {
        return curve.ppBlocks[i / BLOCK_POINTS][i % BLOCK_POINTS];
    }
    // False (nothing changed) when the block, or the table on the first point, cannot be had.
    bool AddBlock(Curve& curve);
    int Refuse(const Curve& curve);

    Curve m_curves[CURVE_COUNT];
    bool m_bLastIndex = false;
    enum class Refusal
    {
        None,
        Pending,
        Taken
    } m_refusal = Refusal::None;
};
