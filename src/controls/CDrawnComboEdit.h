// The edit part of a self-drawn combo box in the drop-down style (control id 108).
#pragma once

#include "framework/CEdit.h"

class CDrawnComboEdit : public CEdit
{
    DECLARE_DYNAMIC(CDrawnComboEdit)

public:
    CDrawnComboEdit() = default;

protected:
    // Starts timer 1, which brings the edit part to the foreground once, 100 ms later.
    void PreSubclassWindow() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};
