// Lending object: the shared memory that carries the port name and the borrowed port to give back.
#pragma once

#include "ports/CInterProcMsg.h"

class CInterProcCommPortBorrow : public CInterProcMsg
{
public:
    CInterProcCommPortBorrow();
    ~CInterProcCommPortBorrow() override;

    // The name in the shared memory, up to its first zero code unit; empty without shared memory.
    CString ReadPortName();
    void WritePortName(const CString& strName);
    void SetBorrowedName(const CString& strName);
    void ReturnPort();
    void PostReply(HWND hAsker, LPARAM lValue);
    void SetReceiverWindow(HWND hWnd) { m_hReceiver = hWnd; }
    HWND GetReceiverWindow() const { return m_hReceiver; }
    HANDLE GetAnsweredEvent() const { return m_hAnswered; }

protected:
    void WriteSharedName(const std::wstring& strName) override;

private:
    static constexpr DWORD SHARED_BYTES = 1024;

    HANDLE m_hMapping = nullptr;
    void* m_pView = nullptr;
    DWORD m_dwSize = SHARED_BYTES;
    DWORD m_dwReadLength = SHARED_BYTES;
    std::wstring m_strBorrowedName;
    HANDLE m_hAnswered;
    HWND m_hReceiver = nullptr;
};
