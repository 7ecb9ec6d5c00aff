// Check box of the pages with boolean setters.
#pragma once

#include "framework/CButton.h"

class CCheckBox : public CButton
{
    DECLARE_DYNAMIC(CCheckBox)

public:
    CCheckBox() = default;

    // Checks or unchecks the box; an indeterminate box stays as it is. Returns bChecked.
    bool SetChecked(bool bChecked);
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    // Both return the requested state.
    bool SetEnabled(bool bEnabled);
    bool SetVisible(bool bVisible);
};
