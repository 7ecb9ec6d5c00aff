// The process-wide visual-style helper: binds the UxTheme functions at run time (with substitutes when
// the library or a function is missing) and decides once whether the drawn controls paint themed.
#pragma once

#include "framework/AfxWin32.h"

typedef HANDLE HTHEME; // as the visual-style header declares it

class CThemeHelper
{
public:
    // Loads "UxTheme.dll"; without it every call falls back to its substitute.
    CThemeHelper();
    virtual ~CThemeHelper();
    CThemeHelper(const CThemeHelper&) = delete;
    CThemeHelper& operator=(const CThemeHelper&) = delete;

    // The helper the controls use: the one made at program start, unless a test put another in place.
    static CThemeHelper& GetInstance();
    // Puts pHelper in place of the current helper (null: the one made at program start); returns the
    // previous one.
    static CThemeHelper* SetInstance(CThemeHelper* pHelper);

    // Common controls 6.0, a theme of the classic families and an application that is themed; tested
    // on the first call, the answer kept.
    BOOL IsThemed();

    HTHEME OpenThemeData(HWND hWnd, LPCWSTR pszClassList);
    HRESULT CloseThemeData(HTHEME hTheme);
    HRESULT DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                                const RECT* pClipRect);
    HRESULT GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor);
    BOOL IsAppThemed();
    HRESULT GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars);

protected:
    struct NoLibrary
    {
    };
    // A helper whose functions come from LookUp alone (tests): loads no library.
    explicit CThemeHelper(NoLibrary);

    // The library's function of that name, or null.
    virtual FARPROC LookUp(LPCSTR lpszName);
    virtual BOOL IsLibraryLoaded() const;
    // Version of "comctl32.dll" by its DllGetVersion; FALSE when it has none.
    virtual BOOL GetCommonControlsVersion(DWORD& dwMajor, DWORD& dwMinor);

private:
    typedef HTHEME(WINAPI* PFNOPENTHEMEDATA)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* PFNCLOSETHEMEDATA)(HTHEME);
    typedef HRESULT(WINAPI* PFNDRAWTHEMEBACKGROUND)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    typedef HRESULT(WINAPI* PFNGETTHEMECOLOR)(HTHEME, int, int, int, COLORREF*);
    typedef BOOL(WINAPI* PFNISAPPTHEMED)();
    typedef HRESULT(WINAPI* PFNGETCURRENTTHEMENAME)(LPWSTR, int, LPWSTR, int, LPWSTR, int);

    // pfn after its first use: the library's function, else pfnSubstitute.
    template <class PFN> PFN Bind(PFN& pfn, LPCSTR lpszName, PFN pfnSubstitute);
    BOOL TestThemed();

    HMODULE m_hUxTheme = nullptr;
    PFNOPENTHEMEDATA m_pfnOpenThemeData = nullptr;
    PFNCLOSETHEMEDATA m_pfnCloseThemeData = nullptr;
    PFNDRAWTHEMEBACKGROUND m_pfnDrawThemeBackground = nullptr;
    PFNGETTHEMECOLOR m_pfnGetThemeColor = nullptr;
    PFNISAPPTHEMED m_pfnIsAppThemed = nullptr;
    PFNGETCURRENTTHEMENAME m_pfnGetCurrentThemeName = nullptr;
    int m_iThemed = -1; // -1 until tested
};
