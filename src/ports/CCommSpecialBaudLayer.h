// Serial port that applies the per-port baud translation before it sets a rate.
#pragma once

#include "ports/CComm2.h"

class CCommSpecialBaudLayer : public CComm2
{
public:
    using CComm2::CComm2;

    virtual bool ApplyDcb(const DCB* pDcb);
};
