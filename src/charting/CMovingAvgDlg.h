// Asks for the kind and window size of a moving average (simple, linear, exponential, triangular,
// sine-weighted); the window size runs from 1 to the maximum the caller sets.
#pragma once

#include "framework/CDialog.h"
#include "framework/CSpinButtonCtrl.h"

class CMovingAvgDlg : public CDialog
{
public:
    explicit CMovingAvgDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    CSpinButtonCtrl m_spinWindowSize;
    int m_iType = 0;
    int m_iWindowSize = 10;
    int m_iMaxWindowSize = 100;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
