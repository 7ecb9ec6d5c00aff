// The header block of the measured-value and result files as one text, built from a plain record of
// what it documents: the operator's texts, the sensor, the measurement set-up and the start time. The
// documentation page fills the record from the live system; the builder itself reads nothing else
// than the string table.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/SensorStruct.h"

struct CsvHeaderSource
{
    int iLanguage = 0;
    CString strLineEnd = "\r\n";
    CString strSeparator = ";";
    char cDecimal = ',';
    // The header options of the record (bMwHeadline, bMwAddress, bMwUncertainty, bMwComment,
    // bMwDateTime).
    BYTE bHeadline = 0;
    BYTE bAddress = 0;
    BYTE bUncertainty = 0;
    BYTE bComment = 0;
    BYTE bDateTime = 0;
    CString strHeadline;
    CString strAddress;
    CString strComment;
    SensorStruct sSensor;
    CString strPortKey;
    // The channels' range end values as the channel panes give them (mode 2).
    CString strRangeEndA;
    CString strRangeEndB;
    // COM_GetCalibInaccuracy of A and B; valid strictly between 0 and 5.
    double dUncertaintyA = 0.0;
    double dUncertaintyB = 0.0;
    bool bUserCalibEqualsFactory = false;
    int iRateCode = 0;
    unsigned uAveragingCount = 1;
    int iMeanCodeA = 0;
    int iMeanCodeB = 0;
    bool bTriggerCycle = false;
    int iStartSource = 0;
    int iStopSource = 0;
    // Start date and time texts (used with bDateTime).
    CString strStartDate;
    CString strStartTime;
    // Factory and user calibration dates as FormatDate gives them.
    CString strFactoryDate;
    CString strUserDate;
    // The column header line (file kind 0) or the two result header lines (kind 1); empty otherwise.
    CString strColumnPart;
};

class CCsvHeader
{
public:
    // How many channels the sensor kind lists and how the uncertainty entries are joined.
    enum
    {
        KIND_SINGLE_INTERFACE,
        KIND_SINGLE_SENSOR,
        KIND_TWO_CHANNEL_INTERFACE,
        KIND_OTHER,
    };
    static int SensorKind(const SensorStruct& sSensor);
    static CString Build(const CsvHeaderSource& source);

private:
    static CString Text(int iId, int iLanguage);
    static CString UncertaintyEntry(double dValue, char cDecimal);
};
