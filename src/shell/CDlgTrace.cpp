#include "shell/CDlgTrace.h"

#include "framework/AfxInitControls.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "resources/resource.h"
#include "shell/CEnvironment.h"

IMPLEMENT_DYNAMIC(CDlgTrace, CDialog)

BEGIN_MESSAGE_MAP(CDlgTrace, CDialog)
ON_BN_CLICKED(IDC_BTN_CLEAR_TRACE, OnClearField)
ON_WM_SHOWWINDOW()
ON_WM_SIZE()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
CString DashLine()
{
    return CString("\t\t") + CString('-', 216);
}

CString RectLine(const char* pszName, const CRect& rc)
{
    CString str;
    str.Format("\t\t%s= (%4d|%4d|%4d|%4d)", pszName, (int)rc.left, (int)rc.top, rc.Width(), rc.Height());
    return str;
}
} // namespace

CDlgTrace::CDlgTrace(CWnd* pParent) : CDialog(IDD_DLG_TRACE, pParent)
{
    AfxInitRichEdit2();
}

CDlgTrace::~CDlgTrace() = default;

void CDlgTrace::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RICHEDIT_TRACE, m_richEdit);
}

BOOL CDlgTrace::OnInitDialog()
{
    CDialog::OnInitDialog();
    ClearText();
    return TRUE;
}

void CDlgTrace::ClearText()
{
    m_richEdit.ResetNewLineCount();
    if (m_richEdit.GetSafeHwnd())
        m_richEdit.SetWindowText("");
}

void CDlgTrace::OnClearField()
{
    ClearText();
}

void CDlgTrace::OnShowWindow(BOOL bShow, UINT /*nStatus*/)
{
    Default();
    m_bShown = bShow ? 1 : 0;
    // Sizes taken while hidden are applied when the window shows again.
    if (bShow)
        LayoutRichEdit();
}

void CDlgTrace::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    if (IsWindowVisible() || m_bShown)
        LayoutRichEdit();
}

void CDlgTrace::OnPaint()
{
    // Only validates: BeginPaint and EndPaint; the controls paint themselves.
    CPaintDC dc(this);
}

void CDlgTrace::LayoutRichEdit()
{
    if (!m_richEdit.GetSafeHwnd())
        return;
    CRect rc;
    GetClientRect(&rc);
    m_richEdit.SetWindowPos(nullptr, rc.left + 10, rc.top + 45, rc.Width() - 15, rc.Height() - 50,
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgTrace::AppendAtEnd(const CString& strText)
{
    // New lines go to the end; a selection the user made (to copy it) stays as it is.
    CHARRANGE crUser{};
    m_richEdit.SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&crUser));
    GETTEXTLENGTHEX gtl{GTL_NUMCHARS, CP_ACP};
    const LONG nEnd =
        static_cast<LONG>(m_richEdit.SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl)));
    const bool bCaretAtEnd = crUser.cpMin == crUser.cpMax && crUser.cpMax >= nEnd;

    m_richEdit.SetSel(-1, -1);
    m_richEdit.AppendText(strText, 0, 0);
    m_richEdit.AppendNewLines(1);
    if (!bCaretAtEnd)
        m_richEdit.SetSel(crUser);
}

int CDlgTrace::AddTraceLinePtr(LPCSTR lpszText)
{
    if (!m_richEdit.GetSafeHwnd())
        return m_richEdit.GetNewLineCount(FALSE);
    AppendAtEnd(lpszText ? CString(lpszText) : m_strTraceLine);
    const int nCount = m_richEdit.GetNewLineCount(FALSE);
    m_richEdit.LineScroll(nCount - 2);
    return nCount;
}

int CDlgTrace::AddTraceLine(CString strText)
{
    return AddTraceLinePtr(strText);
}

CString CDlgTrace::FormatHexDump(const CString& strBytes, bool bLineBreak)
{
    CString strDump;
    strDump.Format("\t\t\t %2d: ", strBytes.GetLength());
    for (int i = 0; i < strBytes.GetLength(); ++i)
        strDump += FormatHexByte(static_cast<BYTE>(strBytes[i]));
    if (bLineBreak)
        strDump += "\n";
    return strDump;
}

CString CDlgTrace::FormatHexByte(BYTE ucByte)
{
    CString str;
    str.Format("%2x|", ucByte);
    return str;
}

void CDlgTrace::DumpSystemInfo(CEnvironment* pEnvironment)
{
    if (pEnvironment)
        m_pEnvironment = pEnvironment;
    const CString strDash = DashLine();
    for (const char* pszLine : {"", ""})
        AddTraceLinePtr(pszLine);
    AddTraceLine(strDash);
    AddTraceLinePtr("\t\tSystem Informationen");
    AddTraceLine(strDash);
    if (m_pEnvironment)
    {
        for (int nLine = 4; nLine <= 16; ++nLine)
            AddTraceLine(m_pEnvironment->GetSystemInfoLine(nLine));
        CRect rectWindow;
        CRect rectClient;
        if (CWnd* pParent = GetParent())
        {
            pParent->GetWindowRect(&rectWindow);
            pParent->GetClientRect(&rectClient);
        }
        AddTraceLine(RectLine("rectWindow\t\t\t\t", rectWindow));
        AddTraceLine(RectLine("rectClient\t\t\t\t\t", rectClient));
        for (int nLine = 17; nLine <= 20; ++nLine)
            AddTraceLine(m_pEnvironment->GetSystemInfoLine(nLine));
        AddTraceLinePtr("");
        AddTraceLinePtr("");
        for (int nLine = 22; nLine <= 25; ++nLine)
            AddTraceLine(m_pEnvironment->GetSystemInfoLine(nLine));
        AddTraceLinePtr("");
        AddTraceLinePtr("");
        for (int nLine = 27; nLine <= 29; ++nLine)
            AddTraceLine(m_pEnvironment->GetSystemInfoLine(nLine));
    }
    AddTraceLinePtr("");
    AddTraceLine(strDash);
    AddTraceLinePtr("");
    AddTraceLinePtr("");
}
