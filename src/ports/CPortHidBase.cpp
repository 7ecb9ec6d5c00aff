#include "ports/CPortHidBase.h"

#include "ports/CRxRingBuffer.h"

#include <cstring>

CPortHidBase::~CPortHidBase()
{
    CPortHidBase::Close(false);
}

bool CPortHidBase::Open(const CString& strDevicePath, const DCB*, CPortDataCallback* pDataCallback,
                        unsigned int, CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    if (IsOpen())
        return true;
    m_hPort = CreateFileA(strDevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (!IsOpen())
        return false;
    HIDP_CAPS caps = {};
    if (!ReadCaps(caps))
    {
        // Without an input report length every read would return at once and empty.
        CloseHandle(m_hPort);
        m_hPort = INVALID_HANDLE_VALUE;
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    TakeCaps(caps);
    ULONG ulBuffers = 0;
    if (HidD_GetNumInputBuffers(m_hPort, &ulBuffers))
        HidD_SetNumInputBuffers(m_hPort, ulBuffers + m_uiExtraInputBuffers);
    SetCallbacks(pDataCallback, m_caps.InputReportByteLength + 1u, pEventCallback, ulEventMask);
    return IsOpen();
}

bool CPortHidBase::ReadCaps(HIDP_CAPS& caps)
{
    PHIDP_PREPARSED_DATA pPreparsed = nullptr;
    if (!HidD_GetPreparsedData(m_hPort, &pPreparsed))
        return false;
    bool bRead = HidP_GetCaps(pPreparsed, &caps) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(pPreparsed);
    return bRead && caps.InputReportByteLength > 0;
}

void CPortHidBase::TakeCaps(const HIDP_CAPS& caps)
{
    m_caps = caps;
    m_abOutReport.assign(m_caps.OutputReportByteLength + 1u, 0);
    m_uiChunkSize = m_caps.InputReportByteLength + 1u;
}

bool CPortHidBase::SetCallbacks(CPortDataCallback* pDataCallback, unsigned int uiBufferSize,
                                CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    m_uiChunkSize = uiBufferSize;
    return CPort::SetCallbacks(pDataCallback, m_caps.InputReportByteLength, pEventCallback, ulEventMask);
}

bool CPortHidBase::Close(bool)
{
    if (!IsOpen())
        return true;
    StopReader(true);
    CloseHandle(m_hPort);
    m_pRing->Wake();
    m_hPort = INVALID_HANDLE_VALUE;
    m_abOutReport.clear();
    return true;
}

bool CPortHidBase::WriteReport(const unsigned char* pData, unsigned int uiCount, const unsigned char* pHeader,
                               unsigned int uiHeaderLength)
{
    unsigned int uiLength = OutputReportLength();
    if (!IsOpen() || uiCount >= uiLength || uiHeaderLength + uiCount > uiLength ||
        m_abOutReport.size() < uiLength)
        return false;
    std::fill(m_abOutReport.begin(), m_abOutReport.end(), 0);
    memcpy(m_abOutReport.data(), pHeader, uiHeaderLength);
    memcpy(m_abOutReport.data() + uiHeaderLength, pData, uiCount);
    return WriteRaw(m_abOutReport.data(), uiLength);
}

bool CPortHidBase::WriteRaw(const unsigned char* pBytes, unsigned int uiCount)
{
    return IsOpen() && WriteWaited(m_hPort, pBytes, uiCount);
}
