#include "protocol/CFloat32.h"

#include <cmath>

namespace
{
bool IsValidWidth(const int* piWidth)
{
    return piWidth && *piWidth > 0 && *piWidth < 31;
}
} // namespace

CFloat32::CFloat32(const int* piExponentWidth, const int* piFractionWidth)
{
    if (IsValidWidth(piExponentWidth))
    {
        m_iExponentWidth = *piExponentWidth;
        m_iFractionWidth = 31 - m_iExponentWidth;
    }
    else if (IsValidWidth(piFractionWidth))
    {
        m_iFractionWidth = *piFractionWidth;
        m_iExponentWidth = 31 - m_iFractionWidth;
    }
    InitLimits();
}

void CFloat32::InitLimits()
{
    m_iBias = (1 << (m_iExponentWidth - 1)) - 1;
    m_dZeroBand = WordToValue(0x00000001u);
    m_dZeroBandNegative = WordToValue(0x80000001u);
}

double CFloat32::WordToValue(unsigned uWord) const
{
    const unsigned uFraction = uWord & ((1u << m_iFractionWidth) - 1u);
    const int iExponentField =
        static_cast<int>((uWord >> m_iFractionWidth) & ((1u << m_iExponentWidth) - 1u));
    const double dMagnitude = std::ldexp(1.0 + std::ldexp(static_cast<double>(uFraction), -m_iFractionWidth),
                                         iExponentField - m_iBias);
    return (uWord & 0x80000000u) ? -dMagnitude : dMagnitude;
}

double CFloat32::Decode(const BYTE* pucByte0, const BYTE* pucByte1, const BYTE* pucByte2,
                        const BYTE* pucByte3, BOOL bNoZeroBand)
{
    SetBytes({*pucByte0, *pucByte1, *pucByte2, *pucByte3});
    const unsigned uWord =
        (static_cast<unsigned>(*pucByte0) << 24) | (*pucByte1 << 16) | (*pucByte2 << 8) | *pucByte3;
    m_dValue = WordToValue(uWord);
    if (!bNoZeroBand && m_dValue <= m_dZeroBand && m_dValue >= m_dZeroBandNegative)
        m_dValue = 0.0;
    return m_dValue;
}

BOOL CFloat32::Encode(const double* pdValue)
{
    m_dValue = *pdValue;
    const double dMagnitude = std::fabs(m_dValue);
    if (!std::isfinite(m_dValue))
    {
        SetBytes(MAX_PATTERN);
        return FALSE;
    }
    if (dMagnitude <= m_dZeroBand)
    {
        SetBytes(ZERO_PATTERN);
        return TRUE;
    }
    // frexp gives |v| = m x 2^e with m in [0.5, 1): the exponent is e - 1, exactly.
    int iExponent = 0;
    const double dMantissa = 2.0 * std::frexp(dMagnitude, &iExponent);
    const int iExponentField = iExponent - 1 + m_iBias;
    if (iExponentField >= (1 << m_iExponentWidth))
    {
        SetBytes(MAX_PATTERN);
        return FALSE;
    }
    const auto uFraction = static_cast<unsigned>(std::trunc(std::ldexp(dMantissa - 1.0, m_iFractionWidth)));
    const unsigned uWord = (m_dValue > 0.0 ? 0u : 0x80000000u) |
                           (static_cast<unsigned>(iExponentField) << m_iFractionWidth) | uFraction;
    SetBytes({static_cast<BYTE>(uWord >> 24), static_cast<BYTE>(uWord >> 16), static_cast<BYTE>(uWord >> 8),
              static_cast<BYTE>(uWord)});
    return TRUE;
}
