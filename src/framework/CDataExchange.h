// Dialog data exchange: DoDataExchange moves values between members and controls with the DDX_
// functions and checks them with the DDV_ functions. A failed check shows the framework's message from
// the string table, puts the focus on the control and ends the exchange (UpdateData returns FALSE).
#pragma once

#include "framework/CString.h"
#include "framework/CWnd.h"

class COleDateTime;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls -> members and checks; FALSE: members -> controls
    CWnd* m_pDlgWnd;

    // The control with this id becomes the one a failure points at.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control (selecting an edit's text) and ends the exchange.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

// While UpdateData runs on a window, that window; control notifications it receives then come from the
// exchange itself, not from the user, and are dropped.
HWND AfxGetLockoutNotifyWindow();

// Subclasses the control nIDC with rControl the first time (later calls do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Text of an edit or other control. Numbers are written in the C locale ("%.15g" for double, "%.6g"
// for float); reading fails with "Enter an integer." / "Enter a positive integer." / "Enter a
// number." for text that is not such a number as a whole (blanks around it are allowed).
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// Check box state 0, 1 or 2.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button of the group that starts with nIDC (-1: none).
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Combo box selection as index (-1: none), or as text (selects the first item starting with it; an
// editable combo shows a text that is not in the list as it is).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Trackbar position.
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// Date and time of a date-time picker; an unchecked DTS_SHOWNONE picker is the status null. A value
// that is not valid leaves the picker as it is.
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);

// Range checks of the value just exchanged (only when saving): "Enter an integer between %1 and %2."
// or "Enter a number between %1 and %2.". DDV_MaxChars: "Enter no more than %1 characters."; when
// loading it limits the edit's length.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, const float& value, float minVal, float maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
