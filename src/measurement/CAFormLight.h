// The pass/fail light pane (form 210): one of four pictures, grey (not evaluated), green (pass), red
// (fail) and yellow, in a square as large as the pane allows. It enters itself in the frame's window
// table on its first update.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CButton.h"
#include "framework/CFormView.h"
#include "framework/CStatic.h"

class CAFormLight : public CFormView
{
    DECLARE_DYNCREATE(CAFormLight)

public:
    // IONIOResult as the light shows it.
    enum
    {
        LIGHT_GREY = -1,
        LIGHT_GREEN = 0,
        LIGHT_YELLOW = 1,
        LIGHT_RED = 2,
    };

    CAFormLight();

    // Shows the picture of the state (-1, 0, 1 or 2); any other state changes nothing.
    void SetLight(int iState);
    // The picture's bitmap resource of a state; 0 for one the light does not know.
    static UINT BitmapOfState(int iState);
    // The picture's square in a client area of cx x cy: side min(cx, cy), centred along the longer side.
    static CRect PictureRect(int cx, int cy);

    void OnInitialUpdate() override;

    BYTE m_bInitPending = 1;
    CStatic* m_pPicture = nullptr;
    int m_iLightState = LIGHT_GREY;
    CButton m_btnTest;
    CStatic m_picture;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnTestNextLight();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void ShowBitmap(UINT nBitmapId);
    void LayoutPicture(int cx, int cy);

    CBitmap m_bitmap;
    bool m_bRegistrationPending = true;
};
