// Append-style rich edit: texts go in at the selection in a colour of their own, optionally bold; the
// caret stays behind them and the view scrolls on. Its text limit is raised so long traces are kept,
// and it counts the line breaks it has inserted.
#pragma once

#include "framework/CFont.h"
#include "framework/CRichEditCtrl.h"

class CRichEditCtrlExtended : public CRichEditCtrl
{
    DECLARE_DYNAMIC(CRichEditCtrlExtended)

public:
    CRichEditCtrlExtended();
    ~CRichEditCtrlExtended() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // Not bold, in crColor.
    void AppendText(LPCSTR lpszText, COLORREF crColor);
    // Black; bold when nBold is not 0. nFlag has no visible effect.
    void AppendText(LPCSTR lpszText, int nBold, int nFlag);
    // Replaces the selection by the text in that colour and weight, puts the caret behind it and
    // scrolls one line down; an empty text does nothing.
    void AppendFormattedText(LPCSTR lpszText, COLORREF crColor, BOOL bBold, int nFlag = 0);
    // Inserts nCount line breaks at the selection and adds nCount to the counter.
    void AppendNewLines(int nCount);
    void ResetNewLineCount() { m_iNewLineCount = 0; }
    int GetNewLineCount(BOOL bReset);

    int m_iNewLineCount = 0;

protected:
    void PreSubclassWindow() override;

private:
    // The raised text limit and the control's own font, once the window is fully made.
    void ApplyControlDefaults();

    CFont m_font; // the system message font one unit taller, normal weight
    bool m_bCreating = false;
};
