// The rules of the channel part of the measurement settings page: which channels are checked, enabled
// and shown for the connected interface, the click that never leaves both unchecked, the first
// measuring rate offered, the low-pass filter's presence, and the entries and selection of a channel's
// unit list.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <vector>

struct ChannelSettingsStruct;
struct MeasureAdjustStruct;
struct SensorStruct;

class CChannelRules
{
public:
    static constexpr int LAST_OFFERED_RATE = 18;

    // The interface reaches a QBX sensor of stator type 5 whose channel B is a digital input, or that
    // has only channel A.
    static bool HasDigitalInput(const SensorStruct& s);
    static bool IsOneChannelQbx(const SensorStruct& s);

    // The checked, enabled and shown bytes of both channels (and their saved copies) for the connection
    // state; bSavedCopyPending says that the checks of the last connected sensor wait to come back.
    static void ApplyChannelChecks(MeasureAdjustStruct& s, bool bConnected, bool bOneChannelQbx,
                                   bool& bSavedCopyPending);
    // A channel is checked when its record offers it (shown byte 0 or 1).
    static void TakeShownStates(MeasureAdjustStruct& s, BYTE byShownA, BYTE byShownB);
    // The operator set channel iChannel's box to bChecked; the shown bytes follow, and when neither channel
    // is checked the other one is checked again. True when the other box must be checked.
    static bool ClickChannel(MeasureAdjustStruct& s, int iChannel, bool bChecked, BYTE& byShownThis,
                             BYTE& byShownOther);

    // The first measuring-rate code offered: polled rates only for stator type 4 and for type 5 up to
    // revision 4; otherwise by the baud rate and the number of checked channels.
    static int FirstRateCode(int iStatorType, int iStatorRev, long lBaudrate, bool bCheckedA, bool bCheckedB);
    // The rate code selected in a list that starts at iFirst.
    static int RateInList(int iCurrent, int iFirst);

    // Stator type 5 from revision 7 on has the low-pass filter.
    static bool HasLowPassFilter(int iStatorType, int iStatorRev);

    struct UnitEntry
    {
        CString strText;
        int iCode;
    };
    // The unit slots up to the first negative id; the software-scaling slot in square brackets, left out
    // when its factor is 0.
    static std::vector<UnitEntry> UnitEntries(const ChannelSettingsStruct& c);
    // The unit to select: the software-scaling slot while a reset to it is pending (which clears it),
    // and 0 for a selection outside 0 to iLastCode (the record follows).
    static int SelectUnit(ChannelSettingsStruct& c, BYTE& bUnitResetPending, int iLastCode);
    // The scaling button's word: "Erstellen" (IDS_CREATE) without a scaling or with slot factor 0, else
    // "Ändern" (IDS_CHANGE).
    static int ScalingButtonTextId(bool bHasScaling, double dSlotFactor);
};
