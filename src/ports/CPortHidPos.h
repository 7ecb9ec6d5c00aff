// HID point-of-sale device: switched on by a feature report while open.
#pragma once

#include "ports/CPortHidBase.h"

class CHidInfo;

class CPortHidPos : public CPortHidBase
{
public:
    using CPortHidBase::CPortHidBase;
    ~CPortHidPos() override;

    static CPort* Create(CPortMan* pOwner, unsigned char ucPortFlag);
    static bool Probe(CHidInfo& info);

    bool Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
              unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
              unsigned long ulEventMask) override;
    bool ApplySettings() override;
    bool Close(bool bLost) override;
    bool WriteByte(unsigned char ucByte) override;
    bool Write(const unsigned char* pBytes, unsigned int uiCount) override;
    void OnReceived(unsigned char* pBytes, unsigned int uiCount) override;

    bool SetEnable(unsigned char ucValue);
};
