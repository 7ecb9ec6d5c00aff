#include "support/SimClient.h"

#include "framework/AfxWin32.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdlib>

namespace
{
constexpr DWORD ANSWER_TIMEOUT_MS = 10000;

bool StartWinsock()
{
    static bool s_bStarted = []
    {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return s_bStarted;
}

size_t SkipBlanks(const std::string& str, size_t nPos)
{
    while (nPos < str.size() &&
           (str[nPos] == ' ' || str[nPos] == '\t' || str[nPos] == '\n' || str[nPos] == '\r'))
        ++nPos;
    return nPos;
}

// End of the JSON value starting at nPos (one past its last character).
size_t ValueEnd(const std::string& str, size_t nPos)
{
    if (nPos >= str.size())
        return nPos;
    if (str[nPos] == '"')
    {
        for (size_t i = nPos + 1; i < str.size(); ++i)
        {
            if (str[i] == '\\')
                ++i;
            else if (str[i] == '"')
                return i + 1;
        }
        return str.size();
    }
    if (str[nPos] == '{' || str[nPos] == '[')
    {
        int iDepth = 0;
        bool bInString = false;
        for (size_t i = nPos; i < str.size(); ++i)
        {
            char ch = str[i];
            if (bInString)
            {
                if (ch == '\\')
                    ++i;
                else if (ch == '"')
                    bInString = false;
            }
            else if (ch == '"')
                bInString = true;
            else if (ch == '{' || ch == '[')
                ++iDepth;
            else if ((ch == '}' || ch == ']') && --iDepth == 0)
                return i + 1;
        }
        return str.size();
    }
    size_t nEnd = str.find_first_of(",}] \t\r\n", nPos);
    return nEnd == std::string::npos ? str.size() : nEnd;
}
} // namespace

CSimClient::~CSimClient()
{
    Disconnect();
}

int CSimClient::GetPortFromEnvironment()
{
    const char* pszPort = std::getenv("SENSORSIM_PORT");
    return pszPort != nullptr ? std::atoi(pszPort) : 0;
}

bool CSimClient::Connect(int iPort)
{
    Disconnect();
    if (iPort <= 0 || iPort > 65535 || !StartWinsock())
        return false;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return false;
    DWORD dwTimeout = ANSWER_TIMEOUT_MS;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&dwTimeout), sizeof(dwTimeout));
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<u_short>(iPort));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, reinterpret_cast<const sockaddr*>(&addr), sizeof(addr)) != 0)
    {
        closesocket(s);
        return false;
    }
    m_socket = s;
    return true;
}

void CSimClient::Disconnect()
{
    if (IsConnected())
        closesocket(static_cast<SOCKET>(m_socket));
    m_socket = ~0ull;
    m_strPending.clear();
}

bool CSimClient::SendAll(const std::string& strData)
{
    size_t nSent = 0;
    while (nSent < strData.size())
    {
        int n = send(static_cast<SOCKET>(m_socket), strData.data() + nSent,
                     static_cast<int>(strData.size() - nSent), 0);
        if (n <= 0)
            return false;
        nSent += static_cast<size_t>(n);
    }
    return true;
}

bool CSimClient::ReadLine(std::string& strLine)
{
    for (;;)
    {
        size_t nEnd = m_strPending.find('\n');
        if (nEnd != std::string::npos)
        {
            strLine = m_strPending.substr(0, nEnd);
            m_strPending.erase(0, nEnd + 1);
            return true;
        }
        char achBuffer[4096];
        int n = recv(static_cast<SOCKET>(m_socket), achBuffer, sizeof(achBuffer), 0);
        if (n <= 0)
            return false;
        m_strPending.append(achBuffer, static_cast<size_t>(n));
    }
}

std::string CSimClient::Request(const std::string& strJson)
{
    std::string strAnswer;
    if (!IsConnected() || !SendAll(strJson + "\n") || !ReadLine(strAnswer))
    {
        Disconnect();
        return std::string();
    }
    return strAnswer;
}

bool CSimClient::Command(const std::string& strJson)
{
    return FindValue(Request(strJson), "ok") == "true";
}

bool CSimClient::Reset()
{
    return Command(R"({"cmd": "reset"})");
}

bool CSimClient::SetValues(char chChannel, const std::string& strSourceJson)
{
    return Command(std::string(R"({"cmd": "set_values", "channel": ")") + chChannel + R"(", "source": )" +
                   strSourceJson + "}");
}

bool CSimClient::SetConstant(char chChannel, int iValue)
{
    return SetValues(chChannel, R"({"kind": "constant", "value": )" + std::to_string(iValue) + "}");
}

bool CSimClient::SetRamp(char chChannel, int iStart, int iStep)
{
    return SetValues(chChannel, R"({"kind": "ramp", "start": )" + std::to_string(iStart) + R"(, "step": )" +
                                    std::to_string(iStep) + "}");
}

bool CSimClient::SetRateMode(const std::string& strMode)
{
    return Command(R"({"cmd": "set_rate", "mode": ")" + strMode + R"("})");
}

bool CSimClient::InjectFault(const std::string& strKind, const std::string& strCount,
                             const std::string& strMore)
{
    std::string strCountJson = strCount == "all" ? "\"all\"" : strCount;
    std::string strJson = R"({"cmd": "fault", "kind": ")" + strKind + R"(", "count": )" + strCountJson;
    if (!strMore.empty())
        strJson += ", " + strMore;
    return Command(strJson + "}");
}

bool CSimClient::ClearFaults()
{
    return Command(R"({"cmd": "clear_faults"})");
}

bool CSimClient::Unplug()
{
    return Command(R"({"cmd": "unplug"})");
}

bool CSimClient::Replug()
{
    return Command(R"({"cmd": "replug"})");
}

std::string CSimClient::GetState()
{
    return Request(R"({"cmd": "get_state"})");
}

std::string CSimClient::GetLog(bool bClear)
{
    return FindValue(
        Request(std::string(R"({"cmd": "get_log", "clear": )") + (bClear ? "true" : "false") + "}"), "log");
}

bool CSimClient::ClearLog()
{
    return Command(R"({"cmd": "clear_log"})");
}

std::string CSimClient::FindValue(const std::string& strJson, const std::string& strKey)
{
    std::string strQuoted = "\"" + strKey + "\"";
    for (size_t nPos = strJson.find(strQuoted); nPos != std::string::npos;
         nPos = strJson.find(strQuoted, nPos + 1))
    {
        size_t nColon = SkipBlanks(strJson, nPos + strQuoted.size());
        if (nColon >= strJson.size() || strJson[nColon] != ':')
            continue;
        size_t nStart = SkipBlanks(strJson, nColon + 1);
        size_t nEnd = ValueEnd(strJson, nStart);
        if (nStart < strJson.size() && strJson[nStart] == '"')
            return strJson.substr(nStart + 1, nEnd - nStart - 2);
        return strJson.substr(nStart, nEnd - nStart);
    }
    return std::string();
}

int CSimClient::CountMember(const std::string& strJson, const std::string& strKey,
                            const std::string& strValue)
{
    std::string strQuoted = "\"" + strKey + "\"";
    int iCount = 0;
    for (size_t nPos = strJson.find(strQuoted); nPos != std::string::npos;
         nPos = strJson.find(strQuoted, nPos + 1))
    {
        size_t nColon = SkipBlanks(strJson, nPos + strQuoted.size());
        if (nColon >= strJson.size() || strJson[nColon] != ':')
            continue;
        size_t nStart = SkipBlanks(strJson, nColon + 1);
        if (strJson.compare(nStart, ValueEnd(strJson, nStart) - nStart, strValue) == 0)
            ++iCount;
    }
    return iCount;
}

std::vector<std::string> CSimClient::LogEntries(const std::string& strLog)
{
    std::vector<std::string> entries;
    int iDepth = 0;
    bool bInString = false;
    size_t nStart = 0;
    for (size_t i = 0; i < strLog.size(); ++i)
    {
        const char ch = strLog[i];
        if (bInString)
        {
            if (ch == '\\')
                ++i;
            else if (ch == '"')
                bInString = false;
            continue;
        }
        if (ch == '"')
            bInString = true;
        else if (ch == '{' && iDepth++ == 0)
            nStart = i;
        else if (ch == '}' && --iDepth == 0)
            entries.push_back(strLog.substr(nStart, i - nStart + 1));
    }
    return entries;
}
