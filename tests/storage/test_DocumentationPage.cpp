// The documentation page on a view of its own with a stand-in main frame: its defaults and combo boxes,
// typed input filtered, the uncertainty option following the sensor, the checks before leaving it, and
// its building blocks of the files (names, header lines, end text).
#include "storage/CDlgDocumentation.h"

#include "measurement/MeasureFakes.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_storage.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "shell/ShellMessages.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"
#include "support/FakePageHost.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> ComboTexts(CComboBox& combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo.GetCount(); ++i)
    {
        CString str;
        combo.GetLBText(i, str);
        texts.push_back(str.GetString());
    }
    return texts;
}

class DocumentationPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_view.Create(800, 600));
        m_host.GetEnvironment().m_strPathUserNameOwnFiles = "C:\\users\\op\\Documents";
        m_host.GetEnvironment().m_sEnvReg.iIdOfDecSep = -2;
        m_host.GetEnvironment().m_sEnvReg.iIdOfColSep = -2;
        m_page.SetPageHost(&m_host);
        m_page.SetClock(&m_clock);
        ASSERT_TRUE(m_page.Create(IDD_DLG_DOCUMENTATION, &m_view));
        ASSERT_TRUE(m_page.UpdateLanguageTexts());
    }

    CFakePageHost m_host;
    CPlainWindow m_view;
    CFakeClock m_clock;
    CDlgDocumentation m_page;
};

// Continue on the storage note leaves its place to the calibration page's message dialogs.
TEST_F(DocumentationPage, NoteContinuedLeavesItsPlaceForTheCalibrationMessages)
{
    CDlgSensorCalibration calibration; // only its placement rectangle is used
    m_host.m_windows.emplace(REGISTER_KIND_DLG_SENSOR_CALIBRATION, &calibration);
    CRect rcNote;
    ModalScript script;
    script.Then("Advice",
                [&](HWND hNote)
                {
                    ::GetWindowRect(hNote, &rcNote);
                    ::SendMessageA(hNote, WM_COMMAND, IDOK, 0);
                });
    auto* pAuto = static_cast<CComboBox*>(m_page.GetDlgItem(IDC_DOCU_MW_AUTO));
    ASSERT_NE(nullptr, pAuto);
    pAuto->SetCurSel(1);
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DOCU_MW_AUTO, CBN_SELCHANGE), (LPARAM)pAuto->m_hWnd);
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(rcNote.IsRectEmpty());
    EXPECT_EQ(rcNote, calibration.m_rcMsgDlg);
}

TEST_F(DocumentationPage, FirstStartTakesTheDefaults)
{
    const DocumentationStruct& rec = *m_page.m_psDocumentation;
    EXPECT_EQ(rec.iLineEnd, 0);
    EXPECT_EQ(rec.iColumnSeparator, 2) << "English: \",\"";
    EXPECT_EQ(rec.iDecimalSeparator, 1);
    EXPECT_EQ(rec.sAutoStorageMW.iSelected, 0);
    EXPECT_EQ(rec.sAutoStorageMW.bShowNote, 1);
    EXPECT_EQ(rec.sAutoStorageIONIO.bShowNote, 1);
    EXPECT_EQ(rec.iDiagramSize, 1);
    EXPECT_EQ(rec.bMwDateTime, 1);
    EXPECT_EQ(rec.bMwUnit, 1);
    EXPECT_STREQ(m_page.m_strMwTargetDirectory, "C:\\users\\op\\Documents\\TQ5");
    EXPECT_STREQ(m_page.m_strIoNioPrefix, "ERG");
    EXPECT_STREQ(m_page.m_strDmPrefix, "DGM");
    CString strPrefix;
    m_page.m_edMwPrefix.GetWindowText(strPrefix);
    EXPECT_STREQ(strPrefix, "TAB");
    EXPECT_TRUE(m_page.m_chkOption[4].IsChecked()) << "date / time";
    EXPECT_FALSE(m_page.m_chkOption[0].IsChecked()) << "headline";
    // The language's default entries in brackets; the record's entries selected.
    const std::vector<std::string> columns = {"TAB", ";", "[,]", ".", "Space"};
    EXPECT_EQ(ComboTexts(m_page.m_cbColumnSeparator), columns);
    const std::vector<std::string> decimals = {",", "[.]"};
    EXPECT_EQ(ComboTexts(m_page.m_cbDecimalSeparator), decimals);
    EXPECT_EQ(m_page.m_cbColumnSeparator.GetCurSel(), 2);
    EXPECT_EQ(ComboTexts(m_page.m_cbLineEnd)[0], "[CRLF]");
    // One monitor: no "max" entry.
    EXPECT_EQ(ComboTexts(m_page.m_cbDiagramSize).front(), "normal");
    EXPECT_EQ(m_page.m_cbDiagramSize.GetCurSel(), 0);
}

TEST_F(DocumentationPage, GermanInterfaceBracketsItsOwnDefaults)
{
    m_host.m_iLanguage = LANGUAGE_GERMAN;
    ASSERT_TRUE(m_page.UpdateLanguageTexts());
    EXPECT_EQ(ComboTexts(m_page.m_cbColumnSeparator)[1], "[;]");
    EXPECT_EQ(ComboTexts(m_page.m_cbDecimalSeparator)[0], "[,]");
    CString strLabel;
    m_page.GetDlgItemText(IDC_DOCU_LINE_END_LABEL, strLabel);
    EXPECT_STREQ(strLabel, "Zeilenende:");
}

// A character outside the set is taken out as it is typed; a colon stays in a directory.
TEST_F(DocumentationPage, TypedPrefixAndDirectoryAreFiltered)
{
    m_page.m_edMwPrefix.SetSel(3, 3);
    m_page.m_edMwPrefix.ReplaceSel(".");
    CString strText;
    m_page.m_edMwPrefix.GetWindowText(strText);
    EXPECT_STREQ(strText, "TAB");
    EXPECT_STREQ(m_page.m_strMwPrefix, "TAB");
    m_page.m_edMwPrefix.ReplaceSel("X");
    EXPECT_STREQ(m_page.m_strMwPrefix, "TABX");
    CEdit& dir = m_page.m_browseMw.GetEdit();
    dir.SetWindowText("D");
    dir.SetSel(1, 1);
    dir.ReplaceSel(":");
    EXPECT_STREQ(m_page.m_strMwTargetDirectory, "D:");
    dir.ReplaceSel("*");
    EXPECT_STREQ(m_page.m_strMwTargetDirectory, "D:");
}

TEST_F(DocumentationPage, UncertaintyOptionFollowsTheSensor)
{
    m_page.m_psDocumentation->bMwUncertainty = 1;
    m_page.EnableUncertaintyOption(0, 0);
    EXPECT_EQ(m_page.m_psDocumentation->bMwUncertainty, 0);
    EXPECT_FALSE(m_page.m_chkOption[2].IsWindowEnabled());
    m_page.EnableUncertaintyOption(1, 0);
    EXPECT_EQ(m_page.m_psDocumentation->bMwUncertainty, 0);
    m_page.EnableUncertaintyOption(1, 1);
    EXPECT_EQ(m_page.m_psDocumentation->bMwUncertainty, 1) << "the choice comes back";
    EXPECT_TRUE(m_page.m_chkOption[2].IsChecked());
    EXPECT_TRUE(m_page.m_chkOption[2].IsWindowEnabled());
}

TEST_F(DocumentationPage, LeavingIsRefusedForIncompleteStorageOrEqualSeparators)
{
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(m_page.CheckAutoStorageSettings());
    m_page.m_psDocumentation->sAutoStorageMW.iSelected = 2;
    m_page.m_strMwTargetDirectory.Empty();
    m_page.UpdateStorageSummary();
    EXPECT_EQ(m_page.m_iStorageSummary, 0);
    EXPECT_FALSE(m_page.CheckAutoStorageSettings());
    m_page.m_strMwTargetDirectory = "C:\\x";
    m_page.m_psDocumentation->iColumnSeparator = 3;
    EXPECT_FALSE(m_page.CheckAutoStorageSettings());
    ASSERT_EQ(boxes.Calls().size(), 2u);
    CString strIncomplete, strSeparators;
    strIncomplete.LoadString(IDS_STORAGE_SETTINGS_INCOMPLETE + LANGUAGE_ENGLISH);
    strSeparators.LoadString(IDS_DOCU_SEPARATORS_EQUAL + LANGUAGE_ENGLISH);
    EXPECT_STREQ(boxes.Calls()[0].strText, strIncomplete);
    EXPECT_STREQ(boxes.Calls()[1].strText, strSeparators);
    EXPECT_EQ(boxes.Calls()[0].nType & MB_ICONEXCLAMATION, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(DocumentationPage, FileNamesHeaderLinesAndEndText)
{
    tm tmStamp = {};
    tmStamp.tm_year = 2014 - 1900;
    tmStamp.tm_mon = 1;
    tmStamp.tm_mday = 5;
    tmStamp.tm_hour = 9;
    tmStamp.tm_min = 3;
    tmStamp.tm_sec = 7;
    tmStamp.tm_isdst = -1;
    m_clock.m_tNow = _mktime64(&tmStamp);
    m_page.m_strMwTargetDirectory = "Z:\\nowhere";
    m_page.m_strDmTargetDirectory = "Z:\\dgm";
    m_page.BuildFileNames(0);
    EXPECT_STREQ(m_page.m_strMwFileName, "Z:\\nowhere\\TAB201402050903070000");
    EXPECT_STREQ(m_page.m_strMwPathPrefix, "Z:\\nowhere\\TAB");
    EXPECT_STREQ(m_page.m_strDmFileName, "Z:\\dgm\\DGM201402050903070000");
    m_clock.m_tNow += 60;
    m_page.BuildFileNames(1);
    EXPECT_STREQ(m_page.m_strDmFileName, "Z:\\dgm\\DGM201402050903070000") << "mode 1 keeps the stamp";

    CString strLines;
    m_page.BuildIoNioHeaderLines(strLines, LANGUAGE_ENGLISH);
    EXPECT_STREQ(strLines, "Date,Time,Test 1,,,Test 2,,,Common,\r\n"
                           "(Stop - Event),,Maximum Value,Unit,IO/NIO,Maximum Value,Unit,IO/NIO,IO/NIO,\r\n");
    CString strColumns;
    m_page.BuildColumnHeaderLine(strColumns, LANGUAGE_ENGLISH);
    EXPECT_STREQ(strColumns, "#,\r\n") << "no measurement settings: no value column";

    m_page.m_tMeasureStart = m_clock.m_tNow;
    m_page.Documentation_SetStopTime(m_clock.m_tNow + 3725);
    EXPECT_STREQ(m_page.BuildEndOfStorageText(),
                 "\r\n\r\nStop (Date Time Duration):,02/05/2014,10:06:12 AM,(01:02:05)\r\n\r\n\r\n");
    m_page.m_psDocumentation->bMwDateTime = 0;
    EXPECT_STREQ(m_page.BuildEndOfStorageText(), "");
}

// The header of each file kind: the column part, and the values header kept for a manual save.
TEST_F(DocumentationPage, HeaderKinds)
{
    const CString strValues = m_page.BuildHeaderText(CDlgDocumentation::FILE_KIND_VALUES);
    EXPECT_EQ(std::string(strValues.GetString()).rfind("#,\r\n"), strValues.GetLength() - 4u);
    EXPECT_STREQ(m_page.m_strHeaderText, strValues);
    EXPECT_EQ(m_page.m_tMeasureStart, m_clock.m_tNow);
    const CString strResults = m_page.BuildHeaderText(CDlgDocumentation::FILE_KIND_RESULTS);
    EXPECT_NE(std::string(strResults.GetString()).find("(Stop - Event)"), std::string::npos);
    EXPECT_STREQ(m_page.m_strHeaderText, strValues) << "kind 1 leaves the values header";
    const CString strPlain = m_page.BuildHeaderText(2);
    EXPECT_EQ(std::string(strPlain.GetString()).find("#,"), std::string::npos);
    EXPECT_EQ(std::string(strPlain.GetString()).find("(Stop - Event)"), std::string::npos);
}
} // namespace
