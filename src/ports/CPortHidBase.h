// Base of the HID port kinds: one input report per read, output reports of the device's length.
#pragma once

#include "ports/CPortUsbBase.h"

#include "ports/HidApi.h"

#include <vector>

class CPortHidBase : public CPortUsbBase
{
public:
    using CPortUsbBase::CPortUsbBase;
    ~CPortHidBase() override;

    bool Open(const CString& strDevicePath, const DCB* pDcb, CPortDataCallback* pDataCallback,
              unsigned int uiBufferSize, CPortEventCallback* pEventCallback,
              unsigned long ulEventMask) override;
    bool Close(bool bLost) override;
    bool SetCallbacks(CPortDataCallback* pDataCallback, unsigned int uiBufferSize,
                      CPortEventCallback* pEventCallback, unsigned long ulEventMask) override;

protected:
    // The device's capabilities; false when they cannot be read or announce no input report.
    bool ReadCaps(HIDP_CAPS& caps);
    // Takes the capabilities of the opened device: output buffer and delivery chunk size.
    void TakeCaps(const HIDP_CAPS& caps);
    // Header, data and zeros up to the output report length; false when it does not fit or is closed.
    bool WriteReport(const unsigned char* pData, unsigned int uiCount, const unsigned char* pHeader,
                     unsigned int uiHeaderLength);
    // Splits a buffer into reports of at most the report length less uiReserved data bytes, each written by
    // fnReport; false at the first report that fails.
    template <class HeaderFn>
    bool WriteReports(const unsigned char* pBytes, unsigned int uiCount, unsigned int uiReserved,
                      HeaderFn fnReport);
    virtual bool WriteRaw(const unsigned char* pBytes, unsigned int uiCount);
    unsigned int OutputReportLength() const { return m_caps.OutputReportByteLength; }

    HIDP_CAPS m_caps = {};
    std::vector<unsigned char> m_abOutReport;
    unsigned int m_uiChunkSize = 0;
    unsigned int m_uiExtraInputBuffers = 1000;
};

template <class HeaderFn>
bool CPortHidBase::WriteReports(const unsigned char* pBytes, unsigned int uiCount, unsigned int uiReserved,
                                HeaderFn fnReport)
{
    if (!IsOpen())
        return false;
    unsigned int uiLength = OutputReportLength();
    if (uiLength <= uiReserved)
        return false;
    unsigned int uiPerReport = uiLength - uiReserved;
    for (unsigned int uiDone = 0; uiDone < uiCount;)
    {
        unsigned int uiPart = uiCount - uiDone < uiPerReport ? uiCount - uiDone : uiPerReport;
        if (!fnReport(pBytes + uiDone, uiPart))
            return false;
        uiDone += uiPart;
    }
    return true;
}
