// The documentation page (mode page 136) with its settings record and texts, which it loads from the
// registry when it is created; the main frame checks and saves them. So far the page shows its
// template and its caption.
#pragma once

#include "shell/CModePage.h"
#include "framework/CString.h"

#include <memory>

struct DocumentationStruct;

class CDlgDocumentation : public CModePage
{
    DECLARE_DYNAMIC(CDlgDocumentation)

public:
    explicit CDlgDocumentation(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgDocumentation() override;

    // The record's defaults; the separators follow the interface language and the Windows locale.
    bool SetDefaultSettings();
    // Directories (the documents folder and "TQ5"), prefixes and empty header texts.
    bool SetDefaultTexts();
    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    // False, after message 5490, when an automatic storage that is switched on lacks its directory or
    // its prefix.
    bool CheckAutoStorageSettings();
    // The same rule without the message, checked for values, results and diagrams in this order.
    static bool IsAutoStorageComplete(const DocumentationStruct& docu, const CString strDirectories[3],
                                      const CString strPrefixes[3]);
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

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

protected:
    BOOL OnInitDialog() override;

private:
    void LoadSettings();
    bool m_bFirstInit = true;
};
