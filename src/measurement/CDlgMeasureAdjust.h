// The measure-configuration page (mode page 135) and its settings record, which it loads from the
// registry when it is created; the main frame checks and saves the record. So far the page shows its
// template and its caption, and tells the sensor engine the channels its record selects
// (CComPortAdjustRole, from its registration with the frame).
#pragma once

#include "framework/CString.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/Language.h"
#include "shell/CModePage.h"

#include <memory>

struct MeasureAdjustStruct;

class CDlgMeasureAdjust : public CModePage, public CComPortAdjustRole
{
    DECLARE_DYNAMIC(CDlgMeasureAdjust)

public:
    explicit CDlgMeasureAdjust(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgMeasureAdjust() override;

    // The record's defaults; returns 1.
    int SetDefaultMeasureAdjustStruct();
    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    // ---- CComPortAdjustRole
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override;

    std::unique_ptr<MeasureAdjustStruct> m_psMeasureAdjust;
    // 0 before the frame's start-up check, 1 stored record taken, 2 replaced by its defaults.
    int m_iStoredRecordState = 0;
    int m_bViewUseShowWindow = 0;
    int m_iLanguageOffsetCopy = LANGUAGE_ENGLISH;
    CString m_strStartProgram;
    CString m_strStopProgram;
    int m_iLimitMeasurandIndex[2] = {-2, -2};
    CString m_strLimitText[4];

protected:
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;

private:
    void LoadStoredSettings();
    bool m_bFirstInit = true;
};
