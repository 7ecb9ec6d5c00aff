#include "ports/CPortBulk.h"

#include "ports/CRxRingBuffer.h"

#include <new>

namespace
{
constexpr DWORD WRITE_WAIT_MS = 5000;
constexpr DWORD COMPLETION_WAIT_MS = 1000;
} // namespace

CPortBulk::~CPortBulk()
{
    CPortBulk::Close(false);
}

CPort* CPortBulk::Create(CPortMan* pOwner, unsigned char ucPortFlag)
{
    return new (std::nothrow) CPortBulk(pOwner, ucPortFlag);
}

bool CPortBulk::Open(const CString& strDevicePath, const DCB*, CPortDataCallback* pDataCallback,
                     unsigned int uiBufferSize, CPortEventCallback* pEventCallback, unsigned long ulEventMask)
{
    if (!IsOpen())
    {
        m_hPort = CreateFileA(strDevicePath + "\\Pipe00", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (IsOpen())
            CPort::SetCallbacks(pDataCallback, uiBufferSize, pEventCallback, ulEventMask);
    }
    if (m_hWritePipe == INVALID_HANDLE_VALUE)
        m_hWritePipe =
            CreateFileA(strDevicePath + "\\Pipe01", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    return IsOpen() && m_hWritePipe != INVALID_HANDLE_VALUE;
}

bool CPortBulk::Close(bool)
{
    if (IsOpen())
    {
        StopReader(true);
        CloseHandle(m_hPort);
        m_pRing->Wake();
        m_hPort = INVALID_HANDLE_VALUE;
    }
    if (m_hWritePipe != INVALID_HANDLE_VALUE)
    {
        CloseHandle(m_hWritePipe);
        m_hWritePipe = INVALID_HANDLE_VALUE;
    }
    return true;
}

bool CPortBulk::WriteByte(unsigned char ucByte)
{
    return Write(&ucByte, 1);
}

// A write that is aborted or does not finish in time is cancelled before the OVERLAPPED is reused.
bool CPortBulk::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    if (m_hWritePipe == INVALID_HANDLE_VALUE)
        return false;
    EnterCriticalSection(&m_csWrite);
    m_olWrite.Offset = 0;
    m_olWrite.OffsetHigh = 0;
    DWORD dwWritten = 0;
    bool bWritten = false;
    if (WriteFile(m_hWritePipe, pBytes, uiCount, &dwWritten, &m_olWrite))
        bWritten = dwWritten == uiCount;
    else if (GetLastError() == ERROR_IO_PENDING)
    {
        if (WaitForMultipleObjects(2, m_ahWriteWait, FALSE, WRITE_WAIT_MS) == WAIT_OBJECT_0 + 1)
            bWritten =
                GetOverlappedResult(m_hWritePipe, &m_olWrite, &dwWritten, FALSE) && dwWritten == uiCount;
        else
        {
            CancelIo(m_hWritePipe);
            WaitForSingleObject(m_olWrite.hEvent, COMPLETION_WAIT_MS);
        }
    }
    LeaveCriticalSection(&m_csWrite);
    return bWritten;
}

void CPortBulk::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    Deliver(pBytes, uiCount);
}
