#include "controls/CRichEditCtrlExtended.h"

IMPLEMENT_DYNAMIC(CRichEditCtrlExtended, CRichEditCtrl)

namespace
{
// The control's default of 32K characters would cut long traces.
constexpr long TEXT_LIMIT = 0x7FFFFFFF;
} // namespace

CRichEditCtrlExtended::CRichEditCtrlExtended()
{
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof(ncm);
    if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        return;
    LOGFONTA lf = ncm.lfMessageFont;
    lf.lfHeight += lf.lfHeight < 0 ? -1 : 1;
    lf.lfWeight = FW_NORMAL;
    m_font.CreateFontIndirect(&lf);
}

CRichEditCtrlExtended::~CRichEditCtrlExtended() = default;

BOOL CRichEditCtrlExtended::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_bCreating = true;
    const BOOL bCreated = CRichEditCtrl::Create(dwStyle, rect, pParentWnd, nID);
    m_bCreating = false;
    if (bCreated)
        ApplyControlDefaults();
    return bCreated;
}

void CRichEditCtrlExtended::PreSubclassWindow()
{
    CRichEditCtrl::PreSubclassWindow();
    // A window being created is not ready for messages yet: Create applies them afterwards.
    if (!m_bCreating)
        ApplyControlDefaults();
}

void CRichEditCtrlExtended::ApplyControlDefaults()
{
    LimitText(TEXT_LIMIT);
    if (m_font.GetSafeHandle())
        SetFont(&m_font, FALSE);
}

void CRichEditCtrlExtended::AppendText(LPCSTR lpszText, COLORREF crColor)
{
    AppendFormattedText(lpszText, crColor, FALSE);
}

void CRichEditCtrlExtended::AppendText(LPCSTR lpszText, int nBold, int nFlag)
{
    AppendFormattedText(lpszText, RGB(0, 0, 0), nBold != 0, nFlag);
}

void CRichEditCtrlExtended::AppendFormattedText(LPCSTR lpszText, COLORREF crColor, BOOL bBold, int /*nFlag*/)
{
    if (lpszText == nullptr || *lpszText == '\0')
        return;
    CHARFORMATA cf{};
    GetSelectionCharFormat(cf);
    cf.dwMask = CFM_COLOR | CFM_BOLD;
    cf.dwEffects &= ~(CFE_AUTOCOLOR | CFE_BOLD);
    if (bBold)
        cf.dwEffects |= CFE_BOLD;
    cf.crTextColor = crColor;

    long nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    ReplaceSel(lpszText, FALSE);
    long nCaret = 0;
    GetSel(nEnd, nCaret);

    SetSel(nStart, nCaret);
    SetSelectionCharFormat(cf);
    SetSel(nCaret, nCaret);
    LineScroll(1);
}

void CRichEditCtrlExtended::AppendNewLines(int nCount)
{
    m_iNewLineCount += nCount;
    for (int i = 0; i < nCount; ++i)
        ReplaceSel("\r\n", FALSE);
}

int CRichEditCtrlExtended::GetNewLineCount(BOOL bReset)
{
    const int nCount = m_iNewLineCount;
    if (bReset)
        m_iNewLineCount = 0;
    return nCount;
}
