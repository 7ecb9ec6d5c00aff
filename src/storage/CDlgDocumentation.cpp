#include "storage/CDlgDocumentation.h"

#include "framework/CWinApp.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "shell/CEnvironment.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/CStoredRecord.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDlgDocumentation, CModePage)

const CDlgDocumentation::StoredText CDlgDocumentation::s_storedTexts[9] = {
    {"MWTargetDirectory", &CDlgDocumentation::m_strMwTargetDirectory},
    {"MWPrefix", &CDlgDocumentation::m_strMwPrefix},
    {"IONIOTargetDirectory", &CDlgDocumentation::m_strIoNioTargetDirectory},
    {"IONIOPrefix", &CDlgDocumentation::m_strIoNioPrefix},
    {"DMTargetDirectory", &CDlgDocumentation::m_strDmTargetDirectory},
    {"DMPrefix", &CDlgDocumentation::m_strDmPrefix},
    {"Headline", &CDlgDocumentation::m_strHeadline},
    {"Address", &CDlgDocumentation::m_strAddress},
    {"Comment", &CDlgDocumentation::m_strComment}};

CDlgDocumentation::CDlgDocumentation(CWnd* pParent, void*)
    : CModePage(IDD_DLG_DOCUMENTATION, pParent), m_psDocumentation(std::make_unique<DocumentationStruct>())
{
    std::memset(m_psDocumentation.get(), 0, sizeof(DocumentationStruct));
}

CDlgDocumentation::~CDlgDocumentation() = default;

BOOL CDlgDocumentation::OnInitDialog()
{
    CModePage::OnInitDialog();
    if (m_bFirstInit)
    {
        LoadSettings();
        m_bFirstInit = false;
    }
    return TRUE;
}

// The stored texts are taken with the stored record.
void CDlgDocumentation::LoadSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && CStoredRecord::Load(GetPageHost(), "DocumentationStruct", m_psDocumentation.get(),
                                    sizeof(DocumentationStruct)))
    {
        for (const StoredText& text : s_storedTexts)
            this->*text.pMember = pApp->GetProfileString("DespiteReset", text.pszValue, "n.a.");
        return;
    }
    SetDefaultSettings();
    SetDefaultTexts();
}

bool CDlgDocumentation::SetDefaultSettings()
{
    DocumentationStruct& rec = *m_psDocumentation;
    const int iLanguage = GetLanguageOffset();
    rec.iLineEnd = 0;
    rec.iColumnSeparator = iLanguage == LANGUAGE_ENGLISH ? 2 : 1;
    rec.iDecimalSeparator = iLanguage == LANGUAGE_ENGLISH ? 1 : 0;
    if (CPageHost* pHost = GetPageHost())
    {
        const EnvRegStruct& env = pHost->GetEnvironment().m_sEnvReg;
        if (env.iIdOfDecSep == 0 || env.iIdOfDecSep == 1)
            rec.iDecimalSeparator = env.iIdOfDecSep;
        if (env.iIdOfColSep >= 0 && env.iIdOfColSep <= 4)
            rec.iColumnSeparator = env.iIdOfColSep;
    }
    rec.sAutoStorageMW.iSelected = 0;
    rec.sAutoStorageMW.bShowNote = 1;
    rec.sAutoStorageIONIO.iSelected = 0;
    rec.sAutoStorageIONIO.bShowNote = 1;
    rec.sAutoStorageDM.iSelected = 0;
    rec.iDiagramSize = 1;
    rec.bMwHeadline = rec.bMwAddress = rec.bMwUncertainty = rec.bMwUncertaintySaved = rec.bMwComment = 0;
    rec.bMwDateTime = 1;
    rec.bMwUnit = 1;
    rec.bDmHeadline = rec.bDmAddress = rec.bDmUncertainty = rec.bDmComment = 0;
    return true;
}

bool CDlgDocumentation::SetDefaultTexts()
{
    CString strDocuments;
    if (CPageHost* pHost = GetPageHost())
        strDocuments = pHost->GetEnvironment().m_strPathUserNameOwnFiles;
    const CString strDirectory = strDocuments + "\\TQ5";
    m_strMwTargetDirectory = m_strIoNioTargetDirectory = m_strDmTargetDirectory = strDirectory;
    m_strMwPrefix = "TAB";
    m_strIoNioPrefix = "ERG";
    m_strDmPrefix = "DGM";
    m_strHeadline.Empty();
    m_strAddress.Empty();
    m_strComment.Empty();
    return true;
}

BOOL CDlgDocumentation::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_DOCUMENTATION, GetLanguageOffset());
}

bool CDlgDocumentation::IsAutoStorageComplete(const DocumentationStruct& docu,
                                              const CString strDirectories[3], const CString strPrefixes[3])
{
    const int32_t aiSelected[3] = {docu.sAutoStorageMW.iSelected, docu.sAutoStorageIONIO.iSelected,
                                   docu.sAutoStorageDM.iSelected};
    for (int i = 0; i < 3; ++i)
    {
        if (aiSelected[i] != 0 && (strDirectories[i].IsEmpty() || strPrefixes[i].IsEmpty()))
            return false;
    }
    return true;
}

bool CDlgDocumentation::CheckAutoStorageSettings()
{
    const CString strDirectories[3] = {m_strMwTargetDirectory, m_strIoNioTargetDirectory,
                                       m_strDmTargetDirectory};
    const CString strPrefixes[3] = {m_strMwPrefix, m_strIoNioPrefix, m_strDmPrefix};
    if (IsAutoStorageComplete(*m_psDocumentation, strDirectories, strPrefixes))
        return true;
    CString strMessage;
    strMessage.LoadString(IDS_STORAGE_SETTINGS_INCOMPLETE + static_cast<UINT>(GetLanguageOffset()));
    AfxMessageBox(strMessage, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
