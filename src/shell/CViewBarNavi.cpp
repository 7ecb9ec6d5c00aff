#include "shell/CViewBarNavi.h"

IMPLEMENT_DYNAMIC(CViewBarNavi, CResizableBarCF)

CViewBarNavi::CViewBarNavi()
{
    m_szHorz = m_szVert = m_szFloat = CSize(200, 400);
    m_szMinHorz = m_szMinVert = m_szMinFloat = CSize(50, 50);
}
