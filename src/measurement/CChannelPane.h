// A channel pane (template 132): value, tare, minimum and maximum of one channel as texts with the
// channel's unit, and the buttons Tara, min Reset and max Reset. Each field is written at most every
// 100 ms: writing it clears its ready flag and starts its one-shot timer, which sets the flag again. It
// enters itself in the frame's window table on its first update; the frame then hands it its host. Its
// number formatting (CDisplayHelper) serves the rest of the program. CAFormChannelA and CAFormChannelB
// are its two channels.
#pragma once

#include "framework/CButton.h"
#include "framework/CEdit.h"
#include "framework/CFormView.h"
#include "measurement/CChannelPaneFields.h"
#include "measurement/CChannelPaneTare.h"
#include "measurement/CDisplayHelper.h"

class CPaneHost;

class CChannelPane : public CFormView,
                     public CDisplayHelper,
                     public CChannelPaneFields,
                     public CChannelPaneTare
{
    DECLARE_DYNAMIC(CChannelPane)

public:
    static constexpr UINT FIELD_BLOCK_MS = 100;

    // The frame's services; set once when the pane has registered.
    void SetHost(CPaneHost* pHost);
    int GetChannel() const { return m_iChannel; }

    // ---- CChannelPaneFields: the value pipeline writes the four fields
    bool IsFieldReady(int iField) override;
    void SetValueText(CString strText) override { SetFieldText(FIELD_VALUE, strText); }
    void SetTareText(CString strText) override { SetFieldText(FIELD_TARE, strText); }
    void SetMinText(CString strText) override { SetFieldText(FIELD_MIN, strText); }
    void SetMaxText(CString strText) override { SetFieldText(FIELD_MAX, strText); }
    // The shown text of a field.
    CString GetFieldText(int iField) const;

    // The value text of this channel in mode 0 (with the selected unit; "---" as it is), 1 or 2.
    CString FormatValue(CString& strOut, const CString& strValue, const char* pcTypeClass, int iMode,
                        CString* pstrValue = nullptr, CString* pstrUnit = nullptr,
                        int* piUnitStringId = nullptr, int* piUnitCode = nullptr, int* piDecimals = nullptr,
                        double* pdFactor = nullptr);
    // ---- CChannelPaneTare: an applied tare is taken off, as by the Tara button.
    void RemoveTare() override;
    // The Tara, min Reset and max Reset buttons follow the connection of a supported sensor.
    void EnableButtons(bool bEnable);

    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnBtnTara();
    afx_msg void OnBtnMinReset();
    afx_msg void OnBtnMaxReset();

    BYTE m_bRegisterPending = 1;
    CPaneHost* m_pPaneHost = nullptr;
    // The four ready flags (value, tare, minimum, maximum).
    BYTE m_bValueReady = 1;
    BYTE m_bTareReady = 1;
    BYTE m_bMinReady = 1;
    BYTE m_bMaxReady = 1;

    CEdit m_edValue;
    CEdit m_edTare;
    CEdit m_edMin;
    CEdit m_edMax;
    CButton m_btnTara;
    CButton m_btnMinReset;
    CButton m_btnMaxReset;

protected:
    // iFirstTimer: the timer of the value field; tare, minimum and maximum follow it.
    CChannelPane(int iChannel, UINT nRegisterMessage, UINT_PTR iFirstTimer);

    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void SetFieldText(int iField, const CString& strText);
    BYTE& ReadyFlag(int iField);
    CEdit& FieldEdit(int iField);

    int m_iChannel;
    UINT m_nRegisterMessage;
    UINT_PTR m_iFirstTimer;
};
