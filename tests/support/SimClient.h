// Client of the sensor simulator's JSON-lines control socket on 127.0.0.1 (port in SENSORSIM_PORT).
#pragma once

#include <string>
#include <vector>

class CSimClient
{
public:
    CSimClient() = default;
    ~CSimClient();
    CSimClient(const CSimClient&) = delete;
    CSimClient& operator=(const CSimClient&) = delete;

    // The control port from SENSORSIM_PORT, or 0 when the variable is missing.
    static int GetPortFromEnvironment();
    bool Connect(int iPort = GetPortFromEnvironment());
    bool IsConnected() const { return m_socket != ~0ull; }
    void Disconnect();

    // Sends one JSON object as a line and returns the answer line; empty when the exchange failed.
    std::string Request(const std::string& strJson);
    // Sends the request and tells whether the answer holds "ok": true.
    bool Command(const std::string& strJson);

    bool Reset();
    bool SetValues(char chChannel, const std::string& strSourceJson);
    bool SetConstant(char chChannel, int iValue);
    bool SetRamp(char chChannel, int iStart, int iStep);
    bool SetRateMode(const std::string& strMode);
    // kind, optional count ("all" or a number) and further members such as "\"command\": \"B\"".
    bool InjectFault(const std::string& strKind, const std::string& strCount = "1",
                     const std::string& strMore = std::string());
    bool ClearFaults();
    bool Unplug();
    bool Replug();
    std::string GetState();
    std::string GetLog(bool bClear = false);
    bool ClearLog();

    // The text of a member's value in a JSON object (numbers and literals as written, strings
    // without quotes, objects and arrays with their brackets); empty when there is none.
    static std::string FindValue(const std::string& strJson, const std::string& strKey);
    // The objects of a log array (GetLog), in order.
    static std::vector<std::string> LogEntries(const std::string& strLog);
    // Number of occurrences of "key": value (value written as in JSON, e.g. "\"rx\"" or "true").
    static int CountMember(const std::string& strJson, const std::string& strKey,
                           const std::string& strValue);

private:
    bool SendAll(const std::string& strData);
    bool ReadLine(std::string& strLine);

    unsigned long long m_socket = ~0ull;
    std::string m_strPending;
};
