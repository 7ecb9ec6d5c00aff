#include "storage/CDiagramSizing.h"

#include "shell/CEnvironment.h"

namespace
{
// The print size's width over its height.
constexpr double PRINT_ASPECT = 1.40625;
} // namespace

bool CDiagramSizing::OutputRect(int iKind, const CRect& rcWork, const CRect& rcVirtualWork,
                                const CRect& rcStartVirtualWork, CRect& rc)
{
    switch (iKind)
    {
        case SIZE_ALL_MONITORS:
            rc = rcVirtualWork;
            return true;
        case SIZE_WORK_AREA:
            rc = rcWork;
            return true;
        case SIZE_NORMAL:
        {
            // Right and bottom are coordinates, not sizes.
            const bool bLandscape = rcWork.Height() > 0 && rcWork.Width() / rcWork.Height() >= 1;
            rc = CRect(rcWork.left, rcWork.top, bLandscape ? 800 : 700, bLandscape ? 700 : 800);
            return true;
        }
        case SIZE_PRINT:
            rc = CRect(rcWork.left, rcWork.top, rcWork.Width(),
                       static_cast<int>(rcWork.Width() / PRINT_ASPECT));
            CEnvironment::ClampRectToArea(rc, rcStartVirtualWork.left, rcStartVirtualWork.top,
                                          rcStartVirtualWork.right, rcStartVirtualWork.bottom);
            return true;
        default:
            return false;
    }
}

void CDiagramSizing::CutMargin(CRect& rc)
{
    const int iWidth = rc.Width();
    const int iHeight = rc.Height();
    const int iMargin = static_cast<int>(iWidth * 0.025);
    // A rectangle taller than wide gives a quotient of 0, which counts as 1.
    const int iQuotient = iHeight > 0 && iWidth / iHeight > 0 ? iWidth / iHeight : 1;
    rc.right -= iMargin;
    rc.bottom -= iMargin / iQuotient;
}
