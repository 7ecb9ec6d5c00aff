// Answers of a sensor at interface address 6 to the system's address 255, built here with their own
// check bytes, and their wire form (every 0x02 after the leading one doubled).
#pragma once

#include "ProtocolTestData.h"

#include <initializer_list>
#include <vector>

namespace protocol_test
{
constexpr unsigned char SENSOR_ADDRESS = 6;

// 02, code, FF, address, N, data, CS, WCS: CS the byte sum from the code on, WCS the running sum of
// the CS values with every carry out of 8 bits added back.
inline CString AnswerFrame(unsigned char ucCode, const std::vector<unsigned char>& data,
                           unsigned char ucAddress = SENSOR_ADDRESS)
{
    std::vector<unsigned char> frame = {0x02, ucCode, 0xFF, ucAddress,
                                        static_cast<unsigned char>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    unsigned uCS = 0;
    unsigned uWCS = 0;
    for (size_t i = 1; i < frame.size(); ++i)
    {
        uCS = (uCS + frame[i]) & 0xFF;
        uWCS += uCS;
        if (uWCS > 0xFF)
            uWCS = uWCS - 0x100 + 1;
    }
    frame.push_back(static_cast<unsigned char>(uCS));
    frame.push_back(static_cast<unsigned char>(uWCS));
    return CString(reinterpret_cast<const char*>(frame.data()), static_cast<int>(frame.size()));
}

inline CString Wire(const CString& strFrame)
{
    CString str;
    for (int i = 0; i < strFrame.GetLength(); ++i)
    {
        str += strFrame.GetAt(i);
        if (i > 0 && strFrame.GetAt(i) == 0x02)
            str += strFrame.GetAt(i);
    }
    return str;
}

inline CString WireAck()
{
    return Wire(AnswerFrame(0x06, {}));
}

inline CString WireNak(char chReason)
{
    return Wire(AnswerFrame(0x15, {static_cast<unsigned char>(chReason)}));
}

inline CString WireHello()
{
    return Wire(AnswerFrame(0x40, {0}));
}

inline CString WireStatus()
{
    return Wire(Bytes(KNOWN_STATUS_LONG));
}

inline CString WireBlock(unsigned char ucNumber)
{
    return Wire(KnownBlockRead(ucNumber));
}

inline CString RawFrame(int iRawA, int iRawB, int iValueA, int iValueB, unsigned char ucControl = 0)
{
    auto hi = [](int i) { return static_cast<unsigned char>((i >> 8) & 0xFF); };
    auto lo = [](int i) { return static_cast<unsigned char>(i & 0xFF); };
    return AnswerFrame(0x41, {hi(iRawA), lo(iRawA), hi(iRawB), lo(iRawB), hi(iValueA), lo(iValueA),
                              hi(iValueB), lo(iValueB), ucControl});
}

// A stream record: counter, then the values, signed 16-bit, most significant byte first.
inline CString Record(unsigned char ucCounter, std::initializer_list<int> values)
{
    CString str(static_cast<char>(ucCounter));
    for (const int iValue : values)
    {
        str += static_cast<char>((iValue >> 8) & 0xFF);
        str += static_cast<char>(iValue & 0xFF);
    }
    return str;
}

// The request as the sensor sees it: code, first address byte and data after removing the doubling.
inline unsigned char RequestCode(const CString& strWire)
{
    return strWire.GetLength() > 1 ? static_cast<unsigned char>(strWire.GetAt(1)) : 0;
}
} // namespace protocol_test
