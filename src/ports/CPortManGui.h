// The port manager with its user-interface helpers: the port list of a combo box and the rate text.
#pragma once

#include "ports/CPortMan.h"

class CComboBox;
class CPortDirectory;

class CPortManGui : public CPortMan
{
public:
    CPortManGui(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
                unsigned char ucPortFlag);

    // Lists the machine's ports in the combo box and selects the given one.
    static void FillPortCombo(CComboBox* pComboBox, const CString& strName, bool bClearFirst);
    static void FillPortComboList(CPortDirectory& directory, CComboBox* pComboBox, bool bClearFirst);
    CString GetBaudRateText();
};
