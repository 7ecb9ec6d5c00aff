// Asks by how many values a trend is extended beyond its curve and the degree limit of a polynomial
// trend.
#pragma once

#include "framework/CDialog.h"
#include "framework/CSpinButtonCtrl.h"

class CTrendDlg : public CDialog
{
public:
    static constexpr int MAX_EXTENSION = 100000000;

    explicit CTrendDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CSpinButtonCtrl m_spinMaxDegree;
    CSpinButtonCtrl m_spinExtension;
    int m_iExtension = 0;
    int m_iMaxDegree = 5;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
