#include "controls/CCheckBox.h"

IMPLEMENT_DYNAMIC(CCheckBox, CButton)

bool CCheckBox::SetChecked(bool bChecked)
{
    const int nCheck = GetCheck();
    if (bChecked && nCheck == BST_UNCHECKED)
        SetCheck(BST_CHECKED);
    else if (!bChecked && nCheck == BST_CHECKED)
        SetCheck(BST_UNCHECKED);
    return bChecked;
}

bool CCheckBox::SetEnabled(bool bEnabled)
{
    EnableWindow(bEnabled);
    return bEnabled;
}

bool CCheckBox::SetVisible(bool bVisible)
{
    ShowWindow(bVisible ? SW_SHOW : SW_HIDE);
    return bVisible;
}
