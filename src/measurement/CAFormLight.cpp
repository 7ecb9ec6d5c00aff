#include "measurement/CAFormLight.h"

#include "framework/CDataExchange.h"
#include "resources/resource.h"
#include "resources/resource_panel.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CAFormLight, CFormView)

BEGIN_MESSAGE_MAP(CAFormLight, CFormView)
ON_COMMAND(ID_LIGHT_TEST_NEXT, OnTestNextLight)
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace
{
// The pictures the test command cycles through: red, yellow, green.
const UINT TEST_CYCLE[] = {IDB_LIGHT_RED, IDB_LIGHT_YELLOW, IDB_LIGHT_GREEN};
} // namespace

CAFormLight::CAFormLight() : CFormView(IDD_FORM_LIGHT) {}

void CAFormLight::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIGHT_PICTURE, m_picture);
    DDX_Control(pDX, IDC_LIGHT_TEST, m_btnTest);
}

void CAFormLight::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (!m_bInitPending)
        return;
    CPaneRegistration::PostOnce(this, WM_REGISTER_LIGHT, m_bRegistrationPending);
    m_pPicture = &m_picture;
    m_pPicture->ShowWindow(SW_SHOW);
    m_bInitPending = 0;
    EnableWindow(TRUE);
}

UINT CAFormLight::BitmapOfState(int iState)
{
    switch (iState)
    {
        case LIGHT_GREY:
            return IDB_LIGHT_GREY;
        case LIGHT_GREEN:
            return IDB_LIGHT_GREEN;
        case LIGHT_YELLOW:
            return IDB_LIGHT_YELLOW;
        case LIGHT_RED:
            return IDB_LIGHT_RED;
        default:
            return 0;
    }
}

void CAFormLight::SetLight(int iState)
{
    const UINT nBitmap = BitmapOfState(iState);
    if (nBitmap == 0)
        return;
    m_iLightState = iState;
    ShowBitmap(nBitmap);
}

void CAFormLight::ShowBitmap(UINT nBitmapId)
{
    if (m_pPicture == nullptr)
        return;
    m_pPicture->ShowWindow(SW_HIDE);
    CBitmap bitmap;
    if (bitmap.LoadBitmap(nBitmapId))
    {
        m_pPicture->SetBitmap(static_cast<HBITMAP>(bitmap.GetSafeHandle()));
        // The control shows the new picture; the one it showed before goes.
        m_bitmap.DeleteObject();
        m_bitmap.Attach(bitmap.Detach());
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    LayoutPicture(rcClient.Width(), rcClient.Height());
}

CRect CAFormLight::PictureRect(int cx, int cy)
{
    const int iSide = std::min(cx, cy);
    const int iOffset = (std::max(cx, cy) - iSide) / 2;
    return cx >= cy ? CRect(iOffset, 0, iOffset + iSide, iSide) : CRect(0, iOffset, iSide, iOffset + iSide);
}

void CAFormLight::LayoutPicture(int cx, int cy)
{
    if (m_pPicture == nullptr)
        return;
    const CRect rc = PictureRect(cx, cy);
    m_pPicture->MoveWindow(rc.left, rc.top, rc.Width(), rc.Height());
    ::ShowScrollBar(m_hWnd, SB_BOTH, FALSE);
    m_pPicture->ShowWindow(SW_SHOW);
}

void CAFormLight::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    if (!m_bInitPending && nType != SIZE_MAXSHOW && nType != SIZE_MAXHIDE)
        LayoutPicture(cx, cy);
}

void CAFormLight::OnTestNextLight()
{
    static size_t s_iNext = 0;
    ShowBitmap(TEST_CYCLE[s_iNext]);
    s_iNext = (s_iNext + 1) % std::size(TEST_CYCLE);
}
