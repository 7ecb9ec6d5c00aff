#include "framework/CControlBarInfo.h"

#include "framework/CWinApp.h"

namespace
{
// More entries than any frame has are a broken record: such a list is dropped.
constexpr int kMaxBarIDs = 1024;

int ReadInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return (int)AfxGetApp()->GetProfileInt(lpszSection, lpszEntry, nDefault);
}

void WriteInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    AfxGetApp()->WriteProfileInt(lpszSection, lpszEntry, nValue);
}

CString BarEntry(int nIndex)
{
    CString strEntry;
    strEntry.Format("Bar#%d", nIndex);
    return strEntry;
}
} // namespace

CString CControlBarInfo::GetSection(LPCSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex)
{
    const CString strSection = GetSection(lpszProfileName, nIndex);
    const int nBarID = ReadInt(strSection, "BarID", 0);
    if (nBarID <= 0 || nBarID > 0xFFFF)
        return FALSE;
    m_nBarID = (UINT)nBarID;
    m_bVisible = ReadInt(strSection, "Visible", TRUE) != 0;
    m_bHorz = ReadInt(strSection, "Horz", TRUE) != 0;
    m_bFloating = ReadInt(strSection, "Floating", FALSE) != 0;
    m_bDockBar = ReadInt(strSection, "DockBar", FALSE) != 0;
    m_pointPos = CPoint(ReadInt(strSection, "XPos", 0), ReadInt(strSection, "YPos", 0));
    m_nMRUWidth = ReadInt(strSection, "MRUWidth", 32767);
    m_uMRUDockID = (UINT)ReadInt(strSection, "MRUDockID", 0);
    m_rectMRUDockPos =
        CRect(ReadInt(strSection, "MRUDockLeftPos", 0), ReadInt(strSection, "MRUDockTopPos", 0),
              ReadInt(strSection, "MRUDockRightPos", 0), ReadInt(strSection, "MRUDockBottomPos", 0));
    m_dwMRUFloatStyle = (DWORD)ReadInt(strSection, "MRUFloatStyle", 0);
    m_ptMRUFloatPos = CPoint(ReadInt(strSection, "MRUFloatXPos", 0), ReadInt(strSection, "MRUFloatYPos", 0));
    m_bMRUFloatPosSet = ReadInt(strSection, "MRUFloatSet", FALSE) != 0;
    m_arrBarID.RemoveAll();
    const int nBars = m_bDockBar ? ReadInt(strSection, "Bars", 0) : 0;
    if (nBars > 0 && nBars <= kMaxBarIDs)
        for (int i = 0; i < nBars; ++i)
            m_arrBarID.Add((UINT)ReadInt(strSection, BarEntry(i), 0));
    return TRUE;
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex) const
{
    const CString strSection = GetSection(lpszProfileName, nIndex);
    WriteInt(strSection, "BarID", (int)m_nBarID);
    WriteInt(strSection, "Visible", m_bVisible);
    WriteInt(strSection, "Horz", m_bHorz);
    WriteInt(strSection, "Floating", m_bFloating);
    WriteInt(strSection, "DockBar", m_bDockBar);
    WriteInt(strSection, "XPos", m_pointPos.x);
    WriteInt(strSection, "YPos", m_pointPos.y);
    WriteInt(strSection, "MRUWidth", m_nMRUWidth);
    WriteInt(strSection, "MRUDockID", (int)m_uMRUDockID);
    WriteInt(strSection, "MRUDockLeftPos", m_rectMRUDockPos.left);
    WriteInt(strSection, "MRUDockTopPos", m_rectMRUDockPos.top);
    WriteInt(strSection, "MRUDockRightPos", m_rectMRUDockPos.right);
    WriteInt(strSection, "MRUDockBottomPos", m_rectMRUDockPos.bottom);
    WriteInt(strSection, "MRUFloatStyle", (int)m_dwMRUFloatStyle);
    WriteInt(strSection, "MRUFloatXPos", m_ptMRUFloatPos.x);
    WriteInt(strSection, "MRUFloatYPos", m_ptMRUFloatPos.y);
    WriteInt(strSection, "MRUFloatSet", m_bMRUFloatPosSet);
    WriteInt(strSection, "Bars", (int)m_arrBarID.GetSize());
    for (int i = 0; i < (int)m_arrBarID.GetSize(); ++i)
        WriteInt(strSection, BarEntry(i), (int)m_arrBarID[i]);
    return TRUE;
}
