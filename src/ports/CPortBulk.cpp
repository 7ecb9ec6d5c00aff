#include "ports/CPortBulk.h"

#include "ports/CRxRingBuffer.h"

#include <new>

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

bool CPortBulk::Write(const unsigned char* pBytes, unsigned int uiCount)
{
    return m_hWritePipe != INVALID_HANDLE_VALUE && WriteWaited(m_hWritePipe, pBytes, uiCount);
}

void CPortBulk::OnReceived(unsigned char* pBytes, unsigned int uiCount)
{
    Deliver(pBytes, uiCount);
}
