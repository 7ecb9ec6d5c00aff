#include "shell/CDlgAdvice.h"

#include "framework/AfxShellOpen.h"
#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "protocol/Language.h"
#include "resources/resource.h"

#include <iterator>

BEGIN_MESSAGE_MAP(CDlgAdvice, CDialog)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_ADVICE_WEB, OnClickWebLink)
ON_BN_CLICKED(IDC_ADVICE_MAIL, OnClickMailLink)
END_MESSAGE_MAP()

namespace
{
const COLORREF TITLE_COLOR = 0x0000FF;
const COLORREF LINK_COLOR = 0xC80000;
const COLORREF TEXT_COLOR = 0;
const char* const NOT_AVAILABLE = "n.a.";

// One piece of the licence text: the title, a section heading, a body line, the break between two
// paragraphs or between two sections.
enum class Piece
{
    Title,
    Heading,
    Line,
    Paragraph,
    Section
};
struct NotePiece
{
    Piece kind;
    const char* pszText;
};

const NotePiece NOTE_GERMAN[] = {
    {Piece::Title, "Lizenzbedingungen"},
    {Piece::Heading, "1.\tBegriffe"},
    {Piece::Line, "  \tLizenznehmer ist der Kunde, der die Software erworben hat."},
    {Piece::Line, "  \tLizenzgeber ist die Tervane GmbH, Industriestraße 12, 70000 Musterstadt."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tSoftware ist das Messprogramm mit seiner Dokumentation."},
    {Piece::Section, nullptr},
    {Piece::Heading, "2.\tEigentum"},
    {Piece::Line, "  \tDie Software und alle Kopien bleiben Eigentum des Lizenzgebers."},
    {Piece::Line, "  \tUrheber- und Schutzrechte bleiben unberührt."},
    {Piece::Section, nullptr},
    {Piece::Heading, "3.\tLizenz"},
    {Piece::Line, "  \tDer Lizenznehmer darf die Software auf den Rechnern seiner Prüfplätze"},
    {Piece::Line, "  \tnutzen und zur Sicherung kopieren."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tNicht erlaubt sind die Weitergabe an Dritte, die Vermietung, die"},
    {Piece::Line, "  \tRückübersetzung und die Veränderung der Software."},
    {Piece::Section, nullptr},
    {Piece::Heading, "4.\tProdukte-Updates"},
    {Piece::Line, "  \tUpdates unterliegen diesen Bedingungen und ersetzen die frühere Fassung."},
    {Piece::Section, nullptr},
    {Piece::Heading, "5.\tHaftungsbeschränkung und Gewährleistung"},
    {Piece::Line, "  \tDer Lizenzgeber gewährleistet für 60 Tage ab Lieferung, dass der"},
    {Piece::Line, "  \tDatenträger frei von Material- und Herstellungsfehlern ist."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tFür Folgeschäden haftet der Lizenzgeber nur bei Vorsatz oder grober"},
    {Piece::Line, "  \tFahrlässigkeit."},
    {Piece::Section, nullptr},
    {Piece::Heading, "6.\tWirksamkeit von Vertragsbedingungen"},
    {Piece::Line, "  \tIst eine Bestimmung unwirksam, bleiben die übrigen Bestimmungen wirksam."},
};

const NotePiece NOTE_ENGLISH[] = {
    {Piece::Title, "License Conditions"},
    {Piece::Heading, "1.\tTerms"},
    {Piece::Line, "  \tThe licensee is the customer who acquired the software."},
    {Piece::Line, "  \tThe licensor is Tervane GmbH, Industriestraße 12, 70000 Musterstadt, Germany."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tThe software is the measuring program with its documentation."},
    {Piece::Section, nullptr},
    {Piece::Heading, "2.\tProperty"},
    {Piece::Line, "  \tThe software and all copies remain the property of the licensor."},
    {Piece::Line, "  \tCopyrights and other rights remain unaffected."},
    {Piece::Section, nullptr},
    {Piece::Heading, "3.\tLicense"},
    {Piece::Line, "  \tThe licensee may use the software on the computers of his test benches"},
    {Piece::Line, "  \tand copy it for backup."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tPassing it on to third parties, renting, reverse engineering and"},
    {Piece::Line, "  \tmodifying the software are not permitted."},
    {Piece::Section, nullptr},
    {Piece::Heading, "4.\tProduct-Updates"},
    {Piece::Line, "  \tUpdates are subject to these conditions and replace the earlier version."},
    {Piece::Section, nullptr},
    {Piece::Heading, "5.\tLiability Limitation and Guarantee"},
    {Piece::Line, "  \tFor 60 days from delivery the licensor guarantees that the medium is"},
    {Piece::Line, "  \tfree from defects in material and workmanship."},
    {Piece::Paragraph, nullptr},
    {Piece::Line, "  \tThe licensor is liable for consequential damage only in case of intent"},
    {Piece::Line, "  \tor gross negligence."},
    {Piece::Section, nullptr},
    {Piece::Heading, "6.\tEffectiveness of Contract Conditions"},
    {Piece::Line, "  \tShould a provision be invalid, the other provisions remain effective."},
};

struct Links
{
    const char* pszWeb;
    const char* pszMail;
};
const Links LINKS_GERMAN = {"www.tervane.de", "info@tervane.de"};
const Links LINKS_INTERNATIONAL = {"www.tervane.com", "info@tervane.com"};

bool IsEnglishOffset(int iLanguageOffset)
{
    return iLanguageOffset == LANGUAGE_ENGLISH || iLanguageOffset == LANGUAGE_FRENCH ||
           iLanguageOffset == LANGUAGE_SPANISH;
}
} // namespace

CDlgAdvice::CDlgAdvice() : CDialog(IDD_DLG_ADVICE, nullptr) {}

CDlgAdvice::~CDlgAdvice() = default;

void CDlgAdvice::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADVICE_TEXT, m_richEdit);
}

BOOL CDlgAdvice::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strCaption);
    FillNoteText();
    SetLinks();
    return TRUE;
}

void CDlgAdvice::FillNoteText()
{
    m_richEdit.ResetNewLineCount();
    const NotePiece* pBegin = nullptr;
    const NotePiece* pEnd = nullptr;
    if (m_iLanguageOffset == 0)
    {
        pBegin = std::begin(NOTE_GERMAN);
        pEnd = std::end(NOTE_GERMAN);
    }
    else if (IsEnglishOffset(m_iLanguageOffset))
    {
        pBegin = std::begin(NOTE_ENGLISH);
        pEnd = std::end(NOTE_ENGLISH);
    }
    for (const NotePiece* pPiece = pBegin; pPiece != pEnd; ++pPiece)
    {
        switch (pPiece->kind)
        {
            case Piece::Title:
                m_richEdit.AppendFormattedText(pPiece->pszText, TITLE_COLOR, TRUE);
                m_richEdit.AppendNewLines(3);
                break;
            case Piece::Heading:
                m_richEdit.AppendText(pPiece->pszText, 1, 0);
                m_richEdit.AppendNewLines(1);
                break;
            case Piece::Line:
                m_richEdit.AppendText(pPiece->pszText, TEXT_COLOR);
                m_richEdit.AppendNewLines(1);
                break;
            case Piece::Paragraph:
                m_richEdit.AppendNewLines(1);
                break;
            case Piece::Section:
                m_richEdit.AppendNewLines(2);
                break;
        }
    }
    // Back to the first line: every append scrolled on, so the scroll is by the first visible line.
    m_richEdit.GetNewLineCount(TRUE);
    m_richEdit.SendMessage(EM_SETSEL, 0, 0);
    m_richEdit.SendMessage(EM_LINESCROLL, 0, -m_richEdit.SendMessage(EM_GETFIRSTVISIBLELINE));
}

void CDlgAdvice::SetLinks()
{
    m_fontLink.DeleteObject();
    // 8 points, as the dialog's own texts.
    CClientDC dc(this);
    const int iHeight = -::MulDiv(8, dc.GetDeviceCaps(LOGPIXELSY), 72);
    m_fontLink.CreateFont(iHeight, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "Ms Sans Serif");
    const Links* pLinks = nullptr;
    if (m_iLanguageOffset == 0)
        pLinks = &LINKS_GERMAN;
    else if (IsEnglishOffset(m_iLanguageOffset))
        pLinks = &LINKS_INTERNATIONAL;
    for (int iId : {IDC_ADVICE_WEB, IDC_ADVICE_MAIL})
    {
        CWnd* pLink = GetDlgItem(iId);
        if (pLink == nullptr)
            continue;
        pLink->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontLink.m_hObject), TRUE);
        if (pLinks != nullptr)
            pLink->SetWindowText(iId == IDC_ADVICE_WEB ? pLinks->pszWeb : pLinks->pszMail);
    }
}

BOOL CDlgAdvice::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE)
    {
        const int iId = ::GetDlgCtrlID(pMsg->hwnd);
        if (::GetParent(pMsg->hwnd) == m_hWnd && (iId == IDC_ADVICE_WEB || iId == IDC_ADVICE_MAIL))
            ::SetCursor(AfxGetApp()->LoadCursor(IDC_LINK_CURSOR));
    }
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CDlgAdvice::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HBRUSH hBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    const int iId = pWnd != nullptr ? pWnd->GetDlgCtrlID() : 0;
    if (iId == IDC_ADVICE_WEB || iId == IDC_ADVICE_MAIL)
        pDC->SetTextColor(LINK_COLOR);
    return hBrush;
}

void CDlgAdvice::OnClickWebLink()
{
    OpenLink(IDC_ADVICE_WEB, "");
}

void CDlgAdvice::OnClickMailLink()
{
    OpenLink(IDC_ADVICE_MAIL, "mailto:");
}

void CDlgAdvice::OpenLink(int iControlId, LPCSTR lpszPrefix)
{
    CString strLink;
    if (CWnd* pLink = GetDlgItem(iControlId))
        pLink->GetWindowText(strLink);
    if (strLink.IsEmpty() || strLink == NOT_AVAILABLE)
        return;
    AfxShellOpen(m_hWnd, CString(lpszPrefix) + strLink, SW_SHOWNORMAL);
}
