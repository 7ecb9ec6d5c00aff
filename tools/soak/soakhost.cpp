// The program as it ships (its application object, whose document template makes the frame, the view
// with its pages and the protocol engine), with a probe of its own for the soak scripts: on request it
// counts the process's kernel handles, GDI objects and windows and checks the diagram's curve Y1 (see
// SoakProbe.h). Under Wine, GetGuiResources and GetProcessHandleCount give 0, so the probe tries every
// handle value: GetHandleInformation over kernel handle values, GetObjectType and IsWindow over 16-bit
// values, which Wine accepts.
#include "SoakProbe.h"

#include "app/CMainFrame.h"
#include "app/CQbxUsbTq5App.h"
#include "controls/COwnerMenuData.h"
#include "measurement/CAFormDiagram.h"
#include "resources/resource.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <string>
#include <thread>

CQbxUsbTq5App theApp;

namespace
{
constexpr ULONG_PTR HANDLE_LIMIT = 0x10000;
constexpr DWORD POLL_MS = 500;

// A UNICODE_STRING that NtQueryObject puts at the start of its answer (classes 1 and 2: the object's name
// and its type's name): false when the query fails.
bool QueryObjectString(HANDLE h, int iClass, std::string& str)
{
    using QueryObject = LONG(NTAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
    static const auto pQuery = reinterpret_cast<QueryObject>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryObject")));
    alignas(8) BYTE buffer[2048] = {};
    if (pQuery == nullptr || pQuery(h, iClass, buffer, sizeof(buffer) - 2, nullptr) < 0)
        return false;
    struct CountedString
    {
        USHORT Length;
        USHORT MaximumLength;
        PWSTR Buffer;
    };
    const auto* pString = reinterpret_cast<const CountedString*>(buffer);
    str.clear();
    for (USHORT i = 0; pString->Buffer && i < pString->Length / 2; ++i)
        str += pString->Buffer[i] < 128 ? static_cast<char>(pString->Buffer[i]) : '?';
    return true;
}

std::string HandleType(HANDLE h)
{
    std::string str;
    if (!QueryObjectString(h, 2, str))
        return "(no type)";
    return str.empty() ? "(unnamed)" : str;
}

// The path of a file object, or its object name where it has no path (a device, a pipe).
std::string FileName(HANDLE h)
{
    char szPath[MAX_PATH * 2] = {};
    const DWORD dwLength =
        ::GetFinalPathNameByHandleA(h, szPath, sizeof(szPath), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (dwLength > 0 && dwLength < sizeof(szPath))
        return szPath;
    std::string str;
    if (QueryObjectString(h, 1, str) && !str.empty())
        return str;
    // Nameless: its kind, and which standard handle it is.
    const DWORD dwType = ::GetFileType(h);
    std::string strKind = dwType == FILE_TYPE_CHAR   ? "(character device"
                          : dwType == FILE_TYPE_PIPE ? "(pipe"
                          : dwType == FILE_TYPE_DISK ? "(disk file"
                                                     : "(unknown kind";
    const char* const STANDARD[] = {"input", "output", "error"};
    const DWORD STANDARD_IDS[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    for (int i = 0; i < 3; ++i)
    {
        if (::GetStdHandle(STANDARD_IDS[i]) == h)
            strKind += std::string(", standard ") + STANDARD[i];
    }
    return strKind + ")";
}

// Handles whose object type the platform does not name (Wine's own objects, which come and go with the
// serial port's waits) are listed but not counted. File handles are named in strFiles.
LONG CountKernelHandles(LONG& lHighest, std::string& strTypes, std::string& strFiles)
{
    LONG lCount = 0;
    lHighest = 0;
    std::map<std::string, int> types;
    for (ULONG_PTR v = 4; v < HANDLE_LIMIT; v += 4)
    {
        DWORD dwFlags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(v), &dwFlags))
        {
            lHighest = static_cast<LONG>(v);
            const std::string strType = HandleType(reinterpret_cast<HANDLE>(v));
            ++types[strType];
            if (strType == "File")
                strFiles += FileName(reinterpret_cast<HANDLE>(v)) + "|";
            lCount += strType != "(unnamed)";
        }
    }
    for (const auto& [strType, n] : types)
        strTypes += (strTypes.empty() ? "" : ", ") + strType + " " + std::to_string(n);
    return lCount;
}

LONG CountGdiObjects()
{
    LONG lCount = 0;
    for (ULONG_PTR v = 1; v <= 0xFFFF; ++v)
        lCount += ::GetObjectType(reinterpret_cast<HGDIOBJ>(v)) != 0;
    return lCount;
}

LONG CountOwnWindows()
{
    LONG lCount = 0;
    for (ULONG_PTR v = 1; v <= 0xFFFF; ++v)
    {
        HWND hWnd = reinterpret_cast<HWND>(v);
        DWORD dwProcessId = 0;
        if (::IsWindow(hWnd) && ::GetWindowThreadProcessId(hWnd, &dwProcessId) &&
            dwProcessId == ::GetCurrentProcessId())
            ++lCount;
    }
    return lCount;
}

// The step seen most often among the first steps of the curve: one count.
double UnitStep(const CurvePoints& points, int n)
{
    std::map<double, int> seen;
    for (int i = 1; i < std::min(n, 1000); ++i)
        ++seen[points[i].y - points[i - 1].y];
    const auto best = std::max_element(seen.begin(), seen.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return best == seen.end() ? 0 : best->first;
}

// Y1's points and its steps that are not one count (nor the wrap from 32767 to -32768); the last point,
// which Stop adds, may repeat the last record's value.
void CheckCurves(SoakFigures& figures)
{
    auto* pFrame = dynamic_cast<CMainFrame*>(theApp.m_pMainWnd);
    CAFormDiagram* pDiagram = pFrame ? pFrame->m_sPointer.pDiagram : nullptr;
    CDataManager* pStore = pDiagram ? pDiagram->m_wndGraph.GetDataManager() : nullptr;
    if (pStore == nullptr)
        return;
    for (int iCurve : {0, 1})
        figures.lCurvePoints[iCurve] = pStore->getCount(iCurve, "soak probe");
    const int n = figures.lCurvePoints[0];
    const CurvePoints points = pStore->getCurve(0);
    const double dUnit = UnitStep(points, n);
    figures.dCurveUnit = dUnit;
    figures.lFirstIrregular = -1;
    for (int i = 1; i < n && dUnit > 0; ++i)
    {
        const double dSteps = (points[i].y - points[i - 1].y) / dUnit;
        const bool bEndPoint = i + 1 == n && dSteps == 0;
        if (std::fabs(dSteps - 1) > 1e-3 && std::fabs(dSteps + 65535) > 1e-3 && !bEndPoint &&
            figures.lIrregularSteps++ == 0)
            figures.lFirstIrregular = i;
    }
}

// The text an item shows: an owner-drawn item's from its record, another's from the system.
std::string ItemText(HMENU hMenu, int iPos, bool& bOwnerDrawn)
{
    char szText[256] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
    info.dwTypeData = szText;
    info.cch = sizeof(szText) - 1;
    if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(iPos), TRUE, &info))
        return std::string();
    bOwnerDrawn = (info.fType & MFT_OWNERDRAW) != 0;
    if (bOwnerDrawn && info.dwItemData != 0)
        return reinterpret_cast<const COwnerMenuData*>(info.dwItemData)->GetAnsiText().GetString();
    return szText;
}

// The frame's menu bar titles, the owner-drawn items of its popups (the bar's titles are plain text), and
// the state of the Spanish command.
void ReadMenu(SoakFigures& figures)
{
    auto* pFrame = dynamic_cast<CMainFrame*>(theApp.m_pMainWnd);
    HMENU hMenu = pFrame ? pFrame->GetMenuHandle() : nullptr;
    if (hMenu == nullptr)
        return;
    figures.nSpanishState = ::GetMenuState(hMenu, ID_LANGUAGE_SPANISH, MF_BYCOMMAND);
    std::string strTitles;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        bool bOwnerDrawn = false;
        strTitles += ItemText(hMenu, i, bOwnerDrawn) + "|";
        HMENU hPopup = ::GetSubMenu(hMenu, i);
        // As when the operator opens it: the frame brings the popup's records in step first.
        DWORD_PTR dwResult = 0;
        if (hPopup != nullptr)
            ::SendMessageTimeoutA(pFrame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup),
                                  MAKELPARAM(i, FALSE), SMTO_NORMAL, 5000, &dwResult);
        figures.lMenuItems += hPopup ? ::GetMenuItemCount(hPopup) : 0;
        for (int j = 0; hPopup && j < ::GetMenuItemCount(hPopup); ++j)
        {
            ItemText(hPopup, j, bOwnerDrawn);
            figures.lOwnerDrawnItems += bOwnerDrawn;
        }
    }
    strTitles.copy(figures.szMenuTitles, sizeof(figures.szMenuTitles) - 1);
}

void ReadTraceLength(SoakFigures& figures)
{
    auto* pFrame = dynamic_cast<CMainFrame*>(theApp.m_pMainWnd);
    HWND hEdit = pFrame ? pFrame->m_dlgTrace.m_richEdit.GetSafeHwnd() : nullptr;
    DWORD_PTR dwLength = 0;
    if (hEdit && ::SendMessageTimeoutA(hEdit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &dwLength))
        figures.lTraceChars = static_cast<LONG>(dwLength);
}

class CSoakProbe
{
public:
    CSoakProbe()
    {
        const DWORD dwId = ::GetCurrentProcessId();
        m_hAsk = ::CreateEventA(nullptr, FALSE, FALSE, SoakObjectName(dwId, "ask").c_str());
        m_hAskCurves = ::CreateEventA(nullptr, FALSE, FALSE, SoakObjectName(dwId, "askcurves").c_str());
        m_hTold = ::CreateEventA(nullptr, FALSE, FALSE, SoakObjectName(dwId, "told").c_str());
        m_hMapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                          sizeof(SoakFigures), SoakObjectName(dwId, "figures").c_str());
        m_pFigures = m_hMapping ? static_cast<SoakFigures*>(::MapViewOfFile(m_hMapping, FILE_MAP_ALL_ACCESS,
                                                                            0, 0, sizeof(SoakFigures)))
                                : nullptr;
        if (m_hAsk && m_hAskCurves && m_hTold && m_pFigures)
            m_thread = std::thread([this] { Serve(); });
    }
    ~CSoakProbe()
    {
        m_bEnd = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_pFigures)
            ::UnmapViewOfFile(m_pFigures);
        for (HANDLE h : {m_hAsk, m_hAskCurves, m_hTold, m_hMapping})
        {
            if (h)
                ::CloseHandle(h);
        }
    }
    CSoakProbe(const CSoakProbe&) = delete;
    CSoakProbe& operator=(const CSoakProbe&) = delete;

private:
    void Serve()
    {
        while (!m_bEnd)
        {
            const HANDLE asks[] = {m_hAsk, m_hAskCurves};
            const DWORD dwAsked = ::WaitForMultipleObjects(2, asks, FALSE, POLL_MS);
            if (dwAsked != WAIT_OBJECT_0 && dwAsked != WAIT_OBJECT_0 + 1)
                continue;
            const ULONGLONG ullStart = ::GetTickCount64();
            SoakFigures figures = {};
            if (dwAsked == WAIT_OBJECT_0)
                CountObjects(figures);
            CheckCurves(figures);
            figures.lProbeMs = static_cast<LONG>(::GetTickCount64() - ullStart);
            *m_pFigures = figures;
            ::SetEvent(m_hTold);
        }
    }

    // The process's objects, its menu and its trace window.
    static void CountObjects(SoakFigures& figures)
    {
        std::string strTypes;
        std::string strFiles;
        figures.lKernelHandles = CountKernelHandles(figures.lHighestHandle, strTypes, strFiles);
        strTypes.copy(figures.szHandleTypes, sizeof(figures.szHandleTypes) - 1);
        strFiles.copy(figures.szFileNames, sizeof(figures.szFileNames) - 1);
        figures.lHandleLimit = static_cast<LONG>(HANDLE_LIMIT);
        figures.lGdiObjects = CountGdiObjects();
        figures.lWindows = CountOwnWindows();
        ReadMenu(figures);
        ReadTraceLength(figures);
    }

    HANDLE m_hAsk = nullptr;
    HANDLE m_hAskCurves = nullptr;
    HANDLE m_hTold = nullptr;
    HANDLE m_hMapping = nullptr;
    SoakFigures* m_pFigures = nullptr;
    std::atomic<bool> m_bEnd{false};
    std::thread m_thread;
};

CSoakProbe g_probe;
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
