#include "measurement/CDiagramRules.h"

#include "controls/ControlTexts.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"

namespace
{
// The selected unit's text of a channel.
CString SelectedUnit(const ChannelSettingsStruct& c)
{
    return c.iSelectedUnit >= 0 && c.iSelectedUnit < CHANNEL_UNIT_SLOTS ? c.strUnit[c.iSelectedUnit]
                                                                        : CString("n.a.");
}

bool LoadName(int iId, int iLanguageOffset, CString& strName)
{
    return strName.LoadString(static_cast<UINT>(iId + iLanguageOffset)) != FALSE;
}
} // namespace

int CDiagramRules::FirstRedrawPeriod(double dSamplePeriod)
{
    const int iMs = static_cast<int>(dSamplePeriod * 1000.0);
    if (iMs < MIN_REDRAW_MS)
        return MIN_REDRAW_MS;
    const int iPeriod = 2 * iMs / 3;
    return iPeriod < MIN_REDRAW_MS ? MIN_REDRAW_MS : iPeriod;
}

int CDiagramRules::NextRedrawPeriod(double dSamplePeriod, int iPeriod)
{
    return dSamplePeriod < FAST_SAMPLE_PERIOD ? FAST_REDRAW_MS : iPeriod;
}

CString CDiagramRules::QuantityText(int iQuantity, int iLanguageOffset, bool bTwoLine,
                                    const ChannelSettingsStruct* psChannels)
{
    CString strName = "n.a.";
    CString strUnit = "default";
    bool bFound = true;
    switch (iQuantity)
    {
        case MeasureAdjustStruct::AXIS_OFF:
            bFound = LoadName(IDS_OFF, iLanguageOffset, strName);
            strUnit = "N.L";
            break;
        case MeasureAdjustStruct::AXIS_TIME:
            bFound = LoadName(IDS_QUANTITY_TIME, iLanguageOffset, strName) &&
                     LoadName(IDS_SECONDS, iLanguageOffset, strUnit);
            break;
        case MeasureAdjustStruct::AXIS_CHANNEL_A:
        case MeasureAdjustStruct::AXIS_CHANNEL_B:
        {
            const bool bA = iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_A;
            bFound = LoadName(bA ? IDS_CHANNEL_A : IDS_CHANNEL_B, iLanguageOffset, strName);
            strUnit = SelectedUnit(psChannels[bA ? 0 : 1]);
            break;
        }
        default:
            break;
    }
    if (!bFound)
    {
        strName = "not ";
        strUnit = "available";
    }
    return strName + (bTwoLine ? "\n[" : " [") + strUnit + "]";
}

CString CDiagramRules::QuantityFormat(int iQuantity, const ChannelSettingsStruct* psChannels,
                                      bool bDigitalInputB, int* piDecimals)
{
    if (iQuantity != MeasureAdjustStruct::AXIS_CHANNEL_A && iQuantity != MeasureAdjustStruct::AXIS_CHANNEL_B)
        return "n.a.";
    const bool bA = iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_A;
    const CMeasureAdjustHelpers helpers;
    if (!bA && bDigitalInputB)
    {
        const int iOneDecimal = 1;
        *piDecimals = 0;
        return helpers.GetValueFormat(IDS_CHANNEL_B, nullptr, &iOneDecimal);
    }
    const int iDecimals = psChannels[bA ? 0 : 1].iDecimals;
    return helpers.GetValueFormat(bA ? IDS_CHANNEL_A : IDS_CHANNEL_B, piDecimals, &iDecimals);
}

bool CDiagramRules::ShowsWholeTimeRange(double dDataXMax, bool bLast, double dPointPeriod)
{
    return dDataXMax < SCROLL_WIDTH || bLast || dPointPeriod >= SCROLL_POINT_PERIOD;
}
