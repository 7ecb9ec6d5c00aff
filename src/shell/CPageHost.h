// What the operating-mode pages and the start-up dialog need of the main frame: its language and
// initialisation state, its window table, the protocol engine and the environment layer it contains.
// The main frame implements it and hands itself over to each page (through the view that creates the
// pages) and to the start-up dialog before they are created. Every call runs on the user-interface
// thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CComPort;
class CEnvironment;
class CWnd;

class CPageHost
{
public:
    virtual ~CPageHost() = default;

    // LanguageOffset: 0 German, 1000 English, 2000 French.
    virtual int GetLanguageOffset() = 0;
    // The frame's one-time initialisation has not run yet.
    virtual BOOL IsInitPending() = 0;
    // The stored settings were written by this program version; only then are stored records taken.
    virtual BOOL IsSameApplicationVersion() = 0;
    // Enters pWnd in the window table slot of iKind while it is empty (lValue is ignored); true when
    // this call ran the one-time initialisation to its end.
    virtual bool RegisterPointerDirect(CWnd* pWnd, LPARAM lValue, int iKind) = 0;
    // A calibration message dialog (or the storage note) that ends frees its slot, so the dialog
    // made for the next step enters itself again.
    virtual void UnregisterPointer(CWnd* pWnd) = 0;
    // The window of the table slot of iKind, or null while none has registered.
    virtual CWnd* GetRegisteredWindow(int iKind) = 0;
    // Date, time, duration and decimal texts in the interface language.
    virtual CString FormatDate(int iDay, int iMonth, int iYear) = 0;
    virtual CString FormatTime(__time64_t tTime) = 0;
    virtual CString FormatDuration(long long llSeconds) = 0;
    virtual CString LocalizeDecimalSeparator(const CString& strText) = 0;
    // The trigger thresholds of the value pipeline, kept from the measurement settings record.
    virtual void SetTriggerThresholds(double dStartValue, double dStopValue) = 0;
    virtual CComPort& GetComPort() = 0;
    virtual CEnvironment& GetEnvironment() = 0;
    // The frame's window (its timers run there).
    virtual CWnd* GetFrameWindow() = 0;
    // The frame's hot keys; true when the message was one and has been handled.
    virtual bool TranslateHotKeys(MSG* pMsg) = 0;
};
