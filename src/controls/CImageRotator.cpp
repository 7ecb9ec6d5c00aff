#include "controls/CImageRotator.h"

#include <algorithm>
#include <cmath>

namespace
{
BYTE Channel(DWORD dwPixel, int nChannel)
{
    return (BYTE)(dwPixel >> (8 * nChannel));
}
} // namespace

CImageRotator::CImageRotator(int nDegrees, BOOL bInterpolate) : C32BitImageProcessor(bInterpolate)
{
    nDegrees %= 360;
    if (nDegrees < 0)
        nDegrees += 360;
    m_dRadians = nDegrees * 3.141592653589793 / 180;
}

CSize CImageRotator::DestinationSize(int nWidth, int nHeight)
{
    if (m_dRadians == 0.0 || nWidth == 0 || nHeight == 0)
        return CSize(nWidth, nHeight);
    const double c = std::cos(m_dRadians);
    const double s = std::sin(m_dRadians);
    const double dHalfW = nWidth / 2.0;
    const double dHalfH = nHeight / 2.0;
    int nMaxX = 0, nMaxY = 0;
    for (const double x : {-dHalfW, dHalfW})
    {
        for (const double y : {-dHalfH, dHalfH})
        {
            nMaxX = std::max(nMaxX, std::abs((int)(c * x - s * y)));
            nMaxY = std::max(nMaxY, std::abs((int)(s * x + c * y)));
        }
    }
    return CSize(2 * nMaxX + 2, 2 * nMaxY + 2);
}

BOOL CImageRotator::TransformPixels(const DWORD* pSource, int nSourceWidth, int nSourceHeight, DWORD* pDest,
                                    int nDestWidth, int nDestHeight)
{
    if (m_dRadians == 0.0)
        return C32BitImageProcessor::TransformPixels(pSource, nSourceWidth, nSourceHeight, pDest, nDestWidth,
                                                     nDestHeight);
    const double c = std::cos(m_dRadians);
    const double s = std::sin(m_dRadians);
    // Halves rounded up.
    const int hw = nSourceWidth / 2 + nSourceWidth % 2;
    const int hh = nSourceHeight / 2 + nSourceHeight % 2;
    const int HW = nDestWidth / 2 + nDestWidth % 2;
    const int HH = nDestHeight / 2 + nDestHeight % 2;
    for (int i = 0; i < nDestHeight; ++i)
    {
        const double dy = i - HH;
        DWORD* pRow = pDest + (size_t)i * nDestWidth;
        for (int j = 0; j < nDestWidth; ++j)
        {
            const double xr = j + 1 - HW;
            const double x = c * xr + s * dy;
            const double y = -s * xr + c * dy;
            const int ix = (int)x;
            const int iy = (int)y;
            if (ix < -hw || ix >= nSourceWidth - hw || iy < -hh || iy >= nSourceHeight - hh)
                continue;
            pRow[j] = m_bInterpolate ? SampleBilinear(pSource, nSourceWidth, nSourceHeight, x + hw, y + hh)
                                     : pSource[(size_t)(iy + hh) * nSourceWidth + (ix + hw)];
        }
    }
    return TRUE;
}

DWORD CImageRotator::SampleBilinear(const DWORD* pSource, int nWidth, int nHeight, double x, double y)
{
    if (x < 0 || y < 0)
    {
        const int ix = std::clamp((int)x, 0, nWidth - 1);
        const int iy = std::clamp((int)y, 0, nHeight - 1);
        return pSource[(size_t)iy * nWidth + ix];
    }
    const int x0 = std::min((int)x, nWidth - 1);
    const int y0 = std::min((int)y, nHeight - 1);
    const double fx = x - x0;
    const double fy = y - y0;
    const int x1 = std::min(x0 + 1, nWidth - 1);
    const int y1 = std::min(y0 + 1, nHeight - 1);
    const DWORD p00 = pSource[(size_t)y0 * nWidth + x0];
    const DWORD p10 = pSource[(size_t)y0 * nWidth + x1];
    const DWORD p01 = pSource[(size_t)y1 * nWidth + x0];
    const DWORD p11 = pSource[(size_t)y1 * nWidth + x1];
    DWORD dwResult = 0;
    for (int n = 0; n < 3; ++n)
    {
        const double v = (1 - fx) * (1 - fy) * Channel(p00, n) + fx * (1 - fy) * Channel(p10, n) +
                         (1 - fx) * fy * Channel(p01, n) + fx * fy * Channel(p11, n);
        dwResult |= (DWORD)(BYTE)(int)v << (8 * n);
    }
    return dwResult;
}
