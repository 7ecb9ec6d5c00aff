// The port kind of every serial (COM) port: takes its settings from the port manager's record.
#pragma once

#include "ports/CCommSpecialBaudLayer.h"

class CPortCom : public CCommSpecialBaudLayer
{
public:
    using CCommSpecialBaudLayer::CCommSpecialBaudLayer;

    static CPort* Create(CPortMan* pOwner, unsigned char ucPortFlag);

    bool ApplySettings() override;
    unsigned long GetRateHint(const CString& strPortName) override;
    bool IsComPort() override;
};
