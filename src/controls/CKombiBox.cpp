#include "controls/CKombiBox.h"

IMPLEMENT_DYNAMIC(CKombiBox, CComboBox)

void CKombiBox::ResetContent()
{
    m_iItemCounter = 0;
    CComboBox::ResetContent();
}

int CKombiBox::AddItem(LPCSTR lpszText, DWORD_PTR dwData)
{
    ++m_iItemCounter;
    return SetItemData(AddString(lpszText), dwData);
}

int CKombiBox::FindItemData(DWORD_PTR dwData) const
{
    int iFound = -1;
    int nMatches = 0;
    for (int i = 0; i < m_iItemCounter; ++i)
    {
        const LRESULT lData = SendMessage(CB_GETITEMDATA, (WPARAM)i);
        if (lData == CB_ERR)
            break;
        if ((DWORD_PTR)lData == dwData)
        {
            iFound = i;
            ++nMatches;
        }
    }
    return nMatches == 1 ? iFound : -1;
}
