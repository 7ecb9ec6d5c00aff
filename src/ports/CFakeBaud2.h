// Per-port baud translation applied before a serial port sets its rate.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

class CFakeBaud2 : public CObject
{
public:
    struct Pair
    {
        int iActual;
        int iRequested;
    };

    int Translate(int iRate) const;
    CString Format() const;

    unsigned char m_ucIdentity = 1;
    double m_dFactor = 1.0;
    Pair m_aPairs[4] = {};
};

// The rate to set for a port: its translation's, or the rate itself for a port without one.
int TranslateBaudRate(const CString& strPortName, int iRate);
// The number of ports with a translation.
int GetBaudTranslationCount();
