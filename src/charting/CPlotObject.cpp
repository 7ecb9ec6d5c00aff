#include "charting/CPlotObject.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

IMPLEMENT_DYNCREATE(CPlotObject, CObject)

void CPlotObject::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_bSelected << m_bCanMove << m_bCanResize << m_bSizing << m_bEditing << m_bVisible
           << m_bCanEdit;
        ar << static_cast<int>(m_rcObject.left) << static_cast<int>(m_rcObject.top)
           << static_cast<int>(m_rcObject.right) << static_cast<int>(m_rcObject.bottom);
        ar << static_cast<DWORD>(m_crColor);
    }
    else
    {
        ar >> m_bSelected >> m_bCanMove >> m_bCanResize >> m_bSizing >> m_bEditing >> m_bVisible >>
            m_bCanEdit;
        int l, t, r, b;
        ar >> l >> t >> r >> b;
        m_rcObject.SetRect(l, t, r, b);
        DWORD dw;
        ar >> dw;
        m_crColor = dw;
    }
}

void CPlotObject::Draw(CDCEx*) {}

void CPlotObject::BeginEdit() {}

void CPlotObject::EndEdit() {}

void CPlotObject::BeginSize()
{
    m_bSizing = true;
    m_Tracker.m_nStyle = CRectTracker::hatchedBorder | CRectTracker::resizeOutside;
    m_Tracker.m_rect = m_rcObject;
}

void CPlotObject::EndSize()
{
    m_bSizing = false;
}

void CPlotObject::InvokeProperties() {}

CArchive& operator>>(CArchive& ar, CPlotObject*& pObject)
{
    pObject = static_cast<CPlotObject*>(ar.ReadObject(RUNTIME_CLASS(CPlotObject)));
    return ar;
}

void ReadLogFont(CArchive& ar, LOGFONTA& lf)
{
    static_assert(sizeof(LOGFONTA) == 60);
    if (ar.Read(&lf, sizeof(lf)) != sizeof(lf))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
}
