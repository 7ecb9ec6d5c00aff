#include "framework/CColorDialog.h"
#include "framework/CFileDialog.h"
#include "framework/CFontDialog.h"
#include "framework/CPrintDialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
// Replaces a common dialog's system call for the lifetime of the object.
template <class TDialog, class THook> class CScopedModalHook
{
public:
    explicit CScopedModalHook(THook hook) { TDialog::SetModalHook(std::move(hook)); }
    ~CScopedModalHook() { TDialog::SetModalHook(nullptr); }
    CScopedModalHook(const CScopedModalHook&) = delete;
    CScopedModalHook& operator=(const CScopedModalHook&) = delete;
};

// Writes a selection into the dialog's name buffer as the system dialog does.
void AnswerFiles(CFileDialog& dlg, const std::string& strFolderOrPath, const std::vector<std::string>& names)
{
    std::string strBuffer = strFolderOrPath + '\0';
    for (const std::string& strName : names)
        strBuffer += strName + '\0';
    strBuffer += '\0';
    std::memcpy(dlg.m_ofn.lpstrFile, strBuffer.data(), strBuffer.size());
    dlg.m_ofn.nFileOffset =
        names.empty() ? (WORD)(strFolderOrPath.rfind('\\') + 1) : (WORD)(strFolderOrPath.size() + 1);
}

std::vector<CString> AllPaths(const CFileDialog& dlg)
{
    std::vector<CString> paths;
    for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;)
        paths.push_back(dlg.GetNextPathName(pos));
    return paths;
}
} // namespace

TEST(CommonDialogs, FileDialogHookSeesTheRequestAndMultipleSelectionIterates)
{
    struct Case
    {
        std::string strFirst;
        std::vector<std::string> names;
        std::vector<CString> expected;
    };
    const Case cases[] = {
        {"C:\\Messungen", {"a.csv", "b.csv"}, {"C:\\Messungen\\a.csv", "C:\\Messungen\\b.csv"}},
        {"C:\\", {"wurzel.csv"}, {"C:\\wurzel.csv"}},
        {"C:\\Messungen\\einzeln.csv", {}, {"C:\\Messungen\\einzeln.csv"}},
    };
    for (const Case& c : cases)
    {
        CFileDialog dlg(TRUE, "csv", "*.csv", OFN_ALLOWMULTISELECT, "(*.csv)|*.csv|");
        const OPENFILENAMEA* pSeen = nullptr;
        CScopedModalHook<CFileDialog, AFX_FILEDIALOG_HOOK> hook(
            [&](CFileDialog& d)
            {
                pSeen = &d.m_ofn;
                EXPECT_TRUE(d.IsOpenFileDialog());
                EXPECT_STREQ(d.m_ofn.lpstrFile, "*.csv");
                EXPECT_EQ(std::memcmp(d.m_ofn.lpstrFilter, "(*.csv)\0*.csv\0\0", 15), 0);
                EXPECT_STREQ(d.m_ofn.lpstrDefExt, "csv");
                EXPECT_TRUE(d.m_ofn.Flags & OFN_EXPLORER);
                AnswerFiles(d, c.strFirst, c.names);
                return (INT_PTR)IDOK;
            });
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(pSeen, &dlg.m_ofn);
        EXPECT_EQ(AllPaths(dlg), c.expected);
        EXPECT_EQ(dlg.GetPathName(), c.expected[0]);
    }
}

TEST(CommonDialogs, FileDialogCancelAndSingleSelectionLeftovers)
{
    // One file chosen where several may be: a shorter answer over a longer initial name is one path,
    // whatever the initial name left behind its end.
    CFileDialog dlg(FALSE, "bmp", "Diagramm_mit_langem_Namen.bmp", OFN_ALLOWMULTISELECT, "(*.bmp)|*.bmp|");
    {
        CScopedModalHook<CFileDialog, AFX_FILEDIALOG_HOOK> hook([](CFileDialog&)
                                                                { return (INT_PTR)IDCANCEL; });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
    CScopedModalHook<CFileDialog, AFX_FILEDIALOG_HOOK> hook(
        [](CFileDialog& d)
        {
            std::strcpy(d.m_ofn.lpstrFile, "C:\\d.bmp");
            d.m_ofn.nFileOffset = 3;
            d.m_ofn.Flags |= OFN_READONLY;
            return (INT_PTR)IDOK;
        });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(AllPaths(dlg), std::vector<CString>{"C:\\d.bmp"});
    EXPECT_TRUE(dlg.GetReadOnlyPref());
}

TEST(CommonDialogs, ColourFontAndPrintDialogsAnswerThroughTheirHooks)
{
    CColorDialog colour(RGB(1, 2, 3), CC_FULLOPEN | CC_ANYCOLOR);
    {
        CScopedModalHook<CColorDialog, AFX_COLORDIALOG_HOOK> hook(
            [](CColorDialog& d)
            {
                EXPECT_EQ(d.m_cc.rgbResult, RGB(1, 2, 3));
                EXPECT_EQ(d.m_cc.Flags & (CC_RGBINIT | CC_FULLOPEN), (DWORD)(CC_RGBINIT | CC_FULLOPEN));
                d.m_cc.rgbResult = RGB(10, 20, 30);
                return (INT_PTR)IDOK;
            });
        ASSERT_EQ(colour.DoModal(), IDOK);
    }
    EXPECT_EQ(colour.GetColor(), RGB(10, 20, 30));

    CFontDialog font;
    {
        CScopedModalHook<CFontDialog, AFX_FONTDIALOG_HOOK> hook(
            [](CFontDialog& d)
            {
                EXPECT_FALSE(d.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
                EXPECT_EQ(d.m_cf.lpLogFont, &d.m_lf);
                std::strcpy(d.m_lf.lfFaceName, "Arial");
                d.m_lf.lfHeight = -16;
                d.m_cf.rgbColors = RGB(255, 0, 0);
                return (INT_PTR)IDOK;
            });
        ASSERT_EQ(font.DoModal(), IDOK);
    }
    LOGFONTA lf = {};
    font.GetCurrentFont(&lf);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(font.GetColor(), RGB(255, 0, 0));

    CPrintDialog print(FALSE, 0x14000C);
    {
        CScopedModalHook<CPrintDialog, AFX_PRINTDIALOG_HOOK> hook([](CPrintDialog&)
                                                                  { return (INT_PTR)IDCANCEL; });
        EXPECT_EQ(print.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(print.GetPrinterDC(), nullptr);
    EXPECT_EQ(print.GetDevMode(), nullptr);
    CScopedModalHook<CPrintDialog, AFX_PRINTDIALOG_HOOK> hook(
        [](CPrintDialog& d)
        {
            EXPECT_EQ(d.m_pd.Flags & (0x14000C | PD_RETURNDC), (DWORD)(0x14000C | PD_RETURNDC));
            d.m_pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
            static_cast<DEVMODEA*>(::GlobalLock(d.m_pd.hDevMode))->dmPrintQuality = 600;
            ::GlobalUnlock(d.m_pd.hDevMode);
            d.m_pd.hDC = ::CreateCompatibleDC(nullptr);
            return (INT_PTR)IDOK;
        });
    ASSERT_EQ(print.DoModal(), IDOK);
    ASSERT_NE(print.GetDevMode(), nullptr);
    EXPECT_EQ(print.GetDevMode()->dmPrintQuality, 600);
    HDC hDC = print.GetPrinterDC();
    ASSERT_NE(hDC, nullptr);
    ::DeleteDC(hDC);
}
