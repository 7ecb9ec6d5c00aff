// The visual-style helper: the themed test over injected entry points and versions, the substitutes for
// missing functions, and the answer kept after the first test.
#include "controls/CThemeHelper.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <string>

namespace
{
// What the injected visual-style functions answer.
struct FakeTheme
{
    HRESULT hrThemeName = S_OK;
    const wchar_t* pszColor = L"NormalColor";
    BOOL bAppThemed = TRUE;
    int nThemeNameCalls = 0;
} g_fake;

HRESULT WINAPI FakeGetCurrentThemeName(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor, LPWSTR,
                                       int)
{
    ++g_fake.nThemeNameCalls;
    if (cchFile < 255 || cchColor < 255)
        return E_INVALIDARG;
    std::wcscpy(pszFile, L"luna.msstyles");
    std::wcscpy(pszColor, g_fake.pszColor);
    return g_fake.hrThemeName;
}
BOOL WINAPI FakeIsAppThemed()
{
    return g_fake.bAppThemed;
}

// A helper whose functions and versions the test gives.
class CInjectedThemeHelper : public CThemeHelper
{
public:
    CInjectedThemeHelper() : CThemeHelper(NoLibrary{}) {}

    std::map<std::string, FARPROC> m_entries;
    BOOL m_bLoaded = TRUE;
    DWORD m_dwMajor = 6, m_dwMinor = 0;
    BOOL m_bHasVersion = TRUE;

protected:
    FARPROC LookUp(LPCSTR lpszName) override
    {
        auto it = m_entries.find(lpszName);
        return it == m_entries.end() ? nullptr : it->second;
    }
    BOOL IsLibraryLoaded() const override { return m_bLoaded; }
    BOOL GetCommonControlsVersion(DWORD& dwMajor, DWORD& dwMinor) override
    {
        dwMajor = m_dwMajor;
        dwMinor = m_dwMinor;
        return m_bHasVersion;
    }
};

template <class PFN> FARPROC Entry(PFN pfn)
{
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(pfn));
}

class ThemeHelper : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_fake = FakeTheme();
        m_helper.m_entries["GetCurrentThemeName"] = Entry(&FakeGetCurrentThemeName);
        m_helper.m_entries["IsAppThemed"] = Entry(&FakeIsAppThemed);
    }
    CInjectedThemeHelper m_helper;
};
} // namespace

TEST_F(ThemeHelper, ThemedOnlyWithCommonControlsSixAClassicSchemeAndAThemedApplication)
{
    struct Case
    {
        const char* pszWhat;
        DWORD dwMajor, dwMinor;
        BOOL bHasVersion;
        HRESULT hrThemeName;
        const wchar_t* pszColor;
        BOOL bAppThemed, bLoaded;
        bool bThemed;
    } cases[] = {
        {"6.0, normal colour", 6, 0, TRUE, S_OK, L"NormalColor", TRUE, TRUE, true},
        {"olive scheme, other case", 6, 0, TRUE, S_OK, L"HomeStead", TRUE, TRUE, true},
        {"silver scheme", 6, 0, TRUE, S_OK, L"METALLIC", TRUE, TRUE, true},
        {"comctl32 6.10", 6, 10, TRUE, S_OK, L"NormalColor", TRUE, TRUE, false},
        {"comctl32 5.82", 5, 82, TRUE, S_OK, L"NormalColor", TRUE, TRUE, false},
        {"no DllGetVersion", 6, 0, FALSE, S_OK, L"NormalColor", TRUE, TRUE, false},
        {"theme name fails", 6, 0, TRUE, E_FAIL, L"NormalColor", TRUE, TRUE, false},
        {"other scheme", 6, 0, TRUE, S_OK, L"Royale", TRUE, TRUE, false},
        {"application not themed", 6, 0, TRUE, S_OK, L"NormalColor", FALSE, TRUE, false},
        {"library not loaded", 6, 0, TRUE, S_OK, L"NormalColor", TRUE, FALSE, false},
    };
    for (const Case& c : cases)
    {
        CInjectedThemeHelper helper;
        helper.m_entries = m_helper.m_entries;
        helper.m_dwMajor = c.dwMajor;
        helper.m_dwMinor = c.dwMinor;
        helper.m_bHasVersion = c.bHasVersion;
        helper.m_bLoaded = c.bLoaded;
        g_fake.hrThemeName = c.hrThemeName;
        g_fake.pszColor = c.pszColor;
        g_fake.bAppThemed = c.bAppThemed;
        EXPECT_EQ(helper.IsThemed() != FALSE, c.bThemed) << c.pszWhat;
    }
}

TEST_F(ThemeHelper, AnswerIsKeptAfterTheFirstTest)
{
    EXPECT_TRUE(m_helper.IsThemed());
    g_fake.bAppThemed = FALSE;
    m_helper.m_dwMinor = 10;
    EXPECT_TRUE(m_helper.IsThemed());
    EXPECT_EQ(g_fake.nThemeNameCalls, 1);
}

TEST_F(ThemeHelper, MissingFunctionsFallBackToSubstitutes)
{
    CInjectedThemeHelper helper; // no entry points at all
    EXPECT_EQ(helper.OpenThemeData(nullptr, L"COMBOBOX"), nullptr);
    EXPECT_FALSE(helper.IsAppThemed());
    COLORREF cr = RGB(1, 2, 3);
    EXPECT_EQ(helper.GetThemeColor(nullptr, 1, 1, 3801, &cr), E_FAIL);
    EXPECT_EQ(cr, RGB(1, 2, 3));
    RECT rc = {0, 0, 10, 10};
    EXPECT_EQ(helper.DrawThemeBackground(nullptr, nullptr, 1, 1, &rc, nullptr), E_FAIL);
    EXPECT_EQ(helper.CloseThemeData(nullptr), E_FAIL);
    WCHAR szFile[256], szColor[256];
    EXPECT_EQ(helper.GetCurrentThemeName(szFile, 255, szColor, 255, nullptr, 0), E_FAIL);
    EXPECT_FALSE(helper.IsThemed());
    // An injected function found once is kept: a later lookup is not made.
    m_helper.IsAppThemed();
    m_helper.m_entries.clear();
    EXPECT_TRUE(m_helper.IsAppThemed());
}

TEST_F(ThemeHelper, ProcessHelperCanBeReplacedAndRestored)
{
    CThemeHelper& processHelper = CThemeHelper::GetInstance();
    CThemeHelper* pPrevious = CThemeHelper::SetInstance(&m_helper);
    EXPECT_EQ(pPrevious, &processHelper);
    EXPECT_EQ(&CThemeHelper::GetInstance(), &m_helper);
    CThemeHelper::SetInstance(nullptr);
    EXPECT_EQ(&CThemeHelper::GetInstance(), &processHelper);
    // The real library under this platform: whatever it answers, the calls are safe.
    processHelper.IsThemed();
    EXPECT_EQ(processHelper.IsThemed(), processHelper.IsThemed());
}
