// Base of the processors a CPictureBitmap passes its pixels through. Pixels are 32-bit (blue, green,
// red, fourth byte in memory), rows top-down and exactly width * 4 bytes long.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CSize.h"

class C32BitImageProcessor
{
public:
    explicit C32BitImageProcessor(BOOL bInterpolate = FALSE) : m_bInterpolate(bInterpolate) {}
    virtual ~C32BitImageProcessor() = default;

    // The output size for an input of nWidth x nHeight; the base keeps it.
    virtual CSize DestinationSize(int nWidth, int nHeight);
    // Writes the output into pDest (nDestWidth x nDestHeight, filled with the background before);
    // the base copies nDestWidth x nDestHeight pixels.
    virtual BOOL TransformPixels(const DWORD* pSource, int nSourceWidth, int nSourceHeight, DWORD* pDest,
                                 int nDestWidth, int nDestHeight);

    BOOL m_bInterpolate; // sample with interpolation
};
