#include "framework/CDataExchange.h"

#include "framework/AfxDlgRes.h"
#include "framework/CDateTimeCtrl.h"
#include "framework/COleDateTime.h"
#include "framework/CUserException.h"
#include "framework/CWinApp.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace
{
thread_local HWND t_hWndLockout = nullptr;

// Marks hWnd as being exchanged for the guard's lifetime (nested exchanges restore the outer one).
class CLockoutGuard
{
public:
    explicit CLockoutGuard(HWND hWnd) : m_hWndOld(t_hWndLockout) { t_hWndLockout = hWnd; }
    ~CLockoutGuard() { t_hWndLockout = m_hWndOld; }
    CLockoutGuard(const CLockoutGuard&) = delete;
    CLockoutGuard& operator=(const CLockoutGuard&) = delete;

private:
    HWND m_hWndOld;
};

CString GetText(HWND hWnd)
{
    CString str;
    const int nLen = ::GetWindowTextLengthA(hWnd);
    char* p = str.GetBuffer(nLen + 1);
    const int nGot = ::GetWindowTextA(hWnd, p, nLen + 1);
    str.ReleaseBuffer(nGot);
    return str;
}

[[noreturn]] void FailWith(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxMessageBox(nIDPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

// The prompt with "%1" and "%2" replaced by the two limits.
[[noreturn]] void FailRange(CDataExchange* pDX, UINT nIDPrompt, const CString& strMin, const CString& strMax)
{
    CString strText;
    strText.LoadString(nIDPrompt);
    strText.Replace("%1", strMin);
    strText.Replace("%2", strMax);
    AfxMessageBox(strText, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

// True when only blanks follow p.
bool OnlyBlanksFrom(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return *p == '\0';
}

bool ParseSigned(const CString& strText, long long& value)
{
    const char* p = strText;
    while (IsBlank(*p))
        ++p;
    char* pEnd = nullptr;
    errno = 0;
    value = std::strtoll(p, &pEnd, 10);
    return pEnd != p && errno == 0 && OnlyBlanksFrom(pEnd);
}

bool ParseUnsigned(const CString& strText, unsigned long long& value)
{
    const char* p = strText;
    while (IsBlank(*p))
        ++p;
    if (*p == '-')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    value = std::strtoull(p, &pEnd, 10);
    return pEnd != p && errno == 0 && OnlyBlanksFrom(pEnd);
}

bool ParseReal(const CString& strText, double& value)
{
    const char* p = strText;
    char* pEnd = nullptr;
    value = std::strtod(p, &pEnd);
    return pEnd != p && std::isfinite(value) && OnlyBlanksFrom(pEnd);
}

template <typename T> void ExchangeSigned(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString str;
        str.Format("%lld", (long long)value);
        ::SetWindowTextA(hWndCtrl, str);
        return;
    }
    long long llValue = 0;
    if (!ParseSigned(GetText(hWndCtrl), llValue) || llValue < std::numeric_limits<T>::min() ||
        llValue > std::numeric_limits<T>::max())
        FailWith(pDX, AFX_IDP_PARSE_INT);
    value = (T)llValue;
}

template <typename T> void ExchangeUnsigned(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString str;
        str.Format("%llu", (unsigned long long)value);
        ::SetWindowTextA(hWndCtrl, str);
        return;
    }
    unsigned long long ullValue = 0;
    if (!ParseUnsigned(GetText(hWndCtrl), ullValue) || ullValue > std::numeric_limits<T>::max())
        FailWith(pDX, AFX_IDP_PARSE_UINT);
    value = (T)ullValue;
}

void ExchangeReal(CDataExchange* pDX, int nIDC, double& value, int nDigits, double dLimit)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        CString str;
        str.Format("%.*g", nDigits, value);
        ::SetWindowTextA(hWndCtrl, str);
        return;
    }
    double dValue = 0.0;
    if (!ParseReal(GetText(hWndCtrl), dValue) || std::fabs(dValue) > dLimit)
        FailWith(pDX, AFX_IDP_PARSE_REAL);
    value = dValue;
}

template <typename T> void CheckIntRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    if constexpr (std::numeric_limits<T>::is_signed)
    {
        strMin.Format("%lld", (long long)minVal);
        strMax.Format("%lld", (long long)maxVal);
    }
    else
    {
        strMin.Format("%llu", (unsigned long long)minVal);
        strMax.Format("%llu", (unsigned long long)maxVal);
    }
    FailRange(pDX, AFX_IDP_PARSE_INT_RANGE, strMin, strMax);
}

void CheckRealRange(CDataExchange* pDX, double value, double minVal, double maxVal, int nDigits)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString strMin, strMax;
    strMin.Format("%.*g", nDigits, minVal);
    strMax.Format("%.*g", nDigits, maxVal);
    FailRange(pDX, AFX_IDP_PARSE_REAL_RANGE, strMin, strMax);
}
} // namespace

// --- the exchange ---------------------------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_bEditLastControl = FALSE;
    if (m_hWndLastControl == nullptr)
    {
        // A control missing from the template is a programming error: report it and end the exchange.
        char szText[96];
        wsprintfA(szText, "Data exchange: no control with id %d in the window.\n", nIDC);
        ::OutputDebugStringA(szText);
        Fail();
    }
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

HWND AfxGetLockoutNotifyWindow()
{
    return t_hWndLockout;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    CLockoutGuard guard(m_hWnd);
    try
    {
        DoDataExchange(&dx);
    }
    catch (CUserException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

// --- DDX ------------------------------------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeSigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeSigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeUnsigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeUnsigned(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, DBL_DIG, DBL_MAX);
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    double dValue = value;
    ExchangeReal(pDX, nIDC, dValue, FLT_DIG, FLT_MAX);
    value = (float)dValue;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (!pDX->m_bSaveAndValidate)
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            else if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = iButton;
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0);
    else if (::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)index, 0) == CB_ERR)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)-1, 0); // Wine keeps the old selection
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = GetText(hWndCtrl);
        return;
    }
    if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCSTR)value) != CB_ERR)
        return;
    const DWORD dwType = (DWORD)::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & 0x3;
    if (dwType == CBS_DROPDOWNLIST)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, (WPARAM)-1, 0);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hWndCtrl, TBM_GETPOS, 0, 0);
    else
        ::SendMessageA(hWndCtrl, TBM_SETPOS, TRUE, value);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value)
{
    CDateTimeCtrl picker;
    picker.m_hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        picker.GetTime(value);
    else
        picker.SetTime(value);
    picker.m_hWnd = nullptr;
}

// --- DDV ------------------------------------------------------------------------------------------

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckIntRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckIntRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckIntRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    CheckIntRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    CheckRealRange(pDX, value, minVal, maxVal, DBL_DIG);
}

void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal)
{
    CheckRealRange(pDX, value, minVal, maxVal, FLT_DIG);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate)
    {
        if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
        return;
    }
    if (value.GetLength() <= nChars)
        return;
    CString strMax;
    strMax.Format("%d", nChars);
    FailRange(pDX, AFX_IDP_PARSE_STRING_SIZE, strMax, CString());
}
