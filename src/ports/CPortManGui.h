// The port manager with its user-interface helpers: the port list of a combo box and the rate text.
#pragma once

#include "ports/CPortMan.h"

class CPortDirectory;
class CWnd;

class CPortManGui : public CPortMan
{
public:
    CPortManGui(HWND hOwner, UINT uiEventMessage, UINT uiDataMessage, bool bOwnDeviceChangeThread,
                unsigned char ucPortFlag);

    // Lists the machine's ports in the combo box (any CComboBox) and selects the given one.
    static void FillPortCombo(CWnd* pComboBox, const CString& strName, bool bClearFirst);
    static void FillPortComboList(CPortDirectory& directory, HWND hComboBox, bool bClearFirst);
    CString GetBaudRateText();
};
