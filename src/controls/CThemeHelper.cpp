#include "controls/CThemeHelper.h"

#include <shlwapi.h>

#include <initializer_list>

namespace
{
// Substitutes for missing functions.
HTHEME WINAPI NoOpenThemeData(HWND, LPCWSTR)
{
    return nullptr;
}
HRESULT WINAPI NoCloseThemeData(HTHEME)
{
    return E_FAIL;
}
HRESULT WINAPI NoDrawThemeBackground(HTHEME, HDC, int, int, const RECT*, const RECT*)
{
    return E_FAIL;
}
HRESULT WINAPI NoGetThemeColor(HTHEME, int, int, int, COLORREF*)
{
    return E_FAIL;
}
BOOL WINAPI NoIsAppThemed()
{
    return FALSE;
}
HRESULT WINAPI NoGetCurrentThemeName(LPWSTR, int, LPWSTR, int, LPWSTR, int)
{
    return E_FAIL;
}

// Colour schemes of the themes the drawn controls are made for.
bool IsKnownColorScheme(LPCWSTR pszColor)
{
    for (LPCWSTR pszKnown : {L"normalcolor", L"homestead", L"metallic"})
        if (::lstrcmpiW(pszColor, pszKnown) == 0)
            return true;
    return false;
}

// Loads the theme library on first use rather than at start-up.
CThemeHelper& ProcessHelper()
{
    static CThemeHelper s_helper;
    return s_helper;
}

CThemeHelper* s_pCurrent = nullptr; // null: the process helper
} // namespace

CThemeHelper::CThemeHelper() : m_hUxTheme(::LoadLibraryA("UxTheme.dll")) {}

CThemeHelper::CThemeHelper(NoLibrary) {}

CThemeHelper::~CThemeHelper()
{
    if (m_hUxTheme != nullptr)
        ::FreeLibrary(m_hUxTheme);
}

CThemeHelper& CThemeHelper::GetInstance()
{
    return s_pCurrent != nullptr ? *s_pCurrent : ProcessHelper();
}

CThemeHelper* CThemeHelper::SetInstance(CThemeHelper* pHelper)
{
    CThemeHelper* pPrevious = &GetInstance();
    s_pCurrent = pHelper;
    return pPrevious;
}

FARPROC CThemeHelper::LookUp(LPCSTR lpszName)
{
    return m_hUxTheme != nullptr ? ::GetProcAddress(m_hUxTheme, lpszName) : nullptr;
}

BOOL CThemeHelper::IsLibraryLoaded() const
{
    return m_hUxTheme != nullptr;
}

BOOL CThemeHelper::GetCommonControlsVersion(DWORD& dwMajor, DWORD& dwMinor)
{
    HMODULE hComCtl = ::LoadLibraryA("comctl32.dll");
    if (hComCtl == nullptr)
        return FALSE;
    BOOL bResult = FALSE;
    // Through void (*)(): a function pointer of any type, as GetProcAddress hands it out.
    auto pfn = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hComCtl, "DllGetVersion")));
    if (pfn != nullptr)
    {
        DLLVERSIONINFO dvi = {};
        dvi.cbSize = sizeof(dvi);
        if (SUCCEEDED(pfn(&dvi)))
        {
            dwMajor = dvi.dwMajorVersion;
            dwMinor = dvi.dwMinorVersion;
            bResult = TRUE;
        }
    }
    ::FreeLibrary(hComCtl);
    return bResult;
}

template <class PFN> PFN CThemeHelper::Bind(PFN& pfn, LPCSTR lpszName, PFN pfnSubstitute)
{
    if (pfn == nullptr)
    {
        FARPROC p = LookUp(lpszName);
        pfn = p != nullptr ? reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(p)) : pfnSubstitute;
    }
    return pfn;
}

HTHEME CThemeHelper::OpenThemeData(HWND hWnd, LPCWSTR pszClassList)
{
    return Bind(m_pfnOpenThemeData, "OpenThemeData", &NoOpenThemeData)(hWnd, pszClassList);
}

HRESULT CThemeHelper::CloseThemeData(HTHEME hTheme)
{
    return Bind(m_pfnCloseThemeData, "CloseThemeData", &NoCloseThemeData)(hTheme);
}

HRESULT CThemeHelper::DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId,
                                          const RECT* pRect, const RECT* pClipRect)
{
    return Bind(m_pfnDrawThemeBackground, "DrawThemeBackground",
                &NoDrawThemeBackground)(hTheme, hdc, iPartId, iStateId, pRect, pClipRect);
}

HRESULT CThemeHelper::GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor)
{
    return Bind(m_pfnGetThemeColor, "GetThemeColor", &NoGetThemeColor)(hTheme, iPartId, iStateId, iPropId,
                                                                       pColor);
}

BOOL CThemeHelper::IsAppThemed()
{
    return Bind(m_pfnIsAppThemed, "IsAppThemed", &NoIsAppThemed)();
}

HRESULT CThemeHelper::GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                          int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars)
{
    return Bind(m_pfnGetCurrentThemeName, "GetCurrentThemeName", &NoGetCurrentThemeName)(
        pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars, pszSizeBuff, cchMaxSizeChars);
}

BOOL CThemeHelper::IsThemed()
{
    if (m_iThemed == -1)
        m_iThemed = TestThemed() ? 1 : 0;
    return m_iThemed == 1;
}

BOOL CThemeHelper::TestThemed()
{
    DWORD dwMajor = 0, dwMinor = 0;
    if (!GetCommonControlsVersion(dwMajor, dwMinor) || dwMajor != 6 || dwMinor != 0)
        return FALSE;
    WCHAR szFile[256] = {}, szColor[256] = {};
    if (FAILED(GetCurrentThemeName(szFile, 255, szColor, 255, nullptr, 0)))
        return FALSE;
    if (!IsKnownColorScheme(szColor))
        return FALSE;
    return IsAppThemed() && IsLibraryLoaded();
}
