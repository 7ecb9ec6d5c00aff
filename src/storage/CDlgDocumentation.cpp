// The documentation page's settings, controls and handlers; the output building blocks are in
// CDlgDocumentationFiles.cpp.
#include "storage/CDlgDocumentation.h"

#include "framework/CWinApp.h"
#include "framework/CDataExchange.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/CEditInputAdapter.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CPipelineClock.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_storage.h"
#include "controls/ControlTexts.h"
#include "measurement/MeasurementTexts.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"
#include "shell/CPageHost.h"
#include "shell/CStoredRecord.h"
#include "shell/ShellMessages.h"
#include "storage/CDlgSaveMwMessage.h"
#include "storage/CDocumentationRules.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDlgDocumentation, CModePage)

namespace
{
const UINT s_nBrowseNotify = CPathBrowseCtrl::GetBrowseNotifyMessage();
const char* const DIRECTORY_CHARS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_ \\:";
const char* const PREFIX_CHARS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_ ";
const char* const NOT_AVAILABLE = "n.a.";
constexpr int MIN_VIEW_WIDTH = 445;
constexpr int MIN_VIEW_HEIGHT = 471;
constexpr int MIN_GROUP_WIDTH = 426;
constexpr int MIN_GROUP_HEIGHT = 456;
// Style bits of the directory browse controls, and the folder-dialog flags BIF_UAHINT, BIF_NEWDIALOGSTYLE.
constexpr DWORD BROWSE_STYLE_ON = 0x02 | 0x04 | 0x20 | 0x40 | 0x80;
constexpr DWORD BROWSE_STYLE_OFF = 0x08 | 0x10;
constexpr UINT BROWSE_FOLDER_FLAGS = 0x100 | 0x40;

struct Caption
{
    int iCtrlId;
    int iStringId;
    bool bLabel;
};
const Caption CAPTIONS[] = {
    {IDC_DOCU_GROUP, IDS_TREE_DOCUMENTATION, false},
    {IDC_DOCU_MW_GROUP, IDS_DOCU_OUTPUT_VALUES, false},
    {IDC_DOCU_IONIO_GROUP, IDS_DOCU_OUTPUT_IONIO, false},
    {IDC_DOCU_DM_GROUP, IDS_DOCU_OUTPUT_DIAGRAM, false},
    {IDC_DOCU_INFO_GROUP, IDS_DOCU_ADDITIONAL_INFO, false},
    {IDC_DOCU_HEADLINE_GROUP, IDS_DOCU_HEADLINE, false},
    {IDC_DOCU_ADDRESS_GROUP, IDS_COLUMN_ADDRESS, false},
    {IDC_DOCU_COMMENT_GROUP, IDS_DOCU_COMMENT, false},
    {IDC_DOCU_UNCERTAINTY_GROUP, IDS_DOCU_UNCERTAINTY, false},
    {IDC_DOCU_MW_CHECK_GROUP, IDS_DOCU_SHOW_HIDE, false},
    {IDC_DOCU_DM_CHECK_GROUP, IDS_DOCU_SHOW_HIDE, false},
    {IDC_DOCU_LINE_END_LABEL, IDS_DOCU_LINE_END, true},
    {IDC_DOCU_COLUMN_SEP_LABEL, IDS_DOCU_COLUMN_SEPARATOR, true},
    {IDC_DOCU_DECIMAL_SEP_LABEL, IDS_DOCU_DECIMAL_SEPARATOR, true},
    {IDC_DOCU_MW_DIR_LABEL, IDS_DOCU_TARGET_DIRECTORY, true},
    {IDC_DOCU_IONIO_DIR_LABEL, IDS_DOCU_TARGET_DIRECTORY, true},
    {IDC_DOCU_DM_DIR_LABEL, IDS_DOCU_TARGET_DIRECTORY, true},
    {IDC_DOCU_MW_PREFIX_LABEL, IDS_DOCU_PREFIX, true},
    {IDC_DOCU_IONIO_PREFIX_LABEL, IDS_DOCU_PREFIX, true},
    {IDC_DOCU_DM_PREFIX_LABEL, IDS_DOCU_PREFIX, true},
    {IDC_DOCU_MW_AUTO_LABEL, IDS_DOCU_AUTO_STORAGE, true},
    {IDC_DOCU_IONIO_AUTO_LABEL, IDS_DOCU_AUTO_STORAGE, true},
    {IDC_DOCU_DM_AUTO_LABEL, IDS_DOCU_AUTO_STORAGE, true},
    {IDC_DOCU_DM_SIZE_LABEL, IDS_DOCU_SIZE, true},
    {IDC_DOCU_MW_HEADLINE, IDS_DOCU_HEADLINE, false},
    {IDC_DOCU_MW_ADDRESS, IDS_COLUMN_ADDRESS, false},
    {IDC_DOCU_MW_UNCERTAINTY, IDS_DOCU_UNCERTAINTY, false},
    {IDC_DOCU_MW_COMMENT, IDS_DOCU_COMMENT, false},
    {IDC_DOCU_MW_DATE_TIME, IDS_DOCU_DATE_TIME, false},
    {IDC_DOCU_MW_UNIT, IDS_DOCU_PHYSICAL_UNIT, false},
    {IDC_DOCU_DM_HEADLINE, IDS_DOCU_HEADLINE, false},
    {IDC_DOCU_DM_ADDRESS, IDS_COLUMN_ADDRESS, false},
    {IDC_DOCU_DM_UNCERTAINTY, IDS_DOCU_UNCERTAINTY, false},
    {IDC_DOCU_DM_COMMENT, IDS_DOCU_COMMENT, false},
};
const int OPTION_IDS[10] = {IDC_DOCU_MW_HEADLINE, IDC_DOCU_MW_ADDRESS,   IDC_DOCU_MW_UNCERTAINTY,
                            IDC_DOCU_MW_COMMENT,  IDC_DOCU_MW_DATE_TIME, IDC_DOCU_MW_UNIT,
                            IDC_DOCU_DM_HEADLINE, IDC_DOCU_DM_ADDRESS,   IDC_DOCU_DM_UNCERTAINTY,
                            IDC_DOCU_DM_COMMENT};
constexpr int OPTION_MW_UNCERTAINTY = 2;
const int LINE_END_TEXTS[] = {IDS_DOCU_CRLF, IDS_DOCU_LFCR, IDS_DOCU_CR, IDS_DOCU_LF};
const int COLUMN_TEXTS[] = {IDS_DOCU_TAB, IDS_DOCU_SEMICOLON, IDS_DOCU_COMMA, IDS_DOCU_POINT, IDS_DOCU_SPACE};
const int DECIMAL_TEXTS[] = {IDS_DOCU_COMMA, IDS_DOCU_POINT};
const int STORAGE_TEXTS_LIST[] = {IDS_DOCU_STORAGE_NONE, IDS_DOCU_STORAGE_ONE_FILE,
                                  IDS_DOCU_STORAGE_OWN_INDEX};
const int DIAGRAM_TEXTS[] = {IDS_DOCU_STORAGE_NONE, IDS_DOCU_DIAGRAM_INDEXED, IDS_DOCU_DIAGRAM_SAME_NAME};
const int SIZE_TEXTS[] = {IDS_DOCU_SIZE_MAX, IDS_DOCU_SIZE_NORMAL, IDS_DOCU_SIZE_MIN, IDS_DOCU_SIZE_WINDOW};
} // namespace

BEGIN_MESSAGE_MAP(CDlgDocumentation, CModePage)
ON_WM_PAINT()
ON_WM_SHOWWINDOW()
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_LINE_END, IDC_DOCU_LINE_END, OnSelChangeCombo)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_COLUMN_SEP, IDC_DOCU_DECIMAL_SEP, OnSelChangeCombo)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_MW_AUTO, IDC_DOCU_MW_AUTO, OnSelChangeCombo)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_IONIO_AUTO, IDC_DOCU_IONIO_AUTO, OnSelChangeCombo)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_DM_AUTO, IDC_DOCU_DM_AUTO, OnSelChangeCombo)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCU_DM_SIZE, IDC_DOCU_DM_SIZE, OnSelChangeCombo)
ON_CONTROL_RANGE(BN_CLICKED, IDC_DOCU_MW_HEADLINE, IDC_DOCU_MW_UNIT, OnClickOption)
ON_CONTROL_RANGE(BN_CLICKED, IDC_DOCU_DM_HEADLINE, IDC_DOCU_DM_COMMENT, OnClickOption)
ON_CONTROL_RANGE(EN_CHANGE, IDC_DOCU_MW_PREFIX, IDC_DOCU_MW_PREFIX, OnChangePrefix)
ON_CONTROL_RANGE(EN_CHANGE, IDC_DOCU_IONIO_PREFIX, IDC_DOCU_IONIO_PREFIX, OnChangePrefix)
ON_CONTROL_RANGE(EN_CHANGE, IDC_DOCU_DM_PREFIX, IDC_DOCU_DM_PREFIX, OnChangePrefix)
ON_CONTROL_RANGE(EN_CHANGE, IDC_DOCU_HEADLINE, IDC_DOCU_COMMENT, OnChangeHeaderText)
ON_BN_CLICKED(IDC_DOCU_DEFAULT_BUTTON, OnDefaultButton)
ON_REGISTERED_MESSAGE(s_nBrowseNotify, OnBrowseNotify)
END_MESSAGE_MAP()

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
    : CModePage(IDD_DLG_DOCUMENTATION, pParent), m_psDocumentation(std::make_unique<DocumentationStruct>()),
      m_pClock(&CPipelineClock::System())
{
    std::memset(m_psDocumentation.get(), 0, sizeof(DocumentationStruct));
}

CDlgDocumentation::~CDlgDocumentation() = default;

void CDlgDocumentation::SetClock(CPipelineClock* pClock)
{
    m_pClock = pClock ? pClock : &CPipelineClock::System();
}

void CDlgDocumentation::DoDataExchange(CDataExchange* pDX)
{
    CModePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOCU_LINE_END, m_cbLineEnd);
    DDX_Control(pDX, IDC_DOCU_COLUMN_SEP, m_cbColumnSeparator);
    DDX_Control(pDX, IDC_DOCU_DECIMAL_SEP, m_cbDecimalSeparator);
    DDX_Control(pDX, IDC_DOCU_MW_AUTO, m_cbAutoMw);
    DDX_Control(pDX, IDC_DOCU_IONIO_AUTO, m_cbAutoIoNio);
    DDX_Control(pDX, IDC_DOCU_DM_AUTO, m_cbAutoDm);
    DDX_Control(pDX, IDC_DOCU_DM_SIZE, m_cbDiagramSize);
    DDX_Control(pDX, IDC_DOCU_MW_DIR, m_browseMw);
    DDX_Control(pDX, IDC_DOCU_IONIO_DIR, m_browseIoNio);
    DDX_Control(pDX, IDC_DOCU_DM_DIR, m_browseDm);
    DDX_Control(pDX, IDC_DOCU_MW_PREFIX, m_edMwPrefix);
    DDX_Control(pDX, IDC_DOCU_IONIO_PREFIX, m_edIoNioPrefix);
    DDX_Control(pDX, IDC_DOCU_DM_PREFIX, m_edDmPrefix);
    DDX_Control(pDX, IDC_DOCU_HEADLINE, m_edHeadline);
    DDX_Control(pDX, IDC_DOCU_ADDRESS, m_edAddress);
    DDX_Control(pDX, IDC_DOCU_COMMENT, m_edComment);
    for (int i = 0; i < 10; ++i)
        DDX_Control(pDX, OPTION_IDS[i], m_chkOption[i]);
}

BOOL CDlgDocumentation::OnInitDialog()
{
    CModePage::OnInitDialog();
    if (m_bFirstInit)
        LoadSettings();
    return TRUE;
}

void CDlgDocumentation::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachDocumentation(bAttach ? this : nullptr);
}

// ---- Settings ------------------------------------------------------------------------------------------

// The stored texts are taken only with the stored record.
bool CDlgDocumentation::LoadSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && CStoredRecord::Load(GetPageHost(), "DocumentationStruct", m_psDocumentation.get(),
                                    sizeof(DocumentationStruct)))
    {
        for (const StoredText& text : s_storedTexts)
            this->*text.pMember = pApp->GetProfileString("DespiteReset", text.pszValue, NOT_AVAILABLE);
    }
    else
    {
        SetDefaultSettings();
        SetDefaultTexts();
    }
    if (GetSafeHwnd())
    {
        for (CEdit* pEdit : {&m_edMwPrefix, &m_edIoNioPrefix, &m_edDmPrefix, &m_edAddress, &m_edComment})
            pEdit->SetLimitText(pEdit == &m_edAddress || pEdit == &m_edComment ? 200 : 100);
        m_edHeadline.SetLimitText(60);
        m_browseMw.SetNotifyCode(NOTIFY_MW_DIRECTORY);
        m_browseIoNio.SetNotifyCode(NOTIFY_IONIO_DIRECTORY);
        m_browseDm.SetNotifyCode(NOTIFY_DM_DIRECTORY);
    }
    UpdateStorageSummary();
    m_bFirstInit = false;
    return true;
}

bool CDlgDocumentation::SetDefaultSettings()
{
    DocumentationStruct& rec = *m_psDocumentation;
    int iLocaleDecimal = -2;
    int iLocaleColumn = -2;
    if (CPageHost* pHost = GetPageHost())
    {
        const EnvRegStruct& env = pHost->GetEnvironment().m_sEnvReg;
        iLocaleDecimal = env.iIdOfDecSep;
        iLocaleColumn = env.iIdOfColSep;
    }
    rec.iLineEnd = 0;
    CDocumentationRules::DefaultSeparators(GetLanguageOffset(), iLocaleDecimal, iLocaleColumn,
                                           rec.iColumnSeparator, rec.iDecimalSeparator);
    rec.sAutoStorageMW.iSelected = CDocumentationRules::DOCU_STORAGE_NONE;
    rec.sAutoStorageMW.bShowNote = 1;
    rec.sAutoStorageIONIO.iSelected = CDocumentationRules::DOCU_STORAGE_NONE;
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
    if (GetSafeHwnd() == nullptr)
        return TRUE;
    const int iLanguage = GetLanguageOffset();
    const BOOL bAll = SetCaptions(iLanguage);
    ConfigureBrowseControl(m_browseMw, m_bInFilter[GUARD_MW_DIRECTORY], iLanguage);
    ConfigureBrowseControl(m_browseIoNio, m_bInFilter[GUARD_IONIO_DIRECTORY], iLanguage);
    ConfigureBrowseControl(m_browseDm, m_bInFilter[GUARD_DM_DIRECTORY], iLanguage);
    FillCombos(iLanguage);
    RefreshCheckBoxes();
    RefreshTextFields();
    return bAll;
}

BOOL CDlgDocumentation::SetCaptions(int iLanguage)
{
    BOOL bAll = TRUE;
    for (const Caption& caption : CAPTIONS)
    {
        CString strText;
        if (!strText.LoadString(static_cast<UINT>(caption.iStringId + iLanguage)))
        {
            strText = NOT_AVAILABLE;
            bAll = FALSE;
        }
        else if (caption.bLabel)
            strText += ":";
        SetDlgItemText(caption.iCtrlId, strText);
    }
    return bAll;
}

void CDlgDocumentation::ConfigureBrowseControl(CPathBrowseCtrl& browse, BYTE& bGuard, int iLanguage)
{
    if (browse.GetSafeHwnd() == nullptr)
        return;
    bGuard = 1;
    browse.SetStyleBits((browse.GetStyleBits() | BROWSE_STYLE_ON) & ~BROWSE_STYLE_OFF);
    browse.SetFolderDialogFlags(browse.GetFolderDialogFlags() | BROWSE_FOLDER_FLAGS);
    CString strText;
    strText.LoadString(static_cast<UINT>(IDS_BROWSE_TIP + iLanguage));
    browse.SetButtonTip(strText);
    strText.LoadString(static_cast<UINT>(IDS_BROWSE_PROMPT + iLanguage));
    browse.SetFolderPrompt(strText);
    strText.LoadString(static_cast<UINT>(IDS_BROWSE_TITLE + iLanguage));
    browse.SetFileDialogTitle(strText);
    bGuard = 0;
}

void CDlgDocumentation::FillCombos(int iLanguage)
{
    DocumentationStruct& rec = *m_psDocumentation;
    const bool bEnglish = iLanguage == LANGUAGE_ENGLISH;
    FillCombo(m_cbLineEnd, LINE_END_TEXTS, 4, 0, 0, rec.iLineEnd, iLanguage);
    FillCombo(m_cbColumnSeparator, COLUMN_TEXTS, 5, 0,
              bEnglish ? CDocumentationRules::COLUMN_COMMA : CDocumentationRules::COLUMN_SEMICOLON,
              rec.iColumnSeparator, iLanguage);
    FillCombo(m_cbDecimalSeparator, DECIMAL_TEXTS, 2, 0,
              bEnglish ? CDocumentationRules::DECIMAL_POINT : CDocumentationRules::DECIMAL_COMMA,
              rec.iDecimalSeparator, iLanguage);
    FillCombo(m_cbAutoMw, STORAGE_TEXTS_LIST, 3, 0, -1, rec.sAutoStorageMW.iSelected, iLanguage);
    FillCombo(m_cbAutoIoNio, STORAGE_TEXTS_LIST, 3, 0, -1, rec.sAutoStorageIONIO.iSelected, iLanguage);
    FillCombo(m_cbAutoDm, DIAGRAM_TEXTS, 3, 0, -1, rec.sAutoStorageDM.iSelected, iLanguage);
    // "max" needs a second monitor.
    const bool bOneMonitor = CEnvironment::GetNumberOfMonitors() <= 1;
    if (bOneMonitor && rec.iDiagramSize == 0)
        rec.iDiagramSize = 1;
    FillCombo(m_cbDiagramSize, SIZE_TEXTS, 4, bOneMonitor ? 1 : 0, -1, rec.iDiagramSize, iLanguage);
}

void CDlgDocumentation::FillCombo(CKombiBox& combo, const int* piStringIds, int nCount, int iFirst,
                                  int iDefault, int32_t& iValue, int iLanguage)
{
    if (combo.GetSafeHwnd() == nullptr)
        return;
    combo.ResetContent();
    for (int i = iFirst; i < nCount; ++i)
    {
        CString strText;
        strText.LoadString(static_cast<UINT>(piStringIds[i] + iLanguage));
        if (i == iDefault)
            strText = "[" + strText + "]";
        combo.AddItem(strText, static_cast<DWORD_PTR>(i));
    }
    combo.SetCurSel(combo.FindItemData(static_cast<DWORD_PTR>(iValue)));
}

BYTE* CDlgDocumentation::OptionByte(int iIndex) const
{
    DocumentationStruct& rec = *m_psDocumentation;
    BYTE* const apbOption[10] = {&rec.bMwHeadline,    &rec.bMwAddress, &rec.bMwUncertainty, &rec.bMwComment,
                                 &rec.bMwDateTime,    &rec.bMwUnit,    &rec.bDmHeadline,    &rec.bDmAddress,
                                 &rec.bDmUncertainty, &rec.bDmComment};
    return apbOption[iIndex];
}

void CDlgDocumentation::RefreshCheckBoxes()
{
    for (int i = 0; i < 10; ++i)
    {
        CCheckBox& box = m_chkOption[i];
        const bool bChecked = *OptionByte(i) != 0;
        if (box.GetSafeHwnd() && box.IsChecked() != bChecked)
            box.SetChecked(bChecked);
    }
}

void CDlgDocumentation::RefreshTextFields()
{
    const struct
    {
        CEdit* pEdit;
        const CString* pstrText;
        int iGuard;
    } edits[] = {{&m_edMwPrefix, &m_strMwPrefix, GUARD_MW_PREFIX},
                 {&m_edIoNioPrefix, &m_strIoNioPrefix, GUARD_IONIO_PREFIX},
                 {&m_edDmPrefix, &m_strDmPrefix, GUARD_DM_PREFIX},
                 {&m_edHeadline, &m_strHeadline, -1},
                 {&m_edAddress, &m_strAddress, -1},
                 {&m_edComment, &m_strComment, -1}};
    for (const auto& edit : edits)
    {
        if (edit.iGuard >= 0)
            m_bInFilter[edit.iGuard] = 1;
        // The copy: the edit's change handler writes the member while it is read.
        const CString strText = *edit.pstrText;
        edit.pEdit->SetWindowText(strText);
        if (edit.iGuard >= 0)
            m_bInFilter[edit.iGuard] = 0;
    }
    CPathBrowseCtrl* const apBrowse[3] = {&m_browseMw, &m_browseIoNio, &m_browseDm};
    const CString* const apstrDirectory[3] = {&m_strMwTargetDirectory, &m_strIoNioTargetDirectory,
                                              &m_strDmTargetDirectory};
    const int aiGuard[3] = {GUARD_MW_DIRECTORY, GUARD_IONIO_DIRECTORY, GUARD_DM_DIRECTORY};
    for (int i = 0; i < 3; ++i)
    {
        if (*apstrDirectory[i] == m_strDirectoryShown[i] || apBrowse[i]->GetSafeHwnd() == nullptr)
            continue;
        m_strDirectoryShown[i] = *apstrDirectory[i];
        m_bInFilter[aiGuard[i]] = 1;
        apBrowse[i]->SetPathText(m_strDirectoryShown[i]);
        m_bInFilter[aiGuard[i]] = 0;
    }
}

// ---- Handlers ------------------------------------------------------------------------------------------

void CDlgDocumentation::OnPaint()
{
    CModePage::OnPaint();
    CPageHost* pHost = GetPageHost();
    if (pHost != nullptr && !pHost->IsInitPending() && IsWindowVisible())
        LayoutPage();
}

void CDlgDocumentation::LayoutPage()
{
    CSize sizeView;
    if (!FillView(sizeView))
        return;
    PlaceControl(
        IDC_DOCU_GROUP,
        CRect(CPoint(10, 5), CSize(sizeView.cx < MIN_VIEW_WIDTH ? MIN_GROUP_WIDTH : sizeView.cx - 19,
                                   sizeView.cy < MIN_VIEW_HEIGHT ? MIN_GROUP_HEIGHT : sizeView.cy - 15)));
}

// Showing the page ends a running measurement first.
void CDlgDocumentation::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CPageHost* pHost = GetPageHost();
    if (bShow && pHost != nullptr && !pHost->IsInitPending())
    {
        if (CDlgMeasureDiagram* pPanel = Panel())
            pPanel->OnBtnMeasureStop();
    }
    CModePage::OnShowWindow(bShow, nStatus);
}

void CDlgDocumentation::OnSelChangeCombo(UINT nId)
{
    CKombiBox* pCombo = static_cast<CKombiBox*>(GetDlgItem(static_cast<int>(nId)));
    const int iSel = pCombo ? pCombo->GetCurSel() : CB_ERR;
    if (iSel == CB_ERR)
        return;
    const int iValue = static_cast<int>(pCombo->GetItemData(iSel));
    DocumentationStruct& rec = *m_psDocumentation;
    switch (nId)
    {
        case IDC_DOCU_LINE_END:
            rec.iLineEnd = iValue;
            break;
        case IDC_DOCU_COLUMN_SEP:
            rec.iColumnSeparator = iValue;
            break;
        case IDC_DOCU_DECIMAL_SEP:
            rec.iDecimalSeparator = iValue;
            break;
        case IDC_DOCU_DM_SIZE:
            rec.iDiagramSize = iValue;
            break;
        case IDC_DOCU_MW_AUTO:
            OnStorageModeChange(rec.sAutoStorageMW.iSelected, iValue, rec.sAutoStorageMW.bShowNote);
            break;
        case IDC_DOCU_IONIO_AUTO:
            OnStorageModeChange(rec.sAutoStorageIONIO.iSelected, iValue, rec.sAutoStorageIONIO.bShowNote);
            break;
        case IDC_DOCU_DM_AUTO:
            if (rec.sAutoStorageDM.iSelected != iValue)
            {
                if (CDlgMeasureDiagram* pPanel = Panel())
                    pPanel->RefreshCaptionsOnShow();
                rec.sAutoStorageDM.iSelected = iValue;
            }
            break;
        default:
            break;
    }
}

void CDlgDocumentation::OnStorageModeChange(int32_t& iSelected, int iValue, BYTE bShowNote)
{
    if (iSelected == iValue)
        return;
    iSelected = iValue;
    if (CDlgMeasureDiagram* pPanel = Panel())
        pPanel->RefreshCaptionsOnShow();
    if (iValue != CDocumentationRules::DOCU_STORAGE_NONE && bShowNote == 1)
    {
        CDlgSaveMwMessage note(this, this);
        note.DoModal();
    }
    UpdateStorageSummary();
}

void CDlgDocumentation::OnClickOption(UINT nId)
{
    for (int i = 0; i < 10; ++i)
    {
        if (OPTION_IDS[i] == static_cast<int>(nId))
            *OptionByte(i) = m_chkOption[i].IsChecked() ? 1 : 0;
    }
}

void CDlgDocumentation::FilterInput(CEdit& edit, BYTE& bGuard, const char* pszAllowed, CString& strTarget)
{
    if (bGuard || edit.GetSafeHwnd() == nullptr)
        return;
    CEditInputAdapter input(edit);
    strTarget = CMeasureAdjustHelpers::FilterEditText(input, bGuard, pszAllowed, GetLanguageOffset());
}

void CDlgDocumentation::OnChangePrefix(UINT nId)
{
    if (nId == IDC_DOCU_MW_PREFIX)
        FilterInput(m_edMwPrefix, m_bInFilter[GUARD_MW_PREFIX], PREFIX_CHARS, m_strMwPrefix);
    else if (nId == IDC_DOCU_IONIO_PREFIX)
        FilterInput(m_edIoNioPrefix, m_bInFilter[GUARD_IONIO_PREFIX], PREFIX_CHARS, m_strIoNioPrefix);
    else if (nId == IDC_DOCU_DM_PREFIX)
        FilterInput(m_edDmPrefix, m_bInFilter[GUARD_DM_PREFIX], PREFIX_CHARS, m_strDmPrefix);
}

void CDlgDocumentation::OnChangeHeaderText(UINT nId)
{
    if (nId == IDC_DOCU_HEADLINE)
        m_edHeadline.GetWindowText(m_strHeadline);
    else if (nId == IDC_DOCU_ADDRESS)
        m_edAddress.GetWindowText(m_strAddress);
    else if (nId == IDC_DOCU_COMMENT)
        m_edComment.GetWindowText(m_strComment);
}

void CDlgDocumentation::OnBrowseMwDirectory(CEdit*)
{
    FilterInput(m_browseMw.GetEdit(), m_bInFilter[GUARD_MW_DIRECTORY], DIRECTORY_CHARS,
                m_strMwTargetDirectory);
    UpdateStorageSummary();
}

void CDlgDocumentation::OnBrowseIoNioDirectory(CEdit*)
{
    FilterInput(m_browseIoNio.GetEdit(), m_bInFilter[GUARD_IONIO_DIRECTORY], DIRECTORY_CHARS,
                m_strIoNioTargetDirectory);
    UpdateStorageSummary();
}

void CDlgDocumentation::OnBrowseDmDirectory(CEdit*)
{
    FilterInput(m_browseDm.GetEdit(), m_bInFilter[GUARD_DM_DIRECTORY], DIRECTORY_CHARS,
                m_strDmTargetDirectory);
}

void CDlgDocumentation::OnPathBrowseChange(UINT nNotifyCode, CEdit* pEdit)
{
    if (nNotifyCode == NOTIFY_MW_DIRECTORY)
        OnBrowseMwDirectory(pEdit);
    else if (nNotifyCode == NOTIFY_IONIO_DIRECTORY)
        OnBrowseIoNioDirectory(pEdit);
    else if (nNotifyCode == NOTIFY_DM_DIRECTORY)
        OnBrowseDmDirectory(pEdit);
}

LRESULT CDlgDocumentation::OnBrowseNotify(WPARAM, LPARAM lParam)
{
    const auto* pBrowse = reinterpret_cast<const CPathBrowseCtrl*>(lParam);
    if (pBrowse != nullptr)
        OnPathBrowseChange(pBrowse->GetNotifyCode(), nullptr);
    return 0;
}

// ---- Neighbours ----------------------------------------------------------------------------------------

CDlgMeasureAdjust* CDlgDocumentation::AdjustPage() const
{
    CPageHost* pHost = GetPageHost();
    return pHost ? dynamic_cast<CDlgMeasureAdjust*>(
                       pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_ADJUST))
                 : nullptr;
}

CDlgMeasureDiagram* CDlgDocumentation::Panel() const
{
    CPageHost* pHost = GetPageHost();
    return pHost ? dynamic_cast<CDlgMeasureDiagram*>(
                       pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_DIAGRAM))
                 : nullptr;
}
