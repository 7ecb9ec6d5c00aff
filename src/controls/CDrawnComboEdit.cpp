#include "controls/CDrawnComboEdit.h"

IMPLEMENT_DYNAMIC(CDrawnComboEdit, CEdit)

BEGIN_MESSAGE_MAP(CDrawnComboEdit, CEdit)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
constexpr UINT_PTR TIMER_FOREGROUND = 1;
}

void CDrawnComboEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    SetTimer(TIMER_FOREGROUND, 100);
}

void CDrawnComboEdit::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_FOREGROUND)
    {
        CEdit::OnTimer(nIDEvent);
        return;
    }
    KillTimer(TIMER_FOREGROUND);
    SetForegroundWindow();
}
