// HID device written and read as raw reports.
#pragma once

#include "ports/CPortHidBase.h"

class CHidInfo;

class CPortHidSurePosFlash : public CPortHidBase
{
public:
    using CPortHidBase::CPortHidBase;

    static CPort* Create(CPortMan* pOwner, unsigned char ucPortFlag);
    static bool Probe(CHidInfo& info);

    bool ApplySettings() override;
    bool WriteByte(unsigned char ucByte) override;
    bool Write(const unsigned char* pBytes, unsigned int uiCount) override;
    void OnReceived(unsigned char* pBytes, unsigned int uiCount) override;
};
