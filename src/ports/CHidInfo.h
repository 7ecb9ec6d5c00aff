// What enumeration learns of a HID device; owned by its directory entry once a probe recognised it.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"
#include "framework/CString.h"

#include "ports/HidApi.h"

class CHidInfo : public CObject
{
public:
    CHidInfo();
    ~CHidInfo() override;
    CHidInfo(const CHidInfo&) = delete;
    CHidInfo& operator=(const CHidInfo&) = delete;

    bool Init(HANDLE hDevice);
    void Reset();
    void FreePreparsedData();
    // True when a link-collection node has usage page 0xFF66 and usage 1, or nothing can be read.
    bool HasPosLinkCollection() const;

    HIDD_ATTRIBUTES m_attributes;
    HIDP_CAPS m_caps;
    PHIDP_PREPARSED_DATA m_pPreparsedData = nullptr;
    unsigned char m_ucCapsValid = 0;
    unsigned char m_ucAttributesValid = 0;
    CString m_strSerialNumber;
    CString m_strProduct;
    CString m_strDisplayName;
    CString m_strInterfaceNumber;
    CString m_strIndexedString2;
    unsigned char m_ucKindPending = 1;
    unsigned int m_uiKindBits = 0;
};
