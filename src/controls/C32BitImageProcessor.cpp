#include "controls/C32BitImageProcessor.h"

#include <algorithm>

CSize C32BitImageProcessor::DestinationSize(int nWidth, int nHeight)
{
    return CSize(nWidth, nHeight);
}

BOOL C32BitImageProcessor::TransformPixels(const DWORD* pSource, int /*nSourceWidth*/, int /*nSourceHeight*/,
                                           DWORD* pDest, int nDestWidth, int nDestHeight)
{
    std::copy_n(pSource, (size_t)nDestWidth * (size_t)nDestHeight, pDest);
    return TRUE;
}
