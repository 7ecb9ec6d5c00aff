// Owner-drawn button showing one of several LED states, each with its own icon and colours.
#pragma once

#include "framework/CButton.h"
#include "framework/CToolTipCtrl.h"

#include <vector>

class CLedStateFilter;

struct LedData
{
    COLORREF crText;
    COLORREF crBack;
    HICON hIcon;
    int iIconWidth;
    int iIconHeight;
};

class CLedButton : public CButton
{
    DECLARE_DYNAMIC(CLedButton)

public:
    CLedButton();
    ~CLedButton() override;

    // Replaces every state by iCount cleared states with the default colours.
    void SetStateCount(int iCount, bool bRedraw);
    int GetStateCount() const { return m_iStateCount; }
    // Loads icon resource nIconId of the given size (0: its own) for state iState; false for a state out
    // of range or an icon that does not load.
    bool SetStateIcon(int iState, UINT nIconId, int iWidth = 0, int iHeight = 0);
    // Gives state iState the icon (owned from then on) or none; false for a state out of range or an icon
    // whose size cannot be read (it is destroyed).
    bool SetStateIconHandle(int iState, HICON hIcon);
    // Shows iState; a state out of range is ignored, the button is redrawn either way.
    void SetState(int iState, int iFlag = 0);
    int GetState() const { return m_iState; }
    const LedData& GetStateData(int iState) const { return m_arrStates[(size_t)iState]; }

    // A flash returns to iRestState nPeriod ms after any other state was set; nTimerId 0 ends flashing.
    void SetFlash(UINT_PTR nTimerId, UINT nPeriod, int iRestState);
    // Attaches a filter that SetState asks first (null: none); the button does not own it.
    void SetStateFilter(CLedStateFilter* pFilter) { m_pStateFilter = pFilter; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Fills rect with the current state's background colour.
    virtual void DrawBackground(CDC* pDC, const CRect& rect);
    void PreSubclassWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static LedData DefaultData();
    void ClearState(int iState);
    void ClearAllStates();
    bool IsValidState(int iState) const { return iState >= 0 && iState < m_iStateCount; }
    void KillFlashTimer();
    void DrawCaption(CDC* pDC, const CRect& rcText, COLORREF crText);

    std::vector<LedData> m_arrStates;
    CToolTipCtrl m_tooltip;
    int m_iState = 0;
    int m_iStateCount = 0;
    bool m_bDisabled = false;
    DWORD m_dwButtonStyle = 15;
    UINT_PTR m_nFlashTimer = 0;
    UINT m_nFlashPeriod = 150;
    UINT_PTR m_nFlashTimerId = 0;
    int m_iRestState = 0;
    CLedStateFilter* m_pStateFilter = nullptr;
};
