// Combo box of the pages whose entries carry an item-data value and are found by it.
#pragma once

#include "framework/CComboBox.h"

class CKombiBox : public CComboBox
{
    DECLARE_DYNAMIC(CKombiBox)

public:
    CKombiBox() = default;

    // Empties the list and the count of entries added by AddItem.
    void ResetContent();
    // Appends lpszText with dwData; returns the CB_SETITEMDATA result.
    int AddItem(LPCSTR lpszText, DWORD_PTR dwData);
    // The index of the one entry added by AddItem with item data dwData; -1 for none or several.
    int FindItemData(DWORD_PTR dwData) const;

    int GetItemCounter() const { return m_iItemCounter; }

private:
    int m_iItemCounter = 0;
};
