// Bulk-USB device: a read pipe and a write pipe carrying raw bytes.
#pragma once

#include "ports/CPortUsbBase.h"

class CPortBulk : public CPortUsbBase
{
public:
    using CPortUsbBase::CPortUsbBase;
    ~CPortBulk() override;

    static CPort* Create(CPortMan* pOwner, unsigned char ucPortFlag);

    bool Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
              unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
              unsigned long ulEventMask) override;
    bool Close(bool bLost) override;
    bool WriteByte(unsigned char ucByte) override;
    bool Write(const unsigned char* pBytes, unsigned int uiCount) override;
    void OnReceived(unsigned char* pBytes, unsigned int uiCount) override;

private:
    HANDLE m_hWritePipe = INVALID_HANDLE_VALUE;
};
