// The 4-byte float format of the configuration blocks: sign bit, exponent field E, fraction F,
// value (-1)^sign x (1 + F / 2^f) x 2^(E - bias) for every E (no subnormals, infinities or NaNs).
// Reading maps the band around zero (up to the pattern 00 00 00 01) to 0; writing truncates the
// fraction toward zero.
#pragma once

#include "framework/AfxWin32.h"

#include <array>

class CFloat32
{
public:
    static constexpr int DEFAULT_EXPONENT_WIDTH = 8;
    static constexpr int DEFAULT_FRACTION_WIDTH = 23;

    // Either width may be given (the other becomes 31 minus it); null or a width outside 1 to 30
    // selects the defaults 8 and 23.
    explicit CFloat32(const int* piExponentWidth = nullptr, const int* piFractionWidth = nullptr);

    // Four bytes, most significant first. Unless bNoZeroBand is set a value within the zero band
    // reads as 0. The result is also kept as the last value.
    double Decode(const BYTE* pucByte0, const BYTE* pucByte1, const BYTE* pucByte2, const BYTE* pucByte3,
                  BOOL bNoZeroBand = FALSE);

    // Converts *pdValue into the four bytes kept in the converter (GetByte). FALSE when the magnitude
    // is 2^(max exponent + 1) or more, or not finite: the bytes are then 7F FF FF FF.
    BOOL Encode(const double* pdValue);

    void InitLimits();

    BYTE GetByte(int iIndex) const { return m_aucByte.at(static_cast<std::size_t>(iIndex)); }
    double GetValue() const { return m_dValue; }
    double GetZeroBand() const { return m_dZeroBand; }

private:
    using Bytes = std::array<BYTE, 4>;

    double WordToValue(unsigned uWord) const;
    void SetBytes(const Bytes& aucBytes) { m_aucByte = aucBytes; }

    double m_dValue = 0.0;
    Bytes m_aucByte = {};
    int m_iExponentWidth = DEFAULT_EXPONENT_WIDTH;
    int m_iFractionWidth = DEFAULT_FRACTION_WIDTH;
    int m_iBias = 127;
    double m_dZeroBand = 0.0;
    double m_dZeroBandNegative = 0.0;
    static constexpr Bytes ZERO_PATTERN = {0x00, 0x00, 0x00, 0x00};
    static constexpr Bytes MAX_PATTERN = {0x7F, 0xFF, 0xFF, 0xFF};
};
