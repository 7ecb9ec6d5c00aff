// The main frame's settings in the registry: loaded at creation and in the one-time initialisation,
// saved once when the frame's window is destroyed; "Reset Views" deletes the view state.
#include "app/CMainFrame.h"

#include "framework/CWinApp.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/StoredRecord.h"
#include "ports/CPortManGui.h"
#include "app/TreeCtrlStruct.h"
#include "storage/CDlgDocumentation.h"
#include "storage/DocumentationStruct.h"

namespace
{
const char* const SECTION_DESPITE_RESET = "DespiteReset";
const char* const SECTION_VIEW_STATE = "AllViewState";
const char* const SECTION_CONFIGS = "AllViewState\\Configs";
const char* const SECTION_TREE_STATE = "AllViewState\\Configs\\TreeState";
const char* const SECTION_LANGUAGE = "Language";
const char* const SECTION_COM = "COM Einstellungen";
const char* const BAR_STATE_SECTION = "AllViewState\\BarState\\ViewBar";
const char* const FIRST_TIME_MARKER = "666666176937360451STR_FIRST_TIME_OF_APP_1";
const char* const LIMIT_VALUES[4] = {"IOLowerLimitOfMeasurand_1", "IOUpperLimitOfMeasurand_1",
                                     "IOLowerLimitOfMeasurand_2", "IOUpperLimitOfMeasurand_2"};

CString Indexed(const char* pszName, int i)
{
    CString str;
    str.Format("%s%i", pszName, i);
    return str;
}

template <class T> void WriteRecord(CWinApp* pApp, const char* pszValue, T& record)
{
    pApp->WriteProfileBinary(SECTION_DESPITE_RESET, pszValue, reinterpret_cast<LPBYTE>(&record),
                             sizeof(record));
}
} // namespace

// The row prefix of port-table row k: "%3d_" with blanks as zeros ("000_" to "255_").
CString CMainFrame::PortRowPrefix(int k)
{
    CString str;
    str.Format("%3d_", k);
    str.Replace(' ', '0');
    return str;
}

CString CMainFrame::GetAppRegistryPath(LPCSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    return "Software\\" + pApp->m_strRegistryKey + "\\" + pApp->m_strProfileName + "\\" + lpszSection;
}

// ---- Loading --------------------------------------------------------------------------------------------

bool CMainFrame::LoadSettingsPrepare()
{
    SetDecimalSeparatorIds(0, 1);
    SetColumnSeparatorIds(0, 1, 2, 3, 4);
    return CollectSystemInfo(AfxGetApp(), GetSafeHwnd()) != FALSE;
}

bool CMainFrame::LoadSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (LoadSettingsPrepare())
        SetLanguage(m_sEnvReg.iSysLanguageOffset);
    else
        SetLanguage(static_cast<int>(
            pApp->GetProfileInt(SECTION_LANGUAGE, "Language", m_sEnvReg.iSysLanguageOffset)));
    m_iWriteLogFile = static_cast<int>(pApp->GetProfileInt(SECTION_LANGUAGE, "WriteLogFile", 1));
    m_iActiveMode = static_cast<int>(pApp->GetProfileInt(SECTION_CONFIGS, "ActivDisplayMenu", m_iActiveMode));
    TreeCtrlStruct& tree = *m_psTreeCtrlStruct;
    for (int i = 0; i < TREE_FOLDER_COUNT; ++i)
        tree.iFolderState[i] =
            static_cast<int>(pApp->GetProfileInt(SECTION_TREE_STATE, Indexed("FolderState_", i), 1));
    for (int j = 0; j < VIEW_BAR_COUNT; ++j)
    {
        tree.iCheckState[j] =
            static_cast<int>(pApp->GetProfileInt(SECTION_TREE_STATE, Indexed("CheckState_", j), 1));
        tree.iPrevCheckStateWasOn[j] =
            static_cast<int>(pApp->GetProfileInt(SECTION_TREE_STATE, Indexed("PrevCheckStateWasOn_", j), 1));
    }
    for (int k = 0; k < PORT_TABLE_SIZE; ++k)
    {
        ComPortStruct& entry = m_sComPort.at(static_cast<size_t>(k));
        const CString strPrefix = PortRowPrefix(k);
        entry.strStoredName = pApp->GetProfileString(SECTION_COM, strPrefix + "Name", "n.a.");
        entry.iStoredSearch = static_cast<int>(pApp->GetProfileInt(SECTION_COM, strPrefix + "Disabled", -11));
    }
    return true;
}

bool CMainFrame::LoadLastConnection()
{
    CWinApp* pApp = AfxGetApp();
    m_strLastUsedComPort = pApp->GetProfileString(SECTION_DESPITE_RESET, "LastUsedComPort", "");
    m_iLastUsedSerialNo = static_cast<int>(pApp->GetProfileInt(SECTION_DESPITE_RESET, "LastUsedSerialNo", 0));
    CDlgMeasureAdjust* pAdjust = m_sPointer.pDlgMeasureAdjust;
    pAdjust->m_bViewUseShowWindow = static_cast<int>(
        pApp->GetProfileInt(SECTION_LANGUAGE, "ViewUseShowWindow", pAdjust->m_bViewUseShowWindow));
    return RestoreWindowPlacement(this, pApp) != 0;
}

// ---- Saving ---------------------------------------------------------------------------------------------

bool CMainFrame::SaveSettings()
{
    CWinApp* pApp = AfxGetApp();
    // Before the one-time initialisation the pages' records are not complete: nothing is saved.
    if (pApp == nullptr || m_bInitPending)
        return false;
    m_sPointer.pDlgMeasureAdjust->m_psMeasureAdjust->StoreCheckSums();
    m_sPointer.pDlgMeasureDiagram->m_psMeasureDgrmStruct->StoreCheckSums();
    StoreRecordCheckSums(*m_sPointer.pDlgDocumentation->m_psDocumentation);
    StoreRecordCheckSums(*m_psTreeCtrlStruct);
    SaveSystemInfo(this, pApp);
    SaveDespiteReset();
    SaveViewState();
    SavePortRows();
    if (m_sEnvReg.bIsRegResetedFromView)
    {
        if (pApp->GetProfileString(SECTION_LANGUAGE, "IsFirstTimeOfApp", "Unklar") == FIRST_TIME_MARKER)
            m_sEnvReg.bIsRegResetedFromView =
                DeleteRegistryTree(HKEY_CURRENT_USER, GetAppRegistryPath(SECTION_LANGUAGE));
        return true;
    }
    CResizableBar::SaveAllSizes(this, BAR_STATE_SECTION);
    SaveBarState(BAR_STATE_SECTION);
    // A window never shown (no sensor found) keeps the placement stored before.
    if (m_bMainWindowShown)
        SaveWindowPlacement(this, pApp);
    return false;
}

void CMainFrame::SaveDespiteReset()
{
    CWinApp* pApp = AfxGetApp();
    CDlgMeasureAdjust& adjust = *m_sPointer.pDlgMeasureAdjust;
    CDlgDocumentation& docu = *m_sPointer.pDlgDocumentation;
    pApp->WriteProfileString(SECTION_DESPITE_RESET, "LastUsedComPort",
                             m_pPort ? m_pPort->GetCurrentDisplayName() : CString());
    pApp->WriteProfileString(SECTION_DESPITE_RESET, "ApplicationVersion", APPLICATION_VERSION);
    if (m_sPointer.pDiagram != nullptr)
        pApp->WriteProfileString(SECTION_DESPITE_RESET, "GrafikklasseVersion",
                                 m_sPointer.pDiagram->m_wndGraph.getVersion());
    pApp->WriteProfileInt(SECTION_DESPITE_RESET, "LastUsedSerialNo", static_cast<int>(m_sSensor.ulSerialNo));
    WriteRecord(pApp, "MeasureAdjustStruct", *adjust.m_psMeasureAdjust);
    WriteRecord(pApp, "MeasureDgrmStruct", *m_sPointer.pDlgMeasureDiagram->m_psMeasureDgrmStruct);
    WriteRecord(pApp, "DocumentationStruct", *docu.m_psDocumentation);
    for (const CDlgDocumentation::StoredText& text : CDlgDocumentation::s_storedTexts)
        pApp->WriteProfileString(SECTION_DESPITE_RESET, text.pszValue, docu.*text.pMember);
    pApp->WriteProfileString(SECTION_DESPITE_RESET, "PartOfMeasureStartAddProg", adjust.m_strStartProgram);
    pApp->WriteProfileString(SECTION_DESPITE_RESET, "PartOfMeasureStopAddProg", adjust.m_strStopProgram);
    for (int i = 0; i < 2; ++i)
    {
        CString strIndex;
        strIndex.Format("%d", adjust.m_iLimitMeasurandIndex[i] >= 0 ? adjust.m_iLimitMeasurandIndex[i] : -1);
        pApp->WriteProfileString(SECTION_DESPITE_RESET, Indexed("IndexOfLimitedMeasurand_", i + 1), strIndex);
    }
    for (int i = 0; i < 4; ++i)
        pApp->WriteProfileString(SECTION_DESPITE_RESET, LIMIT_VALUES[i], adjust.m_strLimitText[i]);
}

void CMainFrame::SaveViewState()
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(SECTION_CONFIGS, "ActivDisplayMenu", m_iActiveMode);
    TreeCtrlStruct& tree = *m_psTreeCtrlStruct;
    pApp->WriteProfileBinary(SECTION_TREE_STATE, "TreeCtrlStruct", reinterpret_cast<LPBYTE>(&tree),
                             sizeof(tree));
    for (int i = 0; i < TREE_FOLDER_COUNT; ++i)
        pApp->WriteProfileInt(SECTION_TREE_STATE, Indexed("FolderState_", i), tree.iFolderState[i]);
    for (int j = 0; j < VIEW_BAR_COUNT; ++j)
    {
        pApp->WriteProfileInt(SECTION_TREE_STATE, Indexed("CheckState_", j), tree.iCheckState[j]);
        pApp->WriteProfileInt(SECTION_TREE_STATE, Indexed("PrevCheckStateWasOn_", j),
                              tree.iPrevCheckStateWasOn[j]);
    }
    pApp->WriteProfileInt(SECTION_LANGUAGE, "Language", m_iLanguageOffset);
    pApp->WriteProfileInt(SECTION_LANGUAGE, "ViewUseShowWindow",
                          m_sPointer.pDlgMeasureAdjust->m_bViewUseShowWindow);
    pApp->WriteProfileInt(SECTION_LANGUAGE, "WriteLogFile", m_iWriteLogFile);
}

// Rows of the port table up to the first free entry; rows stored earlier beyond it stay.
void CMainFrame::SavePortRows()
{
    CWinApp* pApp = AfxGetApp();
    for (int k = 0; k < PORT_TABLE_SIZE; ++k)
    {
        const ComPortStruct& entry = m_sComPort.at(static_cast<size_t>(k));
        if (entry.iTervaneState < 0)
            break;
        const CString strPrefix = PortRowPrefix(k);
        pApp->WriteProfileString(SECTION_COM, strPrefix + "Name", entry.strComPort);
        pApp->WriteProfileInt(SECTION_COM, strPrefix + "Disabled", entry.iSearch);
        pApp->WriteProfileInt(SECTION_COM, strPrefix + "Baudrate", static_cast<int>(entry.lComPortBaudrate));
        pApp->WriteProfileInt(SECTION_COM, strPrefix + "State  ID", entry.iTervaneState);
    }
}

// ---- Reset Views ----------------------------------------------------------------------------------------

int CMainFrame::ResetViewState(LPCSTR lpszSection)
{
    const CString strSection(lpszSection ? lpszSection : "");
    if (strSection == SECTION_VIEW_STATE || strSection == SECTION_LANGUAGE)
    {
        m_sEnvReg.bIsRegResetedFromView =
            DeleteRegistryTree(HKEY_CURRENT_USER, GetAppRegistryPath(strSection)) ? 1 : 0;
        return m_sEnvReg.bIsRegResetedFromView;
    }
    if (m_sEnvReg.bIsRegResetedFromView == 1)
    {
        m_sEnvReg.bIsRegResetedFromView = 0;
        AfxShowMessageBox(GetSafeHwnd(), "Registry was not successfully reseted!!!", AfxGetAppName(), MB_OK);
    }
    return m_sEnvReg.bIsRegResetedFromView;
}
