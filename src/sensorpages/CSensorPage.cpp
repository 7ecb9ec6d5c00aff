#include "sensorpages/CSensorPage.h"

#include "measurement/CDlgMeasureDiagram.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSensorPage, CModePage)

BEGIN_MESSAGE_MAP(CSensorPage, CModePage)
ON_WM_SHOWWINDOW()
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
constexpr int GROUP_LEFT = 10;
constexpr int GROUP_TOP = 5;
constexpr int GROUP_NARROWER = 19;
constexpr int GROUP_LOWER = 15;
} // namespace

CSensorPage::CSensorPage(UINT nIDTemplate, CWnd* pParent, int iGroupId, CSize sizeMinGroup)
    : CModePage(nIDTemplate, pParent), m_iGroupId(iGroupId), m_sizeMinGroup(sizeMinGroup)
{
}

CRect CSensorPage::GroupRect(const CRect& rcClient, CSize sizeMin)
{
    const int iWidth = std::max<int>(rcClient.Width() - GROUP_NARROWER, sizeMin.cx);
    const int iHeight = std::max<int>(rcClient.Height() - GROUP_LOWER, sizeMin.cy);
    const int iLeft = rcClient.left + GROUP_LEFT;
    const int iTop = rcClient.top + GROUP_TOP;
    return CRect(iLeft, iTop, iLeft + iWidth, iTop + iHeight);
}

CRect CSensorPage::GetGroupRect() const
{
    return GetControlRect(m_iGroupId);
}

void CSensorPage::UpdateLayout()
{
    CSize sizeView;
    if (FillView(sizeView))
        PlaceControl(m_iGroupId, GroupRect(CRect(0, 0, sizeView.cx, sizeView.cy), m_sizeMinGroup));
}

bool CSensorPage::IsInitPending() const
{
    return GetPageHost() == nullptr || GetPageHost()->IsInitPending();
}

CDlgMeasureDiagram* CSensorPage::GetPanel() const
{
    if (GetPageHost() == nullptr)
        return nullptr;
    return dynamic_cast<CDlgMeasureDiagram*>(
        GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_DIAGRAM));
}

BOOL CSensorPage::OnInitDialog()
{
    CModePage::OnInitDialog();
    if (m_bFirstInit)
    {
        if (!IsInitPending())
            UpdateLayout();
        m_bFirstInit = 0;
    }
    return TRUE;
}

// The running measurement stops first; the page then renews its texts when a language change asked for it.
void CSensorPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    const bool bShownAfterInit = bShow && !IsInitPending();
    if (bShownAfterInit)
    {
        if (CDlgMeasureDiagram* pPanel = GetPanel())
            pPanel->OnBtnMeasureStop();
    }
    CModePage::OnShowWindow(bShow, nStatus);
    if (bShownAfterInit)
        OnPageShown();
}

void CSensorPage::OnPaint()
{
    if (IsLaidOutOnPaint() && !IsInitPending() && IsWindowVisible())
        UpdateLayout();
    Default();
}
