// Turns a picture about its centre by a whole number of degrees; the output is large enough for the
// turned picture, and what it does not cover keeps the background.
#pragma once

#include "controls/C32BitImageProcessor.h"

class CImageRotator : public C32BitImageProcessor
{
public:
    // Any angle; it is brought into 0 to 359 degrees.
    explicit CImageRotator(int nDegrees, BOOL bInterpolate = FALSE);

    CSize DestinationSize(int nWidth, int nHeight) override;
    BOOL TransformPixels(const DWORD* pSource, int nSourceWidth, int nSourceHeight, DWORD* pDest,
                         int nDestWidth, int nDestHeight) override;

    // The pixel at (x, y) of the source, interpolated between its four neighbours.
    static DWORD SampleBilinear(const DWORD* pSource, int nWidth, int nHeight, double x, double y);

    double m_dRadians;
};
