// A push button that shows a colour as a swatch with a drop-down arrow; a click opens the palette popup
// below it. The button reports the popup's messages (ColorPickMessages.h) to its parent with its
// control id as lParam.
#pragma once

#include "framework/CButton.h"

class CDataExchange;

class CSwatchButton : public CButton
{
    DECLARE_DYNCREATE(CSwatchButton)

public:
    enum ArrowDirection
    {
        ARROW_DOWN,
        ARROW_UP,
        ARROW_LEFT,
        ARROW_RIGHT
    };

    CSwatchButton();

    // CLR_DEFAULT while the automatic colour is chosen.
    COLORREF GetColor() const { return m_crColor; }
    // The colour the swatch shows: the automatic colour while the colour is CLR_DEFAULT.
    COLORREF GetShownColor() const { return m_crColor == CLR_DEFAULT ? m_crAutomatic : m_crColor; }
    // Stores the colour and redraws the button at once.
    void SetColor(COLORREF crColor);
    COLORREF GetAutomaticColor() const { return m_crAutomatic; }
    void SetAutomaticColor(COLORREF crColor) { m_crAutomatic = crColor; }
    // Texts of the popup's automatic and more-colours cells; an empty text leaves the cell out.
    void SetAutomaticText(LPCSTR pszText) { m_strAutomaticText = pszText; }
    void SetMoreColorsText(LPCSTR pszText) { m_strMoreColorsText = pszText; }
    // With live tracking the button takes each colour highlighted in the popup at once.
    void SetLiveTracking(BOOL bLiveTracking) { m_bLiveTracking = bLiveTracking; }
    BOOL GetLiveTracking() const { return m_bLiveTracking; }
    BOOL IsPopupOpen() const { return m_bPopupOpen; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // A filled triangle of crColor pointing iDirection, its base on one side of rect.
    static void DrawDropArrow(CDC* pDC, const CRect& rect, ArrowDirection iDirection, COLORREF crColor);

protected:
    void PreSubclassWindow() override;

    afx_msg BOOL OnClicked();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnPickAccepted(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPickCancelled(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPickChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SendToParent(UINT nMessage, COLORREF crColor);

    COLORREF m_crColor;
    COLORREF m_crAutomatic;
    CString m_strAutomaticText;
    CString m_strMoreColorsText;
    BOOL m_bPopupOpen = FALSE;
    BOOL m_bLiveTracking = FALSE;
};

// Exchanging in stores the button's colour in crColor, exchanging out sets the button's colour. The
// control must be bound to a CSwatchButton (DDX_Control) before.
void DDX_SwatchButton(CDataExchange* pDX, int nIDC, COLORREF& crColor);
