// The documentation page (mode page 136): the text format of the output files, the automatic storage
// of measured values, pass/fail results and diagrams with their folders and prefixes, the diagram's
// output size and the header options with the headline, address and comment texts. It keeps the
// settings record DocumentationStruct and the nine texts beside it (registry section "DespiteReset";
// the main frame checks and saves them) and gives the writers their building blocks: separators and
// line end, output file names, the file header, the column and result header lines and the
// end-of-storage text. It plays the sensor engine's documentation role (the stop time of a measurement).
// User-interface thread only.
#pragma once

#include "controls/CCheckBox.h"
#include "controls/CKombiBox.h"
#include "controls/CPathBrowseCtrl.h"
#include "controls/CPathBrowseHost.h"
#include "framework/CEdit.h"
#include "framework/CString.h"
#include "protocol/CComPortDocumentationRole.h"
#include "shell/CModePage.h"

#include <memory>

class CDlgMeasureAdjust;
class CDlgMeasureDiagram;
class CPipelineClock;
class CValuePipeline;
struct CsvHeaderSource;
struct DocumentationStruct;

class CDlgDocumentation : public CModePage, public CComPortDocumentationRole, public CPathBrowseHost
{
    DECLARE_DYNAMIC(CDlgDocumentation)

public:
    // Notification codes of the directory browse controls.
    static constexpr UINT NOTIFY_MW_DIRECTORY = 180;
    static constexpr UINT NOTIFY_DM_DIRECTORY = 181;
    static constexpr UINT NOTIFY_IONIO_DIRECTORY = 220;
    // File kinds of BuildHeaderText.
    enum
    {
        FILE_KIND_VALUES = 0,
        FILE_KIND_RESULTS = 1,
    };

    explicit CDlgDocumentation(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgDocumentation() override;

    // ---- Settings
    // The first initialisation: the stored record and texts, or the defaults; returns true.
    bool LoadSettings();
    // The record's defaults; the separators follow the interface language and the Windows locale.
    bool SetDefaultSettings();
    // Directories (the documents folder and "TQ5"), prefixes and empty header texts.
    bool SetDefaultTexts();
    // Captions, combo boxes, check boxes and texts in the interface language; FALSE when a caption's
    // string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }
    // False, after message 5490, when an automatic storage that is switched on lacks its directory or
    // its prefix, and after message 5491 when the column separator is the decimal separator.
    bool CheckAutoStorageSettings();
    // The directory and prefix rule without the message, checked for values, results and diagrams.
    static bool IsAutoStorageComplete(const DocumentationStruct& docu, const CString strDirectories[3],
                                      const CString strPrefixes[3]);
    // The uncertainty box follows the connected sensor: enabled with a valid uncertainty, otherwise
    // disabled and cleared (the operator's choice is kept until a sensor with one comes).
    void EnableUncertaintyOption(BYTE bConnected, BYTE bHasUncertainty);
    void UpdateStorageSummary();
    // Sets sAutoStorageMW.bShowNote; true when it changed.
    bool SetMwNoteFlag(BYTE bFlag);

    // ---- Building blocks of the output files
    CString GetLineEnd() const;
    CString GetColumnSeparator() const;
    char GetDecimalSeparatorChar() const;
    CString ApplyDecimalSeparator(const CString& strNumber) const;
    // 1000 when the files take ".", 0 for ",".
    int GetFileLanguage() const;
    // Mode 0: a new stamp and all three names; mode 1: the diagram name with the last stamp.
    void BuildFileNames(int iMode);
    void BuildColumnHeaderLine(CString& strText, int iLanguageOffset) const;
    void BuildIoNioHeaderLines(CString& strText, int iLanguageOffset) const;
    CString BuildEndOfStorageText();
    // The header block of a measured-value file (0), a result file (1) or without column part (other);
    // kind 0 renews m_strHeaderText.
    CString BuildHeaderText(int iFileKind);
    // The clock of the start time and the file names (the system's by default).
    void SetClock(CPipelineClock* pClock);

    // ---- CComPortDocumentationRole
    void Documentation_SetStopTime(__time64_t tStop) override { m_tMeasureStop = tStop; }

    // ---- CPathBrowseHost
    void OnPathBrowseChange(UINT nNotifyCode, CEdit* pEdit) override;
    void OnBrowseMwDirectory(CEdit* pEdit);
    void OnBrowseIoNioDirectory(CEdit* pEdit);
    void OnBrowseDmDirectory(CEdit* pEdit);

    // ---- Record and texts
    std::unique_ptr<DocumentationStruct> m_psDocumentation;
    CString m_strMwTargetDirectory;
    CString m_strMwPrefix;
    CString m_strIoNioTargetDirectory;
    CString m_strIoNioPrefix;
    CString m_strDmTargetDirectory;
    CString m_strDmPrefix;
    CString m_strHeadline;
    CString m_strAddress;
    CString m_strComment;

    // The nine texts with their registry value names, in storage order.
    struct StoredText
    {
        const char* pszValue;
        CString CDlgDocumentation::*pMember;
    };
    static const StoredText s_storedTexts[9];

    // ---- Measurement and output state
    CString m_strHeaderText;
    __time64_t m_tMeasureStart = 0;
    __time64_t m_tMeasureStop = 0;
    CString m_strEndOfStorageText;
    int m_iStorageSummary = 0;
    __time64_t m_tFileNameStamp = 0;
    CString m_strMwFileName;
    CString m_strIoNioFileName;
    CString m_strDmFileName;
    CString m_strMwPathPrefix;
    CString m_strIoNioPathPrefix;
    CString m_strDmPathPrefix;

    // ---- Controls
    CKombiBox m_cbLineEnd;
    CKombiBox m_cbColumnSeparator;
    CKombiBox m_cbDecimalSeparator;
    CKombiBox m_cbAutoMw;
    CKombiBox m_cbAutoIoNio;
    CKombiBox m_cbAutoDm;
    CKombiBox m_cbDiagramSize;
    CPathBrowseCtrl m_browseMw;
    CPathBrowseCtrl m_browseIoNio;
    CPathBrowseCtrl m_browseDm;
    CEdit m_edMwPrefix;
    CEdit m_edIoNioPrefix;
    CEdit m_edDmPrefix;
    CEdit m_edHeadline;
    CEdit m_edAddress;
    CEdit m_edComment;
    CCheckBox m_chkOption[10];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;

    afx_msg void OnPaint();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSelChangeCombo(UINT nId);
    afx_msg void OnClickOption(UINT nId);
    afx_msg void OnChangePrefix(UINT nId);
    afx_msg void OnChangeHeaderText(UINT nId);
    afx_msg LRESULT OnBrowseNotify(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDefaultButton() {}
    DECLARE_MESSAGE_MAP()

private:
    // Re-entry guards of the six inputs (directory and prefix of values, results, diagrams).
    enum
    {
        GUARD_MW_DIRECTORY,
        GUARD_MW_PREFIX,
        GUARD_IONIO_DIRECTORY,
        GUARD_IONIO_PREFIX,
        GUARD_DM_DIRECTORY,
        GUARD_DM_PREFIX,
        GUARD_COUNT
    };

    void LayoutPage();
    BOOL SetCaptions(int iLanguage);
    void ConfigureBrowseControl(CPathBrowseCtrl& browse, BYTE& bGuard, int iLanguage);
    void FillCombos(int iLanguage);
    void FillCombo(CKombiBox& combo, const int* piStringIds, int nCount, int iFirst, int iDefault,
                   int32_t& iValue, int iLanguage);
    void RefreshCheckBoxes();
    // The prefix, headline, address and comment edits and the directories of the browse controls.
    void RefreshTextFields();
    void OnStorageModeChange(int32_t& iSelected, int iValue, BYTE bShowNote);
    void FilterInput(CEdit& edit, BYTE& bGuard, const char* pszAllowed, CString& strTarget);
    BYTE* OptionByte(int iIndex) const;

    // What the header reads of the live system, gathered at the moment of a build.
    void GatherHeaderSource(CsvHeaderSource& source);
    CDlgMeasureAdjust* AdjustPage() const;
    CDlgMeasureDiagram* Panel() const;
    CValuePipeline* Pipeline() const;

    bool m_bFirstInit = true;
    BYTE m_bInFilter[GUARD_COUNT] = {};
    CString m_strDirectoryShown[3];
    CPipelineClock* m_pClock;
    // The operator's uncertainty choice waits for a sensor with an uncertainty (the page lives for the
    // whole run).
    bool m_bUncertaintySavedPending = false;
};
