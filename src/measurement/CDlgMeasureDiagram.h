// The operator panel (mode page 138) and its stored options, which it loads from the registry when it
// is created; the main frame checks and saves them. The panel's timer that puts off a sensor search
// runs here. So far the page shows its template and caption.
#pragma once

#include "framework/CDialog.h"

#include <memory>

struct MeasureDgrmStruct;

class CDlgMeasureDiagram : public CDialog
{
    DECLARE_DYNAMIC(CDlgMeasureDiagram)

public:
    explicit CDlgMeasureDiagram(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgMeasureDiagram() override;

    void SetDefaultMeasureDgrm();
    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();

    std::unique_ptr<MeasureDgrmStruct> m_psMeasureDgrmStruct;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void LoadStoredOptions();
    bool m_bInitPending = true;
};
