// Test bars and helpers of the docking tests: a control bar of fixed sizes, a frame with docking on
// every side, the idle update the message loop would give, and screenshots on request.
#pragma once

#include "framework/CControlBar.h"
#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CWindowDC.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Rectangles compared as text, so a failure shows their coordinates.
inline std::string RectText(const RECT& rect)
{
    char sz[80];
    std::snprintf(sz, sizeof(sz), "(%ld, %ld, %ld, %ld)", rect.left, rect.top, rect.right, rect.bottom);
    return sz;
}
#define EXPECT_RECT(actual, expected) EXPECT_EQ(RectText(actual), RectText(expected))

// A bar with one size per orientation and a floating size; counts its idle updates.
class CDockTestBar : public CControlBar
{
public:
    CSize m_sizeHorz{120, 30};
    CSize m_sizeVert{40, 100};
    CSize m_sizeFloat{150, 60};
    int m_nUpdates = 0;

    BOOL Create(CFrameWnd* pFrame, UINT nID, LPCSTR lpszTitle = "bar")
    {
        m_dwStyle = CBRS_TOP;
        LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CWnd::Create(lpszClass, lpszTitle, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, nID))
            return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        CSize size = bHorz ? m_sizeHorz : m_sizeVert;
        if (bStretch)
            (bHorz ? size.cx : size.cy) = 32767;
        return size;
    }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override
    {
        if (dwMode & (LM_MRUWIDTH | LM_COMMIT))
            return m_sizeFloat;
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++m_nUpdates; }
};

// A frame of a fixed client size with dock bars on all four sides.
inline CFrameWnd* CreateDockTestFrame(int cxClient = 600, int cyClient = 400)
{
    auto* pFrame = new CFrameWnd;
    CRect rect(0, 0, cxClient, cyClient);
    ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    rect.OffsetRect(40 - rect.left, 40 - rect.top);
    if (!pFrame->Create(nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect))
        return nullptr;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->UpdateWindow();
    return pFrame;
}

// Creates three test bars with the given ids and docks them on the right, one below the other.
inline bool DockRightColumn(CFrameWnd* pFrame, CDockTestBar (&bars)[3], const UINT (&ids)[3])
{
    for (int i = 0; i < 3; ++i)
    {
        if (!bars[i].Create(pFrame, ids[i]))
            return false;
    }
    pFrame->DockControlBar(&bars[0], AFX_IDW_DOCKBAR_RIGHT);
    for (int i = 1; i < 3; ++i)
    {
        CRect rect;
        bars[i - 1].GetWindowRect(rect);
        rect.OffsetRect(0, 1);
        pFrame->DockControlBar(&bars[i], AFX_IDW_DOCKBAR_RIGHT, rect);
    }
    return true;
}
// What the message loop does when it runs out of messages: the frame's and its bars' idle update.
inline void IdleUpdate(CWnd* pFrame)
{
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

// A window's rectangle in the client coordinates of pRelativeTo.
inline CRect RectIn(const CWnd* pWnd, const CWnd* pRelativeTo)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pRelativeTo->ScreenToClient(rect);
    return rect;
}

// The ids of a dock bar's entries after the leading null: bar ids, placeholder ids, 0 for a row end.
inline std::vector<UINT> DockEntries(const CDockBar* pDockBar)
{
    std::vector<UINT> ids;
    for (int i = 1; i < (int)pDockBar->m_arrBars.GetSize(); ++i)
    {
        const void* pEntry = pDockBar->m_arrBars[i];
        if (pEntry == nullptr || CDockBar::IsPlaceHolder(pEntry))
            ids.push_back((UINT)(UINT_PTR)pEntry);
        else
            ids.push_back((UINT) static_cast<const CControlBar*>(pEntry)->GetDlgCtrlID());
    }
    return ids;
}

// With TQ5_DOCK_SHOTS set to a folder, saves the screen area of pWnd as <folder>/<name>.bmp.
inline void SaveScreenshot(CWnd* pWnd, const char* lpszName)
{
    const char* lpszFolder = std::getenv("TQ5_DOCK_SHOTS");
    if (lpszFolder == nullptr)
        return;
    pWnd->RedrawWindow(nullptr, nullptr,
                       RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    CRect rect;
    pWnd->GetWindowRect(rect);
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = rect.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    const DWORD cbImage = (DWORD)(((rect.Width() * 3 + 3) & ~3) * rect.Height());
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bmi.bmiHeader);
    bfh.bfSize = bfh.bfOffBits + cbImage;
    char szPath[MAX_PATH];
    std::snprintf(szPath, sizeof(szPath), "%s\\%s.bmp", lpszFolder, lpszName);
    if (FILE* f = std::fopen(szPath, "wb"))
    {
        std::fwrite(&bfh, sizeof(bfh), 1, f);
        std::fwrite(&bmi.bmiHeader, sizeof(bmi.bmiHeader), 1, f);
        std::fwrite(pBits, cbImage, 1, f);
        std::fclose(f);
    }
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
}
